#include "common/scratchfolder.h"
#include "shell/endprogram.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

// That an empty "temp" goes, marked or not, the shell's closing test shows.
TEST(EndProgram, AScratchFolderWithSomeoneElsesFilesStays)
{
    QTemporaryDir program;
    const QString temp = scratchFolder(program.path());
    ASSERT_TRUE(QDir().mkpath(temp));
    QFile notes(temp + "/notes.txt");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    ScratchFolder scratch(program.path());
    const QString run = scratch.runFolder();
    ASSERT_FALSE(run.isEmpty());
    QFile picture(run + "/Hood.bmp");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    discardScratchFiles(scratch, program.path());
    EXPECT_FALSE(QFileInfo::exists(run));
    EXPECT_TRUE(QFileInfo::exists(temp + "/notes.txt"));
}
