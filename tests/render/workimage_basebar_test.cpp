// The work image and the base bar drawn into it: exact pixels on a picture
// of a known pattern.
#include "render/basebar.h"
#include "render/workimage.h"
#include "core/errors.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kPatternGray = 0xFFA0A0A4;

// A snapshot-like picture: grey blank with a black frame and some black
// "letters" crossing the bar's area.
QImage SamplePattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPatternGray);
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, kBlack);
        image.setPixel(x, height - 1, kBlack);
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, kBlack);
        image.setPixel(width - 1, y, kBlack);
        for (int x = 100; x < qMin(110, width); ++x)
            image.setPixel(x, y, kBlack); // a stroke through the bar
    }
    for (int x = 200; x < qMin(260, width); ++x)
        image.setPixel(x, height - 20, kRed); // a red line inside the bar
    return image;
}

TWorkImage WorkImageHolding(const QImage &picture)
{
    TWorkImage work;
    work.Picture() = picture;
    return work;
}

// Counts pixels of `image` inside `area` that differ from `expected`.
int PixelsNotEqual(const QImage &image, const QRect &area, QRgb expected)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != expected;
    return count;
}

// Pixels outside `area` that differ between the two pictures.
int ChangedOutside(const QImage &before, const QImage &after, const QRect &area)
{
    int count = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (!area.contains(x, y))
                count += before.pixel(x, y) != after.pixel(x, y);
    return count;
}
} // namespace

TEST(BaseBar, BlackBarCoversColumns15To944OfRows109To138OnA960x144Blank)
{
    const QImage pattern = SamplePattern(960, 144);
    TWorkImage work = WorkImageHolding(pattern);

    DrawBaseBar(work, 144, Qt::black);

    const QRect bar(QPoint(15, 109), QPoint(944, 138));
    EXPECT_EQ(BaseBar::Rectangle(960, 144), bar);
    EXPECT_EQ(PixelsNotEqual(work.Picture(), bar, kBlack), 0);
    EXPECT_EQ(ChangedOutside(pattern, work.Picture(), bar), 0);
    EXPECT_EQ(work.Picture().pixel(14, 120), kPatternGray);
    EXPECT_EQ(work.Picture().pixel(945, 120), kPatternGray);
    EXPECT_EQ(work.Picture().pixel(500, 108), kPatternGray);
    EXPECT_EQ(work.Picture().pixel(500, 139), kPatternGray);
}

TEST(BaseBar, ColouredFillLiesInsideTheBlackOutlineAndCoversTheLetters)
{
    TWorkImage work = WorkImageHolding(SamplePattern(500, 200));

    DrawBaseBar(work, 200, Qt::red);

    const QRect bar = BaseBar::Rectangle(500, 200);
    ASSERT_EQ(bar, QRect(QPoint(15, 165), QPoint(484, 194)));
    const QImage &picture = work.Picture();
    EXPECT_EQ(PixelsNotEqual(picture, bar.adjusted(1, 1, -1, -1), kRed), 0);
    for (int x = bar.left(); x <= bar.right(); ++x) {
        EXPECT_EQ(picture.pixel(x, bar.top()), kBlack) << x;
        EXPECT_EQ(picture.pixel(x, bar.bottom()), kBlack) << x;
    }
    for (int y = bar.top(); y <= bar.bottom(); ++y) {
        EXPECT_EQ(picture.pixel(bar.left(), y), kBlack) << y;
        EXPECT_EQ(picture.pixel(bar.right(), y), kBlack) << y;
    }
}

TEST(BaseBar, BrushKeepsTheLastFillForTheNextBar)
{
    TWorkImage work;
    EXPECT_EQ(work.Brush().style(), Qt::SolidPattern);
    EXPECT_EQ(work.Brush().color(), QColor(Qt::white));
    EXPECT_EQ(work.Pen().color(), QColor(Qt::black));
    EXPECT_EQ(work.Pen().width(), 1);

    work.Picture() = SamplePattern(300, 100);
    DrawBaseBar(work, 100, Qt::red);
    EXPECT_EQ(work.Brush().color(), QColor(Qt::red));
    EXPECT_EQ(work.Brush().style(), Qt::SolidPattern);

    // A second red bar on a fresh picture starts from a red inside and
    // fills it with the same colour: it must finish and stay red.
    work.Picture() = SamplePattern(300, 100);
    DrawBaseBar(work, 100, Qt::red);
    const QRect bar = BaseBar::Rectangle(300, 100);
    EXPECT_EQ(PixelsNotEqual(work.Picture(), bar.adjusted(1, 1, -1, -1), kRed), 0);

    // After a red bar a black one is still solid black.
    work.Picture() = SamplePattern(300, 100);
    DrawBaseBar(work, 100, Qt::black);
    EXPECT_EQ(PixelsNotEqual(work.Picture(), bar, kBlack), 0);
    EXPECT_EQ(work.Brush().color(), QColor(Qt::black));

    // A red bar after a black one (a print after an export) is red inside.
    work.Picture() = SamplePattern(300, 100);
    DrawBaseBar(work, 100, Qt::red);
    EXPECT_EQ(PixelsNotEqual(work.Picture(), bar.adjusted(1, 1, -1, -1), kRed), 0);
}

TEST(BaseBar, UsesTheViewHeightForTheRowsAndThePictureWidthForTheColumns)
{
    TWorkImage work = WorkImageHolding(SamplePattern(96, 47));
    DrawBaseBar(work, 47, Qt::black);
    EXPECT_EQ(BaseBar::Rectangle(96, 47), QRect(QPoint(15, 12), QPoint(80, 41)));
    EXPECT_EQ(PixelsNotEqual(work.Picture(), QRect(QPoint(15, 12), QPoint(80, 41)), kBlack), 0);
    EXPECT_EQ(work.Picture().pixel(81, 20), kPatternGray);
}

TEST(BaseBar, AnEmptyPictureIsLeftAloneButTheBrushStillChanges)
{
    TWorkImage work;
    DrawBaseBar(work, 144, Qt::red);
    EXPECT_TRUE(work.Picture().isNull());
    EXPECT_EQ(work.Brush().color(), QColor(Qt::red));
}

TEST(WorkImage, SavesAndLoadsA24BitBitmapPixelForPixel)
{
    TWorkImage work = WorkImageHolding(SamplePattern(131, 47));
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    work.SaveToDevice(&buffer);

    const QByteArray bytes = buffer.data();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(bytes[28]), 24); // bits per pixel
    EXPECT_EQ(bytes.size(), 54 + 47 * ((131 * 3 + 3) & ~3));

    buffer.seek(0);
    TWorkImage loaded;
    loaded.LoadFromDevice(&buffer);
    EXPECT_EQ(loaded.Width(), 131);
    EXPECT_EQ(loaded.Height(), 47);
    EXPECT_EQ(loaded.Picture(), SamplePattern(131, 47));
}

TEST(WorkImage, LoadingFailuresRaiseTheFileErrorAndKeepThePicture)
{
    QTemporaryDir dir;
    TWorkImage work = WorkImageHolding(SamplePattern(100, 50));

    try {
        work.LoadFromFile(dir.filePath("missing.bmp"));
        FAIL() << "no error for a missing file";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.message(), "File not found");
    }

    QBuffer garbage;
    garbage.setData("BM this is not a bitmap at all");
    garbage.open(QIODevice::ReadOnly);
    EXPECT_THROW(work.LoadFromDevice(&garbage), EFretcardError);
    EXPECT_EQ(work.Width(), 100);

    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    work.LoadFromDevice(&empty);
    EXPECT_TRUE(work.Picture().isNull());
}
