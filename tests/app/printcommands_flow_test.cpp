// Print and Export PDF against a recording document: the engine calls, their
// order and arguments, and what reaches the snapshot and the chosen file.
#include "app/printcommands.h"
#include "render/workimage.h"
#include "exports_fakewindow.h"
#include "core/errors.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr double kMarker = -2147483549.0;

using TWriteResult = TPrintDocument::TWriteResult;

class TRecordingDocument : public TPrintDocument {
public:
    explicit TRecordingDocument(QStringList *log) : m_log(log) {}

    bool available = true;
    TWriteResult writeResult = TWriteResult::Written;
    bool open = false;
    // What the snapshot held when the picture was placed.
    QImage placedPicture;

    bool EngineAvailable() const override { return available; }
    bool CloseDoc() override
    {
        m_log->append("CloseDoc");
        open = false;
        return true;
    }
    void OpenDoc() override
    {
        m_log->append("OpenDoc");
        if (open)
            throw EFretcardError("The print document is open. The document needs to be "
                                 "closed prior to this operation.");
        open = true;
    }
    void SuppressOutline() override { m_log->append("SuppressOutline"); }
    void PlacePicture(const QString &path, double x1, double y1, double x2, double y2) override
    {
        m_log->append(QStringLiteral("PlacePicture %1 %2 %3 %4 %5")
                          .arg(QFileInfo(path).fileName())
                          .arg(x1)
                          .arg(y1)
                          .arg(x2 == kMarker ? "marker" : "?")
                          .arg(y2 == kMarker ? "marker" : "?"));
        placedPicture = QImage(path, "bmp").convertToFormat(QImage::Format_RGB32);
    }
    void SetPreviewPlacement(int left, int top, int width, int height, int mode) override
    {
        m_log->append(QStringLiteral("SetPreviewPlacement %1 %2 %3 %4 %5")
                          .arg(left).arg(top).arg(width).arg(height).arg(mode));
    }
    void ShowPreview() override { m_log->append("ShowPreview"); }
    TWriteResult WriteDocFile(const QString &path) override
    {
        m_log->append("WriteDocFile " + QFileInfo(path).fileName());
        if (writeResult != TWriteResult::Written)
            return writeResult;
        QFile file(path);
        const bool written = file.open(QIODevice::WriteOnly) && file.write("%PDF-") == 5;
        return written ? TWriteResult::Written : TWriteResult::NotCreated;
    }

private:
    QStringList *m_log;
};

QStringList EngineCalls(const QStringList &log)
{
    QStringList calls;
    for (const QString &entry : log)
        if (entry.at(0).isUpper())
            calls << entry;
    return calls;
}

class PrintCommandsTest : public ::testing::Test {
protected:
    QTemporaryDir program;
    QTemporaryDir target;
    QStringList log;
    TFakeExportWindow window{program.path(), &log};
    TRecordingDocument document{&log};
    TWorkImage workImage;

    QString Snapshot() const { return program.filePath("xyz.bmp"); }
    QImage SnapshotImage() const { return QImage(Snapshot(), "bmp").convertToFormat(QImage::Format_RGB32); }
    void Print() { PrintPattern(window, workImage, document); }
    void Pdf() { ExportPdf(window, workImage, document); }
    QStringList TargetFiles() const { return QDir(target.path()).entryList(QDir::Files); }
};

// Counts the pixels of the bar area that are not `inside` within the black
// outline.
int BarPixelsWrong(const QImage &image, QRgb inside)
{
    const QRect bar(QPoint(15, image.height() - 35), QPoint(image.width() - 16, image.height() - 6));
    int wrong = 0;
    for (int y = bar.top(); y <= bar.bottom(); ++y)
        for (int x = bar.left(); x <= bar.right(); ++x) {
            const bool edge = x == bar.left() || x == bar.right() || y == bar.top() || y == bar.bottom();
            wrong += image.pixel(x, y) != (edge ? 0xFF000000 : inside);
        }
    return wrong;
}
} // namespace

