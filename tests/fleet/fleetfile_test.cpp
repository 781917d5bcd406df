// Opening and saving fleets through the organizer: the file, the fleet folder and its rules.
#include "tests/fleet/fleetfixture.h"

#include <QFileInfo>

using namespace kw;
using kw::test::FleetTest;

namespace {

class FleetFileTest : public FleetTest {
protected:
    QByteArray read(const QString& relative) const { return test::readFile(path(relative)); }
    // Writes a fleet file and opens it.
    bool open(const QString& relative, const QByteArray& text)
    {
        folder.write(relative, text);
        return fleet.OpenFleet(path(relative));
    }
    // A fleet folder F/Alpha with copies of the fixture ships.
    void fleetFolder(const QStringList& ships)
    {
        QDir().mkpath(path("F/Alpha"));
        for (const QString& ship : ships)
            QFile::copy(test::fleetShip(ship), path("F/Alpha/" + ship + ".shp"));
    }
};

} // namespace

TEST_F(FleetFileTest, AFreshHoodIsSavedAsItsLineAndAFleetReadsBackWithItsLabelsAndPlaces)
{
    addFromSide("Hood");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(read("F/Alpha.flt"), "Ships=1\r\nHood,1,Hood,Hood.shp,0,765,(T:120)(P:350)\r\n");
    EXPECT_EQ(filesIn("F/Alpha"), QStringList{"Hood.shp"});
    EXPECT_EQ(read("F/Alpha/Hood.shp"), test::readFile(blue("Hood.shp")));
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].filter, "Fleet File (*.flt)|*.flt|");
    EXPECT_EQ(prompts.dialogs[0].proposedName, "New Fleet.flt");
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_FALSE(fleet.SaveAbandoned());
    EXPECT_FALSE(fleet.FleetChanged());
    EXPECT_EQ(recent.GetRecentFile(1, RecentKind::Fleets), path("F/Alpha.flt"));
    // The ship still refers to the file it was read from.
    EXPECT_EQ(fleet.FleetShips()[0].FileName, blue("Hood.shp"));

    // Saved again with labels, notes, a moved card and a limit, it reads back as it was.
    addFromSide("Cruiser");
    fleet.typeCardId(2, "B1");
    fleet.typeCardName(2, "Flagship");
    fleet.typeCardNotes(1, "fast, cheap");
    fleet.moveOverCard(2, QPointF(30, 45), true);
    fleet.dropOnPage(QPointF(3030, 2045));
    fleet.enterLimit(FleetLimit::Mass, "900");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(read("F/Alpha.flt"), "Ships=2\r\n"
                                   "Hood,1,Hood,Hood.shp,0,765,fast, cheap\r\n"
                                   "Flagship,B1,Cruiser,Cruiser.shp,3000,2000,(T:300)(P:700)\r\n");
    EXPECT_EQ(filesIn("F/Alpha"), (QStringList{"Cruiser.shp", "Hood.shp"}));

    ASSERT_TRUE(fleet.NewFleet());
    ASSERT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    EXPECT_FALSE(fleet.readingError());
    ASSERT_EQ(fleet.ShipCount(), 2);
    EXPECT_EQ(fleet.fleetList(), (QList<FleetListEntry>{{"Hood", 1}, {"Cruiser", 2}}));
    EXPECT_EQ(ids(), (QStringList{"1", "B1"}));
    EXPECT_EQ(fleet.card(2).name + "/" + fleet.card(1).misc, "Flagship/fast, cheap");
    EXPECT_EQ(QPointF(fleet.card(2).left, fleet.card(2).top), QPointF(3000, 2000));
    EXPECT_EQ(fleet.FleetShips()[1].FileName, path("F/Alpha/Cruiser.shp"));
    EXPECT_EQ(fleet.FleetMass(), 420);
    // Limits are not kept in the file; the fleet comes back unchanged.
    EXPECT_EQ(fleet.MassLimit(), -1);
    EXPECT_FALSE(fleet.FleetChanged() || fleet.SaveEnabled());
}

TEST_F(FleetFileTest, ShipsOfOneFileShareACopyAndShipsOfOneNameKeepTheirOwn)
{
    // Red's Hood is another design under the same file name.
    QFile::copy(test::fleetShip("Cruiser"), folder.ships() + "/Red/Hood.shp");
    addFromSide("Hood");
    addFromSide("Hood");
    openOther(folder.ships() + "/Red/Hood.shp");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(filesIn("F/Alpha"), (QStringList{"Hood (2).shp", "Hood.shp"}));
    EXPECT_EQ(read("F/Alpha/Hood (2).shp"), test::readFile(test::fleetShip("Cruiser")));
    EXPECT_TRUE(read("F/Alpha.flt").endsWith("Cruiser,3,Cruiser,Hood (2).shp,0,765,(T:300)(P:700)\r\n"));

    ASSERT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    ASSERT_EQ(fleet.ShipCount(), 3);
    EXPECT_EQ(fleet.FleetShips()[1].TMF, 120);
    EXPECT_EQ(fleet.FleetShips()[2].TMF, 300);
}

