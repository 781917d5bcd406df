#include "common/sidenameseditor.h"
#include "model/fieldchecks.h"
#include "storage/programfolder.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kw;

namespace {

class SideNamesTest : public ::testing::Test {
protected:
    SideNamesTest() : editor(prompts, folder.path()) { editor.Load(); }

    bool hasFolder(const QString& side) const { return QFileInfo(folder.ships() + "/" + side).isDir(); }
    QStringList sideFolders() const { return QDir(folder.ships()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
    void add(const QString& text)
    {
        editor.setText(text);
        editor.add();
    }
    void rename(int index, const QString& text)
    {
        editor.selectSide(index);
        editor.edit();
        editor.setText(text);
        editor.update();
    }

    test::TestFolder folder{{"Blue", "Red"}};
    test::FakePrompts prompts;
    SideNamesEditor editor;
};

TEST_F(SideNamesTest, ARenameLocksTheOtherButtonsUntilItEnds)
{
    // A click with nothing selected takes the first side.
    editor.clickList();
    EXPECT_EQ(editor.selectedSide(), 0);
    editor.selectSide(1);
    editor.edit();
    EXPECT_EQ(editor.EditedSide(), 1);
    EXPECT_EQ(editor.text(), "Red");
    // Another selection must not open Edit or Remove on a second side, nor typing Add.
    editor.selectSide(0);
    editor.setText("Crimson");
    EXPECT_FALSE(editor.addEnabled() || editor.editEnabled() || editor.removeEnabled());
    editor.pressEnter();
    EXPECT_EQ(editor.names(), (QStringList{"Blue", "Crimson"}));
    EXPECT_EQ(editor.SideEditMode(), 0);
    EXPECT_TRUE(editor.editEnabled() && !editor.updateVisible());
}

TEST_F(SideNamesTest, AddTrimsTheNameAndRefusesBadOnes)
{
    editor.setText("  Green  ");
    editor.pressEnter();
    EXPECT_EQ(editor.names(), (QStringList{"Blue", "Red", "Green"}));
    EXPECT_EQ(editor.text(), "Green");
    EXPECT_TRUE(hasFolder("Green"));
    EXPECT_FALSE(editor.addEnabled());
    editor.pressEnter();   // Add is off until something new is typed
    EXPECT_EQ(editor.names().size(), 3);
    EXPECT_TRUE(prompts.asked.isEmpty());

    const QStringList before = sideFolders();
    for (const char* bad : {"Red:Team", ".", "..", " ... ", "a\tb", "   "}) {
        prompts.clear();
        add(bad);
        ASSERT_EQ(prompts.texts(), QStringList{invalidSideNameMessage()}) << bad;
        EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    }
    // The blanks were trimmed away, so Add turns off.
    EXPECT_EQ(editor.text(), "");
    EXPECT_FALSE(editor.addEnabled());
    add("blue");
    EXPECT_EQ(prompts.lastText(), "There is already a side called Blue in the list.");
    add(QStringLiteral("\u03a9mega"));   // Sides.txt could not hold it
    EXPECT_TRUE(prompts.lastText().contains(QStringLiteral("\"\u03a9\"")));
    add(QString(256, 'L'));   // longer than a folder name may be
    EXPECT_EQ(prompts.lastText(), "The side's name is too long: a folder name holds at most 255 characters.");
    EXPECT_EQ(editor.names().size(), 3);
    EXPECT_EQ(sideFolders(), before);
}

TEST_F(SideNamesTest, AddingOverAnExistingFolderAsksAndAFileInTheWayIsReported)
{
    folder.write("Ships/Green/old.shp", "Name=old\r\n");
    prompts.answers = {PromptAnswer::No};
    add("Green");
    EXPECT_TRUE(prompts.lastText().contains(QDir::toNativeSeparators(folder.ships() + "/Green")));
    EXPECT_EQ(editor.names().size(), 2);
    prompts.answers = {PromptAnswer::Yes};   // takes the folder and its ships back
    editor.add();
    EXPECT_EQ(editor.names().last(), "Green");
    EXPECT_TRUE(QFile::exists(folder.ships() + "/Green/old.shp"));

    folder.write("Ships/Plain", "not a folder");
    add("Plain");
    EXPECT_TRUE(prompts.lastText().contains("A file of that name is in the way."));
    EXPECT_EQ(editor.names().size(), 3);
}

TEST_F(SideNamesTest, RenameMovesTheFolderWithItsShips)
{
    const QStringList before = sideFolders();
    rename(0, " Blue ");
    EXPECT_EQ(editor.SideEditMode(), 0);
    EXPECT_EQ(sideFolders(), before);

    folder.write("Ships/Blue/Vigilant.shp", "Name=Vigilant\r\n");
    rename(0, " Navy ");
    EXPECT_EQ(editor.names(), (QStringList{"Navy", "Red"}));
    EXPECT_TRUE(QFile::exists(folder.ships() + "/Navy/Vigilant.shp"));
    EXPECT_FALSE(hasFolder("Blue"));
    // Only the case changes: the side is no duplicate of itself.
    rename(1, "RED");
    EXPECT_TRUE(hasFolder("RED"));
    add("Green");
    EXPECT_EQ(editor.names(), (QStringList{"Navy", "RED", "Green"}));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(SideNamesTest, RefusedRenamesKeepTheEditOpenAndChangeNothing)
{
    folder.write("Ships/Green/x.shp", "x");
    rename(0, "Green");   // a folder left behind by a removed side
    EXPECT_TRUE(prompts.lastText().contains("already exists"));
    EXPECT_EQ(editor.SideEditMode(), 1);
    EXPECT_EQ(editor.names(), (QStringList{"Blue", "Red"}));
    EXPECT_TRUE(hasFolder("Blue"));
    EXPECT_TRUE(QFile::exists(folder.ships() + "/Green/x.shp"));
    editor.setText("Blue");   // typing the old name back is the way out
    editor.update();
    EXPECT_EQ(editor.SideEditMode(), 0);

    QDir(folder.ships() + "/Red").removeRecursively();
    rename(1, "Crimson");
    EXPECT_TRUE(prompts.lastText().contains("does not exist"));
    EXPECT_EQ(editor.names()[1], "Red");
    EXPECT_FALSE(hasFolder("Crimson"));
}

TEST_F(SideNamesTest, RemoveAsksTwiceAndDeletesTheFolderOnlyOnTheSecondYes)
{
    folder.write("Ships/Blue/Vigilant.shp", "Name=Vigilant\r\n");
    editor.selectSide(0);
    prompts.answers = {PromptAnswer::No};
    editor.remove();
    EXPECT_EQ(prompts.texts(), QStringList{"Are you sure you want to remove the side: Blue?"});
    EXPECT_EQ(editor.names().size(), 2);

    prompts.clear();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    editor.remove();
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[1].text, "Do want to delete all ships and files in the folder associatedwith the Blue?");
    EXPECT_EQ(prompts.asked[1].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompts.asked[1].icon, PromptIcon::Question);
    EXPECT_EQ(editor.names(), QStringList{"Red"});
    EXPECT_TRUE(QFile::exists(folder.ships() + "/Blue/Vigilant.shp"));
    // Nothing is selected after a removal, so Edit and Remove do nothing.
    prompts.clear();
    editor.remove();
    editor.edit();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.SideEditMode(), 0);

    QFile::setPermissions(folder.write("Ships/Red/locked.shp", "x"), QFileDevice::ReadOwner);
    editor.selectSide(0);
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    editor.remove();
    EXPECT_TRUE(editor.names().isEmpty());
    EXPECT_FALSE(hasFolder("Red"));
}

TEST_F(SideNamesTest, EntriesThatCannotNameAFolderNeverReachOneOnDisk)
{
    // A hand-edited list: the "folder" of ".." or of an empty line is the program folder or Ships.
    folder.write("Ships/Sides.txt", "Blue\r\n..\r\n\r\n");
    editor.Load();
    for (int i = 0; i < 2; ++i) {
        editor.selectSide(1);
        prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
        editor.remove();
    }
    EXPECT_EQ(editor.names(), QStringList{"Blue"});
    EXPECT_TRUE(hasFolder("Blue"));
}

TEST_F(SideNamesTest, DoneWritesTheListInOrderOrSaysWhyNot)
{
    add("Green");
    rename(0, "Navy");
    ASSERT_TRUE(editor.done());
    EXPECT_EQ(test::readFile(sidesFile(folder.path())), "Navy\r\nRed\r\nGreen\r\n");

    QFile::remove(sidesFile(folder.path()));
    editor.Load();
    EXPECT_TRUE(editor.names().isEmpty());
    QDir().mkpath(sidesFile(folder.path()));   // a folder in the file's place
    EXPECT_FALSE(editor.done());
    EXPECT_TRUE(prompts.lastText().startsWith("The list of sides could not be saved in " +
                                              QDir::toNativeSeparators(sidesFile(folder.path()))));
}

} // namespace

TEST_F(SideNamesTest, AListThatCannotBeReadIsNeverOverwritten)
{
    const QByteArray huge(2 * 1024 * 1024, 'x');
    folder.write("Ships/Sides.txt", huge);
    prompts.clear();
    editor.Load();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.lastText().startsWith("The list of sides in "));
    EXPECT_TRUE(editor.names().isEmpty());
    EXPECT_TRUE(editor.done());
    EXPECT_EQ(test::readFile(folder.ships() + "/Sides.txt").size(), huge.size());
}
