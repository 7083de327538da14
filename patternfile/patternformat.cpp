#include "patternfile/patternformat.h"

#include <limits>

namespace PatternFormat {
namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kEndOfFileMark = 26;
constexpr char kNul = '\0';
constexpr unsigned char kLastBlank = 32;
constexpr std::int64_t kLargestMagnitude = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= kLastBlank; }

// Byte-by-byte view of a source that treats Ctrl+Z as the end of the input.
class Cursor {
public:
    explicit Cursor(ByteSource &source) : m_source(source) {}

    bool AtEnd()
    {
        if (m_ended)
            return true;
        while (m_pos == m_chunk.size()) {
            m_chunk = m_source.NextChunk();
            m_pos = 0;
            if (m_chunk.empty()) {
                m_ended = true;
                return true;
            }
        }
        if (m_chunk[m_pos] == kEndOfFileMark)
            m_ended = true;
        return m_ended;
    }

    // Only valid when !AtEnd().
    char Peek() const { return m_chunk[m_pos]; }
    void Advance() { ++m_pos; }

private:
    ByteSource &m_source;
    std::string_view m_chunk;
    std::size_t m_pos = 0;
    bool m_ended = false;
};

void SkipBlanks(Cursor &in)
{
    while (!in.AtEnd() && IsBlank(in.Peek()))
        in.Advance();
}

std::string ReadToken(Cursor &in)
{
    std::string token;
    while (token.size() < kMaxTokenLength && !in.AtEnd() && !IsBlank(in.Peek())) {
        token.push_back(in.Peek());
        in.Advance();
    }
    return token;
}

void SkipRestOfLine(Cursor &in)
{
    while (!in.AtEnd()) {
        const char c = in.Peek();
        in.Advance();
        if (c == kLineFeed)
            return;
    }
}

// Lines 12 and 13. A CR counts only as part of CR LF: a lone CR is dropped.
// So is a NUL byte, which no text box can hold and which would cut the font
// name short wherever it is handed on as a C string. Line 13 is the last
// thing read, so once it is full the rest of the file is never looked at.
enum class LineKind { MoreFollow, Last };

std::string ReadTextLine(Cursor &in, LineKind kind)
{
    std::string line;
    while (!in.AtEnd()) {
        const char c = in.Peek();
        in.Advance();
        if (c == kLineFeed)
            break;
        if (c == kCarriageReturn || c == kNul)
            continue;
        if (line.size() < kMaxTextLineBytes)
            line.push_back(c);
        else if (kind == LineKind::Last)
            break;
    }
    return line;
}

// A line cut at kMaxTextLineBytes may end inside a UTF-8 sequence; drop
// that partial sequence so a UTF-8 line stays valid UTF-8.
void TrimPartialUtf8Sequence(std::string &line)
{
    if (line.size() < kMaxTextLineBytes)
        return;
    std::size_t continuationBytes = 0;
    std::size_t pos = line.size();
    while (pos > 0 && continuationBytes < 3 && (static_cast<unsigned char>(line[pos - 1]) & 0xC0) == 0x80) {
        --pos;
        ++continuationBytes;
    }
    if (pos == 0)
        return;
    const auto lead = static_cast<unsigned char>(line[pos - 1]);
    std::size_t expected = 0;
    if ((lead & 0xE0) == 0xC0)
        expected = 1;
    else if ((lead & 0xF0) == 0xE0)
        expected = 2;
    else if ((lead & 0xF8) == 0xF0)
        expected = 3;
    if (expected > continuationBytes)
        line.resize(pos - 1);
}

int DigitValue(char c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

int BaseAfterPrefix(std::string_view &digits)
{
    constexpr int kDecimal = 10;
    constexpr int kHexadecimal = 16;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        return kHexadecimal;
    }
    if (digits.starts_with('$') || digits.starts_with('x') || digits.starts_with('X')) {
        digits.remove_prefix(1);
        return kHexadecimal;
    }
    return kDecimal;
}

void WriteTextLine(std::string &out, std::string_view line)
{
    for (const char c : line) {
        if (const char16_t kept = StoredTextCharacter(static_cast<unsigned char>(c)); kept != 0)
            out.push_back(static_cast<char>(kept));
    }
    out += "\r\n";
}

} // namespace

std::string_view BufferSource::NextChunk()
{
    if (m_given)
        return {};
    m_given = true;
    return m_bytes;
}

bool ParseIntegerToken(std::string_view token, std::int32_t &value)
{
    bool negative = false;
    if (token.starts_with('-') || token.starts_with('+')) {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    const int base = BaseAfterPrefix(token);
    if (token.empty())
        return false;
    std::int64_t magnitude = 0;
    for (const char c : token) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > kLargestMagnitude)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

ReadResult Read(ByteSource &source)
{
    ReadResult result;
    Cursor in(source);
    for (int line = 0; line < kNumberLineCount; ++line) {
        SkipBlanks(in);
        if (in.AtEnd()) {
            // The remaining numbers stay 0; a file with none at all is no pattern.
            if (line == 0)
                result.status = ReadStatus::NoValues;
            break;
        }
        if (!ParseIntegerToken(ReadToken(in), result.record.numbers[line])) {
            result.status = ReadStatus::InvalidNumericInput;
            return result;
        }
        SkipRestOfLine(in);
    }
    if (result.status != ReadStatus::Ok)
        return result;
    result.record.fontName = ReadTextLine(in, LineKind::MoreFollow);
    TrimPartialUtf8Sequence(result.record.fontName);
    result.record.text = ReadTextLine(in, LineKind::Last);
    TrimPartialUtf8Sequence(result.record.text);
    return result;
}

ReadResult Read(std::string_view bytes)
{
    BufferSource source(bytes);
    return Read(source);
}

std::string Write(const Record &record)
{
    std::string out;
    for (const std::int32_t number : record.numbers) {
        out += std::to_string(number);
        out += "\r\n";
    }
    WriteTextLine(out, record.fontName);
    WriteTextLine(out, record.text);
    return out;
}

} // namespace PatternFormat
