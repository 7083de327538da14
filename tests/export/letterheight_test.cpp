// --letter-height and --fit, measured on the bitmaps the program writes.
#include "export_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {
constexpr QRgb kLetterInk = 0xFF000000;

// Rows and columns holding letter ink, inside the blank's one-pixel outline.
QRect InkBounds(const QImage &image, int fromX = 1, int toX = -1)
{
    if (toX < 0)
        toX = image.width() - 2;
    QRect bounds;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = fromX; x <= toX; ++x)
            if (image.pixel(x, y) == kLetterInk)
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

// The first letter's columns: from the first inked column to the first
// empty one after it.
QRect FirstLetter(const QImage &image)
{
    const QRect all = InkBounds(image);
    int x = all.left();
    while (x <= all.right() && InkBounds(image, x, x).isValid())
        ++x;
    return InkBounds(image, all.left(), x - 1);
}

QImage Export(const QTemporaryDir &dir, const QString &name, QStringList arguments)
{
    const QString path = dir.filePath(name + ".bmp");
    arguments << "--format" << "bmp" << "--output" << path;
    const TRunResult run = RunExporter(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
} // namespace

TEST(LetterHeight, TheCapitalHOfHelloIs144PixelsForOneAndAHalfInches)
{
    QTemporaryDir dir;
    const QImage solid = Export(dir, "solid", {"--text", "HELLO", "--letter-height", "1.5in", "--fit", "--no-outline"});
    ASSERT_FALSE(solid.isNull());
    EXPECT_NEAR(FirstLetter(solid).height(), 144, 1);
    // Hollow letters are stroked along the same outline.
    const QImage hollow = Export(dir, "hollow", {"--text", "HELLO", "--letter-height", "1.5in", "--fit"});
    EXPECT_NEAR(FirstLetter(hollow).height(), 144, 1);
    // 38 mm is 143.6 pixels; another face, the same rule.
    const QImage serif = Export(dir, "serif", {"--text", "Hi", "--font", "DejaVu Serif", "--letter-height", "38mm",
                                               "--fit", "--no-outline"});
    EXPECT_NEAR(FirstLetter(serif).height(), 143.6, 1);
    const QImage small = Export(dir, "small", {"--text", "H", "--letter-height", "0.3in", "--fit", "--no-outline"});
    EXPECT_NEAR(FirstLetter(small).height(), 28.8, 1);
}

TEST(LetterHeight, FitGivesEachNameItsOwnBlankWithTheMarginAroundTheLetters)
{
    QTemporaryDir dir;
    const QImage shortName = Export(dir, "al", {"--text", "Al", "--size", "60", "--fit", "--no-outline"});
    const QImage longName = Export(dir, "bart", {"--text", "Bartholomew", "--size", "60", "--fit", "--no-outline"});
    ASSERT_FALSE(shortName.isNull());
    ASSERT_FALSE(longName.isNull());
    EXPECT_GT(longName.width(), 2 * shortName.width());
    EXPECT_EQ(longName.height(), shortName.height() + (InkBounds(longName).bottom() - InkBounds(shortName).bottom()));

    const QImage wide = Export(dir, "margin", {"--text", "Wide", "--size", "60", "--fit", "--margin", "0.5in",
                                               "--no-outline"});
    const QRect ink = InkBounds(wide);
    EXPECT_NEAR(wide.width() - 1 - ink.right(), 48, 1);
    EXPECT_NEAR(wide.height() - 1 - ink.bottom(), 48, 1);
    EXPECT_NEAR(ink.left(), 48, 1);
    EXPECT_GE(ink.top(), 47);

    // Centred multi-line text gets at least the margin all round.
    const QImage centred = Export(dir, "centred", {"--text", "Happy Trails", "--multiline", "--size", "50", "--fit",
                                                   "--no-outline"});
    const QRect around = InkBounds(centred);
    ASSERT_LT(centred.height(), 200);
    EXPECT_NEAR(around.left(), 24, 2);
    EXPECT_NEAR(centred.width() - 1 - around.right(), 24, 2);
    // Centred by the line box: the margin above and below may differ, the
    // narrower one is the margin asked for.
    const int above = around.top();
    const int below = centred.height() - 1 - around.bottom();
    EXPECT_NEAR(std::min(above, below), 24, 2);
    EXPECT_LT(std::max(above, below), 48);
}
