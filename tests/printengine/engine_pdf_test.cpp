// The real engine library writing PDF files: page size, picture placement at
// full scale, lossless pictures, the outline frame.

#include "core/units.h"
#include "enginetestsupport.h"
#include "page/page.h"
#include "printengine/engine/document.h"
#include "printengine/engine/previewwindow.h"
#include "printengine/protocol/papersizes.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QColor kPatternRed(220, 30, 30);
constexpr int kRenderDpi = 254; // 100 pixels to the centimetre
constexpr int kPixelsPerCm = 100;
constexpr int kPatternWidth = 960;
constexpr int kPatternHeight = 144;

class RealEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(loader.Load(BinaryFolder()).has_value());
        engine = std::make_unique<TPrintEngine>(loader.Table());
        LoadPrintEngine1Layout(*engine);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString writePattern(const QString &name, const QColor &color, int bits = 24,
                         QSize size = QSize(kPatternWidth, kPatternHeight))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString file = path(name);
        EXPECT_TRUE(WriteBmp(file, image, bits));
        return file;
    }

    // Opens, places at the pattern's corner with the free corner, writes, closes.
    QString exportPdf(const QString &bmp, bool suppressOutline = false)
    {
        const QString pdf = path(QStringLiteral("out.pdf"));
        engine->OpenDoc();
        if (suppressOutline)
            engine->SuppressOutline();
        engine->PlacePicture(bmp, Page::kCornerCm, Page::kCornerCm, TPrintEngine::kFreeCorner,
                             TPrintEngine::kFreeCorner);
        EXPECT_EQ(engine->WriteDocFile(pdf), 1);
        EXPECT_TRUE(engine->CloseDoc());
        return pdf;
    }

    QImage render(const QString &pdf)
    {
        const QString prefix = path(QStringLiteral("page"));
        int exitCode = -1;
        RunTool("pdftoppm", {"-r", QString::number(kRenderDpi), "-singlefile", pdf, prefix}, &exitCode);
        EXPECT_EQ(exitCode, 0);
        return QImage(prefix + ".ppm").convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    PrintEngineLoader loader;
    std::unique_ptr<TPrintEngine> engine;
};

bool IsRed(QRgb pixel) { return qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }
bool IsDark(QRgb pixel) { return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }

QRect BoundingBox(const QImage &image, bool (*match)(QRgb))
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (match(line[x]))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

int CountDark(const QImage &image) { return BoundingBox(image, IsDark).isNull() ? 0 : 1; }

} // namespace

