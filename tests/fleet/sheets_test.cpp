// The roster and the orders sheet: composition, printing and the two pictures.
#include "tests/fleet/fleetfixture.h"

#include "common/pageprinter.h"
#include "fleet/fleetsheets.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

using namespace kw;
using kw::test::FleetTest;

namespace {

constexpr double kPixelsPerMm = 96 / 25.4;

// Records what it is asked to print; the setup is answered from a script.
class PrinterRecorder : public PagePrinter {
public:
    bool setup(const QString& documentName) override
    {
        names << documentName;
        return accept;
    }
    bool print(const PrintDocument& document, QString* error) override
    {
        documents << document;
        *error = failure;
        return failure.isEmpty();
    }

    bool accept = true;
    QString failure;
    QStringList names;
    QList<PrintDocument> documents;
};

class SheetsTest : public FleetTest {
protected:
    void threeShips()
    {
        addFromSide("Hood");
        addFromSide("Cruiser");
        addFromSide("Scout");
    }
    // Whether a row of pixels is black from one side of the sheet to the other.
    static bool ruledAcross(const QImage& sheet, double yMm)
    {
        const int y = static_cast<int>(yMm * kPixelsPerMm);
        for (int dy : {0, 1}) {
            bool black = true;
            for (int x = 0; x < sheet.width() && black; ++x)
                black = qGray(sheet.pixel(x, y + dy)) < 64;
            if (black)
                return true;
        }
        return false;
    }
};

} // namespace

TEST_F(SheetsTest, TheOrdersSheetHasARowPerShipSevenMillimetresApart)
{
    threeShips();
    const OrdersSheetMeasures m = measureOrdersSheet();
    ASSERT_GT(m.rowHeight, 2);
    ASSERT_LT(m.rowHeight, 5);
    const SheetPage page = composeOrdersSheet(fleet.cards());

    ASSERT_EQ(page.texts.size(), 4);
    EXPECT_EQ(page.texts[0], (SheetText{QPointF(0, 0), ordersSheetHeader()}));
    EXPECT_EQ(page.texts[1], (SheetText{QPointF(0, 7), "1"}));
    EXPECT_EQ(page.texts[2], (SheetText{QPointF(0, 14), "2"}));
    EXPECT_EQ(page.texts[3], (SheetText{QPointF(0, 21), "3"}));

    QList<QLineF> across;
    QList<double> columns;
    for (const QLineF& line : page.lines) {
        if (line.y1() == line.y2()) {
            EXPECT_EQ(line.x1(), 0);
            EXPECT_EQ(line.x2(), 267);
            across << line;
        } else {
            EXPECT_EQ(line.x1(), line.x2());
            EXPECT_EQ(line.y1(), 0);
            EXPECT_EQ(line.y2(), 180);
            columns << line.x1();
        }
    }
    ASSERT_EQ(across.size(), 4);
    EXPECT_DOUBLE_EQ(across[0].y1(), m.rowHeight + 1);
    for (int k = 1; k <= 3; ++k)
        EXPECT_DOUBLE_EQ(across[k].y1(), 7 * k + m.rowHeight + 1);
    // "Ship ID", "Vel", then each turn's orders and velocity; the last velocity runs to the edge.
    ASSERT_EQ(columns.size(), 17);
    EXPECT_DOUBLE_EQ(columns[0], m.idWidth);
    EXPECT_DOUBLE_EQ(columns[1], m.idVelWidth);
    EXPECT_DOUBLE_EQ(columns[2], m.turnWidth + m.idVelWidth - 1);
    EXPECT_DOUBLE_EQ(columns[3], m.turnVelWidth + m.idVelWidth - 1);
    EXPECT_DOUBLE_EQ(columns[16], 7 * m.turnVelWidth + m.turnWidth + m.idVelWidth - 1);
    EXPECT_LT(columns[16], 267);

    // Painted: the rules lie where they were put.
    const QImage sheet = paintSheetPage(page);
    EXPECT_EQ(sheet.size(), QSize(1009, 680));
    EXPECT_TRUE(ruledAcross(sheet, m.rowHeight + 1));
    EXPECT_TRUE(ruledAcross(sheet, 21 + m.rowHeight + 1));
    EXPECT_FALSE(ruledAcross(sheet, 28 + m.rowHeight + 1));
}

