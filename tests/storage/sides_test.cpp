#include "storage/defaultships.h"
#include "storage/programfolder.h"
#include "storage/sideslist.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kw;

TEST(SidesList, ReadsLinesInOrderAndWritesThemBack)
{
    test::TestFolder folder({"Blue", "  Red Team  "});
    EXPECT_EQ(readSides(folder.path()), (QStringList{"Blue", "  Red Team  "}));
    QString error;
    ASSERT_TRUE(writeSides(folder.path(), {"Gamma", "Delta"}, &error));
    EXPECT_EQ(test::readFile(sidesFile(folder.path())), "Gamma\r\nDelta\r\n");
    QFile::remove(sidesFile(folder.path()));
    EXPECT_TRUE(readSides(folder.path()).isEmpty());
    EXPECT_FALSE(writeSides(folder.path(), {QStringLiteral("\u4e00")}, &error));
}

TEST(SidesList, NamesThatWouldEscapeTheShipsFolderAreRefused)
{
    EXPECT_TRUE(isValidSideName("Blue"));
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "c:"})
        EXPECT_FALSE(isValidSideName(bad)) << bad;
    // As a list or a ship file holds them, untrimmed.
    for (const char* good : {"Blue", "  Red Team  ", "Mr. Smith's", "...x"})
        EXPECT_TRUE(isSideFolderName(good)) << good;
    for (const char* bad : {"", " .. ", "...", ". .", "a\tb", "a\x7f", "../Blue", "Blue/.."})
        EXPECT_FALSE(isSideFolderName(bad)) << bad;

    // Every path from a side lies directly inside Ships, or there is none.
    test::TestFolder folder;
    EXPECT_EQ(sideFolder(folder.path(), "  Red Team  "), folder.ships() + "/  Red Team  ");
    for (const char* hostile : {"../x", "../../etc", "/tmp/x", "C:\\x", "a\\..\\..\\b", "..", ".", "", "   ", "x/../..",
                                "Blue/../../y"})
        EXPECT_EQ(sideFolder(folder.path(), hostile), std::nullopt) << hostile;
    const QString longest(255, QLatin1Char('s'));
    EXPECT_TRUE(sideFolder(folder.path(), longest).has_value());
    EXPECT_FALSE(sideFolder(folder.path(), longest + "s").has_value());
    EXPECT_FALSE(sideFolder(folder.path(), QString(200, QChar(0xe9))).has_value());   // 400 bytes as a name
    QString error;
    EXPECT_FALSE(createSideFolder(folder.path(), "../Outside", &error));
    EXPECT_FALSE(deleteSideFolder(folder.path(), "..", &error));
    EXPECT_FALSE(renameSideFolder(folder.path(), "Blue", "../Blue", &error));
    EXPECT_TRUE(QFileInfo(folder.ships() + "/Blue").isDir());
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "/Outside"));
}

TEST(DefaultShips, ANewProgramFolderGetsSidesAndSamples)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(ensureShipsFolder(dir.path(), &error)) << error.toStdString();
    const QStringList sides = readSides(dir.path());
    ASSERT_GE(sides.size(), 3);
    int samples = 0;
    for (const QString& side : sides) {
        ASSERT_TRUE(QFileInfo(sideFolder(dir.path(), side).value_or(QString())).isDir());
        samples += QDir(sideFolder(dir.path(), side).value_or(QString())).entryList({"*.shp"}).size();
    }
    EXPECT_GE(samples, 3);
    // An existing folder is left alone.
    QFile::remove(sidesFile(dir.path()));
    ASSERT_TRUE(ensureShipsFolder(dir.path(), &error));
    EXPECT_FALSE(QFile::exists(sidesFile(dir.path())));
}
