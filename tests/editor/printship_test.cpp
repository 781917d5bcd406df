#include "common/pageprinter.h"
#include "display/sheetpainter.h"
#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

#include <QDir>
#include <QFile>

namespace kw::test {

namespace {

// Answers the print setup from a script and keeps what it was asked to print.
class RecordingPrinter : public PagePrinter {
public:
    bool setup(const QString& documentName) override
    {
        setupNames << documentName;
        return setupAnswers.isEmpty() ? true : setupAnswers.takeFirst();
    }
    bool print(const PrintDocument& document, QString* error) override
    {
        documents << document;
        printFileExisted = QFile::exists(printFile);
        if (!failure.isEmpty())
            *error = failure;
        return failure.isEmpty();
    }

    QString printFile;
    QList<bool> setupAnswers;
    QString failure;
    QStringList setupNames;
    QList<PrintDocument> documents;
    bool printFileExisted = false;
};

} // namespace

class PrintShipTest : public EditorTest {
protected:
    PrintShipTest()
    {
        printer.printFile = folder.path() + "/temp/print.bmp";
        designVigilant();
        type(NumericField::FCS, "1");
        editor.setNameText("Vigilant");
        editor.UpdateShip(true);
        prompts.clear();
    }
    void placeAll() { placeAllIcons(editor); }
    QStringList tempFiles() const { return QDir(folder.path() + "/temp").entryList(QDir::Files); }

    RecordingPrinter printer;
};

TEST_F(PrintShipTest, PrintsTheSheet25MillimetresIntoThePageAtItsOwnSize)
{
    placeAll();
    // A cancelled setup prints nothing and says nothing.
    printer.setupAnswers = {false};
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_TRUE(printer.documents.isEmpty());
    EXPECT_FALSE(QDir(folder.path() + "/temp").exists());
    EXPECT_TRUE(prompts.asked.isEmpty());

    const QImage expected = composeRecordSheet(editor.display(), editor.shownLinkLines());
    EXPECT_TRUE(editor.PrintShip(printer));
    EXPECT_EQ(printer.setupNames, QStringList({"Vigilant", "Vigilant"}));
    ASSERT_EQ(printer.documents.size(), 1);
    EXPECT_TRUE(printer.printFileExisted);
    // One page in the orientation the setup chose.
    const PrintDocument& printed = printer.documents[0];
    EXPECT_EQ(printed.orientation, PageOrientation::AsSetUp);
    ASSERT_EQ(printed.pages.size(), 1);
    const PrintedPage& page = printed.pages[0];
    EXPECT_EQ(page.picture.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(page.topLeftMm, QPointF(25, 25));
    EXPECT_EQ(page.sizeMm, QSizeF(expected.size()) * 25.4 / 96);
    // Printing says nothing and leaves no print file behind.
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(tempFiles().isEmpty());

    // The picture target was cleared: saving a picture asks where again and reports the save.
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(editor.SavePic());
    EXPECT_EQ(prompts.asked[0].text, "Save according to side (yes) or in another directory (no)?");
    EXPECT_TRUE(prompts.lastText().startsWith("Ship Saved as "));
}

TEST_F(PrintShipTest, ASheetThatCannotBePrintedAsksForNoPrinter)
{
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_EQ(prompts.texts(), QStringList({"You must place all systems into the Ship's System Display"}));
    placeAll();
    type(NumericField::FCS, "2");   // a system without its icon yet
    prompts.clear();
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_EQ(prompts.texts(), QStringList({"The System Display no longer matches the design.\r\n"
                                            "Press UpDate Stats and Display Ship and place the systems again."}));
    EXPECT_TRUE(printer.setupNames.isEmpty());
    EXPECT_FALSE(QDir(folder.path() + "/temp").exists());
}

TEST_F(PrintShipTest, FailuresAreReportedAndLeaveNoPrintFile)
{
    placeAll();
    printer.failure = "The printer is out of paper.";
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_EQ(prompts.texts(), QStringList{"The ship diagram could not be printed:\r\nThe printer is out of paper."});
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Exclamation);
    EXPECT_TRUE(tempFiles().isEmpty());

    // A file where the scratch folder should be.
    QDir(folder.path() + "/temp").removeRecursively();
    folder.write("temp", "x");
    prompts.clear();
    printer.documents.clear();
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_TRUE(printer.documents.isEmpty());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("The ship diagram could not be printed: the folder "));
    EXPECT_EQ(test::readFile(folder.path() + "/temp"), "x");
}

} // namespace kw::test
