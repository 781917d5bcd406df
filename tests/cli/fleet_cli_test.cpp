// keelwright-cli fleet and fleet-new.
#include "tests/cli/clitest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QRegularExpression>

using namespace kw;

namespace {

class FleetCliTest : public test::CliTest {
protected:
    // A copy of a fixture fleet with its folder, in the test's own folder.
    QString copyFleet(const QString& name)
    {
        const QString source = test::dataFile("fleets/" + name);
        QDir().mkpath(folder.path() + "/" + name);
        for (const QString& file : QDir(source).entryList(QDir::Files))
            QFile::copy(source + "/" + file, folder.path() + "/" + name + "/" + file);
        QFile::copy(source + ".flt", folder.path() + "/" + name + ".flt");
        return folder.path() + "/" + name + ".flt";
    }
    QString ship(const QString& name) { return test::dataFile("fleets/ships/" + name + ".shp"); }
    QString at(const QString& relative) { return folder.path() + "/" + relative; }
};

} // namespace

TEST_F(FleetCliTest, ReportsAFleetAsTheOrganizerHoldsIt)
{
    const QJsonObject o = json({"fleet", test::dataFile("fleets/Escort Group.flt"), "--json"});
    const QJsonObject none{{"mass", -1}, {"points", -1}, {"ships", -1}};
    test::expectFields(o, {{"shipCount", 3}, {"fleetMass", 200}, {"fleetPoints", 590}, {"limits", none},
                           {"left", none}, {"error", QJsonValue::Null}});
    const QJsonArray ships = o["ships"].toArray();
    ASSERT_EQ(ships.size(), 3);
    const QJsonObject leader = ships[0].toObject();
    test::expectFields(leader, {{"number", 1}, {"listLabel", "Hood"}, {"id", "E1"}, {"name", "Leader"},
                                {"notes", "flagship, do not lose"}, {"file", "Hood.shp"}, {"left", 600},
                                {"top", 1200}, {"shipName", "Hood"}, {"class", "Battlecruiser (BC)"}, {"tmf", 120},
                                {"npv", 350}, {"hullIntegrity", "Average - 30%"}, {"hullPoints", 36},
                                {"armour", "2"}, {"streamLining", "Partial"}});
    EXPECT_EQ(
        leader["description"].toString(),
        "Hood Battlecruiser (BC)\rTMF: 120\rNPV: 350\rHull: Average - 30%: 36\rArmour: 2\rStreamlining: Partial\r");
    EXPECT_GT(leader["picture"]["width"].toInt(), 100);
    // Five commas keep the notes a new card gets.
    EXPECT_EQ(ships[2]["notes"].toString(), "(T:40)(P:120)");
    // The command writes nothing of its own in the program folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Ships"});
}

TEST_F(FleetCliTest, AFleetThatStopsReadingIsReportedAndNeitherSavedNorDrawn)
{
    const test::CliRun missing = cli({"fleet", at("nowhere.flt"), "--json"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "error: File not Found\n");
    EXPECT_TRUE(missing.out.isEmpty());

    const test::CliRun damaged = cli({"fleet", test::dataFile("fleets/Damaged.flt"), "--json", "--save", at("Out.flt"),
                                      "--pictures", at("Out.png")});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.err, "error: Error in Fleet File.\n");
    const QJsonObject o = QJsonDocument::fromJson(damaged.out).object();
    EXPECT_EQ(o["error"].toString(), "Error in Fleet File.");
    EXPECT_EQ(o["shipCount"].toInt(), 1);
    EXPECT_FALSE(QFileInfo::exists(at("Out.flt")));
    EXPECT_FALSE(QFileInfo::exists(at("Out.png")));
}

TEST_F(FleetCliTest, SavesOverItsOwnFileAndDrawsBothSheets)
{
    const QString escort = copyFleet("Escort Group");
    const QByteArray before = test::readFile(escort);
    const test::CliRun run = cli({"fleet", escort, "--save", escort, "--pictures", at("Escort.png")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    // Rewritten by the fleet writer: the same ships, with the notes line of the last one spelt out.
    EXPECT_EQ(test::readFile(escort), QByteArray(before).replace("6900,1200\r\n", "6900,1200,(T:40)(P:120)\r\n"));
    EXPECT_EQ(QDir(at("Escort Group")).entryList(QDir::Files), (QStringList{"Hood.shp", "Scout.shp"}));
    EXPECT_EQ(test::readFile(at("Escort Group/Hood.shp")), test::readFile(ship("Hood")));
    EXPECT_EQ(QImage(at("Escort.png")).size(), QSize(1009, 680));
    EXPECT_EQ(QImage(at("Escort Orders Sheet.png")).size(), QSize(1009, 680));

    ASSERT_EQ(cli({"fleet", escort, "--pictures", at("Escort.pdf")}).code, 0);
    const QByteArray pdf = test::readFile(at("Escort.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 2);
    // Landscape A4 (842 x 595 points) on both.
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/MediaBox \\[0 0 842(\\.0+)? 595(\\.0+)?\\]")), 2);

    EXPECT_EQ(cli({"fleet", escort, "--pictures", at("Escort.gif")}).code, 2);
    // A save the organizer refuses: the folder holds what the fleet did not write.
    QFile::copy(ship("Cruiser"), at("Escort Group/Cruiser.shp"));
    const test::CliRun refused = cli({"fleet", escort, "--save", escort});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.startsWith("error: The fleet was not saved: the folder ")) << refused.err.toStdString();
}

TEST_F(FleetCliTest, FleetNewBuildsAndSavesAFleet)
{
    const QJsonObject o = json({"fleet-new", at("F/New.flt"), ship("Hood"), ship("Cruiser"), ship("Hood"),
                                "--ship-limit", "5", "--mass-limit", "1000", "--json"});
    EXPECT_EQ(o["shipCount"].toInt(), 3);
    EXPECT_EQ(o["limits"].toObject(), (QJsonObject{{"mass", 1000}, {"points", -1}, {"ships", 5}}));
    EXPECT_EQ(o["left"].toObject(), (QJsonObject{{"mass", 460}, {"points", -1}, {"ships", 2}}));
    EXPECT_EQ(test::readFile(at("F/New.flt")), "Ships=3\r\n"
                                               "Hood,1,Hood,Hood.shp,0,765,(T:120)(P:350)\r\n"
                                               "Cruiser,2,Cruiser,Cruiser.shp,0,765,(T:300)(P:700)\r\n"
                                               "Hood,3,Hood,Hood.shp,0,765,(T:120)(P:350)\r\n");
    EXPECT_EQ(QDir(at("F/New")).entryList(QDir::Files), (QStringList{"Cruiser.shp", "Hood.shp"}));
}

TEST_F(FleetCliTest, FleetNewRefusals)
{
    // Refused while adding: nothing is written and nothing printed.
    test::CliRun run = cli(
        {"fleet-new", at("A.flt"), ship("Cruiser"), ship("Hood"), ship("Scout"), "--mass-limit", "300", "--json"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "error: You are at or over your mass limit for this fleet.\n");
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(at("A.flt")));

    run = cli({"fleet-new", at("A.flt"), ship("Hood"), at("Gone.shp")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "error: File not Found\n");

    // Refused when saving: the fleet is printed as it stands.
    run = cli({"fleet-new", at("A.flt"), ship("Hood"), ship("Scout"), "--ship-limit", "2", "--json"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "error: You are at or over your ship limit for this fleet.\n");
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["left"].toObject()["ships"].toInt(), 0);
    EXPECT_FALSE(QFileInfo::exists(at("A.flt")));
}
