// libFuzzer target for the pattern file reader.
//
// Beyond "no crash", every input checks what Open and Save As promise each
// other: whatever a file reads as, writing those values and reading them
// back gives the same values, and text lines decode and re-encode without
// change.
#include "patternfile/patternformat.h"
#include "patternfile/textcodec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckTextLine(const std::string &bytes)
{
    Require(bytes.size() <= PatternFormat::kMaxTextLineBytes);
    const std::u16string text = TextCodec::DecodeLine(bytes);
    const std::string encoded = TextCodec::EncodeLine(text);
    Require(TextCodec::DecodeLine(encoded) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const PatternFormat::ReadResult result = PatternFormat::Read(bytes);
    if (result.status != PatternFormat::ReadStatus::Ok)
        return 0;

    CheckTextLine(result.record.fontName);
    CheckTextLine(result.record.text);

    const PatternFormat::ReadResult again = PatternFormat::Read(PatternFormat::Write(result.record));
    Require(again.status == PatternFormat::ReadStatus::Ok);
    Require(again.record == result.record);
    return 0;
}
