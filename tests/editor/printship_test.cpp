#include "display/sheetpainter.h"
#include "editor/shipprinter.h"
#include "tests/editor/editorfixture.h"

#include <QDir>
#include <QFile>

namespace kw::test {

namespace {

// Answers the print setup from a script and keeps what it was asked to print.
class RecordingPrinter : public ShipPrinter {
public:
    bool setup(const QString& documentName) override
    {
        setupNames << documentName;
        return setupAnswers.isEmpty() ? true : setupAnswers.takeFirst();
    }
    bool printPicture(const QImage& picture, QPointF topLeftMm, QSizeF sizeMm, QString* error) override
    {
        pictures << picture;
        topLeft = topLeftMm;
        size = sizeMm;
        printFileExisted = QFile::exists(printFile);
        if (!failure.isEmpty())
            *error = failure;
        return failure.isEmpty();
    }

    QString printFile;
    QList<bool> setupAnswers;
    QString failure;
    QStringList setupNames;
    QList<QImage> pictures;
    QPointF topLeft;
    QSizeF size;
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
    void placeAll()
    {
        float left = 1200;
        for (const SystemIcon& icon : editor.display().icons()) {
            editor.display().moveIcon(icon.index, IconContainer::Display, left, 450);
            left += 400;
        }
    }
    QStringList tempFiles() const { return QDir(folder.path() + "/temp").entryList(QDir::Files); }

    RecordingPrinter printer;
};

TEST_F(PrintShipTest, PrintsTheSheet25MillimetresIntoThePageAtItsOwnSize)
{
    placeAll();
    const QImage expected = composeRecordSheet(editor.display(), editor.shownLinkLines());
    EXPECT_TRUE(editor.PrintShip(printer));
    EXPECT_EQ(printer.setupNames, QStringList({"Vigilant"}));
    ASSERT_EQ(printer.pictures.size(), 1);
    EXPECT_TRUE(printer.printFileExisted);
    EXPECT_EQ(printer.pictures[0].size(), expected.size());
    EXPECT_EQ(printer.pictures[0].convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(printer.topLeft, QPointF(25, 25));
    EXPECT_DOUBLE_EQ(printer.size.width(), expected.width() * 25.4 / 96);
    EXPECT_DOUBLE_EQ(printer.size.height(), expected.height() * 25.4 / 96);
    // Printing says nothing and leaves no print file behind.
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(tempFiles().isEmpty());

    // The picture target was cleared: saving a picture asks where again and reports the save.
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(editor.SavePic());
    EXPECT_EQ(prompts.asked[0].text, "Save according to side (yes) or in another directory (no)?");
    EXPECT_TRUE(prompts.lastText().startsWith("Ship Saved as "));
}

TEST_F(PrintShipTest, AnUnplacedSystemPrintsNothing)
{
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_EQ(prompts.texts(), QStringList({"You must place all systems into the Ship's System Display"}));
    EXPECT_EQ(printer.setupNames.size(), 1);   // the setup comes first
    EXPECT_TRUE(printer.pictures.isEmpty());
    EXPECT_TRUE(tempFiles().isEmpty());
}

TEST_F(PrintShipTest, ACancelledSetupPrintsNothingAndALaterOnePrints)
{
    placeAll();
    printer.setupAnswers = {false};
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_TRUE(printer.pictures.isEmpty());
    EXPECT_FALSE(QDir(folder.path() + "/temp").exists());
    EXPECT_TRUE(prompts.asked.isEmpty());

    EXPECT_TRUE(editor.PrintShip(printer));
    EXPECT_EQ(printer.pictures.size(), 1);
}

TEST_F(PrintShipTest, FailuresAreReportedAndLeaveNoPrintFile)
{
    placeAll();
    printer.failure = "The printer is out of paper.";
    EXPECT_FALSE(editor.PrintShip(printer));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, "The ship diagram could not be printed:\r\nThe printer is out of paper.");
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Exclamation);
    EXPECT_TRUE(tempFiles().isEmpty());

    // A file where the scratch folder should be.
    QDir(folder.path() + "/temp").removeRecursively();
    folder.write("temp", "x");
    prompts.clear();
    printer.pictures.clear();
    EXPECT_FALSE(editor.PrintShip(printer));
    EXPECT_TRUE(printer.pictures.isEmpty());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("The ship diagram could not be printed: the folder "));
    EXPECT_EQ(test::readFile(folder.path() + "/temp"), "x");
}

} // namespace kw::test
