#include "common/ui/qtuserprompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kw;

TEST(QtUserPrompts, FiltersBecomeDialogFilters)
{
    EXPECT_EQ(QtUserPrompts::dialogFilter("Ship File (*.shp)|*.shp|"), "Ship File (*.shp)");
    EXPECT_EQ(QtUserPrompts::dialogFilter("Windows Bitmap (*.bmp)|*.bmp|"), "Windows Bitmap (*.bmp)");
    EXPECT_EQ(QtUserPrompts::dialogFilter("A (*.a)|*.a|B (*.b)|*.b|"), "A (*.a);;B (*.b)");
    // The type chosen in the dialog names the extension of a name typed without one.
    EXPECT_EQ(QtUserPrompts::withChosenSuffix("/f/Alpha", "PNG Picture (*.png)"), "/f/Alpha.png");
    EXPECT_EQ(QtUserPrompts::withChosenSuffix("/f/Alpha.bmp", "PNG Picture (*.png)"), "/f/Alpha.bmp");
    EXPECT_EQ(QtUserPrompts::withChosenSuffix("/f/Alpha", "All Files (*)"), "/f/Alpha");
    EXPECT_EQ(QtUserPrompts::withChosenSuffix(QString(), "PNG Picture (*.png)"), QString());
}

TEST(QtUserPrompts, MessageBoxesShowTheExactTitleTextButtonsAndIcon)
{
    QtUserPrompts prompts;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        icon = box->icon();
        defaultButton = box->standardButton(box->defaultButton());
        box->button(QMessageBox::No)->click();
    });
    const PromptAnswer answer = prompts.ask({"The filename specified already exists.\r\n\r\nC:\\x.shp",
                                             "SM Keelwright:- Save ship", PromptButtons::YesNo, PromptIcon::Critical});
    EXPECT_EQ(answer, PromptAnswer::No);
    EXPECT_EQ(title, "SM Keelwright:- Save ship");
    EXPECT_EQ(text, "The filename specified already exists.\n\nC:\\x.shp");
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(defaultButton, QMessageBox::Yes);
}
