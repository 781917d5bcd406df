#include "common/scratchfolder.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

namespace {

class ScratchFolderTest : public ::testing::Test {
protected:
    QString temp() const { return program.path() + QStringLiteral("/temp"); }
    QStringList entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    void write(const QString& path, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The folder of a run whose process has ended without cleaning up.
    QString deadRun() const
    {
        QProcess process;
        process.start(QStringLiteral("true"), {});
        EXPECT_TRUE(process.waitForStarted());
        const qint64 pid = process.processId();
        process.waitForFinished();
        const QString folder = temp() + QStringLiteral("/run-Dead01");
        write(folder + QStringLiteral("/run.lock"), QByteArray::number(pid) + "\nKeelwright\n"
                                                        + QSysInfo::machineHostName().toUtf8() + "\n"
                                                        + QSysInfo::machineUniqueId() + "\n");
        write(folder + QStringLiteral("/Hood-0123.bmp"), "BM");
        return folder;
    }

    QTemporaryDir program;
};

} // namespace

TEST_F(ScratchFolderTest, ARunMakesTempAndLeavesNothingBehind)
{
    ScratchFolder scratch(program.path());
    EXPECT_FALSE(QFileInfo::exists(temp())) << "nothing is made before it is asked for";
    const QString run = scratch.runFolder();
    ASSERT_FALSE(run.isEmpty());
    EXPECT_EQ(QFileInfo(run).path(), temp());
    EXPECT_TRUE(QFileInfo::exists(temp() + QLatin1Char('/') + ScratchFolder::markerName()));
    EXPECT_EQ(scratch.runFolder(), run);
    write(run + QStringLiteral("/picture.bmp"), "BM");
    QFile::setPermissions(run + QStringLiteral("/picture.bmp"), QFileDevice::ReadOwner);

    scratch.cleanUp();
    EXPECT_FALSE(QFileInfo::exists(temp()));
    scratch.cleanUp();
}

TEST_F(ScratchFolderTest, AUsersOwnTempIsNeverRemoved)
{
    write(temp() + QStringLiteral("/notes.txt"), "mine");
    {
        ScratchFolder scratch(program.path());
        ASSERT_FALSE(scratch.runFolder().isEmpty());
    }
    EXPECT_EQ(entries(temp()), QStringList{"notes.txt"});

    // Empty, but still not ours.
    QFile::remove(temp() + QStringLiteral("/notes.txt"));
    {
        ScratchFolder scratch(program.path());
        ASSERT_FALSE(scratch.runFolder().isEmpty());
    }
    EXPECT_TRUE(QFileInfo(temp()).isDir());
}

TEST_F(ScratchFolderTest, TwoRunsKeepTheirOwnFolders)
{
    auto first = std::make_unique<ScratchFolder>(program.path());
    ScratchFolder second(program.path());
    const QString mine = first->runFolder();
    const QString theirs = second.runFolder();
    ASSERT_NE(mine, theirs);
    write(theirs + QStringLiteral("/Hood.bmp"), "BM");

    // A run that is alive is never taken for a dead one, however old its lock.
    ScratchFolder third(program.path());
    ASSERT_FALSE(third.runFolder().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(theirs + QStringLiteral("/Hood.bmp")));
    third.cleanUp();

    first.reset();
    EXPECT_FALSE(QFileInfo::exists(mine));
    EXPECT_TRUE(QFileInfo::exists(theirs + QStringLiteral("/Hood.bmp")));
    second.cleanUp();
    EXPECT_FALSE(QFileInfo::exists(temp()));
}

TEST_F(ScratchFolderTest, TheFolderOfARunThatDiedGoesWithTheNextRun)
{
    ScratchFolder setUp(program.path());
    ASSERT_FALSE(setUp.runFolder().isEmpty());
    const QString dead = deadRun();
    // A folder without a lock may be a run only now being set up.
    write(temp() + QStringLiteral("/run-Young1/Scout.bmp"), "BM");

    ScratchFolder next(program.path());
    ASSERT_FALSE(next.runFolder().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dead));
    EXPECT_TRUE(QFileInfo::exists(temp() + QStringLiteral("/run-Young1/Scout.bmp")));
}

TEST_F(ScratchFolderTest, ATempThatIsAFileIsReported)
{
    write(temp(), "not a folder");
    ScratchFolder scratch(program.path());
    QString error;
    EXPECT_TRUE(scratch.runFolder(&error).isEmpty());
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(temp()))) << error.toStdString();
    scratch.cleanUp();
    EXPECT_TRUE(QFileInfo(temp()).isFile());
}
