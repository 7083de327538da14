// The preview's worst case: a 960 x 289 blank with bold 200-point letters,
// one line and several, outlined and filled, letters pulled together and
// spread apart.
#include "render/shapecontrol.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int BlankWidth = 960;
constexpr int BlankHeight = 289;
constexpr int FontPoints = 200;

void SetUp(TShapeControl &view, bool multiLine, bool outline, int kern)
{
    view.setShape(stRoundRect);
    view.Shadow()->setStyle(hssNone);
    view.Bevel()->setWidth(1);
    view.setRoundPercent(33);
    view.setColor(clMedGray);
    view.setWidth(BlankWidth);
    view.setHeight(BlankHeight);
    TCaption &caption = *view.Caption();
    caption.setCaption(multiLine ? QStringLiteral("Oak Ash") : QStringLiteral("Oak"));
    caption.Font()->setName(QStringLiteral("Fretcard Gothic"));
    caption.Font()->setStyle(fsBold);
    caption.Font()->setSize(FontPoints);
    caption.Font()->setColor(clBlack);
    caption.FontFX()->setLightDepth(0);
    caption.FontFX()->setShadowDepth(0);
    caption.FontFX()->setStyle(outline ? tdOutline : tdNone);
    caption.FontFX()->setTracing(kern);
    caption.setMultiLine(multiLine);
    caption.setAlignment(multiLine ? agCenter : agTopLeft);
}

// Arguments: multi-line, outline, kerning.
void BM_RenderTo(benchmark::State &state)
{
    TShapeControl view;
    SetUp(view, state.range(0) != 0, state.range(1) != 0, int(state.range(2)));
    QImage image(BlankWidth, BlankHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (auto _ : state) {
        view.RenderTo(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_SaveToBitmapFile(benchmark::State &state)
{
    TShapeControl view;
    SetUp(view, true, true, -100);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("xyz.bmp"));
    for (auto _ : state)
        view.SaveToBitmapFile(path);
}

void RenderCases(benchmark::internal::Benchmark *bench)
{
    bench->ArgNames({"multi", "outline", "kern"});
    for (int multi : {0, 1})
        for (int outline : {1, 0})
            for (int kern : {-100, 100})
                bench->Args({multi, outline, kern});
}

} // namespace

BENCHMARK(BM_RenderTo)->Apply(RenderCases)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveToBitmapFile)->Unit(benchmark::kMillisecond);
