// The cut lines' worst case: a 960 x 289 blank with three lines of bold
// 200-point letters pulled far together, welded to the base bar.
#include "cutlines/bridges.h"
#include "cutlines/cutlines.h"
#include "cutlines/cutlinespage.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/fragile.h"
#include "cutlines/svgwriter.h"
#include "render/patternview.h"
#include "render/shapecontrol.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

constexpr int BlankWidth = 960;
constexpr int BlankHeight = 289;
constexpr int FontPoints = 200;
constexpr int Kern = -100;

void SetUpWorstCase(TShapeControl &view)
{
    view.setShape(stRoundRect);
    view.Shadow()->setStyle(hssNone);
    view.Bevel()->setWidth(1);
    view.setRoundPercent(0);
    view.setWidth(BlankWidth);
    view.setHeight(BlankHeight);
    TCaption &caption = *view.Caption();
    caption.setCaption(QStringLiteral("Oak\nAsh\nElm"));
    caption.Font()->setName(QStringLiteral("Fretcard Gothic"));
    caption.Font()->setStyle(fsBold);
    caption.Font()->setSize(FontPoints);
    caption.FontFX()->setStyle(tdNone);
    caption.FontFX()->setLightDepth(0);
    caption.FontFX()->setShadowDepth(0);
    caption.FontFX()->setTracing(Kern);
    caption.setMultiLine(true);
    caption.setAlignment(agCenter);
}

void BM_BuildCutLines(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    size_t contours = 0;
    for (auto _ : state) {
        const TCutLines lines = BuildCutLines(PatternShapes(view, true));
        contours = lines.letters.size();
        benchmark::DoNotOptimize(lines.letters.data());
    }
    state.counters["contours"] = double(contours);
}
BENCHMARK(BM_BuildCutLines)->Unit(benchmark::kMillisecond);

// What the overlay adds on top of the cut lines with both checks on: the
// bridges, then the fragile spots of the bridged pattern.
void BM_BridgesAndFragileSpots(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    const TCutLines lines = BuildCutLines(PatternShapes(view, true));
    int spots = 0;
    size_t contours = 0;
    for (auto _ : state) {
        const TCutLines bridged = WithStencilBridges(lines, DefaultBridgeWidthPixels);
        const TFragileSpots fragile = FindFragileSpots(bridged, DefaultLeastWidthPixels);
        spots = fragile.count;
        contours = bridged.letters.size();
        benchmark::DoNotOptimize(fragile.contours.data());
    }
    state.counters["contours"] = double(contours);
    state.counters["spots"] = double(spots);
}
BENCHMARK(BM_BridgesAndFragileSpots)->Unit(benchmark::kMillisecond);

// An export as the commands run it, short of the disk: the cut lines built
// from the view, then written.
template <bool (*Write)(const TCutLines &, QIODevice *)>
void BM_Export(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!Write(BuildCutLines(PatternShapes(view, true)), &buffer))
            state.SkipWithError("the writer failed");
        bytes = buffer.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK_TEMPLATE(BM_Export, WriteCutLinesSvg)->Name("BM_ExportSvg")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Export, WriteCutLinesDxf)->Name("BM_ExportDxf")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Export, WriteCutLinesPdf)->Name("BM_ExportPdf")->Unit(benchmark::kMillisecond);

} // namespace
