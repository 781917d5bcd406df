#include "common/scratchfolder.h"
#include "shell/endprogram.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

TEST(EndProgram, AnEmptyScratchFolderGoesEvenWithoutTheMarkButOneWithSomeoneElsesFilesStays)
{
    QTemporaryDir program;
    const QString temp = scratchFolder(program.path());
    ScratchFolder scratch(program.path());
    // Printing a ship makes "temp" without the program's mark and leaves it empty.
    ASSERT_TRUE(QDir().mkpath(temp));
    discardScratchFiles(scratch, program.path());
    EXPECT_FALSE(QFileInfo::exists(temp));

    ASSERT_TRUE(QDir().mkpath(temp));
    QFile notes(temp + "/notes.txt");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    ScratchFolder next(program.path());
    const QString run = next.runFolder();
    ASSERT_FALSE(run.isEmpty());
    QFile picture(run + "/Hood.bmp");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    discardScratchFiles(next, program.path());
    EXPECT_FALSE(QFileInfo::exists(run));
    EXPECT_TRUE(QFileInfo::exists(temp + "/notes.txt"));
}
