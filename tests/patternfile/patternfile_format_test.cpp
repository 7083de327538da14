// The byte-level reader and writer of pattern files.
#include "patternfile/patternformat.h"

#include <gtest/gtest.h>

#include <string>

using PatternFormat::Read;
using PatternFormat::ReadStatus;
using PatternFormat::Record;

namespace {

std::string Crlf(std::initializer_list<const char *> lines)
{
    std::string out;
    for (const char *line : lines)
        out += std::string(line) + "\r\n";
    return out;
}

const std::string kInitialFile = Crlf({"80", "960", "144", "0", "0", "0", "0", "0", "1", "1", "0",
                                       "Fretcard Gothic", "Scroll Saw"});

std::int32_t FirstNumber(const std::string &bytes)
{
    const auto result = Read(bytes);
    EXPECT_EQ(result.status, ReadStatus::Ok) << bytes;
    return result.record.numbers[0];
}

ReadStatus FirstNumberStatus(const std::string &token)
{
    return Read(token + "\r\n").status;
}

// Hands out the same piece for ever and counts how often it was asked.
class EndlessSource : public PatternFormat::ByteSource {
public:
    explicit EndlessSource(std::string piece) : m_piece(std::move(piece)) {}
    std::string_view NextChunk() override
    {
        ++chunksRead;
        return m_piece;
    }
    int chunksRead = 0;

private:
    std::string m_piece;
};

} // namespace

TEST(PatternFormatRead, InitialFileGivesAllThirteenValues)
{
    const auto result = Read(kInitialFile);
    ASSERT_EQ(result.status, ReadStatus::Ok);
    const std::array<std::int32_t, 11> expected = {80, 960, 144, 0, 0, 0, 0, 0, 1, 1, 0};
    EXPECT_EQ(result.record.numbers, expected);
    EXPECT_EQ(result.record.fontName, "Fretcard Gothic");
    EXPECT_EQ(result.record.text, "Scroll Saw");
}

TEST(PatternFormatRead, ValuesComeBackRawForTheBarsToClamp)
{
    const auto result = Read(Crlf({"5", "2000", "-7", "99999999", "-2147483648", "2147483647", "101",
                                   "2", "-1", "0", "1", "F", "T"}));
    ASSERT_EQ(result.status, ReadStatus::Ok);
    const std::array<std::int32_t, 11> expected = {5, 2000, -7, 99999999, INT32_MIN, INT32_MAX, 101,
                                                   2, -1, 0, 1};
    EXPECT_EQ(result.record.numbers, expected);
}

