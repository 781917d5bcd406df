#include "model/systemcodes.h"
#include "storage/codepage.h"
#include "storage/shipfile.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <limits>
#include <gtest/gtest.h>

using namespace kw;

namespace {

QByteArray rewrite(const QByteArray& bytes)
{
    QByteArray out;
    EXPECT_TRUE(writeShipFile(readShipFile(bytes), out));
    return out;
}

QByteArray lines(std::initializer_list<const char*> list)
{
    QByteArray bytes;
    for (const char* line : list)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

QStringList codes(const ShipFileData& data)
{
    QStringList list;
    for (const StoredIcon& icon : data.icons)
        list << icon.code;
    return list;
}

} // namespace

TEST(ShipFile, TheVigilantExampleReadsAndWritesByteForByte)
{
    const QByteArray vigilant = test::readFile(test::dataFile("ships/vigilant.shp"));
    const ShipFileData data = readShipFile(vigilant);
    EXPECT_EQ(data.ship.Name, "Vigilant");
    EXPECT_EQ(data.side, "Blue");
    EXPECT_EQ(data.ship.TMF, 100);
    EXPECT_EQ(data.ship.HullTrack, (std::array<int, 4>{8, 8, 7, 7}));
    EXPECT_EQ(data.ship.CrewBoxes, (QList<int>{5, 3, 1, 0, 6}));
    EXPECT_EQ(data.ship.CrewStart, (std::array<int, 4>{1, 2, 3, 4}));
    ASSERT_EQ(data.icons.size(), 1);
    EXPECT_EQ(data.icons[0].code, "FC");
    EXPECT_EQ(data.icons[0].left, 1200);
    EXPECT_EQ(rewrite(vigilant), vigilant);
}

TEST(ShipFile, EveryFixtureWrittenByTheWriterRoundTrips)
{
    const QDir folder(test::dataFile("ships"));
    const QStringList files = folder.entryList({"*.shp"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const QByteArray bytes = test::readFile(folder.filePath(name));
        EXPECT_EQ(rewrite(bytes), bytes) << name.toStdString();
    }
}

TEST(ShipFile, ReadingRules)
{
    const ShipFileData data = readShipFile(lines({
        "# a comment line",
        "name=lower case keys",
        "fcs=2",
        "ScReEnS=1,10,20",
        "Sensors=Enhanced,100,200",
        "CargoSpace=12,1,2,3,4,5,6,7,8,9,10",
        "ADFC=True,5,6",
        "FTL=Tug,45",
        "StreamLining=Partial",
        "Hangars=2,3,10,11,6,12,13",
        "Weapons=2",
        "Needle Beam=7,0,,True,False,False,False,False,True,300,400,2,6",
        "Salvo Magazine=0,1,8,False,False,False,False,False,False,1.5,2.25,8,24",
        "SalvoLinks=1,0,1",
        "Unknown=ignored",
        "no equals sign here",
    }));
    EXPECT_EQ(data.ship.Name, "lower case keys");
    EXPECT_EQ(data.ship.FCS, 2);
    EXPECT_EQ(data.ship.Screens, 1);
    EXPECT_EQ(data.ship.Sensors, 1);
    EXPECT_EQ(data.ship.CargoSpace, 12);
    EXPECT_EQ(data.ship.ADFC, 1);
    EXPECT_EQ(data.ship.FTL, "Tug");
    EXPECT_EQ(data.towCapacity, "45");
    EXPECT_EQ(data.ship.StreamLining, "Partial");
    EXPECT_EQ(data.ship.Hangars, (QList<int>{3, 6}));
    EXPECT_EQ(codes(data), (QStringList{"Screen", "ESensors", "CSpace", "CSpace", "CSpace", "CSpace", "ADFC", "Hangar",
                                        "Hangar", "0", "1"}));
    EXPECT_EQ(data.icons[1].left, 100);
    EXPECT_EQ(data.icons[2].share, 3);
    EXPECT_EQ(data.icons[7].capacity, 3);
    ASSERT_EQ(data.ship.WeaponCount(), 2);
    const WeaponEntry& needle = data.ship.Weapons[0];
    EXPECT_EQ(needle.Reserved, 7);
    EXPECT_TRUE(needle.Details.isEmpty());
    EXPECT_EQ(needle.Arc, (std::array<bool, 6>{true, false, false, false, false, true}));
    EXPECT_EQ(data.ship.Weapons[1].Details, "8");
    EXPECT_EQ(data.icons[10].left, 1.5f);
    ASSERT_EQ(data.salvoLinks.size(), 1);
    EXPECT_EQ(data.salvoLinks[0].launcher, "0");
    EXPECT_EQ(data.salvoLinks[0].magazine, 1);

    // A weapon with empty details is written with two adjacent commas.
    QByteArray out;
    ASSERT_TRUE(writeShipFile(data, out));
    EXPECT_TRUE(out.contains("\r\nNeedle Beam=7,0,,True,False,False,False,False,True,300,400,2,6\r\n"));
    EXPECT_TRUE(out.contains("\r\nFTL=Tug,45\r\n"));
    EXPECT_TRUE(out.contains("\r\nADFC=1,5,6\r\n"));
    EXPECT_TRUE(out.contains("\r\nSalvoLinks=1,0,1\r\n"));
}

TEST(ShipFile, LegacyOrtilleryBecomesWeaponMounts)
{
    const ShipFileData data = readShipFile(lines({
        "ORTILLERY=2,10,20,30,40",
        "Weapons=1",
        "Missile=0,0,STD,False,False,False,False,False,False,50,60,2,6",
    }));
    ASSERT_EQ(data.ship.WeaponCount(), 3);
    EXPECT_EQ(data.ship.Ortillery, 0);
    EXPECT_EQ(data.ship.Weapons[1].Kind, "Ortillery System");
    EXPECT_EQ(data.ship.Weapons[2].Mass, 3);
    EXPECT_EQ(data.ship.Weapons[2].Cost, 9);
    // The first ortillery icon stands for the last mount.
    EXPECT_EQ(codes(data), (QStringList{"2", "1", "0"}));
    EXPECT_EQ(data.icons[0].left, 10);
    QByteArray out;
    ASSERT_TRUE(writeShipFile(data, out));
    EXPECT_FALSE(out.toUpper().contains("ORTILLERY="));
    EXPECT_TRUE(out.contains("Ortillery System=0,2,,False,False,False,False,False,False,10,20,3,9"));
}

TEST(ShipFile, MalformedContentIsSkippedAndTheRestKept)
{
    const ShipFileData data = readShipFile(lines({
        "TMF=abc",
        "FCS=2000000000,1,2",
        "PDSs=3,10,20,oops,40,50,60",
        "HullTrack=5,5",
        "CrewFactor=2",
        "CrewLine1=4,0,1,2,3",
        "Hangars=3,4,1,2,x",
        "Weapons=2",
        "Class 1 Battery=0,0,,True,True,True,True,True,True,,,1,3",
        "broken weapon line",
        "Name=Survivor",
    }));
    EXPECT_EQ(data.ship.TMF, 0);
    EXPECT_FALSE(data.hasTmf);
    EXPECT_EQ(data.ship.FCS, 0);
    EXPECT_EQ(data.ship.PDSs, 3);
    EXPECT_EQ(data.ship.HullTrack, (std::array<int, 4>{5, 5, 0, 0}));
    EXPECT_EQ(data.ship.CrewBoxes, (QList<int>{0, 1, 2, 3}));   // more marks than the crew factor
    EXPECT_EQ(data.ship.CrewLine[0], 4);
    EXPECT_EQ(data.ship.Hangars, (QList<int>{4, 0, 0}));   // bays the count names stay, empty
    ASSERT_EQ(data.ship.WeaponCount(), 1);   // the battery keeps its mount but has no icon
    EXPECT_EQ(data.ship.Weapons[0].Mass, 1);
    EXPECT_EQ(data.ship.Name, "Survivor");
    EXPECT_EQ(codes(data), (QStringList{"PDS", "Hangar"}));
}

TEST(ShipFile, EveryCodePageByteSurvives)
{
    QByteArray name;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            name += static_cast<char>(b);
    }
    const QByteArray file = "Name=" + name + "\r\n";
    const ShipFileData data = readShipFile(file);
    QByteArray out;
    ASSERT_TRUE(writeShipFile(data, out));
    EXPECT_TRUE(out.contains("\r\nName=" + name + "\r\n"));

    ShipFileData foreign;
    foreign.ship.Name = QStringLiteral("Ship \u4e00");
    QString problem;
    EXPECT_FALSE(writeShipFile(foreign, out, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("\u4e00")));
}

TEST(ShipFile, TheWriterFindsIconsByTheirExactCodes)
{
    ShipFileData data;
    data.ship.FCS = 2;
    for (int i = 0; i < 3; ++i) {
        WeaponEntry mount;
        mount.Kind = QStringLiteral("Beam");
        mount.Reserved = i == 0 ? std::numeric_limits<qint64>::min() : 0;
        data.ship.Weapons.append(mount);
    }
    // System icons interleaved with others keep their order; "01" and "fc" are nobody's.
    data.icons = {{"FC", 1, 2}, {"01", 50, 60}, {"1", 10, 20}, {"fc", 7, 8}, {"FC", 3, 4}, {"1", 99, 99}, {"2", 5.5, 6.25}};
    data.ship.Name = QString(100000, u'n');   // far more than the writer expects
    QByteArray out;
    ASSERT_TRUE(writeShipFile(data, out));
    EXPECT_TRUE(out.contains("\r\nFCS=2,1,2,3,4\r\n"));
    EXPECT_TRUE(out.contains("\r\nBeam=-9223372036854775808,0,,False,False,False,False,False,False,,,0,0\r\n"));
    EXPECT_TRUE(out.contains("\r\nBeam=0,1,,False,False,False,False,False,False,10,20,0,0\r\n"));
    EXPECT_TRUE(out.contains("\r\nBeam=0,2,,False,False,False,False,False,False,5.5,6.25,0,0\r\n"));
    EXPECT_EQ(readShipFile(out).ship.Name, data.ship.Name);
}

namespace {

ShipFileData readOdd(const char* name)
{
    return readShipFile(test::readFile(test::dataFile(QStringLiteral("ships/odd/") + QLatin1String(name))));
}

QStringList crewRows(const ShipRecord& s)
{
    QStringList rows;
    for (int r = 0; r < 4; ++r)
        rows << QString::number(s.CrewLine[r]) + ":" + QString::number(s.CrewBoxes.value(s.CrewStart[r] - 1, -1));
    return rows;
}

} // namespace

TEST(ShipFile, OddFilesReadAsTheirAuthorsMeantThem)
{
    // Any of CR LF, LF or a lone CR ends a line; CR CR LF leaves no CR in a value.
    const ShipFileData doubled = readOdd("cr-cr-lf.shp");
    EXPECT_EQ(doubled.ship.FTL, "Standard");
    EXPECT_EQ(doubled.ship.Name, "Doubled");
    EXPECT_EQ(codes(doubled), QStringList{"Screen"});
    EXPECT_EQ(codes(readOdd("lone-cr.shp")), (QStringList{"DCP", "DCP"}));

    // Every bay the count names, empty ones too; a bay's place stays with its bay.
    const ShipFileData bays = readOdd("hangars-incomplete.shp");
    EXPECT_EQ(bays.ship.Hangars, (QList<int>{6, 0, 3, 0}));
    ASSERT_EQ(bays.icons.size(), 1);
    EXPECT_EQ(bays.icons[0].bay, 0);
    QByteArray out;
    ASSERT_TRUE(writeShipFile(bays, out));
    EXPECT_TRUE(out.contains("\r\nHangars=4,6,100,1200,0,,,3,,,0,,\r\n"));
    EXPECT_EQ(readShipFile("Hangars=2\r\n").ship.Hangars, (QList<int>{0, 0}));

    // Crew rows read before the crew factor keep their marks.
    EXPECT_EQ(crewRows(readOdd("crew-before-factor.shp").ship), (QStringList{"1:3", "1:2", "0:-1", "1:3"}));

    // Mounts are their places; the links follow the numbers the lines gave.
    const ShipFileData mounts = readOdd("mount-numbers.shp");
    ASSERT_EQ(mounts.ship.WeaponCount(), 3);
    EXPECT_EQ(mounts.ship.Weapons[0].Reserved, std::numeric_limits<qint64>::max());
    EXPECT_EQ(mounts.ship.Weapons[1].Reserved, -4);
    EXPECT_EQ(codes(mounts), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(mounts.icons[1].left, 800);
    ASSERT_EQ(mounts.salvoLinks.size(), 1);
    EXPECT_EQ(mounts.salvoLinks[0].launcher, "1");
    EXPECT_EQ(mounts.salvoLinks[0].magazine, 0);

    // A key that comes again replaces what its earlier line set.
    const ShipFileData repeated = readOdd("repeated-keys.shp");
    EXPECT_EQ(repeated.ship.FCS, 1);
    EXPECT_EQ(repeated.ship.Sensors, 0);
    EXPECT_EQ(codes(repeated), (QStringList{"PDS", "FC", "0", "1"}));
    EXPECT_EQ(repeated.icons[1].left, 700);
    ASSERT_EQ(repeated.ship.WeaponCount(), 2);
    EXPECT_EQ(repeated.ship.Weapons[0].Kind, "Salvo Launcher");
    ASSERT_EQ(repeated.salvoLinks.size(), 1);
    EXPECT_EQ(repeated.salvoLinks[0].magazine, 1);

    // Negative amounts fit nothing, as the writer will store them.
    const ShipFileData bare = readOdd("bare-counts.shp");
    EXPECT_EQ(bare.ship.Armour, 0);
    EXPECT_EQ(bare.ship.PDSs, 0);
    EXPECT_EQ(bare.ship.FCS, 2);
    EXPECT_TRUE(codes(bare).isEmpty());
}

TEST(ShipFile, OnlyTheKeysAFileHeldAreWrittenBack)
{
    QByteArray out;
    ASSERT_TRUE(writeShipFile(readShipFile("Name=Probe\r\nFTL=Tug\r\n"), out));
    EXPECT_EQ(out, "Protected=False\r\nName=Probe\r\nClass=\r\nFTL=Tug\r\nMD=0\r\nHullIntegrity=\r\nHullTrack=0,0,0,0\r\n"
                   "CrewLine1=0\r\nCrewLine2=0\r\nCrewLine3=0\r\nCrewLine4=0\r\nSensors=Standard\r\nWeapons=0\r\n");
}

TEST(ShipFile, NoMoreMountsThanAFileCanCount)
{
    const ShipFileData data = readShipFile("Weapons=1\r\nBeam=0,0,,True,,,,,,1,2,1,3\r\nORTILLERY=32767,10,20\r\n");
    EXPECT_EQ(data.ship.WeaponCount(), kMostMounts);
    ASSERT_EQ(data.icons.size(), 2);
    EXPECT_EQ(data.icons[1].code, QString::number(kMostMounts - 1));
    ShipFileData more = data;
    more.ship.Weapons.append(WeaponEntry{});
    QByteArray out;
    QString problem;
    EXPECT_FALSE(writeShipFile(more, out, &problem));
    EXPECT_EQ(problem, "the design has more than 32767 weapon mounts");
}
