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

TEST(LetterHeight, FitLeavesTheMarginOnEverySideOfTheLetters)
{
    QTemporaryDir dir;
    const QImage shortName = Export(dir, "al", {"--text", "Al", "--size", "60", "--fit", "--no-outline"});
    const QImage longName = Export(dir, "bart", {"--text", "Bartholomew", "--size", "60", "--fit", "--no-outline"});
    ASSERT_FALSE(shortName.isNull());
    ASSERT_FALSE(longName.isNull());
    EXPECT_GT(longName.width(), 2 * shortName.width());

    struct TCase {
        const char *name;
        QStringList arguments;
        int margin; // pixels
    };
    const TCase cases[] = {
        {"wide", {"--text", "Wide", "--size", "60", "--margin", "0.5in", "--no-outline"}, 48},
        {"capitals", {"--text", "HELLO", "--letter-height", "1.5in", "--no-outline"}, 24},
        {"six inches", {"--text", "Hi", "--letter-height", "6in", "--no-outline"}, 24},
        {"hollow", {"--text", "Gwyn", "--size", "80"}, 24},
        {"centred lines", {"--text", "Happy\nTrails", "--multiline", "--size", "50", "--no-outline"}, 24},
    };
    for (const TCase &c : cases) {
        const QImage image = Export(dir, c.name, QStringList(c.arguments) << "--fit");
        const QRect ink = InkBounds(image);
        ASSERT_TRUE(ink.isValid()) << c.name;
        EXPECT_NEAR(ink.left(), c.margin, 1) << c.name;
        EXPECT_NEAR(ink.top(), c.margin, 1) << c.name;
        EXPECT_NEAR(image.width() - 1 - ink.right(), c.margin, 1) << c.name;
        EXPECT_NEAR(image.height() - 1 - ink.bottom(), c.margin, 1) << c.name;
    }
}