TEST_F(PrintCommandsTest, PrintRunsTheEightStepsInOrder)
{
    window.position = QPoint(130, 70);
    Print();
    EXPECT_EQ(log, (QStringList{"CloseDoc", "snapshot", "OpenDoc",
                                "PlacePicture xyz.bmp 1 1 marker marker",
                                "SetPreviewPlacement 150 90 980 590 1", "ShowPreview"}));
    EXPECT_TRUE(document.open) << "the document stays open while the preview is shown";
    EXPECT_EQ(document.placedPicture, window.pattern);
}

TEST_F(PrintCommandsTest, PrintTwiceClosesTheFirstDocumentBeforeOpeningTheSecond)
{
    Print();
    log.clear();
    Print();
    ASSERT_GE(log.size(), 3);
    EXPECT_EQ(log.at(0), "CloseDoc");
    EXPECT_EQ(log.indexOf("OpenDoc"), 2);
}

TEST_F(PrintCommandsTest, OutlineIsSuppressedOnlyWithPageOutlineOffBetweenOpenAndPlace)
{
    window.pageOutline = false;
    Print();
    EXPECT_EQ(EngineCalls(log).mid(1, 3),
              (QStringList{"OpenDoc", "SuppressOutline", "PlacePicture xyz.bmp 1 1 marker marker"}));

    log.clear();
    document.open = false;
    window.fileNames = {target.filePath("sign")};
    Pdf();
    EXPECT_EQ(EngineCalls(log).mid(0, 3),
              (QStringList{"OpenDoc", "SuppressOutline", "PlacePicture xyz.bmp 1 1 marker marker"}));

    window.pageOutline = true;
    log.clear();
    Print();
    window.fileNames = {target.filePath("other")};
    document.open = false;
    Pdf();
    EXPECT_FALSE(log.contains("SuppressOutline"));
}

TEST_F(PrintCommandsTest, PrintWithBaseSavesTheBarInTheTextColourIntoTheSnapshot)
{
    window.base = true;
    window.textColor = Qt::red;
    Print();
    EXPECT_EQ(BarPixelsWrong(SnapshotImage(), 0xFFFF0000), 0);
    EXPECT_EQ(BarPixelsWrong(document.placedPicture, 0xFFFF0000), 0);
    EXPECT_EQ(log.indexOf("snapshot"), 1);
}

TEST_F(PrintCommandsTest, PrintWithoutBaseLeavesTheSnapshotAndTheWorkImageAlone)
{
    Print();
    EXPECT_EQ(SnapshotImage(), window.pattern);
    EXPECT_TRUE(workImage.Picture().isNull());
}

TEST_F(PrintCommandsTest, PdfWritesTheChosenFileWithThePdfRule)
{
    window.fileNames = {target.filePath("sign"), target.filePath("plain.pdf"),
                        target.filePath("shout.PDF"), target.filePath("pattern.bmp")};
    for (int i = 0; i < 4; ++i)
        Pdf();
    EXPECT_EQ(TargetFiles(),
              (QStringList{"pattern.bmp.pdf", "plain.pdf", "shout.PDF.pdf", "sign.pdf"}));
    EXPECT_EQ(window.filtersAsked, QStringList(4, "PDF file|*.pdf"));
    EXPECT_FALSE(document.open);
    EXPECT_EQ(window.caption, "Kerfhaven Fretcard Printer V1.7") << "PDF export keeps the caption";
}

TEST_F(PrintCommandsTest, PdfCallsTheEngineOnlyAfterTheNameIsSettled)
{
    window.fileNames = {target.filePath("sign")};
    Pdf();
    EXPECT_EQ(log, (QStringList{"snapshot", "save dialog", "OpenDoc",
                                "PlacePicture xyz.bmp 1 1 marker marker", "WriteDocFile sign.pdf",
                                "CloseDoc"}));
}

