#include "core/errors.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

TEST(FileErrors, ClassicMessagesByCode)
{
    EXPECT_EQ(FileError::MessageForCode(2), "File not found");
    EXPECT_EQ(FileError::MessageForCode(3), "Invalid filename");
    EXPECT_EQ(FileError::MessageForCode(4), "Too many open files");
    EXPECT_EQ(FileError::MessageForCode(5), "File access denied");
    EXPECT_EQ(FileError::MessageForCode(100), "Read beyond end of file");
    EXPECT_EQ(FileError::MessageForCode(101), "Disk full");
    EXPECT_EQ(FileError::MessageForCode(106), "Invalid numeric input");
    EXPECT_EQ(FileError::MessageForCode(29), "I/O error 29");
}

TEST(FileErrors, OpeningAMissingFileMapsToFileNotFound)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("missing.frcd"));
    ASSERT_FALSE(file.open(QIODevice::ReadOnly));
    const int code = FileError::CodeForDevice(file, errno);
    EXPECT_EQ(code, FileError::FileNotFound);
}

TEST(FileErrors, CannotCreateCarriesThePath)
{
    try {
        FileError::RaiseCannotCreate("/no/such/dir/xyz.bmp");
        FAIL() << "no exception";
    } catch (const EInOutError &e) {
        EXPECT_EQ(e.message(), "Cannot create file /no/such/dir/xyz.bmp");
    }
}