TEST_F(FleetFileTest, CommasFromANameOrFileNameAreWrittenAsSemicolons)
{
    QByteArray ship = test::readFile(test::fleetShip("Scout"));
    ship.replace("Name=Scout", "Name=Mk II, refit");
    const QString file = folder.write("Ships/Red/Scout, old.shp", ship);
    openOther(file);
    EXPECT_EQ(fleet.fleetList()[0].label, "Mk II, refit");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(read("F/Alpha.flt"), "Ships=1\r\nMk II; refit,1,Mk II; refit,Scout; old.shp,0,765,(T:40)(P:120)\r\n");
    EXPECT_EQ(filesIn("F/Alpha"), QStringList{"Scout; old.shp"});
    ASSERT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.FleetShips().value(0).Name, "Mk II, refit");
}

// Saving over its own file keeps every ship: the command line's tests do that with a fixture fleet.
TEST_F(FleetFileTest, ShipsNoLongerInTheFleetLeaveItsFolder)
{
    addFromSide("Hood");
    addFromSide("Cruiser");
    addFromSide("Scout");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    ASSERT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    fleet.chooseFleetEntry(1);
    fleet.Remove();
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(filesIn("F/Alpha"), (QStringList{"Hood.shp", "Scout.shp"}));
    ASSERT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.ShipCount(), 2);
}

TEST_F(FleetFileTest, AFolderHoldingWhatTheFleetDidNotWriteIsNeverTouched)
{
    addFromSide("Hood");
    const QByteArray blueBefore = test::readFile(blue("Cruiser.shp"));
    // Saved into a side's folder name: the side's designs would be in the way.
    ASSERT_FALSE(saveAs(folder.ships() + "/Blue.flt"));
    EXPECT_EQ(prompts.lastText(), "The fleet was not saved: the folder "
                                      + QDir::toNativeSeparators(folder.ships() + "/Blue")
                                      + " holds files that do not belong to the fleet "
                                      + QDir::toNativeSeparators(folder.ships() + "/Blue.flt")
                                      + ".\r\nSave the fleet under another name, or move those files away.");
    EXPECT_EQ(prompts.asked.last().icon, PromptIcon::Exclamation);
    EXPECT_TRUE(fleet.SaveAbandoned());
    EXPECT_FALSE(QFileInfo::exists(folder.ships() + "/Blue.flt"));
    EXPECT_EQ(QDir(folder.ships() + "/Blue").entryList(QDir::Files),
              (QStringList{"Cruiser.shp", "Hood.shp", "Scout.shp"}));
    EXPECT_EQ(test::readFile(blue("Cruiser.shp")), blueBefore);

    // A fleet's own folder with a file the fleet file does not list, or a subfolder.
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    folder.write("F/Alpha/notes.txt", "mine");
    ASSERT_FALSE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(filesIn("F/Alpha"), (QStringList{"Hood.shp", "notes.txt"}));
    QFile::remove(path("F/Alpha/notes.txt"));
    QDir().mkpath(path("F/Alpha/sub"));
    EXPECT_FALSE(saveAs(path("F/Alpha.flt")));
    QDir().rmdir(path("F/Alpha/sub"));

    // A folder path that is a file or a link.
    folder.write("F/Beta", "a file");
    EXPECT_FALSE(saveAs(path("F/Beta.flt")));
    EXPECT_TRUE(prompts.lastText().contains("is not a folder for the fleet's ships"));
    QFile::link(path("F/Alpha"), path("F/Gamma"));
    EXPECT_FALSE(saveAs(path("F/Gamma.flt")));
    EXPECT_FALSE(QFileInfo::exists(path("F/Gamma.flt")));

    // An empty folder is taken as it is.
    QDir().mkpath(path("F/Delta"));
    EXPECT_TRUE(saveAs(path("F/Delta.flt")));
    EXPECT_EQ(filesIn("F/Delta"), QStringList{"Hood.shp"});
}

TEST_F(FleetFileTest, FailuresAreReportedWithThePathAndTheOldFleetStays)
{
    addFromSide("Hood");
    addFromSide("Cruiser");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    const QByteArray old = read("F/Alpha.flt");

    // A ship file gone since it was added: nothing is written.
    fleet.Load();
    addFromSide("Scout");
    QFile::remove(blue("Scout.shp"));
    ASSERT_FALSE(saveAs(path("F/Alpha.flt")));
    EXPECT_TRUE(prompts.lastText().startsWith("The fleet was not saved: the ship file "
                                              + QDir::toNativeSeparators(blue("Scout.shp")) + " could not be read:"));
    EXPECT_EQ(read("F/Alpha.flt"), old);
    EXPECT_EQ(filesIn("F/Alpha"), (QStringList{"Cruiser.shp", "Hood.shp"}));

    // A fleet folder that cannot be made.
    fleet.Load();
    addFromSide("Hood");
    folder.write("F/file", "in the way");
    EXPECT_FALSE(saveAs(path("F/file/Alpha.flt")));
    EXPECT_EQ(prompts.lastText(), "The fleet was not saved: the folder "
                                      + QDir::toNativeSeparators(path("F/file/Alpha")) + " could not be made.");

    // A fleet file that would replace a folder.
    QDir().mkpath(path("F/Omega.flt"));
    EXPECT_FALSE(saveAs(path("F/Omega.flt")));
    EXPECT_EQ(prompts.lastText(),
              "The fleet was not saved: " + QDir::toNativeSeparators(path("F/Omega.flt")) + " is a folder.");
    EXPECT_TRUE(fleet.SaveAbandoned());
    EXPECT_TRUE(fleet.FleetChanged());
}

