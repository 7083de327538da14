// Writing a one-page document holding a full pattern as PDF, through the
// program's loader and component, as Export PDF does it.

#include "printengine/printenginecomponent.h"
#include "printengine/printengineloader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QImage Pattern(int width, int height)
{
    QImage pattern(width, height, QImage::Format_RGB32);
    pattern.fill(Qt::white);
    QPainter painter(&pattern);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width - 1, height - 1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(height * 2 / 3);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.drawText(pattern.rect(), Qt::AlignCenter, QStringLiteral("Kerfhaven"));
    return pattern;
}

void BM_EngineWriteFile(benchmark::State &state)
{
    QTemporaryDir dir;
    PrintEngineLoader loader;
    if (loader.Load(QCoreApplication::applicationDirPath()).has_value()) {
        state.SkipWithError("engine library not found");
        return;
    }
    const QString bmp = dir.filePath(QStringLiteral("xyz.bmp"));
    Pattern(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))).save(bmp, "BMP");
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));

    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    engine.OpenDoc();
    engine.PlacePicture(bmp, 1.0, 1.0, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.WriteDocFile(pdf));
    engine.CloseDoc();
    state.counters["pdf_bytes"] = static_cast<double>(QFile(pdf).size());
}

} // namespace

BENCHMARK(BM_EngineWriteFile)->Args({960, 289})->Args({960, 144})->Unit(benchmark::kMillisecond);
