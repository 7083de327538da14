// Lengths as people type them, and inches as the program writes them.
#include "core/units.h"

#include <gtest/gtest.h>

namespace {
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

double Pixels(const QByteArray &typed, TBareNumber bare = TBareNumber::Refused)
{
    return ReadLength(QString::fromUtf8(typed), bare).value_or(-999);
}

TEST(ReadLength, EveryNotationAWoodworkerTypes)
{
    for (const char *typed : {"1.5in", "1.5 in", "1.5\"", "1 1/2in", "3/2in", " 1 1/2 IN ", "1.5In"})
        EXPECT_DOUBLE_EQ(Pixels(typed), 144.0) << typed;
    EXPECT_DOUBLE_EQ(Pixels("38mm"), 38 / 25.4 * 96);
    EXPECT_DOUBLE_EQ(Pixels("2cm"), 2 / 2.54 * 96);
    EXPECT_DOUBLE_EQ(Pixels("1/16in"), 6.0);
    EXPECT_DOUBLE_EQ(Pixels(".25in"), 24.0);
    EXPECT_DOUBLE_EQ(Pixels("-1/16in"), -6.0) << "read, so that it can be refused for being negative";
    for (const char *bad : {"1.5", "38", "in", "1.5 inch", "1,5in", "1/0in", "1 1/0in", "1.5/2in", "1 1.5in",
                            "1e3in", "--1in", "1.5in in", ""})
        EXPECT_FALSE(ReadLength(QString::fromUtf8(bad), TBareNumber::Refused).has_value()) << bad;
}

TEST(ReadLength, ABareNumberIsWhatTheCallerSays)
{
    EXPECT_DOUBLE_EQ(Pixels("6", TBareNumber::WholePixels), 6.0);
    EXPECT_DOUBLE_EQ(Pixels("2mm", TBareNumber::WholePixels), 2 / 25.4 * 96);
    for (const char *bad : {"6.5", "6.", "1/2", "1 1/2"})
        EXPECT_FALSE(ReadLength(bad, TBareNumber::WholePixels).has_value()) << bad << ": pixels are whole";

    EXPECT_DOUBLE_EQ(Pixels("0.0625", TBareNumber::Inches), 6.0);
    EXPECT_DOUBLE_EQ(Pixels("1/16", TBareNumber::Inches), 6.0);
    EXPECT_DOUBLE_EQ(Pixels("1.6mm", TBareNumber::Inches), 1.6 / 25.4 * 96);
    EXPECT_DOUBLE_EQ(ReadLength("0,0625", TBareNumber::Inches, kGerman).value_or(0), 6.0);
    EXPECT_DOUBLE_EQ(ReadLength("0.0625", TBareNumber::Inches, kGerman).value_or(0), 6.0);
    EXPECT_FALSE(ReadLength("0,0625", TBareNumber::Inches).has_value()) << "a comma only where it is the separator";
}

TEST(ReadLength, APairTakesTheHeightsUnitForABareWidth)
{
    const auto pair = [](const char *typed) {
        return ReadLengthPair(typed, TBareNumber::WholePixels).value_or(std::make_pair(-1.0, -1.0));
    };
    EXPECT_EQ(pair("30x4in"), std::make_pair(2880.0, 384.0));
    EXPECT_EQ(pair("30inx4in"), std::make_pair(2880.0, 384.0));
    EXPECT_EQ(pair("960x144"), std::make_pair(960.0, 144.0));
    EXPECT_EQ(pair("10inx50mm"), std::make_pair(960.0, 50 / 25.4 * 96));
    EXPECT_DOUBLE_EQ(pair("3.8cmx2cm").first, 3.8 / 2.54 * 96);
    EXPECT_EQ(pair("1 1/2 x 1/2in"), std::make_pair(144.0, 48.0));
    for (const char *bad : {"30inx4", "960", "960x", "x144", "9.5x144", "30inx4ft", "30in*4in"})
        EXPECT_FALSE(ReadLengthPair(bad, TBareNumber::WholePixels).has_value()) << bad;
}

TEST(InchesText, RoundsTiesToEvenWithTheLocalesSeparator)
{
    const auto text = [](double pixels, const QLocale &locale = kEnglish) {
        return InchesText(pixels, 2, TDecimals::Fixed, locale);
    };
    EXPECT_EQ(text(960), "10.00");
    EXPECT_EQ(text(144), "1.50");
    EXPECT_EQ(text(108), "1.12"); // 1.125 -> tie, down to even
    EXPECT_EQ(text(132), "1.38"); // 1.375 -> tie, up to even
    EXPECT_EQ(text(100), "1.04"); // 1.0417
    EXPECT_EQ(text(289), "3.01"); // 3.0104
    EXPECT_EQ(text(47), "0.49");  // 0.4896
    EXPECT_EQ(text(0), "0.00");
    EXPECT_EQ(text(-108), "-1.12");
    EXPECT_EQ(text(96 / 25.4), "0.04");
    EXPECT_EQ(text(108, kGerman), "1,12");
    EXPECT_EQ(text(960, QLocale(QLocale::French, QLocale::France)), "10,00");

    EXPECT_EQ(InchesText(6, 6, TDecimals::Trimmed), "0.0625");
    EXPECT_EQ(InchesText(96, 6, TDecimals::Trimmed), "1");
    const double twoMillimetres = 2 / 25.4 * 96;
    EXPECT_NEAR(Pixels(InchesText(twoMillimetres, 6, TDecimals::Trimmed).toUtf8(), TBareNumber::Inches),
                twoMillimetres, 1e-4) << "what the width dialogs show reads back";
}
} // namespace
