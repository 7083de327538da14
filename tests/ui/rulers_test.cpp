#include "ui/rulers.h"

#include <gtest/gtest.h>

namespace {
const QRgb kInk = qRgb(0, 0, 0);

int InkInColumn(const QImage &image, int x, int fromY, int toY)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y)
        count += image.pixel(x, y) == kInk;
    return count;
}

int InkInRow(const QImage &image, int y, int fromX, int toX)
{
    int count = 0;
    for (int x = fromX; x <= toX; ++x)
        count += image.pixel(x, y) == kInk;
    return count;
}

int InkIn(const QImage &image, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        count += InkInRow(image, y, area.left(), area.right());
    return count;
}

TEST(Rulers, TicksFallOnTenthsOfAnInchAtNinetySixPixels)
{
    EXPECT_EQ(RulerTickOffset(0), 0);
    EXPECT_EQ(RulerTickOffset(1), 10);  // 9.6
    EXPECT_EQ(RulerTickOffset(2), 19);  // 19.2
    EXPECT_EQ(RulerTickOffset(3), 29);  // 28.8
    EXPECT_EQ(RulerTickOffset(5), 48);
    EXPECT_EQ(RulerTickOffset(10), 96);
    EXPECT_EQ(RulerTickOffset(95), 912);
    EXPECT_EQ(RulerTickLength(10, 22), 22);
    EXPECT_EQ(RulerTickLength(5, 22), 11);
    EXPECT_EQ(RulerTickLength(3, 22), 5);
}

TEST(Rulers, HorizontalRulerRisesFromItsBottomEdge)
{
    const QImage ruler = DrawRuler(TRulerOrientation::Horizontal, QSize(960, 22));
    ASSERT_EQ(ruler.size(), QSize(960, 22));
    for (int inch = 1; inch <= 9; ++inch)
        EXPECT_EQ(InkInColumn(ruler, inch * 96, 0, 21), 22) << "inch " << inch;
    // Half inch: the lower half only.
    EXPECT_EQ(InkInColumn(ruler, 48, 11, 21), 11);
    EXPECT_EQ(InkInColumn(ruler, 48, 0, 10), 0);
    // Tenth: the lowest quarter only.
    EXPECT_EQ(InkInColumn(ruler, 10, 17, 21), 5);
    EXPECT_EQ(InkInColumn(ruler, 10, 0, 16), 0);
    // Between ticks nothing.
    EXPECT_EQ(InkInColumn(ruler, 5, 0, 21), 0);
    EXPECT_EQ(InkInColumn(ruler, 53, 0, 21), 0);
}

TEST(Rulers, InchNumbersSitBesideTheirLinesOnly)
{
    const QImage ruler = DrawRuler(TRulerOrientation::Horizontal, QSize(960, 22));
    for (int inch = 1; inch <= 9; ++inch)
        EXPECT_GT(InkIn(ruler, QRect(inch * 96 + 1, 0, 8, 11)), 0) << "inch " << inch;
    EXPECT_EQ(InkIn(ruler, QRect(1, 0, 8, 11)), 0) << "no number at the zero mark";
}

TEST(Rulers, VerticalRulerReachesInFromItsRightEdge)
{
    const QImage ruler = DrawRuler(TRulerOrientation::Vertical, QSize(25, 289));
    EXPECT_EQ(InkInRow(ruler, 96, 0, 24), 25);
    EXPECT_EQ(InkInRow(ruler, 192, 0, 24), 25);
    EXPECT_EQ(InkInRow(ruler, 48, 13, 24), 12);
    EXPECT_EQ(InkInRow(ruler, 48, 0, 12), 0);
    EXPECT_EQ(InkInRow(ruler, 10, 19, 24), 6);
    EXPECT_EQ(InkInRow(ruler, 10, 0, 18), 0);
    EXPECT_GT(InkIn(ruler, QRect(0, 97, 12, 12)), 0) << "number 1";
    EXPECT_GT(InkIn(ruler, QRect(0, 193, 12, 12)), 0) << "number 2";
}
} // namespace
