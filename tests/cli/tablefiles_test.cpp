// Which files the table lists, in which order, for the paths named.
#include "cli/tablefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace kw;

namespace {

class TableFilesTest : public ::testing::Test {
protected:
    QString put(const QString& relative)
    {
        const QString path = root() + '/' + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }
    bool link(const QString& target, const QString& relative) { return QFile::link(target, root() + '/' + relative); }
    QString root() const { return dir.path(); }
    QStringList paths(const QStringList& named)
    {
        QStringList list;
        for (const TableFile& file : findTableFiles(named)) {
            EXPECT_TRUE(file.refusal.isEmpty()) << file.path.toStdString();
            list << file.path.mid(root().size() + 1);
        }
        return list;
    }

    QTemporaryDir dir;
};

} // namespace

TEST(TablePathOrder, FolderByFolderThenCharacterByCharacter)
{
    QStringList paths{"a.shp", "Fleet 2/a.shp", "Z.shp", "Fleet-x/a.shp", "Fleet/sub/c.shp", "Fleet/b.shp"};
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) { return tablePathLess(a, b); });
    EXPECT_EQ(paths,
              (QStringList{"Fleet/b.shp", "Fleet/sub/c.shp", "Fleet 2/a.shp", "Fleet-x/a.shp", "Z.shp", "a.shp"}));
    EXPECT_FALSE(tablePathLess(u"a.shp", u"a.shp"));
    EXPECT_TRUE(tablePathLess(u"a", u"a/b"));
}

TEST_F(TableFilesTest, EveryShipFileBelowAFolderInAnyCase)
{
    put("b.shp");
    put("A.SHP");
    put("Fleet/c.Shp");
    put("Fleet/notes.txt");
    put("Sides.txt");
    put(".hidden/h.shp");
    put("deep/er/still/x.shp");
    put("folder.shp/inner.shp"); // a folder, whatever its name, is searched
    EXPECT_EQ(paths({root()}), (QStringList{".hidden/h.shp", "A.SHP", "Fleet/c.Shp", "b.shp", "deep/er/still/x.shp",
                                            "folder.shp/inner.shp"}));
}

TEST_F(TableFilesTest, NamedFilesThatAreNoDesignsAreRefused)
{
    const QString notes = put("notes.txt");
    const QString design = put("UPPER.SHP");
    const QString missing = root() + "/missing.txt";
    const QList<TableFile> files = findTableFiles({notes, design, missing, ""});
    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files[0].path, "");
    EXPECT_FALSE(files[0].refusal.isEmpty());
    EXPECT_EQ(files[1].path, design);
    EXPECT_TRUE(files[1].refusal.isEmpty());
    // A missing path is left to the opening, which reports it as stats does.
    EXPECT_EQ(files[2].path, missing);
    EXPECT_TRUE(files[2].refusal.isEmpty());
    EXPECT_EQ(files[3].path, notes);
    EXPECT_EQ(files[3].refusal, "not a .shp file");
}

TEST_F(TableFilesTest, LinksAreFollowedButNoFolderIsWalkedTwice)
{
    put("Fleet/sub/a.shp");
    QTemporaryDir outside;
    QFile(outside.path() + "/far.shp").open(QIODevice::WriteOnly);
    const bool linked = link("..", "Fleet/sub/up")                    // loops back to Fleet
                        && link(root(), "Fleet/sub/top")              // loops back to the root
                        && link(root() + "/Fleet/sub", "Alias")       // walked under its own name anyway
                        && link(outside.path(), "Fleet/Outside")      // only reached through the link
                        && link(root() + "/nowhere.shp", "gone.shp"); // listed, so opening reports it
    if (!linked)
        GTEST_SKIP() << "no symbolic links here";
    EXPECT_EQ(paths({root()}), (QStringList{"Fleet/Outside/far.shp", "Fleet/sub/a.shp", "gone.shp"}));
}

TEST_F(TableFilesTest, AFolderThatCannotBeReadIsRefused)
{
    put("open/a.shp");
    put("shut/b.shp");
    QFile::setPermissions(root() + "/shut", QFileDevice::Permissions());
    if (QFileInfo(root() + "/shut").isReadable())
        GTEST_SKIP() << "this user reads every folder";
    const QList<TableFile> files = findTableFiles({root()});
    QFile::setPermissions(root() + "/shut", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].path, root() + "/open/a.shp");
    EXPECT_EQ(files[1].path, root() + "/shut");
    EXPECT_FALSE(files[1].refusal.isEmpty());
}
