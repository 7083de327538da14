// The export file name rule and the safe writing of exported files.
#include "app/exports.h"
#include "core/errors.h"
#include "support/unprivilegedscope.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {


QString MessageOfFailedWrite(const QString &path, const QByteArray &content)
{
    try {
        WriteFileSafely(path, [&content](QIODevice *device) { device->write(content); });
    } catch (const EInOutError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

TEST(TargetFileName, ExtensionIsMatchedCaseSensitively)
{
    EXPECT_EQ(TargetFileName("/w/sign", kBmpExtension), "/w/sign.bmp");
    EXPECT_EQ(TargetFileName("/w/sign.bmp", kBmpExtension), "/w/sign.bmp");
    EXPECT_EQ(TargetFileName("/w/sign.BMP", kBmpExtension), "/w/sign.BMP.bmp");
    EXPECT_EQ(TargetFileName("/w/sign.png", kBmpExtension), "/w/sign.png.bmp");
    EXPECT_EQ(TargetFileName("/w/sign.bmp.bmp", kBmpExtension), "/w/sign.bmp.bmp");
    EXPECT_EQ(NameWithoutExtension("/w/sign.bmp", kBmpExtension), "/w/sign");
    EXPECT_EQ(NameWithoutExtension("/w/sign.BMP", kBmpExtension), "/w/sign.BMP");

    EXPECT_EQ(TargetFileName("/w/sign", kPdfExtension), "/w/sign.pdf");
    EXPECT_EQ(TargetFileName("/w/sign.pdf", kPdfExtension), "/w/sign.pdf");
    EXPECT_EQ(TargetFileName("/w/sign.PDF", kPdfExtension), "/w/sign.PDF.pdf");
    EXPECT_EQ(TargetFileName("/w/sign.bmp", kPdfExtension), "/w/sign.bmp.pdf");
    EXPECT_EQ(TargetFileName(".pdf", kPdfExtension), ".pdf");
}

TEST(WriteFileSafely, WritesNewFilesAndReplacesOldOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sign.bmp");
    WriteFileSafely(path, [](QIODevice *device) { device->write("first"); });
    EXPECT_EQ(FileBytes(path), "first");
    WriteFileSafely(path, [](QIODevice *device) { device->write("second"); });
    EXPECT_EQ(FileBytes(path), "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sign.bmp"});
}

TEST(WriteFileSafely, UnwritablePlacesReportCannotCreateAndChangeNothing)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("no/such/folder/sign.bmp");
    EXPECT_EQ(MessageOfFailedWrite(missingFolder, "x"), "Cannot create file " + missingFolder);

    const QString folder = dir.filePath("sign.bmp");
    ASSERT_TRUE(QDir(dir.path()).mkdir("sign.bmp"));
    EXPECT_EQ(MessageOfFailedWrite(folder, "x"), "Cannot create file " + folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(WriteFileSafely, ReadOnlyFilesAndFoldersReportCannotCreateAndChangeNothing)
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("locked.bmp");
    WriteBytes(readOnly, "old content");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther);
    const QString closedFolder = dir.filePath("closed");
    QDir(dir.path()).mkdir("closed");
    QFile::setPermissions(closedFolder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                            | QFile::ExeOther);
    // The outer folder stays open to everyone, so only the file's and the
    // inner folder's own modes stand in the way.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                          | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);

    QString lockedMessage;
    QString folderMessage;
    {
        UnprivilegedScope unprivileged;
        ASSERT_TRUE(unprivileged.Active());
        lockedMessage = MessageOfFailedWrite(readOnly, "new");
        folderMessage = MessageOfFailedWrite(closedFolder + "/sign.bmp", "x");
    }
    EXPECT_EQ(lockedMessage, "Cannot create file " + readOnly);
    EXPECT_EQ(FileBytes(readOnly), "old content");
    EXPECT_EQ(folderMessage, "Cannot create file " + closedFolder + "/sign.bmp");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"locked.bmp"});
}

// Replacing a pipe (or, for root, a device node) with a plain file would
// pass for a save; writing into it would lose the pattern.
TEST(WriteFileSafely, APipeIsRefusedByNameAndALinkToAFileIsWrittenThrough)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("sign.bmp");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(MessageOfFailedWrite(pipe, "x"), "Cannot create file " + pipe + ": it is not a regular file");
    EXPECT_FALSE(QFileInfo(pipe).isFile()) << "the pipe is still there";

    const QString file = dir.filePath("real.bmp");
    const QString link = dir.filePath("link.bmp");
    WriteBytes(file, "old");
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_EQ(MessageOfFailedWrite(link, "new"), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(FileBytes(file), "new");
}

TEST(WriteFileSafely, AFullDiskLeavesTheOldFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sign.bmp");
    const QByteArray old(100, 'o');
    WriteBytes(path, old);

    QString message;
    {
        FileSizeLimit limit(4096);
        message = MessageOfFailedWrite(path, QByteArray(64 * 1024, 'n'));
    }
    EXPECT_EQ(message, "Disk full");
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sign.bmp"});
}

TEST(WriteFileSafely, AWriterThatThrowsLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sign.bmp");
    WriteBytes(path, "old");
    EXPECT_THROW(WriteFileSafely(path,
                                 [](QIODevice *device) {
                                     device->write("half");
                                     throw EFretcardError("stopped");
                                 }),
                 EFretcardError);
    EXPECT_EQ(FileBytes(path), "old");
}

TEST(SaveBitmapFile, Writes24Bit96DpiBitmapsOfTheImageSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sign.bmp");
    QImage image(960, 289, QImage::Format_RGB32);
    image.fill(0xFFA0A0A4);
    image.setPixel(0, 0, 0xFF000000);
    image.setPixel(959, 288, 0xFFFF0000);
    SaveBitmapFile(image, path);

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "bmp");
    const QImage back = reader.read();
    EXPECT_EQ(back.size(), QSize(960, 289));
    EXPECT_EQ(back.depth(), 32); // Qt widens 24-bit files on reading
    EXPECT_EQ(back.dotsPerMeterX(), 3780);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
    const QByteArray bytes = FileBytes(path);
    EXPECT_EQ(quint8(bytes[28]), 24);
}
