#include "shell/endprogram.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

TEST(EndProgram, AnEmptyScratchFolderGoesAndOneWithFilesInItStays)
{
    QTemporaryDir program;
    const QString temp = scratchFolder(program.path());
    discardScratchFiles(program.path());   // none there: nothing happens
    ASSERT_TRUE(QDir().mkpath(temp));
    discardScratchFiles(program.path());
    EXPECT_FALSE(QFileInfo::exists(temp));

    // A "temp" folder with something in it may be the user's own, or another running copy's.
    ASSERT_TRUE(QDir().mkpath(temp));
    QFile own(temp + "/notes.txt");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    discardScratchFiles(program.path());
    EXPECT_TRUE(QFileInfo::exists(temp + "/notes.txt"));
}
