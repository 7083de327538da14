// The character rule of the pattern file's text lines.
#include "patternfile/textcodec.h"

#include <gtest/gtest.h>

using TextCodec::DecodeLine;
using TextCodec::EncodeLine;

TEST(PatternTextEncoding, WindowsCodePageWhereEveryCharacterFits)
{
    EXPECT_EQ(EncodeLine(u"Scroll Saw"), "Scroll Saw");
    EXPECT_EQ(EncodeLine(u"Caf\u00E9 \u00C9t\u00E9"), "Caf\xE9 \xC9t\xE9");
    EXPECT_EQ(EncodeLine(u"\u20AC \u2019 \u0178 \u017D"), "\x80 \x92 \x9F \x8E");
    EXPECT_EQ(EncodeLine(u"\u00FF"), "\xFF");
}

TEST(PatternTextEncoding, Utf8WhenAnyCharacterDoesNotFit)
{
    // One character outside the code page puts the whole line in UTF-8.
    EXPECT_EQ(EncodeLine(u"\u00E9\u65E5\u672C"), "\xC3\xA9\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(EncodeLine(u"\u0080"), "\xC2\x80"); // 0x80 is the euro sign
    EXPECT_EQ(EncodeLine(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeLine(std::u16string(1, char16_t(0xD800)) + u"a"), "\xEF\xBF\xBD" "a");
}

TEST(PatternTextEncoding, CodePageTextThatLooksLikeUtf8IsWrittenAsUtf8)
{
    // "Ã©" is C3 A9 in the code page, which reads as UTF-8 "é".
    const std::u16string text = u"\u00C3\u00A9";
    const std::string bytes = EncodeLine(text);
    EXPECT_EQ(bytes, "\xC3\x83\xC2\xA9");
    EXPECT_EQ(DecodeLine(bytes), text);
}

TEST(PatternTextDecoding, ValidUtf8AsUtf8)
{
    EXPECT_EQ(DecodeLine("Caf\xC3\xA9"), u"Caf\u00E9");
    EXPECT_EQ(DecodeLine("\xE2\x82\xAC"), u"\u20AC");
    EXPECT_EQ(DecodeLine("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(DecodeLine(""), u"");
}

TEST(PatternTextDecoding, AnythingElseAsWindowsCodePage)
{
    EXPECT_EQ(DecodeLine("Caf\xE9"), u"Caf\u00E9");
    EXPECT_EQ(DecodeLine("\x80\x85\x99"), u"\u20AC\u2026\u2122");
    EXPECT_EQ(DecodeLine("\xC0\xAF"), u"\u00C0\u00AF");           // overlong
    EXPECT_EQ(DecodeLine("\xED\xA0\x80"), u"\u00ED\u00A0\u20AC"); // surrogate
    EXPECT_EQ(DecodeLine("\xE2\x82"), u"\u00E2\u201A");           // cut short
    EXPECT_EQ(DecodeLine("\xF4\x90\x80\x80"), u"\u00F4\u0090\u20AC\u20AC"); // above U+10FFFF
    EXPECT_EQ(DecodeLine("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST(PatternTextRoundTrip, EveryByteOfTheCodePageReadsBackAsWritten)
{
    for (int byte = 1; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        const std::u16string text = DecodeLine(original);
        ASSERT_EQ(text.size(), 1u) << byte;
        EXPECT_EQ(EncodeLine(text), original) << byte;
    }
}

TEST(PatternTextRoundTrip, ArbitraryTextReadsBackAsWritten)
{
    for (const std::u16string &text : {std::u16string(u"Fretcard Gothic"), std::u16string(u"\u00C3\u00A9t\u00E9"),
                                      std::u16string(u"na\u00EFve \u2013 \u201Cquoted\u201D"),
                                      std::u16string(u"\u0410\u0411\u0412 \U0001F332"), std::u16string(u"\u00C2\u20AC")}) {
        EXPECT_EQ(DecodeLine(EncodeLine(text)), text);
    }
}
