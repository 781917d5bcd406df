#include "tests/editor/editorfixture.h"

#include "storage/programfolder.h"
#include "storage/shipfile.h"
#include "tests/editor/salvodesign.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace kw;
using kw::test::EditorTest;
using kw::test::placeAllIcons;


class ShipFilesTest : public EditorTest {
protected:
    // The icons with their places, grouped by code in their order: the writer puts the systems
    // in an order of its own.
    QStringList iconsByCode() const
    {
        QList<SystemIcon> icons = editor.display().icons();
        std::stable_sort(icons.begin(), icons.end(), [](const SystemIcon& a, const SystemIcon& b) { return a.tag < b.tag; });
        QStringList shown;
        for (const SystemIcon& icon : icons)
            shown << QStringLiteral("%1 %2,%3 %4x%5").arg(icon.tag).arg(icon.left).arg(icon.top).arg(icon.width).arg(icon.height);
        return shown;
    }
    // The frigate, named, with the fire controls given, shown on a full update.
    void design(const QString& name, const QString& fireControls = QString())
    {
        designVigilant();
        if (!fireControls.isEmpty())
            type(NumericField::FCS, fireControls);
        editor.setNameText(name);
        editor.UpdateShip(true);
    }
    QString vigilantPath() { return folder.write("Ships/Blue/Vigilant.shp", test::readFile(test::dataFile("ships/vigilant.shp"))); }
};

TEST_F(ShipFilesTest, OpeningTheVigilantThenNothingThenAStation)
{
    ASSERT_TRUE(editor.OpenShip(vigilantPath()));
    // Its figures are in the command line's tests, which open it through the editor too.
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.loadedName(), "Vigilant");
    EXPECT_TRUE(editor.ShipDisplayed() && editor.SavedBefore());
    EXPECT_FALSE(editor.ShipChanged());
    EXPECT_EQ(editor.fields().classText(), "Battlecruiser (BC)");
    ASSERT_EQ(editor.display().iconCount(), 1);
    EXPECT_TRUE(editor.display().icon(1).placed());
    EXPECT_EQ(editor.display().icon(1).width, 157.5f);
    // The stored track is drawn as read.
    EXPECT_EQ(editor.display().hull.crewMarks[3], (QList<int>{0, 6}));
    EXPECT_EQ(editor.display().sheet.display.width, 2425);

    // A missing file, or a cancelled dialog, changes nothing.
    EXPECT_FALSE(editor.OpenShip(folder.path() + "/nothing.shp"));
    EXPECT_EQ(prompts.lastText(), "File not Found");
    EXPECT_EQ(prompts.asked.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(editor.ship().TMF, 100);
    prompts.clear();
    prompts.files = {std::nullopt};
    EXPECT_FALSE(editor.OpenShip(QString()));
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].filter, "Ship File (*.shp)|*.shp|");
    EXPECT_EQ(prompts.dialogs[0].startFolder, QDir::toNativeSeparators(folder.ships()));
    EXPECT_EQ(editor.loadedName(), "Vigilant");

    // A station loads as a warship and loses its class; an unknown side is kept.
    ASSERT_TRUE(editor.OpenShip(folder.write("station.shp", "Name=Base\r\nClass=Star Base (SB)\r\nSide=Pirates\r\nTMF=200\r\nFTL=None\r\n")));
    EXPECT_EQ(editor.fields().shipType, 0);
    EXPECT_EQ(editor.ship().Class, "Superdreadnought (SDN)");
    EXPECT_EQ(editor.fields().sideText(), "Pirates");
}

TEST_F(ShipFilesTest, SavingByCharacterWritesTheExampleFile)
{
    design("Vigilant", "1");
    place(1, QPointF(1200, 450));
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};   // by side, not locked
    EXPECT_FALSE(editor.SaveShip(false));
    const QString path = QDir::toNativeSeparators(folder.ships() + "/Blue/Vigilant.shp");
    ASSERT_GE(prompts.asked.size(), 3);
    EXPECT_EQ(prompts.asked[0].title, "SM Keelwright:- Save ship");
    EXPECT_EQ(prompts.asked[0].text, "Do you want to save:\r\nYes:- According to the side the ship belongs to\r\n"
                                     "\t\t-- or --\r\nNo:-  In another directory?");
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompts.asked[1].text, "Lock the ship to prevent editing?");
    EXPECT_EQ(prompts.asked[2].text, "Ship Saved as " + path);
    EXPECT_EQ(test::readFile(path), test::readFile(test::dataFile("ships/vigilant.shp")));
    EXPECT_EQ(editor.ship().FileName, path);
}

