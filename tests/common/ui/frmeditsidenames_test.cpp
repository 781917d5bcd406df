#include "common/ui/frmeditsidenames.h"
#include "storage/programfolder.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kw;

TEST(FrmEditSideNames, TypeEnterSelectEditAndCloseByTheCloseBox)
{
    test::TestFolder folder({"Blue", "Red"});
    test::FakePrompts prompts;
    FrmEditSideNames dialog(folder.path(), prompts);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Edit Side Names");

    auto* list = dialog.findChild<QListWidget*>("lstNames");
    auto* text = dialog.findChild<QLineEdit*>("txtEdit");
    auto* add = dialog.findChild<QPushButton*>("cmdAdd");
    auto* edit = dialog.findChild<QPushButton*>("cmdEdit");
    auto* update = dialog.findChild<QPushButton*>("cmdUpdate");
    auto* remove = dialog.findChild<QPushButton*>("cmdRemove");
    ASSERT_TRUE(list && text && add && edit && update && remove && dialog.findChild<QPushButton*>("cmdDone"));
    EXPECT_EQ(list->count(), 2);
    EXPECT_FALSE(add->isEnabled() || edit->isEnabled() || remove->isEnabled() || update->isVisible());

    QTest::keyClicks(text, "  Green  ");
    EXPECT_TRUE(add->isEnabled());
    QTest::keyClick(text, Qt::Key_Return);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "Green");
    EXPECT_EQ(text->text(), "Green");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(QFileInfo(folder.ships() + "/Green").isDir());
    // Enter belongs to the field: no button took it as a default and closed the dialog.
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(edit->isEnabled() && remove->isEnabled());
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_TRUE(update->isVisible());
    EXPECT_EQ(text->text(), "Red");
    EXPECT_FALSE(edit->isEnabled());

    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(test::readFile(sidesFile(folder.path())), "Blue\r\nRed\r\nGreen\r\n");
}