TEST(PatternFormatRead, ShortFileGivesZeroesAndEmptyTexts)
{
    const auto result = Read(Crlf({"80", "960", "144"}));
    ASSERT_EQ(result.status, ReadStatus::Ok);
    const std::array<std::int32_t, 11> expected = {80, 960, 144, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(result.record.numbers, expected);
    EXPECT_EQ(result.record.fontName, "");
    EXPECT_EQ(result.record.text, "");

    const auto twelve = Read(kInitialFile.substr(0, kInitialFile.find("Scroll Saw")));
    EXPECT_EQ(twelve.record.fontName, "Fretcard Gothic");
    EXPECT_EQ(twelve.record.text, "");
}

TEST(PatternFormatRead, FileWithoutAnyValueIsNoPattern)
{
    EXPECT_EQ(Read("").status, ReadStatus::NoValues);
    EXPECT_EQ(Read("\r\n\r\n \t\r\n\n\n").status, ReadStatus::NoValues);
    EXPECT_EQ(Read("\x1A" "80\r\n").status, ReadStatus::NoValues);
}

TEST(PatternFormatRead, BlanksBeforeAndCharactersAfterANumberAreSkipped)
{
    const auto result = Read("\r\n\r\n  \t80 points\r\n\n\n960 wide\r\n 144\t\tx\r\n" + Crlf({"1", "2", "3", "4", "0", "1", "1", "0", "Face", "Text"}));
    ASSERT_EQ(result.status, ReadStatus::Ok);
    const std::array<std::int32_t, 11> expected = {80, 960, 144, 1, 2, 3, 4, 0, 1, 1, 0};
    EXPECT_EQ(result.record.numbers, expected);
    EXPECT_EQ(result.record.fontName, "Face");
}

TEST(PatternFormatRead, NumberFormsAccepted)
{
    EXPECT_EQ(FirstNumber("$10"), 16);
    EXPECT_EQ(FirstNumber("0x10"), 16);
    EXPECT_EQ(FirstNumber("0X10"), 16);
    EXPECT_EQ(FirstNumber("x10"), 16);
    EXPECT_EQ(FirstNumber("X1f"), 31);
    EXPECT_EQ(FirstNumber("$Ff"), 255);
    EXPECT_EQ(FirstNumber("-$10"), -16);
    EXPECT_EQ(FirstNumber("+0x10"), 16);
    EXPECT_EQ(FirstNumber("+42"), 42);
    EXPECT_EQ(FirstNumber("-20"), -20);
    EXPECT_EQ(FirstNumber("007"), 7);
    EXPECT_EQ(FirstNumber("0"), 0);
    EXPECT_EQ(FirstNumber("$7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(FirstNumber("-$80000000"), INT32_MIN);
}

TEST(PatternFormatRead, TokensThatAreNotIntegersAreRejected)
{
    for (const char *token : {"abc", "12abc", "-", "+", "$", "0x", "x", "1.5", "--1", "$-1", "0x-1",
                              "$G", "1e3", "\xC3\xA9", "2147483648", "-2147483649", "$80000000",
                              "0x100000000"}) {
        EXPECT_EQ(FirstNumberStatus(token), ReadStatus::InvalidNumericInput) << token;
    }
}

TEST(PatternFormatRead, LongTokensAreCutAt32CharactersAndDoNotOverflow)
{
    EXPECT_EQ(FirstNumberStatus(std::string(40, '9')), ReadStatus::InvalidNumericInput);
    EXPECT_EQ(FirstNumberStatus("$" + std::string(39, 'F')), ReadStatus::InvalidNumericInput);

    // The 33rd character onwards is no longer part of the token: it goes
    // with the rest of the line.
    const auto result = Read(std::string(31, '0') + "5" + "999999\r\n960\r\n");
    ASSERT_EQ(result.status, ReadStatus::Ok);
    EXPECT_EQ(result.record.numbers[0], 5);
    EXPECT_EQ(result.record.numbers[1], 960);

    const auto zeros = Read(std::string(40, '0') + "\r\n960\r\n");
    EXPECT_EQ(zeros.record.numbers[0], 0);
    EXPECT_EQ(zeros.record.numbers[1], 960);
}

TEST(PatternFormatRead, BadTokenOnLaterLineStopsTheRead)
{
    EXPECT_EQ(Read(Crlf({"80", "960", "abc", "0"})).status, ReadStatus::InvalidNumericInput);
    // A number glued to other characters is one token, and not a number.
    EXPECT_EQ(Read(Crlf({"80", "960,wide"})).status, ReadStatus::InvalidNumericInput);
}

TEST(PatternFormatRead, LineEnds)
{
    // LF alone ends a line just as CR LF does.
    const auto lf = Read("80\n960\n144\n0\n0\n0\n0\n0\n1\n1\n0\nFace\nText\n");
    ASSERT_EQ(lf.status, ReadStatus::Ok);
    EXPECT_EQ(lf.record.numbers[2], 144);
    EXPECT_EQ(lf.record.fontName, "Face");
    EXPECT_EQ(lf.record.text, "Text");

    // A lone CR is no line end: on a number line it is a blank, so the
    // rest of the line, "960", is skipped.
    const auto cr = Read("80\r960\r\n144\r\n");
    EXPECT_EQ(cr.record.numbers[0], 80);
    EXPECT_EQ(cr.record.numbers[1], 144);

    // ... and in a text line it is dropped.
    const std::string numbers = Crlf({"1", "2", "3", "4", "5", "6", "7", "0", "0", "0", "0"});
    const auto text = Read(numbers + "Fa\rce\r\r\nScroll\rSaw\r\n");
    EXPECT_EQ(text.record.fontName, "Face");
    EXPECT_EQ(text.record.text, "ScrollSaw");

    // A file cut between the CR and the LF of its last line.
    const auto cut = Read(numbers + "Face\r\nScroll Saw\r");
    EXPECT_EQ(cut.record.text, "Scroll Saw");
}

TEST(PatternFormatRead, CtrlZEndsTheFile)
{
    const auto numbers = Read("80\r\n960\x1A\r\n144\r\n");
    ASSERT_EQ(numbers.status, ReadStatus::Ok);
    EXPECT_EQ(numbers.record.numbers[1], 960);
    EXPECT_EQ(numbers.record.numbers[2], 0);

    const auto text = Read(Crlf({"1", "2", "3", "4", "5", "6", "7", "0", "0", "0", "0", "Face"}) + "Scroll\x1ASaw\r\n");
    EXPECT_EQ(text.record.text, "Scroll");
}

TEST(PatternFormatRead, NulBytesAreBlanksInNumbersAndDroppedFromText)
{
    const auto result = Read(std::string("\0" "80\0" "5\r\n", 7) + Crlf({"2", "3", "4", "5", "6", "7", "0", "0", "0", "0"}) +
                             std::string("Fa\0ce\r\nScroll\0\0 Saw\r\n", 22));
    ASSERT_EQ(result.status, ReadStatus::Ok);
    EXPECT_EQ(result.record.numbers[0], 80);
    EXPECT_EQ(result.record.fontName, "Face");
    EXPECT_EQ(result.record.text, "Scroll Saw");
}

TEST(PatternFormatRead, BinaryGarbageIsRejected)
{
    const std::string elf("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20);
    EXPECT_EQ(Read(elf).status, ReadStatus::InvalidNumericInput);
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    EXPECT_EQ(Read(png).status, ReadStatus::InvalidNumericInput);
}

TEST(PatternFormatRead, HugeTextLinesAreCutAtTheTextBoxCapacity)
{
    const std::string numbers = Crlf({"1", "2", "3", "4", "5", "6", "7", "0", "0", "0", "0"});
    const std::string huge(8 * 1024 * 1024, 'W');
    const auto result = Read(numbers + huge + "\r\nText after a huge face\r\n");
    ASSERT_EQ(result.status, ReadStatus::Ok);
    EXPECT_EQ(result.record.fontName.size(), PatternFormat::kMaxTextLineBytes);
    EXPECT_EQ(result.record.text, "Text after a huge face");
}

TEST(PatternFormatRead, EndlessLastLineStopsReadingOnceFull)
{
    EndlessSource source(std::string(4096, 'x'));
    const auto result = Read(source);
    // An endless first line: its token is cut at 32 characters and refused.
    EXPECT_EQ(result.status, ReadStatus::InvalidNumericInput);

    struct NumbersThenEndless : PatternFormat::ByteSource {
        std::string numbers = Crlf({"1", "2", "3", "4", "5", "6", "7", "0", "0", "0", "0", "Face"});
        std::string piece = std::string(4096, 'x');
        bool numbersGiven = false;
        int pieces = 0;
        std::string_view NextChunk() override
        {
            if (!numbersGiven) {
                numbersGiven = true;
                return numbers;
            }
            ++pieces;
            return piece;
        }
    } endlessText;
    const auto text = Read(endlessText);
    ASSERT_EQ(text.status, ReadStatus::Ok);
    EXPECT_EQ(text.record.text.size(), PatternFormat::kMaxTextLineBytes);
    EXPECT_LE(endlessText.pieces, static_cast<int>(PatternFormat::kMaxTextLineBytes / 4096 + 2));
}

TEST(PatternFormatRead, CutNeverSplitsAUtf8Sequence)
{
    const std::string numbers = Crlf({"1", "2", "3", "4", "5", "6", "7", "0", "0", "0", "0", "Face"});
    const std::string line = std::string(PatternFormat::kMaxTextLineBytes - 1, 'a') + "\xE2\x82\xAC" "tail";
    const auto result = Read(numbers + line + "\r\n");
    EXPECT_EQ(result.record.text, std::string(PatternFormat::kMaxTextLineBytes - 1, 'a'));

    const std::string fits = std::string(PatternFormat::kMaxTextLineBytes - 3, 'a') + "\xE2\x82\xAC" "tail";
    EXPECT_EQ(Read(numbers + fits + "\r\n").record.text, fits.substr(0, PatternFormat::kMaxTextLineBytes));
}

TEST(PatternFormatWrite, ThirteenLinesWithCrLf)
{
    Record record;
    record.numbers = {80, 960, 144, 0, 0, 0, 0, 0, 1, 1, 0};
    record.fontName = "Fretcard Gothic";
    record.text = "Scroll Saw";
    EXPECT_EQ(PatternFormat::Write(record), kInitialFile);

    record.numbers = {10, 96, 47, 300, 500, -100, 100, 1, 0, 0, 1};
    record.fontName = "";
    record.text = "";
    EXPECT_EQ(PatternFormat::Write(record),
              Crlf({"10", "96", "47", "300", "500", "-100", "100", "1", "0", "0", "1", "", ""}));
}

TEST(PatternFormatWrite, TextThatWouldBreakTheFileIsMadeSafe)
{
    Record record;
    record.fontName = std::string("Fa\nce\0X", 7);
    record.text = "one\r\ntwo\x1Athree";
    const std::string bytes = PatternFormat::Write(record);
    EXPECT_TRUE(bytes.ends_with("\r\nFa ceX\r\none  two three\r\n")) << bytes;
    const auto back = Read(bytes);
    EXPECT_EQ(back.record.fontName, "Fa ceX");
    EXPECT_EQ(back.record.text, "one  two three");
}

TEST(PatternFormatWrite, RoundTripKeepsEveryValue)
{
    Record record;
    record.numbers = {INT32_MIN, INT32_MAX, -1, 0, 1, -100, 100, 2, -5, 1, 0};
    record.fontName = "  Leading and trailing blanks  ";
    record.text = "\t\xE9t\xE9 \xE2\x82\xAC";
    const auto back = Read(PatternFormat::Write(record));
    ASSERT_EQ(back.status, ReadStatus::Ok);
    EXPECT_EQ(back.record, record);
}
