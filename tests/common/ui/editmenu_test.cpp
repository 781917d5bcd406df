#include "common/ui/editmenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace kw;

TEST(EditMenuTest, CaptionsNameTheActionAndShortcutsAreTheUsualOnes)
{
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    EditMenu edit(window.menuBar());
    window.menuBar()->addMenu("&Tools");

    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Tools"}));

    EXPECT_EQ(edit.undoItem()->text(), "&Undo");
    EXPECT_FALSE(edit.undoItem()->isEnabled());
    EXPECT_EQ(edit.undoItem()->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(edit.redoItem()->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    edit.show("Move Icons", "");
    EXPECT_EQ(edit.undoItem()->text(), "&Undo Move Icons");
    EXPECT_TRUE(edit.undoItem()->isEnabled());
    EXPECT_EQ(edit.redoItem()->text(), "&Redo");
    EXPECT_FALSE(edit.redoItem()->isEnabled());

    edit.show("Move Icons", "Add Weapon", false);
    EXPECT_FALSE(edit.undoItem()->isEnabled());
    EXPECT_FALSE(edit.redoItem()->isEnabled());
    EXPECT_EQ(edit.redoItem()->text(), "&Redo Add Weapon");

    int undone = 0;
    QObject::connect(&edit, &EditMenu::undoChosen, [&] { ++undone; });
    edit.show("Move Icons", "");
    edit.undoItem()->trigger();
    EXPECT_EQ(undone, 1);
}
