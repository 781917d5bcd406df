#include "common/ui/dlgprinter.h"
#include "display/sheetpainter.h"
#include "editor/ui/qtshipprinter.h"
#include "tests/editor/editorfixture.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

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

} // namespace

// Prints the record sheet through the real print setup and printer into a PDF file.
class QtShipPrinterTest : public EditorTest {
protected:
    QtShipPrinterTest() : setupDialog(QList<PrinterChoice>{pdfEntry()}, QString()), printer(setupDialog, prompts, folder.path())
    {
        designVigilant();
        type(NumericField::FCS, "1");
        editor.setNameText("Vigilant");
        editor.UpdateShip(true);
        editor.display().moveIcon(1, IconContainer::Display, 1200, 450);
        prompts.clear();
        pdf = folder.path() + "/Vigilant.pdf";
    }
    static PrinterChoice pdfEntry()
    {
        PrinterChoice choice;
        choice.name = pdfEntryName();
        choice.pdf = true;
        return choice;
    }
    // Answers the print setup, which runs modally, with one of its buttons.
    void answerSetupWith(const QString& buttonName)
    {
        QTimer::singleShot(0, [buttonName] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            QPushButton* button = modal->findChild<QPushButton*>(buttonName);
            ASSERT_NE(button, nullptr);
            button->click();
        });
    }
    bool printTo(const QString& file)
    {
        prompts.files = {file};
        answerSetupWith("OKButton");
        return editor.PrintShip(printer);
    }
    bool printFileLeft() const { return QFile::exists(folder.path() + "/temp/print.bmp"); }

    DlgPrinter setupDialog;
    QtShipPrinter printer;
    QString pdf;
};

TEST_F(QtShipPrinterTest, PrintsOnePageWithTheSheet25MillimetresFromTheCorner)
{
    ASSERT_TRUE(printTo(pdf));
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.lastText().toStdString();
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].proposedName, "Vigilant.pdf");
    EXPECT_EQ(prompts.dialogs[0].filter, "PDF File (*.pdf)|*.pdf|");
    EXPECT_FALSE(printFileLeft());
    ASSERT_TRUE(QFile::exists(pdf));

    const std::optional<QByteArray> info = run("pdfinfo", {pdf});
    if (!info)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not available";
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromLatin1(*info));
    ASSERT_TRUE(pages.hasMatch());
    EXPECT_EQ(pages.captured(1), "1");

    const QString stem = folder.path() + "/page";
    ASSERT_TRUE(run("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, stem}));
    const QImage page(stem + ".png");
    ASSERT_FALSE(page.isNull());
    // 25 mm at 96 dpi is 94.5 pixels; the sheet's black frame starts there, at its own size.
    const QSize sheet = displayPixelSize(editor.display());
    const QRect ink = inkBox(page);
    EXPECT_NEAR(ink.left(), 94, 1);
    EXPECT_NEAR(ink.top(), 94, 1);
    EXPECT_NEAR(ink.width(), sheet.width(), 2);
    EXPECT_NEAR(ink.height(), sheet.height(), 2);
    // Landscape is the setup's first choice.
    EXPECT_GT(page.width(), page.height());
}

TEST_F(QtShipPrinterTest, CancellingTheSetupOrTheFileNamePrintsNothing)
{
    answerSetupWith("CancelButton");
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_TRUE(prompts.dialogs.isEmpty());

    prompts.files.clear();   // the PDF name dialog is cancelled
    answerSetupWith("OKButton");
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_EQ(prompts.dialogs.size(), 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(printFileLeft());
    EXPECT_TRUE(prompts.asked.isEmpty());

    // After the cancelled setups an OK prints again; a name without suffix becomes a .pdf.
    EXPECT_TRUE(printTo(folder.path() + "/sheet"));
    EXPECT_TRUE(QFile::exists(folder.path() + "/sheet.pdf"));
}

TEST_F(QtShipPrinterTest, AnUnwritablePdfIsReportedWithItsPath)
{
    const QString missing = folder.path() + "/no such folder/x.pdf";
    EXPECT_FALSE(printTo(missing));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("The ship diagram could not be printed:\r\nThe PDF file "
                                                 + QDir::toNativeSeparators(missing) + " could not be written"))
        << prompts.asked[0].text.toStdString();
    EXPECT_FALSE(printFileLeft());
}

} // namespace kw::test