TEST_F(SheetsTest, TheHeaderAndItsColumns)
{
    const QString header = ordersSheetHeader();
    EXPECT_EQ(header.size(), 18 + 8 * 32);
    EXPECT_TRUE(
        header.startsWith("Ship ID Vel       Turn 1                Vel       Turn 2                Vel       "));
    EXPECT_TRUE(header.endsWith("Turn 8                Vel       "));
}

TEST_F(SheetsTest, RowsFromThe26thOnAreLost)
{
    for (int i = 0; i < 26; ++i)
        addFromSide("Scout");
    const SheetPage page = composeOrdersSheet(fleet.cards());
    EXPECT_LT(page.texts[25].topLeft.y(), 180);
    EXPECT_GT(page.texts[26].topLeft.y(), 180);
    const QImage sheet = paintSheetPage(page);
    EXPECT_TRUE(ruledAcross(sheet, 175 + measureOrdersSheet().rowHeight + 1));
}

TEST_F(SheetsTest, TheRosterShowsEveryCardAsArranged)
{
    threeShips();
    fleet.typeCardId(2, "B1");
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.dropOnPage(QPointF(6000, 3000));
    const FleetCard& cruiser = fleet.card(2);
    const SheetPage page = composeRoster(fleet.cards());

    ASSERT_EQ(page.pictures.size(), 3);
    EXPECT_EQ(page.pictures[1].topLeft, QPoint(400, 200));
    ASSERT_EQ(page.lines.size(), 3 * 8);
    const double mm = 1440 / 25.4;
    // The picture's frame, then the strip's.
    EXPECT_EQ(page.lines[8].p1(), QPointF(6000 / mm, 3000 / mm));
    EXPECT_EQ(page.lines[9].p2(), QPointF((6000 + cruiser.width()) / mm, (3000 + cruiser.height()) / mm));
    EXPECT_EQ(page.lines[12].p1(), QPointF(6000 / mm, (3000 - 765) / mm));
    // The strip's texts, moved right by 1 mm; the ID 0.75 mm and the name and notes 1 mm lower.
    ASSERT_EQ(page.texts.size(), 3 * 5);
    const QList<SheetText> strip = page.texts.mid(5, 5);
    EXPECT_EQ(strip[0], (SheetText{QPointF((6000 + 15) / mm + 1, (3000 - 765 + 60) / mm), "ID:"}));
    EXPECT_EQ(strip[1], (SheetText{QPointF((6000 + 240) / mm + 1, (3000 - 765 + 30) / mm + 0.75), "B1"}));
    EXPECT_EQ(strip[2].text, "Name:");
    EXPECT_EQ(strip[3], (SheetText{QPointF((6000 + 1185) / mm + 1, (3000 - 765 + 30) / mm + 1), "Cruiser"}));
    EXPECT_EQ(strip[4], (SheetText{QPointF((6000 + 30) / mm + 1, (3000 - 765 + 390) / mm + 1), "(T:300)(P:700)"}));
    // The changed ID is the row's ID on the orders sheet too.
    EXPECT_EQ(composeOrdersSheet(fleet.cards()).texts[2].text, "B1");

    const QImage roster = paintSheetPage(page);
    EXPECT_EQ(roster.pixel(400 + 20, 200 + 20), cruiser.picture.pixel(20, 20));
    EXPECT_EQ(roster.pixel(1000, 670), QColor(Qt::white).rgb());
}

