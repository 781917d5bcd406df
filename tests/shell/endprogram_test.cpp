#include "common/scratchfolder.h"
#include "shell/endprogram.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(EndProgram, TheRunsScratchFilesGoAndSoDoesAnEmptyScratchFolder)
{
    QTemporaryDir program;
    const QString temp = scratchFolder(program.path());
    ScratchFolder scratch(program.path());
    discardScratchFiles(scratch, program.path());   // none there: nothing happens
    EXPECT_FALSE(QFileInfo::exists(temp));

    const QString run = scratch.runFolder();
    ASSERT_FALSE(run.isEmpty());
    touch(run + "/Hood.bmp");
    discardScratchFiles(scratch, program.path());
    EXPECT_FALSE(QFileInfo::exists(temp));

    // Printing a ship makes "temp" without the program's mark and leaves it empty.
    ASSERT_TRUE(QDir().mkpath(temp));
    discardScratchFiles(scratch, program.path());
    EXPECT_FALSE(QFileInfo::exists(temp));
}

TEST(EndProgram, AScratchFolderWithSomeoneElsesFilesStays)
{
    QTemporaryDir program;
    const QString temp = scratchFolder(program.path());
    ASSERT_TRUE(QDir().mkpath(temp));
    touch(temp + "/notes.txt");
    ScratchFolder scratch(program.path());
    const QString run = scratch.runFolder();
    ASSERT_FALSE(run.isEmpty());
    touch(run + "/Hood.bmp");
    discardScratchFiles(scratch, program.path());
    EXPECT_FALSE(QFileInfo::exists(run));
    EXPECT_TRUE(QFileInfo::exists(temp + "/notes.txt"));
}
