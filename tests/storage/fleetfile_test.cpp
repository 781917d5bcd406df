#include "storage/fleetfile.h"
#include "storage/fleetship.h"
#include "tests/support/qtprinting.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

FleetFileLine hood()
{
    return {"Hood", "1", "Hood", "Hood.shp", 0, 765, QStringLiteral("(T:120)(P:350)")};
}

} // namespace

// Positions are the shortest text of their single-precision number: 0.1, not 0.100000001.
TEST(FleetFile, WritesTheShipsLineAndSevenFieldsPerShip)
{
    FleetFileLine second{"Flagship", "B1", "Cruiser", "Cruiser.shp", 0.1f, -157.25f, QStringLiteral("fast, cheap")};
    QByteArray bytes;
    ASSERT_TRUE(writeFleetFile({hood(), second}, bytes));
    EXPECT_EQ(bytes, "Ships=2\r\n"
                     "Hood,1,Hood,Hood.shp,0,765,(T:120)(P:350)\r\n"
                     "Flagship,B1,Cruiser,Cruiser.shp,0.1,-157.25,fast, cheap\r\n");
    const FleetFileContent read = readFleetFile(bytes);
    EXPECT_FALSE(read.faulty);
    EXPECT_EQ(read.ships, (QList<FleetFileLine>{hood(), second}));
}

TEST(FleetFile, CommasAndLineBreaksCannotShiftTheFields)
{
    FleetFileLine ship{"A,B", "1,", "Mk II, refit", "Hood, old.shp", 0, 0, QStringLiteral("one, two\r\nthree")};
    QByteArray bytes;
    ASSERT_TRUE(writeFleetFile({ship}, bytes));
    EXPECT_EQ(bytes, "Ships=1\r\nA;B,1;,Mk II; refit,Hood; old.shp,0,0,one, two  three\r\n");
    const FleetFileContent read = readFleetFile(bytes);
    ASSERT_EQ(read.ships.size(), 1);
    EXPECT_EQ(read.ships[0].file, "Hood; old.shp");
    EXPECT_EQ(read.ships[0].notes, "one, two  three");

    // Text outside the code page is refused rather than written corrupted.
    ship.name = QStringLiteral("Arrow \u2192");
    QString problem;
    EXPECT_FALSE(writeFleetFile({ship}, bytes, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("\u2192")));
}

TEST(FleetFile, FieldsSevenAndSix)
{
    // Six commas and nothing after them: empty notes. Five: no notes at all.
    const FleetFileContent read = readFleetFile("Ships=3\r\nA,1,A,A.shp,0,765,\r\nB,2,B,B.shp,10,20\r\n"
                                                "C,3,C,C.shp, +1.5e2 ,\t-7 ,x,y,z\n");
    ASSERT_FALSE(read.faulty);
    ASSERT_EQ(read.ships.size(), 3);
    EXPECT_EQ(read.ships[0].notes, QString(""));
    EXPECT_FALSE(read.ships[1].notes);
    EXPECT_EQ(read.ships[1].top, 20);
    EXPECT_EQ(read.ships[2].left, 150);
    EXPECT_EQ(read.ships[2].top, -7);
    EXPECT_EQ(read.ships[2].notes, "x,y,z");
}

TEST(FleetFile, FirstLinesThatReadNoShips)
{
    for (const char* text : {"", "#Ships=1\r\nA,1,A,A.shp,0,0,\r\n", "Ships 1\r\n", "Fleet=1\r\nA,1,A,A.shp,0,0,\r\n",
                             "Ships=0\r\n", "Ships=-3\r\n"}) {
        const FleetFileContent read = readFleetFile(QByteArray(text));
        EXPECT_TRUE(read.ships.isEmpty()) << text;
        EXPECT_FALSE(read.faulty) << text;
    }
    // The key in any case, the count with blanks and a fraction rounded half to even.
    EXPECT_EQ(readFleetFile("sHiPs= 2.5 \r\nA,1,A,A.shp,0,0,\r\nB,2,B,B.shp,0,0,\r\nC,3,C,C.shp,0,0,\r\n").ships.size(),
              2);
}

