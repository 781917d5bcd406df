#include "storage/filesaving.h"
#include "tests/support/testfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kw;

TEST(FileReading, ReadsWholeFilesUpToTheLimitAndRefusesLargerOnes)
{
    test::TestFolder folder;
    // Larger than one piece read at a time, and not a multiple of it.
    QByteArray content(200 * 1024 + 7, Qt::Uninitialized);
    for (qsizetype i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 31 % 251);
    const QString path = folder.write("big.bin", content);

    QByteArray bytes;
    QString error;
    ASSERT_TRUE(readWholeFile(path, content.size(), bytes, &error)) << error.toStdString();
    EXPECT_EQ(bytes, content);
    EXPECT_TRUE(readWholeFile(folder.write("empty.bin", {}), 10, bytes, &error));
    EXPECT_TRUE(bytes.isEmpty());

    EXPECT_FALSE(readWholeFile(path, content.size() - 1, bytes, &error));
    EXPECT_EQ(error, QString("the file is too large (%1 bytes)").arg(content.size()));
    EXPECT_FALSE(readWholeFile(folder.path() + "/missing.bin", 10, bytes, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(FileSaving, AReadOnlyFileIsReplacedOnlyWhenThatWasConfirmed)
{
    test::TestFolder folder;
    const QString path = folder.write("kept.shp", "old");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QString error;
    EXPECT_FALSE(saveFileAtomically(path, "new", &error));
    EXPECT_EQ(error, "the file is read-only");
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_TRUE(isReadOnlyFile(path));
    ASSERT_TRUE(saveFileAtomically(path, "new", &error, ReadOnlyFile::Replace)) << error.toStdString();
    EXPECT_EQ(test::readFile(path), "new");
    EXPECT_FALSE(isReadOnlyFile(path));
}