TEST_F(ShipFilesTest, SaveRefusalsLeaveEverythingAsItWas)
{
    design("Ship", "2");
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.lastText(), "You must place all systems into the Ship's System Display");
    placeAllIcons(editor);

    editor.setNameText("Bad:Name");
    prompts.clear();
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.lastText(), invalidShipNameMessage());
    editor.setNameText("Ship");

    prompts.clear();
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_TRUE(editor.SaveShip(true));
    prompts.answers = {PromptAnswer::No};   // another folder, then the dialog is cancelled
    prompts.files = {std::nullopt};
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.dialogs.last().proposedName, "Ship.shp");
    EXPECT_EQ(prompts.dialogs.last().filter, "Ship File (*.shp)|*.shp|");
    EXPECT_TRUE(QDir(folder.ships() + "/Blue").entryList({"*.shp"}).isEmpty());

    // A write that fails neither locks the design nor takes the file as its own.
    prompts.answers = {PromptAnswer::No, PromptAnswer::Yes};   // another folder; lock
    prompts.files = {folder.path() + "/missing-folder/deeper/x.shp"};
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_TRUE(prompts.lastText().startsWith("The ship could not be saved as "));
    EXPECT_FALSE(editor.Ship_Locked());
    EXPECT_TRUE(editor.ship().FileName.isEmpty());
}

TEST_F(ShipFilesTest, OverwriteQuestionAndLockRule)
{
    design("Vigilant");
    const QString existing = vigilantPath();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};   // by side; do not overwrite
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.asked[1].text, "The filename specified already exists.  Do you want to overwrite?\r\n\r\n"
                                         + QDir::toNativeSeparators(existing));
    EXPECT_EQ(prompts.asked[1].icon, PromptIcon::Critical);
    EXPECT_EQ(prompts.asked[1].buttons, PromptButtons::YesNo);

    prompts.clear();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::Yes};   // overwrite and lock
    EXPECT_FALSE(editor.SaveShip(true));
    EXPECT_TRUE(editor.Ship_Locked());

    ASSERT_TRUE(editor.OpenShip(existing));
    EXPECT_TRUE(editor.Ship_Locked());
    prompts.clear();
    EXPECT_TRUE(editor.SaveShip(false));
    EXPECT_EQ(prompts.lastText(), "  This Ship is locked.  You must change\r\nthe ship class name or the side to which the ship\r\n"
                                  "belongs to inorder to save it.");
    editor.setNameText("Vigilant II");
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(editor.SaveShip(true));
    EXPECT_TRUE(QFile::exists(folder.ships() + "/Blue/Vigilant II.shp"));
}

TEST_F(ShipFilesTest, ASideThatCannotBeAFolderIsRefusedWhenSavingBySide)
{
    const QString ships = QDir::toNativeSeparators(folder.ships());
    const QString otherwise = "\r\nChoose another side, or save in another directory.";
    const QString noSide = "The ship has no side, so it cannot be saved according to its side.\r\n"
                           "Choose a side, or save in another directory.";
    // Hand-edited ship files whose side would lead out of Ships, or into Ships itself.
    const QList<std::pair<QString, QString>> hostile{
        {"..", "The side \"..\" cannot be a folder in " + ships + "." + otherwise},
        {"../Blue", "The side \"../Blue\" cannot be a folder in " + ships + "." + otherwise},
        {"/tmp/abs", "The side \"/tmp/abs\" cannot be a folder in " + ships + "." + otherwise},
        {"..\\..\\x", "The side \"..\\..\\x\" cannot be a folder in " + ships + "." + otherwise},
        {QString(300, 'x'), "The side \"" + QString(300, 'x') + "\" is too long to be a folder name in " + ships + "." + otherwise},
        {"", noSide},
        {"   ", noSide},
    };
    for (const auto& [side, refusal] : hostile) {
        SCOPED_TRACE(side.toStdString());
        const QString path = folder.write("escape.shp", "Name=Escape\r\nSide=" + side.toLatin1() + "\r\nTMF=50\r\nFCS=1,100,200\r\n");
        ASSERT_TRUE(editor.OpenShip(path));
        ASSERT_EQ(editor.fields().sideText(), side);
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QStringList shipsBefore = QDir(folder.ships()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        prompts.clear();
        prompts.answers = {PromptAnswer::Yes};   // by side
        EXPECT_TRUE(editor.SaveShip(true));
        EXPECT_EQ(prompts.lastText(), refusal);
        EXPECT_EQ(prompts.asked.last().icon, PromptIcon::Exclamation);
        prompts.answers = {PromptAnswer::Yes};
        EXPECT_FALSE(editor.SavePic());
        EXPECT_EQ(prompts.lastText(), refusal);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        EXPECT_EQ(QDir(folder.ships()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), shipsBefore);
        EXPECT_EQ(editor.ship().FileName, path);
    }
    EXPECT_FALSE(QFileInfo::exists("/tmp/abs/Escape.shp"));

    // Another folder still takes it.
    prompts.answers = {PromptAnswer::No, PromptAnswer::No};
    prompts.files = {folder.path() + "/elsewhere.shp"};
    EXPECT_FALSE(editor.SaveShip(true));
    EXPECT_TRUE(QFile::exists(folder.path() + "/elsewhere.shp"));

    // A side from a hand-edited sides list is refused the same way.
    folder.write("Ships/Sides.txt", "Blue\r\n../../Up\r\n");
    editor.Load();
    editor.chooseSide(1);
    design("Climber");
    prompts.clear();
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.lastText(), "The side \"../../Up\" cannot be a folder in " + ships + "." + otherwise);
}

