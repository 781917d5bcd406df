#include "storage/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

TEST(ProgramFolder, HomeFirstThenAPortableCopyThenTheUsersDataFolder)
{
    QTemporaryDir exe;
    const QString data = QStringLiteral("/home/me/.local/share/Keelwright");
    EXPECT_EQ(chooseProgramFolder("/tmp/kw//home/", exe.path(), data), "/tmp/kw/home");
    // A build tree or an installed program: writable or not, its designs do not live there.
    EXPECT_EQ(chooseProgramFolder({}, exe.path(), data), data);
    // A copy that already keeps its ships beside itself goes on doing so.
    ASSERT_TRUE(QDir(exe.path()).mkdir("Ships"));
    EXPECT_EQ(chooseProgramFolder({}, exe.path(), data), exe.path());
    QTemporaryDir marked;
    QFile marker(marked.filePath(kPortableMarker));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    EXPECT_EQ(chooseProgramFolder({}, marked.path(), data), marked.path());
    EXPECT_EQ(chooseProgramFolder({}, {}, data), data);
}