TEST_F(SheetsTest, SaveFleetPictureWritesTwoPicturesInTheFormatTheNameSays)
{
    threeShips();
    prompts.files = {path("F/Alpha.bmp")};
    QDir().mkpath(path("F"));
    ASSERT_TRUE(fleet.SaveFleetPicture());
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].filter,
              "Windows Bitmap (*.bmp)|*.bmp|PNG Picture (*.png)|*.png|PDF Document (*.pdf)|*.pdf|");
    EXPECT_EQ(prompts.dialogs[0].proposedName, "New Fleet.bmp");
    EXPECT_EQ(filesIn("F"), (QStringList{"Alpha Orders Sheet.bmp", "Alpha.bmp"}));
    const FleetSheets sheets = fleet.composeSheets();
    EXPECT_EQ(test::readFile(path("F/Alpha.bmp")).left(2), "BM");
    EXPECT_EQ(QImage(path("F/Alpha.bmp")).convertToFormat(QImage::Format_RGB32), sheets.roster);
    EXPECT_EQ(QImage(path("F/Alpha Orders Sheet.bmp")).convertToFormat(QImage::Format_RGB32), sheets.orders);
    EXPECT_TRUE(prompts.asked.isEmpty());

    // Cancelled: nothing written. A folder that is not there: said, with the path.
    prompts.files = {std::nullopt, path("G/Beta.bmp")};
    EXPECT_FALSE(fleet.SaveFleetPicture());
    EXPECT_FALSE(fleet.SaveFleetPicture());
    EXPECT_TRUE(prompts.lastText().startsWith("The picture " + QDir::toNativeSeparators(path("G/Beta.bmp"))
                                              + " could not be saved:\r\n"));
    EXPECT_EQ(prompts.asked.last().icon, PromptIcon::Exclamation);

    // The name's ending chooses the format; without one it is a bitmap.
    QDir(path("F")).removeRecursively();
    QDir().mkpath(path("F"));
    prompts.files = {path("F/Alpha.png"), path("F/Beta.pdf"), path("F/Gamma")};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(fleet.SaveFleetPicture());
    EXPECT_EQ(filesIn("F"), (QStringList{"Alpha Orders Sheet.png", "Alpha.png", "Beta.pdf", "Gamma Orders Sheet.bmp",
                                         "Gamma.bmp"}));
    EXPECT_EQ(QImage(path("F/Alpha Orders Sheet.png")).convertToFormat(QImage::Format_RGB32), sheets.orders);
    EXPECT_TRUE(test::readFile(path("F/Alpha.png")).startsWith("\x89PNG"));
    EXPECT_TRUE(test::readFile(path("F/Gamma.bmp")).startsWith("BM"));
    EXPECT_TRUE(test::readFile(path("F/Beta.pdf")).startsWith("%PDF"));
    if (const std::optional<QString> info = test::pdfInfo(path("F/Beta.pdf"))) {
        EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+2\\n"))) << info->toStdString();
        EXPECT_TRUE(info->contains(QRegularExpression("Page size:\\s+84[12][.\\d]* x 595[.\\d]* pts \\(A4\\)")))
            << info->toStdString();
    }
}

TEST_F(SheetsTest, PrintFleetPrintsBothPagesLandscapeAfterTheSetup)
{
    PrinterRecorder printer;
    EXPECT_FALSE(fleet.PrintFleet(printer)) << "nothing to print without ships";
    EXPECT_TRUE(printer.names.isEmpty());

    threeShips();
    printer.accept = false;
    EXPECT_FALSE(fleet.PrintFleet(printer));
    EXPECT_EQ(printer.names, QStringList{"New Fleet"});
    EXPECT_TRUE(printer.documents.isEmpty());

    printer.accept = true;
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    ASSERT_TRUE(fleet.PrintFleet(printer));
    EXPECT_EQ(printer.names.last(), "Alpha");
    ASSERT_EQ(printer.documents.size(), 1);
    const PrintDocument& document = printer.documents[0];
    EXPECT_EQ(document.orientation, PageOrientation::Landscape);
    ASSERT_EQ(document.pages.size(), 2);
    const FleetSheets sheets = fleet.composeSheets();
    EXPECT_EQ(document.pages[0].picture, sheets.roster);
    EXPECT_EQ(document.pages[1].picture, sheets.orders);
    for (const PrintedPage& page : document.pages) {
        EXPECT_EQ(page.topLeftMm, QPointF(15, 15));
        EXPECT_NEAR(page.sizeMm.width(), 267, 0.1);
        EXPECT_NEAR(page.sizeMm.height(), 180, 0.1);
    }

    printer.failure = "The printer Office is not available.";
    EXPECT_FALSE(fleet.PrintFleet(printer));
    EXPECT_EQ(prompts.lastText(), "The fleet could not be printed:\r\nThe printer Office is not available.");
}