TEST_F(FleetFileTest, SavingAsksOnlyWhenThereIsSomethingToSaveAndOpeningWhenNoFileIsGiven)
{
    EXPECT_FALSE(fleet.SaveFleet());
    EXPECT_EQ(prompts.texts(), QStringList{"You must add ships to this fleet before saving"});
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    EXPECT_TRUE(fleet.SaveAbandoned());

    addFromSide("Hood");
    prompts.files << std::nullopt;
    EXPECT_FALSE(fleet.SaveFleet());
    EXPECT_TRUE(fleet.SaveAbandoned());
    EXPECT_FALSE(QFileInfo::exists(path("F")));

    // A name without an extension gets ".flt", so the folder is not the file itself.
    ASSERT_TRUE(saveAs(path("F/Alpha")));
    EXPECT_TRUE(QFileInfo(path("F/Alpha.flt")).isFile());
    EXPECT_TRUE(QFileInfo(path("F/Alpha")).isDir());

    // Opening a fleet that is not there keeps the fleet.
    prompts.clear();
    EXPECT_FALSE(fleet.OpenFleet(path("nowhere.flt")));
    EXPECT_EQ(prompts.texts(), QStringList{"File not Found"});
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(fleet.ShipCount(), 1);

    // An empty path asks for the file; cancelling keeps the fleet.
    prompts.files << std::nullopt;
    EXPECT_FALSE(fleet.OpenFleet(QString()));
    EXPECT_EQ(prompts.dialogs.last().filter, "Fleet File (*.flt)|*.flt|");
    EXPECT_EQ(prompts.dialogs.last().proposedName, "");
    EXPECT_EQ(fleet.ShipCount(), 1);
}

TEST_F(FleetFileTest, ReadingStopsAtAFaultAndKeepsTheShipsBeforeOrTakesEveryLine)
{
    fleetFolder({"Hood", "Cruiser"});
    const QByteArray hood = "Hood,1,Hood,Hood.shp,0,765,\r\n";
    const struct {
        const char* why;
        QByteArray text;
        int kept;
    } cases[] = {
        {"a line without a comma", "Ships=3\r\n" + hood + "broken\r\nC,2,C,Cruiser.shp,0,765,\r\n", 1},
        {"a ship missing from the folder", "Ships=2\r\n" + hood + "S,2,S,Scout.shp,0,765,\r\n", 1},
        {"a ship outside the folder", "Ships=2\r\n" + hood + "S,2,S,../../Ships/Blue/Scout.shp,0,765,\r\n", 1},
    };
    for (const auto& c : cases) {
        prompts.clear();
        recentStore.writePlace(RecentKind::Fleets, 1, QString());
        ASSERT_TRUE(open("F/Alpha.flt", c.text)) << c.why;
        EXPECT_EQ(fleet.ShipCount(), c.kept) << c.why;
        EXPECT_EQ(fleet.fleetList().size(), c.kept) << c.why;
        EXPECT_EQ(fleet.readingError(), "Error in Fleet File.") << c.why;
        EXPECT_EQ(prompts.texts(), QStringList{"Error in Fleet File."}) << c.why;
        EXPECT_EQ(prompts.asked.value(0).icon, PromptIcon::None);
        EXPECT_EQ(recent.GetRecentFile(1, RecentKind::Fleets), "") << c.why;
        EXPECT_FALSE(fleet.FleetChanged());
    }

    // Five commas: the card gets the notes a new card gets. Six: the notes as written, here none.
    ASSERT_TRUE(open("F/Alpha.flt", "Ships=2\r\nH,7,Hood,Hood.shp,15,900\r\nC,8,Big,Cruiser.shp,30,1800,\r\n"));
    ASSERT_EQ(fleet.ShipCount(), 2);
    EXPECT_EQ(fleet.card(1).misc, "(T:120)(P:350)");
    EXPECT_EQ(fleet.card(1).top, 900);
    EXPECT_EQ(fleet.card(2).misc, "");
    EXPECT_EQ(fleet.fleetList()[1].label, "Big");
    EXPECT_EQ(recent.GetRecentFile(1, RecentKind::Fleets), path("F/Alpha.flt"));
}