TEST_F(PrintCommandsTest, PdfCancelledMakesNoEngineCallAndWritesNothing)
{
    window.base = true;
    window.fileNames = {QString()};
    Pdf();
    EXPECT_TRUE(EngineCalls(log).isEmpty());
    EXPECT_TRUE(TargetFiles().isEmpty());
    EXPECT_EQ(SnapshotImage(), window.pattern) << "the bar is not saved before the name is settled";
}

TEST_F(PrintCommandsTest, PdfBarIsBlackEvenWithAColouredFont)
{
    window.base = true;
    window.textColor = Qt::red;
    window.fileNames = {target.filePath("sign")};
    Pdf();
    EXPECT_EQ(BarPixelsWrong(document.placedPicture, 0xFF000000), 0);
    EXPECT_EQ(BarPixelsWrong(SnapshotImage(), 0xFF000000), 0);
}

TEST_F(PrintCommandsTest, PdfOverwriteQuestion)
{
    const QString existing = target.filePath("sign.pdf");
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old pdf");
    old.close();

    window.fileNames = {target.filePath("sign"), target.filePath("sign"), target.filePath("sign.pdf")};
    window.overwriteAnswers = {TOverwriteAnswer::No, TOverwriteAnswer::Closed, TOverwriteAnswer::Yes};
    Pdf();
    EXPECT_TRUE(log.contains("message File not saved!"));
    EXPECT_TRUE(EngineCalls(log).isEmpty());
    log.clear();
    Pdf();
    EXPECT_EQ(log, (QStringList{"snapshot", "save dialog", "question Overwrite File?"}));
    QFile check(existing);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "old pdf");
    check.close();
    Pdf();
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "%PDF-");
}

TEST_F(PrintCommandsTest, PdfWhileThePreviewIsOpenEndsWithTheEngineErrorAndNoFile)
{
    Print();
    window.fileNames = {target.filePath("sign")};
    EXPECT_THROW(Pdf(), EFretcardError);
    EXPECT_TRUE(TargetFiles().isEmpty());
    EXPECT_TRUE(document.open);
}

TEST_F(PrintCommandsTest, AFailedPdfWriteIsReportedAndTheDocumentClosed)
{
    document.writeResult = TWriteResult::NotCreated;
    window.fileNames = {target.filePath("sign")};
    try {
        Pdf();
        FAIL() << "an unwritten PDF must be reported";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.message(), "Cannot create file " + target.filePath("sign.pdf"));
    }
    EXPECT_FALSE(document.open);
    EXPECT_EQ(EngineCalls(log).last(), "CloseDoc");
}

TEST_F(PrintCommandsTest, APdfTheDiskHadNoRoomForIsReportedAsDiskFull)
{
    document.writeResult = TWriteResult::DiskFull;
    window.fileNames = {target.filePath("sign")};
    try {
        Pdf();
        FAIL() << "a full disk must be reported";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.message(), "Disk full");
    }
    EXPECT_FALSE(document.open);
}

TEST_F(PrintCommandsTest, WithoutTheEngineBothCommandsStopBeforeDoingAnything)
{
    document.available = false;
    window.fileNames = {target.filePath("sign")};
    const std::function<void()> commands[] = {[this] { Print(); }, [this] { Pdf(); }};
    for (const auto &command : commands) {
        try {
            command();
            FAIL() << "no error without the engine";
        } catch (const EFretcardError &error) {
            EXPECT_EQ(error.message(), "Could not load print engine library!");
        }
    }
    EXPECT_TRUE(log.isEmpty());
    EXPECT_FALSE(QFile::exists(Snapshot()));
}

TEST_F(PrintCommandsTest, ASnapshotThatCannotBeWrittenStopsTheCommand)
{
    QDir(program.path()).mkdir("xyz.bmp"); // a folder where the snapshot goes
    EXPECT_THROW(Print(), EInOutError);
    EXPECT_EQ(EngineCalls(log), QStringList{"CloseDoc"});
    log.clear();
    window.fileNames = {target.filePath("sign")};
    EXPECT_THROW(Pdf(), EInOutError);
    EXPECT_TRUE(EngineCalls(log).isEmpty());
}
