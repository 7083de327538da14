#include "app/inchtext.h"

#include <gtest/gtest.h>

namespace {
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(InchText, RoundsTwiceWithTiesToEven)
{
    EXPECT_EQ(InchText(960, kEnglish), "10.00");
    EXPECT_EQ(InchText(144, kEnglish), "1.50");
    EXPECT_EQ(InchText(108, kEnglish), "1.12"); // 1.1250 -> tie, down to even
    EXPECT_EQ(InchText(132, kEnglish), "1.38"); // 1.3750 -> tie, up to even
    EXPECT_EQ(InchText(100, kEnglish), "1.04"); // 1.0417
    EXPECT_EQ(InchText(289, kEnglish), "3.01"); // 3.0104
    EXPECT_EQ(InchText(47, kEnglish), "0.49");  // 0.4896
    EXPECT_EQ(InchText(96, kEnglish), "1.00");
    EXPECT_EQ(InchText(0, kEnglish), "0.00");
}

TEST(InchText, UsesTheLocalesDecimalSeparator)
{
    EXPECT_EQ(InchText(108, QLocale(QLocale::German, QLocale::Germany)), "1,12");
    EXPECT_EQ(InchText(960, QLocale(QLocale::French, QLocale::France)), "10,00");
}

TEST(InchText, HalfEvenDivisionHandlesTiesAndSigns)
{
    EXPECT_EQ(DivideRoundHalfEven(5, 2), 2);
    EXPECT_EQ(DivideRoundHalfEven(7, 2), 4);
    EXPECT_EQ(DivideRoundHalfEven(11250, 100), 112);
    EXPECT_EQ(DivideRoundHalfEven(13750, 100), 138);
    EXPECT_EQ(DivideRoundHalfEven(1080000, 96), 11250);
    EXPECT_EQ(DivideRoundHalfEven(-5, 2), -2);
    EXPECT_EQ(DivideRoundHalfEven(-7, 2), -4);
}
} // namespace
