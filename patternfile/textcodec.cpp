#include "patternfile/textcodec.h"

#include <array>
#include <cstdint>
#include <optional>

namespace TextCodec {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char16_t kHighSurrogateFirst = 0xD800;
constexpr char16_t kLowSurrogateFirst = 0xDC00;
constexpr char16_t kSurrogateEnd = 0xE000;

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same number, as Windows itself
// converts them, so every byte has a character and reads back unchanged.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr unsigned char kHighControlFirst = 0x80;
constexpr unsigned char kLatin1UpperFirst = 0xA0;

char16_t Windows1252ToUnicode(unsigned char byte)
{
    if (byte >= kHighControlFirst && byte < kLatin1UpperFirst)
        return kHighControlRange[byte - kHighControlFirst];
    return byte;
}

std::optional<unsigned char> UnicodeToWindows1252(char32_t ch)
{
    if (ch < kHighControlFirst || (ch >= kLatin1UpperFirst && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == ch)
            return static_cast<unsigned char>(kHighControlFirst + i);
    }
    return std::nullopt;
}

// One code point decoded from UTF-8, or nothing when the bytes at `pos`
// do not start a well-formed sequence. Advances `pos` past it.
std::optional<char32_t> NextUtf8CodePoint(std::string_view bytes, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int continuationCount = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuationCount = 1;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuationCount = 2;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuationCount = 3;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - pos <= static_cast<std::size_t>(continuationCount))
        return std::nullopt;
    for (int i = 1; i <= continuationCount; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= kHighSurrogateFirst && value < kSurrogateEnd;
    if (value < smallest || value > kLastCodePoint || surrogate)
        return std::nullopt;
    pos += continuationCount + 1;
    return value;
}

void AppendUtf16(std::u16string &out, char32_t ch)
{
    if (ch < 0x10000) {
        out.push_back(static_cast<char16_t>(ch));
        return;
    }
    ch -= 0x10000;
    out.push_back(static_cast<char16_t>(kHighSurrogateFirst + (ch >> 10)));
    out.push_back(static_cast<char16_t>(kLowSurrogateFirst + (ch & 0x3FF)));
}

void AppendUtf8(std::string &out, char32_t ch)
{
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

bool IsHighSurrogate(char16_t unit) { return unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst; }
bool IsLowSurrogate(char16_t unit) { return unit >= kLowSurrogateFirst && unit < kSurrogateEnd; }

// The code point at `pos` of UTF-16 text; a lone surrogate becomes U+FFFD.
char32_t NextUtf16CodePoint(std::u16string_view text, std::size_t &pos)
{
    const char16_t unit = text[pos++];
    if (IsHighSurrogate(unit) && pos < text.size() && IsLowSurrogate(text[pos])) {
        const char16_t low = text[pos++];
        return 0x10000 + ((char32_t(unit) - kHighSurrogateFirst) << 10) + (low - kLowSurrogateFirst);
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit))
        return kReplacementCharacter;
    return unit;
}

std::optional<std::string> EncodeWindows1252(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto byte = UnicodeToWindows1252(NextUtf16CodePoint(text, pos));
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::string EncodeUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t pos = 0; pos < text.size();)
        AppendUtf8(out, NextUtf16CodePoint(text, pos));
    return out;
}

bool IsAscii(std::string_view bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (!NextUtf8CodePoint(bytes, pos))
            return false;
    }
    return true;
}

std::u16string DecodeLine(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    if (IsValidUtf8(bytes)) {
        for (std::size_t pos = 0; pos < bytes.size();)
            AppendUtf16(out, *NextUtf8CodePoint(bytes, pos));
    } else {
        for (const char c : bytes)
            out.push_back(Windows1252ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string EncodeLine(std::u16string_view text)
{
    if (auto ansi = EncodeWindows1252(text)) {
        if (IsAscii(*ansi) || !IsValidUtf8(*ansi))
            return std::move(*ansi);
    }
    return EncodeUtf8(text);
}

} // namespace TextCodec
