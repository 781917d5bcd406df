#include "common/ui/dlgprinter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace kw;

namespace {

PrinterChoice printer(const QString& name, QPageLayout::Orientation orientation, PrintQuality quality,
                      std::array<bool, kPrintQualityCount> accepted = {true, true, true, true})
{
    PrinterChoice choice;
    choice.name = name;
    choice.orientation = orientation;
    choice.quality = quality;
    choice.qualityAccepted = accepted;
    return choice;
}

// A draft printer that cannot print in high quality, a laser printer and the PDF entry.
class DlgPrinterTest : public ::testing::Test {
protected:
    DlgPrinterTest()
        : dialog(QList<PrinterChoice>{printer("Draft Jet", QPageLayout::Portrait, PrintQuality::Low, {true, true, true, false}),
                                      printer("Laser", QPageLayout::Landscape, PrintQuality::High), pdfEntry()},
                 "Laser")
    {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    template <typename T>
    T* child(const QString& name) const
    {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QRadioButton* orientation(int i) const { return child<QRadioButton>(QStringLiteral("optOrientation_%1").arg(i)); }
    QRadioButton* quality(int i) const { return child<QRadioButton>(QStringLiteral("optQuality_%1").arg(i)); }
    QComboBox* printers() const { return child<QComboBox>("cmbPrinter"); }
    QLineEdit* copies() const { return child<QLineEdit>("txtCopies"); }
    void click(const QString& name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    DlgPrinter dialog;
};

} // namespace

TEST_F(DlgPrinterTest, ControlsCarryTheirNamesAndCaptions)
{
    EXPECT_EQ(dialog.windowTitle(), "Print Setup");
    QStringList frames;
    for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_EQ(frames, QStringList({"Select Printer", "Orientation", "Print Quality", "Copies"}));
    EXPECT_EQ(orientation(0)->text(), "Portrait");
    EXPECT_EQ(orientation(1)->text(), "Landscape");
    EXPECT_EQ(quality(3)->text(), "High");
    EXPECT_EQ(quality(2)->text(), "Medium");
    EXPECT_EQ(quality(1)->text(), "Low");
    EXPECT_EQ(quality(0)->text(), "Draft");
    EXPECT_EQ(copies()->text(), "1");
    child<QWidget>("updCopies");
    EXPECT_EQ(child<QPushButton>("OKButton")->text(), "OK");
    EXPECT_EQ(child<QPushButton>("CancelButton")->text(), "Cancel");
    EXPECT_EQ(dialog.retval(), 0);

    // The platform's printers in order, the PDF entry last; the current printer selected.
    ASSERT_EQ(printers()->count(), 3);
    EXPECT_EQ(printers()->itemText(0), "Draft Jet");
    EXPECT_EQ(printers()->itemText(2), pdfEntryName());
    EXPECT_EQ(printers()->currentIndex(), 1);
}

TEST(DlgPrinterStart, WithoutPrintersThePdfEntryIsChosenInLandscapeAndMedium)
{
    DlgPrinter dialog(QList<PrinterChoice>{pdfEntry()}, QString());
    EXPECT_EQ(dialog.findChild<QComboBox*>("cmbPrinter")->currentText(), pdfEntryName());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optOrientation_1")->isChecked());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optQuality_2")->isChecked());
    for (QRadioButton* option : dialog.findChildren<QRadioButton*>())
        EXPECT_TRUE(option->isEnabled()) << option->objectName().toStdString();
    EXPECT_TRUE(dialog.currentPrinter().pdf);
    // The installed list always ends with the PDF entry.
    EXPECT_TRUE(installedPrinters().last().pdf);
}

TEST_F(DlgPrinterTest, ChoosingAPrinterShowsWhatItAcceptsAndItsOwnSettings)
{
    EXPECT_TRUE(orientation(1)->isChecked());
    EXPECT_TRUE(quality(3)->isChecked());
    printers()->setCurrentIndex(0);
    EXPECT_TRUE(orientation(0)->isChecked());
    EXPECT_TRUE(quality(1)->isChecked());
    EXPECT_FALSE(quality(3)->isEnabled());
    EXPECT_TRUE(quality(0)->isEnabled());

    dialog.setORLandscapeOnly(true);
    EXPECT_TRUE(orientation(1)->isChecked());
    EXPECT_FALSE(orientation(0)->isEnabled());
    dialog.setORLandscapeOnly(false);
    dialog.setORPortraitOnly(true);
    printers()->setCurrentIndex(1);   // the laser's own landscape gives way to the lock
    EXPECT_TRUE(orientation(0)->isChecked());
    EXPECT_FALSE(orientation(1)->isEnabled());
    EXPECT_TRUE(quality(3)->isEnabled());
}

TEST_F(DlgPrinterTest, CopiesTakeOnlyDigits)
{
    copies()->selectAll();
    QTest::keyClicks(copies(), "2a-b.5 ");
    EXPECT_EQ(copies()->text(), "25");
    QTest::keyClick(copies(), Qt::Key_Backspace);
    EXPECT_EQ(copies()->text(), "2");
    copies()->insert("x7");   // pasted text is held to digits as well
    EXPECT_EQ(copies()->text(), "2");

    auto arrows = child<QWidget>("updCopies")->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    EXPECT_EQ(copies()->text(), "3");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(arrows[1], Qt::LeftButton);
    EXPECT_EQ(copies()->text(), "1");

    // Enter in the field presses OK.
    QTest::keyClicks(copies(), "4");
    QTest::keyClick(copies(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.retval(), 1);
    EXPECT_EQ(dialog.currentPrinter().copies, 14);
}

TEST_F(DlgPrinterTest, OkMakesTheChoiceCurrentAndCancelChangesNothing)
{
    printers()->setCurrentIndex(2);
    orientation(0)->setChecked(true);
    quality(0)->setChecked(true);
    copies()->setText("");
    click("OKButton");
    EXPECT_EQ(dialog.retval(), 2);
    PrintSettings current = dialog.currentPrinter();
    EXPECT_TRUE(current.pdf);
    EXPECT_EQ(current.printerName, pdfEntryName());
    EXPECT_EQ(current.orientation, QPageLayout::Portrait);
    EXPECT_EQ(current.quality, PrintQuality::Draft);
    EXPECT_EQ(current.copies, 1);   // an empty field prints once
    EXPECT_EQ(copies()->text(), "1");

    dialog.show();
    printers()->setCurrentIndex(0);
    quality(2)->setChecked(true);
    copies()->setText("9");
    click("CancelButton");
    EXPECT_EQ(dialog.retval(), -1);
    EXPECT_EQ(dialog.currentPrinter().printerName, pdfEntryName());
    // The options are back as they were shown.
    EXPECT_EQ(printers()->currentIndex(), 2);
    EXPECT_TRUE(orientation(0)->isChecked());
    EXPECT_TRUE(quality(0)->isChecked());
    EXPECT_EQ(copies()->text(), "1");

    // The close box counts as Cancel; a later OK sets retval afresh.
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.retval(), -1);
    dialog.show();
    click("OKButton");
    EXPECT_EQ(dialog.retval(), 2);

    // A printer keeps what was set on it when it is chosen again.
    dialog.show();
    printers()->setCurrentIndex(0);
    printers()->setCurrentIndex(2);
    EXPECT_TRUE(orientation(0)->isChecked());
    EXPECT_TRUE(quality(0)->isChecked());
}
