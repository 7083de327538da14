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
    const EInOutError error = FileError::ErrorForDevice(file, errno);
    EXPECT_EQ(error.ErrorCode(), FileError::FileNotFound);
    EXPECT_EQ(error.message(), "File not found");
}

// The system's numbers are not the classic codes: EIO is 5 and EINTR 4, which
// must not read as "File access denied" or "Too many open files".
TEST(FileErrors, CausesWithoutAClassicNameKeepTheirOwnNumber)
{
    QFile memory(QStringLiteral("/proc/self/mem"));
    ASSERT_TRUE(memory.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    char byte = 0;
    errno = 0;
    ASSERT_EQ(memory.read(&byte, 1), -1); // page 0 is never mapped: a real EIO
    EXPECT_EQ(FileError::ErrorForDevice(memory, errno).message(), QStringLiteral("I/O error %1").arg(EIO));
    EXPECT_EQ(FileError::ErrorForDevice(memory, EINTR).message(), QStringLiteral("I/O error %1").arg(EINTR));
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
