#include "common/ui/dlgprinter.h"
#include "common/ui/qtpageprinter.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

namespace kw::test {

namespace {

// Runs a poppler tool; the output, or nothing when the tool is missing or failed.
std::optional<QByteArray> run(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// The box round every pixel that is not near white.
QRect inkBox(const QImage& page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 200)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// A framed white picture, as the record sheet and the fleet's pages are.
QImage framedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width - 1, height - 1);
    return picture;
}

} // namespace

// Prints through the real print setup into PDF files.
class QtPagePrinterTest : public ::testing::Test {
protected:
    QtPagePrinterTest()
        : setupDialog(QList<PrinterChoice>{pdfEntry()}, QString()), printer(setupDialog, prompts, folder.path())
    {
        pdf = folder.path() + "/Vigilant.pdf";
    }
    // Answers the print setup, which runs modally: optionally picks an orientation, then
    // presses one of its buttons.
    void answerSetupWith(const QString& buttonName, const QString& orientation = {})
    {
        QTimer::singleShot(0, [buttonName, orientation] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            if (!orientation.isEmpty())
                modal->findChild<QRadioButton*>(orientation)->setChecked(true);
            QPushButton* button = modal->findChild<QPushButton*>(buttonName);
            ASSERT_NE(button, nullptr);
            button->click();
        });
    }
    bool setUpTo(const QString& file, const QString& orientation = {})
    {
        prompts.files = {file};
        answerSetupWith("OKButton", orientation);
        return printer.setup("Vigilant");
    }
    // The PDF's pages rendered at 96 dpi, or nothing when poppler is missing.
    std::optional<QList<QImage>> pages(const QString& file)
    {
        const std::optional<QByteArray> info = run("pdfinfo", {file});
        if (!info)
            return std::nullopt;
        const QRegularExpressionMatch count = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromLatin1(*info));
        EXPECT_TRUE(count.hasMatch());
        QList<QImage> images;
        for (int page = 1; page <= count.captured(1).toInt(); ++page) {
            const QString stem = folder.path() + QStringLiteral("/page%1").arg(page);
            const QString number = QString::number(page);
            EXPECT_TRUE(run("pdftoppm", {"-r", "96", "-png", "-f", number, "-l", number, "-singlefile", file, stem}));
            images << QImage(stem + ".png");
        }
        return images;
    }

    TestFolder folder;
    FakePrompts prompts;
    DlgPrinter setupDialog;
    QtPagePrinter printer;
    QString pdf;
};

TEST_F(QtPagePrinterTest, OnePageAsSetUpWithThePictureAtItsPlaceAndSize)
{
    ASSERT_TRUE(setUpTo(pdf));
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].proposedName, "Vigilant.pdf");
    EXPECT_EQ(prompts.dialogs[0].filter, "PDF File (*.pdf)|*.pdf|");
    const QImage sheet = framedPicture(288, 233);
    QString error;
    ASSERT_TRUE(printer.print({PageOrientation::AsSetUp, {{sheet, QPointF(25, 25), paperSizeMm(sheet)}}}, &error))
        << error.toStdString();
    EXPECT_TRUE(prompts.asked.isEmpty());

    const std::optional<QList<QImage>> printed = pages(pdf);
    if (!printed)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not available";
    ASSERT_EQ(printed->size(), 1);
    const QImage& page = printed->first();
    // 25 mm at 96 dpi is 94.5 pixels; the picture's frame starts there, at its own size.
    const QRect ink = inkBox(page);
    EXPECT_NEAR(ink.left(), 94, 1);
    EXPECT_NEAR(ink.top(), 94, 1);
    EXPECT_NEAR(ink.width(), sheet.width(), 2);
    EXPECT_NEAR(ink.height(), sheet.height(), 2);
    // Landscape is the setup's first choice.
    EXPECT_GT(page.width(), page.height());
}

TEST_F(QtPagePrinterTest, TwoLandscapePagesWhateverTheSetupChose)
{
    ASSERT_TRUE(setUpTo(pdf, "optOrientation_0"));
    EXPECT_EQ(setupDialog.currentPrinter().orientation, QPageLayout::Portrait);
    // Two A4 landscape sheets less 15 mm margins, as the fleet's roster and orders sheet.
    const QImage roster = framedPicture(200, 120);
    const QImage orders = framedPicture(150, 100);
    QString error;
    ASSERT_TRUE(
        printer.print({PageOrientation::Landscape,
                       {{roster, QPointF(15, 15), QSizeF(267, 180)}, {orders, QPointF(15, 15), QSizeF(267, 180)}}},
                      &error))
        << error.toStdString();

    const std::optional<QList<QImage>> printed = pages(pdf);
    if (!printed)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not available";
    ASSERT_EQ(printed->size(), 2);
    for (const QImage& page : *printed) {
        EXPECT_GT(page.width(), page.height());
        // 15 mm is 56.7 pixels, 267 x 180 mm is 1009 x 680 pixels.
        const QRect ink = inkBox(page);
        EXPECT_NEAR(ink.left(), 57, 1);
        EXPECT_NEAR(ink.top(), 57, 1);
        EXPECT_NEAR(ink.width(), 1009, 2);
        EXPECT_NEAR(ink.height(), 680, 2);
    }
}

TEST_F(QtPagePrinterTest, CancellingTheSetupOrTheFileNameSetsNothingUp)
{
    answerSetupWith("CancelButton");
    EXPECT_FALSE(printer.setup("Vigilant"));
    EXPECT_TRUE(prompts.dialogs.isEmpty());

    prompts.files = {std::nullopt};
    answerSetupWith("OKButton");
    EXPECT_FALSE(printer.setup("Vigilant"));
    EXPECT_EQ(prompts.dialogs.size(), 1);

    // After the cancelled setups an OK sets up again; a name without suffix becomes a .pdf.
    EXPECT_TRUE(setUpTo(folder.path() + "/sheet"));
    EXPECT_EQ(printer.pdfPath(), folder.path() + "/sheet.pdf");
}

TEST_F(QtPagePrinterTest, AnUnwritablePdfOrAnEmptyDocumentIsRefusedWithTheReason)
{
    const QString missing = folder.path() + "/no such folder/x.pdf";
    ASSERT_TRUE(setUpTo(missing));
    const QImage sheet = framedPicture(10, 10);
    QString error;
    EXPECT_FALSE(printer.print({PageOrientation::AsSetUp, {{sheet, QPointF(25, 25), paperSizeMm(sheet)}}}, &error));
    EXPECT_TRUE(error.startsWith("The PDF file " + QDir::toNativeSeparators(missing) + " could not be written"))
        << error.toStdString();

    ASSERT_TRUE(setUpTo(pdf));
    EXPECT_FALSE(printer.print({}, &error));
    EXPECT_EQ(error, "There is nothing to print.");
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace kw::test
