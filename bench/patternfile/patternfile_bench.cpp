// Opening a pattern file must feel instant, and a damaged file with a huge
// line must not freeze the window: reading is linear and bounded in memory.
#include "patternfile/patternformat.h"
#include "patternfile/textcodec.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string kNumbers = "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\n";
const std::string kInitialFile = kNumbers + "Fretcard Gothic\r\nScroll Saw\r\n";
constexpr std::size_t kHugeLineBytes = 50 * 1024 * 1024;

void BM_ReadInitialFile(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PatternFormat::Read(kInitialFile));
}
BENCHMARK(BM_ReadInitialFile);

void BM_WriteInitialFile(benchmark::State &state)
{
    const PatternFormat::Record record = PatternFormat::Read(kInitialFile).record;
    for (auto _ : state)
        benchmark::DoNotOptimize(PatternFormat::Write(record));
}
BENCHMARK(BM_WriteInitialFile);

// Line 12 must be read to its end to find line 13: the whole 50 MB pass.
void BM_ReadFiftyMegabyteFaceLine(benchmark::State &state)
{
    const std::string file = kNumbers + std::string(kHugeLineBytes, 'F') + "\r\nScroll Saw\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(PatternFormat::Read(file));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_ReadFiftyMegabyteFaceLine)->Unit(benchmark::kMillisecond);

// Line 13 is the last one: reading stops once the text box would be full.
void BM_ReadFiftyMegabyteTextLine(benchmark::State &state)
{
    const std::string file = kNumbers + "Face\r\n" + std::string(kHugeLineBytes, 'T') + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(PatternFormat::Read(file));
}
BENCHMARK(BM_ReadFiftyMegabyteTextLine)->Unit(benchmark::kMicrosecond);

void BM_EncodeAndDecodeFullTextBox(benchmark::State &state)
{
    const std::u16string text(PatternFormat::kMaxTextCharacters, u'\u00E9');
    for (auto _ : state)
        benchmark::DoNotOptimize(TextCodec::DecodeLine(TextCodec::EncodeLine(text)));
}
BENCHMARK(BM_EncodeAndDecodeFullTextBox)->Unit(benchmark::kMicrosecond);

} // namespace