TEST_F(RealEngineTest, PatternLandsOnOneLandscapeLetterPageAtFullScale)
{
    const QString pdf = exportPdf(writePattern("xyz.bmp", kPatternRed));

    const QString info = RunTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+792 x 612 pts"))) << info.toStdString();

    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const QStringList lines = RunTool("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << "exactly one image expected";
    const QStringList image = lines[2].simplified().split(' ');
    EXPECT_EQ(image[3], "960");
    EXPECT_EQ(image[4], "144");
    EXPECT_EQ(image[8], "image") << "lossless (Flate), not JPEG";
    EXPECT_EQ(image[12], "96");
    EXPECT_EQ(image[13], "96");

    // 960 x 144 pixels at 96 per inch: 720 x 108 pt = 25.4 x 3.81 cm, corner at 1 cm.
    const QImage page = render(pdf);
    ASSERT_EQ(page.size(), QSize(2794, 2159));
    const QRect red = BoundingBox(page, IsRed);
    EXPECT_NEAR(red.left(), 1 * kPixelsPerCm, 1);
    EXPECT_NEAR(red.top(), 1 * kPixelsPerCm, 1);
    EXPECT_NEAR(red.width(), 2540, 2);
    EXPECT_NEAR(red.height(), 381, 2);
}

// The engine keeps its own picture resolution and turns centimetres into
// its pages itself; the program's own pages (cut lines, tiles) come from
// page/. Both must put a pattern in the same place at the same size.
TEST_F(RealEngineTest, TheEnginePlacesAPatternWherePagePlacesIt)
{
    EXPECT_EQ(EngineAbi::kPicturePixelsPerInch, Units::kPixelsPerInch);
    const QImage page = render(exportPdf(writePattern("xyz.bmp", kPatternRed)));
    EXPECT_EQ(page.size(), Page::PatternPageLayout().fullRectPixels(kRenderDpi).size());
    const QRect red = BoundingBox(page, IsRed);
    const QRectF pattern(0, 0, kPatternWidth, kPatternHeight);
    const QRect laidOut = Page::PatternToPage(kRenderDpi, kRenderDpi).mapRect(pattern).toRect();
    EXPECT_NEAR(red.left(), laidOut.left(), 1);
    EXPECT_NEAR(red.top(), laidOut.top(), 1);
    EXPECT_NEAR(red.width(), laidOut.width(), 2);
    EXPECT_NEAR(red.height(), laidOut.height(), 2);
}

TEST_F(RealEngineTest, OutlineFrameSurroundsThePictureUnlessSuppressed)
{
    const QString bmp = writePattern("xyz.bmp", kPatternRed);
    const QImage framed = render(exportPdf(bmp));
    const QRect frame = BoundingBox(framed, IsDark);
    ASSERT_FALSE(frame.isNull());
    // Just outside the picture, on all four sides, covering none of it.
    EXPECT_NEAR(frame.left(), 98, 1);
    EXPECT_NEAR(frame.top(), 98, 1);
    EXPECT_NEAR(frame.right(), 100 + 2540 + 1, 1);
    EXPECT_NEAR(frame.bottom(), 100 + 381 + 1, 1);
    EXPECT_TRUE(IsRed(framed.pixel(100, 100)));
    EXPECT_TRUE(IsDark(framed.pixel(99, 300)));
    EXPECT_TRUE(IsDark(framed.pixel(1500, 99)));

    const QImage plain = render(exportPdf(bmp, true));
    EXPECT_EQ(CountDark(plain), 0);
    EXPECT_NEAR(BoundingBox(plain, IsRed).left(), 100, 1);

    // The suppression is spent on one picture: the next document is framed again.
    EXPECT_EQ(CountDark(render(exportPdf(bmp))), 1);
}

TEST_F(RealEngineTest, PictureIsReadWhenPlacedNotWhenWritten)
{
    const QString bmp = writePattern("xyz.bmp", kPatternRed);
    const QString pdf = path("late.pdf");
    engine->OpenDoc();
    engine->PlacePicture(bmp, 1.0, 1.0, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner);
    writePattern("xyz.bmp", QColor(0, 200, 0), 24, QSize(100, 100));
    ASSERT_EQ(engine->WriteDocFile(pdf), 1);
    engine->CloseDoc();
    const QRect red = BoundingBox(render(pdf), IsRed);
    EXPECT_NEAR(red.width(), 2540, 2);
}

TEST_F(RealEngineTest, ThirtyTwoBitPicturesArePlacedLikeTwentyFourBitOnes)
{
    const QImage page = render(exportPdf(writePattern("xyz32.bmp", kPatternRed, 32)));
    const QRect red = BoundingBox(page, IsRed);
    EXPECT_NEAR(red.left(), 100, 1);
    EXPECT_NEAR(red.width(), 2540, 2);
    EXPECT_NEAR(red.height(), 381, 2);
}

TEST_F(RealEngineTest, PrintFromThePreviewKeepsTheDocumentPageWhateverTheDialogLeft)
{
    fretprint::Document document(1, nullptr, QStringLiteral("sign"), 0);
    const Paper::Size letter = Paper::SizeOf(Paper::PAPER_LETTER);
    document.setPaperSizeCm(QSizeF(letter.widthCm, letter.heightCm));
    document.setLandscape(true);
    ASSERT_TRUE(document.placePicture(writePattern("xyz.bmp", kPatternRed), QRectF(1, 1, 0, 0), true));

    const QString pdf = path(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPageLayout offered;
    document.ensurePreview()->printDocumentOn(printer, [&](QPrinter &chosen) {
        offered = chosen.pageLayout();
        // What Qt's dialog leaves on a queue whose default paper is A4.
        chosen.setFullPage(false);
        chosen.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        return true;
    });
    EXPECT_EQ(offered.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(offered.fullRectPoints().size(), QSize(792, 612));

    EXPECT_TRUE(RunTool("pdfinfo", {pdf}).contains(QRegularExpression("Page size:\\s+792 x 612 pts")));
    const QImage page = render(pdf);
    ASSERT_EQ(page.size(), QSize(2794, 2159));
    const QRect red = BoundingBox(page, IsRed);
    EXPECT_NEAR(red.left(), 1 * kPixelsPerCm, 1);
    EXPECT_NEAR(red.top(), 1 * kPixelsPerCm, 1);
    EXPECT_NEAR(red.width(), 2540, 2) << "960 pattern pixels are 10.00 in";
}

TEST_F(RealEngineTest, FailedWriteIsReportedAndLeavesNoFile)
{
    engine->OpenDoc();
    engine->PlacePicture(writePattern("xyz.bmp", kPatternRed), 1, 1, TPrintEngine::kFreeCorner,
                         TPrintEngine::kFreeCorner);
    const QString target = path("missing-folder/out.pdf");
    EXPECT_EQ(engine->WriteDocFile(target), 0);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_NE(engine->Status(), 0);
}

TEST_F(RealEngineTest, AFullDiskIsReportedAndLeavesTheOldFileByteForByte)
{
    const QString target = path("old.pdf");
    const QByteArray old = FileBytes(exportPdf(writePattern("xyz.bmp", kPatternRed)));
    ASSERT_TRUE(QFile::rename(path("out.pdf"), target));
    engine->OpenDoc();
    engine->PlacePicture(path("xyz.bmp"), 1, 1, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner);
    {
        const FileSizeLimit fullDisk(old.size() / 2);
        EXPECT_EQ(engine->WriteDocFile(target), 0);
    }
    EXPECT_EQ(engine->Status(), TPrintEngine::kStatusDiskFull);
    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_EQ(FileBytes(target), old);
}

TEST_F(RealEngineTest, UnreadablePictureIsNotPlaced)
{
    QFile junk(path("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a bitmap");
    junk.close();
    engine->OpenDoc();
    EXPECT_EQ(engine->PlacePicture(junk.fileName(), 1, 1, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner), 0.0);
    EXPECT_EQ(engine->WriteDocFile(path("empty.pdf")), 1);
    EXPECT_EQ(RunTool("pdfimages", {"-list", path("empty.pdf")}).split('\n', Qt::SkipEmptyParts).size(), 2);

    // The status the component reads at closing tells of the bad picture.
    engine->PlacePicture(path("no-such.bmp"), 1, 1, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner);
    engine->CloseDoc();
    EXPECT_NE(engine->Status(), 0);
}

TEST_F(RealEngineTest, DefaultPatternPdfStaysUnder60KB)
{
    // A typical pattern: white blank, black outline, black aliased lettering.
    QImage pattern(kPatternWidth, kPatternHeight, QImage::Format_RGB32);
    pattern.fill(Qt::white);
    {
        QPainter painter(&pattern);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, kPatternWidth - 1, kPatternHeight - 1);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(96);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.drawText(pattern.rect(), Qt::AlignCenter, QStringLiteral("Kerfhaven"));
    }
    const QString bmp = path("xyz.bmp");
    ASSERT_TRUE(WriteBmp(bmp, pattern, 24));
    const QString pdf = exportPdf(bmp);
    EXPECT_LT(QFileInfo(pdf).size(), 60 * 1024);
}
