// The cut lines' worst case: a 960 x 289 blank with three lines of bold
// 200-point letters pulled far together, welded to the base bar.
#include "cutlines/connect.h"
#include "cutlines/cutlines.h"
#include "cutlines/cutlinespage.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/stencil.h"
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

// The cut lines as the overlay and the exports take them with the stencil
// checks off: welded, cleaned for the default kerf, loose pieces found.
void BM_CutLinesWithKerf(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    const TStencilSettings settings;
    size_t contours = 0;
    for (auto _ : state) {
        const TFinishedCutLines finished = FinishCutLines(BuildCutLines(PatternShapes(view, true)), settings);
        contours = finished.lines.letters.size();
        benchmark::DoNotOptimize(finished.lines.letters.data());
    }
    state.counters["contours"] = double(contours);
}
BENCHMARK(BM_CutLinesWithKerf)->Unit(benchmark::kMillisecond);

// The same with both stencil checks on: bridges, then the fragile spots of
// the bridged pattern, and its loose pieces.
void BM_CutLinesWithBridgesFragileSpotsAndLoosePieces(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    TStencilSettings settings;
    settings.bridges = true;
    settings.fragileSpots = true;
    int spots = 0;
    size_t bridges = 0;
    for (auto _ : state) {
        const TFinishedCutLines finished = FinishCutLines(BuildCutLines(PatternShapes(view, true)), settings);
        const TFragileSpots fragile = FindFragileSpots(finished.lines, settings.leastWidth, CutStyleOf(settings));
        spots = fragile.count;
        bridges = finished.bridges.size();
        benchmark::DoNotOptimize(fragile.contours.data());
    }
    state.counters["bridges"] = double(bridges);
    state.counters["spots"] = double(spots);
}
BENCHMARK(BM_CutLinesWithBridgesFragileSpotsAndLoosePieces)->Unit(benchmark::kMillisecond);

// The most letters a blank holds: the smallest letters, lines of them
// filling the largest blank the window allows. The cost must follow the
// blank, not the number of letters on it, for the window to keep up.
constexpr int SmallestPoints = 10;

void SetUpSmallLetters(TShapeControl &view)
{
    SetUpWorstCase(view);
    QString text;
    for (int line = 0; line < 20; ++line)
        text += QStringLiteral("Walnut Cherry Maple Oak Ash Elm Birch Walnut Cherry Maple Oak Ash Elm Birch\n");
    view.Caption()->setCaption(text);
    view.Caption()->Font()->setStyle(0);
    view.Caption()->Font()->setSize(SmallestPoints);
    view.Caption()->FontFX()->setTracing(0);
}

void BM_SmallLetters(benchmark::State &state)
{
    TShapeControl view;
    SetUpSmallLetters(view);
    TStencilSettings settings;
    settings.bridges = state.range(0) != 0;
    settings.fragileSpots = settings.bridges;
    size_t contours = 0;
    for (auto _ : state) {
        const TFinishedCutLines finished = FinishCutLines(BuildCutLines(PatternShapes(view, true)), settings);
        if (settings.fragileSpots)
            benchmark::DoNotOptimize(FindFragileSpots(finished.lines, settings.leastWidth, CutStyleOf(settings)).count);
        contours = finished.lines.letters.size();
    }
    state.counters["contours"] = double(contours);
}
BENCHMARK(BM_SmallLetters)->ArgName("stencil")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What is marked on the finished cut lines: a drill hole in every inside
// cut, the waste to shade, and the loose pieces; cut-out style (argument 0)
// and stencil style with bridges (1).
void BM_DrillHolesShadingAndLoosePieces(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    TStencilSettings settings;
    settings.bridges = state.range(0) != 0;
    const TCutStyle style = CutStyleOf(settings);
    const TCutLines lines = FinishCutLines(BuildCutLines(PatternShapes(view, true)), settings).lines;
    size_t holes = 0;
    for (auto _ : state) {
        const std::vector<TDrillHole> drilled = FindDrillHoles(lines, style, settings.drillDiameter, settings.kerf);
        const std::vector<TCutContour> waste = WasteOf(lines, style);
        const TLoosePieces loose = FindLoosePieces(lines, style);
        holes = drilled.size();
        benchmark::DoNotOptimize(waste.data());
        benchmark::DoNotOptimize(loose.count);
    }
    state.counters["holes"] = double(holes);
}
BENCHMARK(BM_DrillHolesShadingAndLoosePieces)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Connect Letters on the worst case, as the window and the exporter run it:
// the whole search over the Kern range, laying the letters out anew for each
// Kern tried, and the VPos for the bar.
void BM_ConnectLetters(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    const TConnectWidths widths = ConnectWidthsOf(TStencilSettings());
    int kern = 0, tried = 0;
    for (auto _ : state) {
        tried = 0;
        const TConnection connection = ConnectLetters(
            [&](int k) {
                ++tried;
                return PatternLetters(view, true, k);
            },
            0, widths);
        kern = connection.kern.value_or(PatternRanges::Kern.Max + 1);
        benchmark::DoNotOptimize(connection.vpos);
    }
    state.counters["kern"] = kern;
    state.counters["kerns_tried"] = tried;
}
BENCHMARK(BM_ConnectLetters)->Unit(benchmark::kMillisecond);

// An export as the commands run it, short of the disk: the cut lines built
// from the view and finished, then written.
template <bool (*Write)(const TCutLines &, QIODevice *)>
void BM_Export(benchmark::State &state)
{
    TShapeControl view;
    SetUpWorstCase(view);
    const TStencilSettings settings;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!Write(FinishCutLines(BuildCutLines(PatternShapes(view, true)), settings).lines, &buffer))
            state.SkipWithError("the writer failed");
        bytes = buffer.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK_TEMPLATE(BM_Export, WriteCutLinesSvg)->Name("BM_ExportSvg")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Export, WriteCutLinesDxf)->Name("BM_ExportDxf")->Unit(benchmark::kMillisecond);

// The cut-line page with its legend, as Export Cut Lines PDF writes it.
bool WritePdfWithLegend(const TCutLines &lines, QIODevice *device)
{
    TLegend legend;
    legend.text = QStringLiteral("Oak Ash Elm");
    legend.blankPixels = lines.blankSize;
    return WriteCutLinesPdf(lines, legend, device);
}
BENCHMARK_TEMPLATE(BM_Export, WritePdfWithLegend)->Name("BM_ExportPdf")->Unit(benchmark::kMillisecond);

} // namespace