TEST_F(ShipFilesTest, SavingChecksTheNameAndTheTextsBeforeAskingAnything)
{
    design(QString());
    // The name is saved as leaving its field would leave it.
    editor.setNameText("  Spaced  ");
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(editor.SaveShip(true));
    EXPECT_TRUE(QFile::exists(folder.ships() + "/Blue/Spaced.shp"));
    EXPECT_TRUE(test::readFile(folder.ships() + "/Blue/Spaced.shp").contains("\r\nName=Spaced\r\n"));
    EXPECT_EQ(editor.fields().name, "Spaced");

    // A name the file cannot hold is refused before the questions and before any folder.
    editor.setNameText(QStringLiteral("Ship \u4e00"));
    QFile::remove(sidesFile(folder.path()));
    QDir(folder.ships() + "/Blue").removeRecursively();
    prompts.clear();
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("The ship cannot be saved:\r\nthe character \"\u4e00\" cannot be "
                                                          "stored in a ship file.")});
    EXPECT_FALSE(QFileInfo::exists(folder.ships() + "/Blue"));
}

TEST_F(ShipFilesTest, OnlyAConfirmedOverwriteReplacesAReadOnlyFile)
{
    const QString path = vigilantPath();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    const QByteArray original = test::readFile(path);
    ASSERT_TRUE(editor.OpenShip(path));
    type(NumericField::TMF, "120");
    editor.UpdateShip(true);
    placeAllIcons(editor);

    // Save writes in place: a read-only file is refused, nothing asked, nothing changed.
    prompts.clear();
    EXPECT_TRUE(editor.SaveShip(false));
    EXPECT_EQ(prompts.texts(), QStringList{"The ship could not be saved as " + QDir::toNativeSeparators(path)
                                           + ":\r\nthe file is read-only. Use Save As to save it elsewhere."});
    EXPECT_EQ(test::readFile(path), original);
    EXPECT_TRUE(isReadOnlyFile(path));

    // Save As by side finds it, asks, and Yes replaces it.
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(editor.SaveShip(true));
    EXPECT_TRUE(test::readFile(path).contains("\r\nTMF=120\r\n"));
}

TEST_F(ShipFilesTest, EveryFixtureSavedTwiceGivesTheSameFileAndKeepsItsIcons)
{
    QDirIterator it(test::dataFile("ships"), {"*.shp"}, QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString source = it.next();
        SCOPED_TRACE(source.toStdString());
        ++files;
        ASSERT_TRUE(editor.OpenShip(source));
        const QStringList opened = iconsByCode();
        const QList<WeaponEntry> mounts = editor.ship().Weapons;
        const QList<SalvoLink> links = editor.ship().SalvoLinks;
        const QString first = folder.path() + "/first.shp";
        const QString second = folder.path() + "/second.shp";
        QString error;
        ASSERT_TRUE(editor.exportShipFile(first, editor.Ship_Locked(), &error)) << error.toStdString();
        ASSERT_TRUE(editor.OpenShip(first));
        EXPECT_EQ(iconsByCode(), opened);
        EXPECT_EQ(editor.ship().Weapons, mounts);
        EXPECT_EQ(editor.ship().SalvoLinks, links);
        ASSERT_TRUE(editor.exportShipFile(second, editor.Ship_Locked(), &error));
        EXPECT_EQ(test::readFile(second), test::readFile(first));
    }
    EXPECT_GE(files, 14);
}

TEST_F(ShipFilesTest, ADesignOutgrowingTheWritersFirstGuessIsWrittenWhole)
{
    // Thousands of mounts, icons and links make the writer grow its buffer in the middle of a
    // number.
    const QString crafted = folder.write("crafted.shp", test::readFile(test::dataFile("fuzz/shipfile/salvolinks-many.shp")));
    ASSERT_TRUE(editor.OpenShip(crafted));
    const QString path = folder.path() + "/again.shp";
    ASSERT_TRUE(editor.exportShipFile(path, false, nullptr));
    const ShipFileData again = readShipFile(test::readFile(path));
    EXPECT_EQ(again.ship.WeaponCount(), editor.ship().WeaponCount());
    EXPECT_EQ(again.salvoLinks.size(), editor.ship().SalvoLinkCount());
}