TEST(FleetFile, AFaultStopsTheReadingAndKeepsTheLinesBefore)
{
    const QByteArray good = "Good,1,Good,Good.shp,0,765,\r\n";
    const struct {
        const char* why;
        QByteArray text;
        qsizetype kept;
    } cases[] = {
        {"a line without a comma", "Ships=3\r\n" + good + "no commas here\r\n" + good, 1},
        {"one comma", "Ships=2\r\n" + good + "A,B\r\n", 1},
        {"four commas", "Ships=2\r\n" + good + "A,1,A,A.shp,0\r\n", 1},
        {"a count larger than the lines", "Ships=3\r\n" + good + good, 2},
        {"a count that is no number", "Ships=two\r\n" + good, 0},
        {"an empty count", "Ships=\r\n" + good, 0},
        {"a left that is no number", "Ships=2\r\n" + good + "A,1,A,A.shp,x,0,\r\n", 1},
        {"a top that is no number", "Ships=2\r\n" + good + "A,1,A,A.shp,0,1e,\r\n", 1},
        {"a place off any page", "Ships=2\r\n" + good + "A,1,A,A.shp,0,1e12,\r\n", 1},
        {"an empty file field", "Ships=1\r\nA,1,A,,0,0,\r\n", 0},
        {"a file field with a slash", "Ships=2\r\n" + good + "A,1,A,../A.shp,0,0,\r\n", 1},
        {"a file field with a backslash", "Ships=1\r\nA,1,A,sub\\A.shp,0,0,\r\n", 0},
        {"a file field of a dot", "Ships=1\r\nA,1,A,.,0,0,\r\n", 0},
        {"a file field of two dots", "Ships=1\r\nA,1,A,..,0,0,\r\n", 0},
        {"an empty line", "Ships=2\r\n" + good + "\r\n" + good, 1},
    };
    for (const auto& c : cases) {
        const FleetFileContent read = readFleetFile(c.text);
        EXPECT_TRUE(read.faulty) << c.why;
        EXPECT_EQ(read.ships.size(), c.kept) << c.why;
    }
}

TEST(FleetFile, EveryTruncationReadsWithoutFailing)
{
    QByteArray bytes;
    ASSERT_TRUE(writeFleetFile({hood(), hood(), hood()}, bytes));
    for (qsizetype n = 0; n <= bytes.size(); ++n) {
        const FleetFileContent read = readFleetFile(bytes.first(n));
        EXPECT_LE(read.ships.size(), 3);
        for (const FleetFileLine& line : read.ships)
            EXPECT_EQ(line.file, "Hood.shp");
    }
}

TEST(FleetFile, TheShipFilesAnOldFleetLists)
{
    // Lines 2 to N + 1 whose fourth field is a plain name, even past a line that breaks reading.
    EXPECT_EQ(
        listedShipFiles("Ships=4\r\nA,1,A,A.shp,0,0,\r\nbroken\r\nB,2,B,../B.shp,x\r\nC,3,C,C.shp\r\nD,4,D,D.shp,0,0,"),
        (QStringList{"A.shp", "C.shp"}));
    EXPECT_TRUE(listedShipFiles("Ships=x\r\nA,1,A,A.shp,0,0,\r\n").isEmpty());
    EXPECT_TRUE(listedShipFiles("#Ships=1\r\nA,1,A,A.shp,0,0,\r\n").isEmpty());
}

TEST(FleetFile, NumbersOfTheLimitBoxes)
{
    // The organizer's limit tests type the everyday texts; these are the edges.
    EXPECT_EQ(roundedFleetNumber(u"3.5", -32768, 32767), 4);
    EXPECT_EQ(roundedFleetNumber(u"-1e3", -32768, 32767), -1000);
    EXPECT_FALSE(roundedFleetNumber(u"32768", -32768, 32767));
    EXPECT_FALSE(roundedFleetNumber(u"", -32768, 32767));
}

TEST(FleetShipReading, TakesItsKeysFromEveryLine)
{
    const FleetShip hood = readFleetShip("Name=Hood\r\nClass=Battlecruiser (BC)\r\nTMF=120\r\nNPV=350\r\n"
                                         "HullIntegrity=Average - 30%\r\nHullPoints=36\r\nArmour=2\r\n"
                                         "StreamLining=Partial\r\n");
    EXPECT_EQ(hood.Name, "Hood");
    EXPECT_EQ(hood.Class, "Battlecruiser (BC)");
    EXPECT_EQ(hood.TMF, 120);
    EXPECT_EQ(hood.NPV, 350);
    EXPECT_EQ(hood.HullIntegrity, "Average - 30%");
    EXPECT_EQ(hood.HullPoints, 36);
    EXPECT_EQ(hood.Armour, 2);
    EXPECT_EQ(hood.StreamLining, "Partial");

    // Keys in any case; comments and lines without "=" skipped; a weapon line is read as a key
    // too; figures that are no whole number leave 0; no StreamLining key reads "None".
    const FleetShip odd = readFleetShip("# NAME=Comment\nname=Odd\nhullpoints=12\nno equals sign\nTMF=12.5\n"
                                        "NPV=99999999999\nWeapons=1\nName=Kind\n");
    EXPECT_EQ(odd.Name, "Kind");
    EXPECT_EQ(odd.HullPoints, 12);
    EXPECT_EQ(odd.TMF, 0);
    EXPECT_EQ(odd.NPV, 0);
    EXPECT_EQ(odd.HullIntegrity, "");
    EXPECT_EQ(odd.StreamLining, "None");
    EXPECT_EQ(readFleetShip("").Name, "");
}
