// Export BMP, driven through a scripted window: which files appear, what they
// hold, what the user is asked and what the caption becomes.
#include "app/exports.h"
#include "render/workimage.h"
#include "exports_fakewindow.h"
#include "core/errors.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QImage Load(const QString &path)
{
    return QImage(path, "bmp").convertToFormat(QImage::Format_RGB32);
}

class ExportBitmapTest : public ::testing::Test {
protected:
    QTemporaryDir program;
    QTemporaryDir target;
    QStringList log;
    TFakeExportWindow window{program.path(), &log};
    TWorkImage workImage;
    const QString initialCaption = window.caption;

    QString Snapshot() const { return program.filePath("xyz.bmp"); }
    QStringList TargetFiles() const { return QDir(target.path()).entryList(QDir::Files); }
};
} // namespace

TEST_F(ExportBitmapTest, TheChosenNameGetsExactlyOneLowerCaseExtension)
{
    window.fileNames = {target.filePath("sign"), target.filePath("plain.bmp"),
                        target.filePath("shout.BMP")};
    ExportBitmap(window, workImage);
    EXPECT_EQ(window.caption, target.filePath("sign"));
    ExportBitmap(window, workImage);
    EXPECT_EQ(window.caption, target.filePath("plain"));
    ExportBitmap(window, workImage);
    EXPECT_EQ(window.caption, target.filePath("shout.BMP"));

    EXPECT_EQ(TargetFiles(), (QStringList{"plain.bmp", "shout.BMP.bmp", "sign.bmp"}));
    EXPECT_EQ(window.filtersAsked, QStringList(3, "BMP file|*.bmp"));
    EXPECT_FALSE(log.contains("question Overwrite File?"));
}

TEST_F(ExportBitmapTest, WithBaseOffTheFileIsTheSnapshotPixelForPixel)
{
    window.fileNames = {target.filePath("sign")};
    ExportBitmap(window, workImage);

    const QImage exported = Load(target.filePath("sign.bmp"));
    EXPECT_EQ(exported, window.pattern);
    EXPECT_EQ(exported, Load(Snapshot()));
    EXPECT_EQ(FileBytes(target.filePath("sign.bmp")), FileBytes(Snapshot()));
}

TEST_F(ExportBitmapTest, WithBaseOnTheBarIsBlackAndEverythingElseIsTheSnapshot)
{
    window.base = true;
    window.fileNames = {target.filePath("sign")};
    ExportBitmap(window, workImage);

    const QImage exported = Load(target.filePath("sign.bmp"));
    const QImage snapshot = Load(Snapshot());
    ASSERT_EQ(exported.size(), QSize(960, 144));
    EXPECT_EQ(snapshot, window.pattern) << "the snapshot keeps the pattern without the bar";
    const QRect bar(QPoint(15, 109), QPoint(944, 138));
    int wrong = 0;
    for (int y = 0; y < 144; ++y)
        for (int x = 0; x < 960; ++x) {
            const QRgb expected = bar.contains(x, y) ? 0xFF000000 : snapshot.pixel(x, y);
            wrong += exported.pixel(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(ExportBitmapTest, CancelWritesOnlyTheSnapshotAndKeepsTheCaption)
{
    window.fileNames = {QString()};
    ExportBitmap(window, workImage);
    EXPECT_TRUE(TargetFiles().isEmpty());
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files), QStringList{"xyz.bmp"});
    EXPECT_EQ(window.caption, initialCaption);
    EXPECT_EQ(log, (QStringList{"snapshot", "save dialog"}));
}

TEST_F(ExportBitmapTest, AnExistingFileIsReplacedOnlyAfterYes)
{
    const QString existing = target.filePath("sign.bmp");
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older pattern");
    old.close();

    // No: the file stays byte for byte, the user is told, the caption stays.
    window.fileNames = {target.filePath("sign.bmp")};
    window.overwriteAnswers = {TOverwriteAnswer::No};
    ExportBitmap(window, workImage);
    EXPECT_EQ(FileBytes(existing), "an older pattern");
    EXPECT_EQ(window.caption, initialCaption);
    EXPECT_EQ(log, (QStringList{"snapshot", "save dialog", "question Overwrite File?",
                                "message File not saved!"}));

    // Closed without an answer: nothing written, nothing said, caption kept.
    log.clear();
    window.fileNames = {target.filePath("sign")};
    window.overwriteAnswers = {TOverwriteAnswer::Closed};
    ExportBitmap(window, workImage);
    EXPECT_EQ(FileBytes(existing), "an older pattern");
    EXPECT_EQ(window.caption, initialCaption);
    EXPECT_EQ(log, (QStringList{"snapshot", "save dialog", "question Overwrite File?"}));

    // Yes: replaced by the pattern.
    window.fileNames = {target.filePath("sign")};
    window.overwriteAnswers = {TOverwriteAnswer::Yes};
    ExportBitmap(window, workImage);
    EXPECT_EQ(Load(existing), window.pattern);
    EXPECT_EQ(window.caption, target.filePath("sign"));
}

TEST_F(ExportBitmapTest, AFailedWriteRaisesTheFileErrorAndLeavesCaptionAndSnapshot)
{
    const QString folderInTheWay = target.filePath("sign.bmp");
    ASSERT_TRUE(QDir(target.path()).mkdir("sign.bmp"));
    window.fileNames = {target.filePath("sign")};
    window.overwriteAnswers = {TOverwriteAnswer::Yes};
    try {
        ExportBitmap(window, workImage);
        FAIL() << "writing over a folder must fail";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.message(), "Cannot create file " + folderInTheWay);
    }
    EXPECT_EQ(window.caption, initialCaption);
    EXPECT_EQ(Load(Snapshot()), window.pattern);

    window.fileNames = {target.filePath("missing/sign")};
    EXPECT_THROW(ExportBitmap(window, workImage), EInOutError);
    EXPECT_EQ(window.caption, initialCaption);
}

TEST_F(ExportBitmapTest, OtherProgramsReadTheFileAs24Bit96DpiOfTheViewSize)
{
    window.pattern = TFakeExportWindow::DefaultPattern(960, 289);
    window.fileNames = {target.filePath("sign")};
    ExportBitmap(window, workImage);

    const QImage exported(target.filePath("sign.bmp"));
    EXPECT_EQ(exported.size(), QSize(960, 289));
    EXPECT_EQ(exported.dotsPerMeterX(), 3780);
    EXPECT_EQ(exported.dotsPerMeterY(), 3780);

    const QString identify = QStandardPaths::findExecutable("identify");
    if (identify.isEmpty())
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    QProcess process;
    process.start(identify, {"-units", "PixelsPerInch", "-format", "%m %w %h %x",
                             target.filePath("sign.bmp")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString described = QString::fromUtf8(process.readAllStandardOutput());
    // BMP3: the plain Windows 3 header; resolution in pixels per inch.
    EXPECT_TRUE(described.startsWith("BMP3 960 289 96")) << described.toStdString();
    EXPECT_EQ(quint8(FileBytes(target.filePath("sign.bmp")).at(28)), 24) << "bits per pixel";
}
