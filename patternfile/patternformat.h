#pragma once
// The pattern file on the byte level: thirteen lines, eleven integers and
// two text lines, each ending in CR LF. No Qt here, so the fuzzer and the
// tests can drive the reader and the writer directly.
//
// Reading follows the old text-file rules that files written by hand or by
// earlier versions rely on:
//   - lines 1 to 11: skip every byte of code 32 or below (blanks, tabs,
//     empty lines), take the token up to the next such byte, at most
//     kMaxTokenLength bytes, convert it, then skip the rest of that line
//     through its LF. End of file before a token starts gives 0.
//   - lines 12 and 13: the whole next line without its line end; empty at
//     the end of the file.
//   - LF or CR LF ends a line; a CR not followed by LF is dropped from a
//     text line; byte 26 (Ctrl+Z) ends the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace PatternFormat {

constexpr int kNumberLineCount = 11;
constexpr std::size_t kMaxTokenLength = 32;

// The text box holds at most 32767 characters, which is at most four times
// as many UTF-8 bytes; a longer text line is cut there while reading, so a
// huge line costs neither memory nor time once it is past that point.
constexpr std::size_t kMaxTextCharacters = 32767;
constexpr std::size_t kMaxTextLineBytes = 4 * kMaxTextCharacters;

// The file's values as they stand in it: integers not clamped into any
// range, text lines as raw bytes (not yet decoded).
struct Record {
    std::array<std::int32_t, kNumberLineCount> numbers{};
    std::string fontName;
    std::string text;

    friend bool operator==(const Record &, const Record &) = default;
};

enum class ReadStatus {
    Ok,
    // A token on lines 1 to 11 is not an integer in the 32-bit range.
    InvalidNumericInput,
    // The file ends before the first number starts: empty, or nothing but
    // blanks and line ends. Nothing in it is a pattern.
    NoValues,
};

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    Record record;
};

// Where the reader gets its bytes: a whole buffer at once, or a file in
// pieces so that a huge file never has to sit in memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The next piece of input; an empty view means the input has ended.
    virtual std::string_view NextChunk() = 0;
};

class BufferSource final : public ByteSource {
public:
    explicit BufferSource(std::string_view bytes) : m_bytes(bytes) {}
    std::string_view NextChunk() override;

private:
    std::string_view m_bytes;
    bool m_given = false;
};

// A token of lines 1 to 11 as an integer: an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X". Values
// outside the 32-bit signed range are not numbers; nor is anything else.
bool ParseIntegerToken(std::string_view token, std::int32_t &value);

ReadResult Read(ByteSource &source);
ReadResult Read(std::string_view bytes);

// What a text line keeps of a character: CR, LF and Ctrl+Z would end the
// line or the file early and are kept as blanks; NUL (returned as 0) is left
// out. The same for bytes and for the characters of the text before encoding.
constexpr char16_t StoredTextCharacter(char16_t c)
{
    constexpr char16_t kNul = 0, kLineFeed = '\n', kCarriageReturn = '\r', kEndOfFileMark = 26;
    if (c == kLineFeed || c == kCarriageReturn || c == kEndOfFileMark)
        return u' ';
    return c == kNul ? 0 : c;
}

// The thirteen lines, CR LF after each. Integers in shortest decimal with a
// leading "-" for negatives. Bytes that would end a text line or the file
// early (CR, LF, Ctrl+Z) are written as blanks and NUL bytes are left out,
// so what is written always reads back as the same thirteen values.
std::string Write(const Record &record);

} // namespace PatternFormat
