// Opening the viewer must stay quick on machines with thousands of fonts:
// the window is built from the list of names alone.
#include "fontviewer/fontviewerwindow.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

QStringList ManyFamilies(int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("Workshop Face %1").arg(i, 5, 10, QLatin1Char('0')));
    return names;
}

void BM_OpenViewer(benchmark::State &state)
{
    const QStringList families = ManyFamilies(int(state.range(0)));
    for (auto _ : state) {
        FontViewerWindow viewer(families);
        viewer.resize(900, 520);
        viewer.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(viewer.SelectedFamily());
    }
}
BENCHMARK(BM_OpenViewer)->Arg(100)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_FilterViewer(benchmark::State &state)
{
    FontViewerWindow viewer(ManyFamilies(int(state.range(0))));
    int round = 0;
    for (auto _ : state) {
        viewer.FilterEdit()->setText(QStringLiteral("Face 1%1").arg(round++ % 10));
        benchmark::DoNotOptimize(viewer.SelectedFamily());
    }
}
BENCHMARK(BM_FilterViewer)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_InstalledFamilies(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QFontDatabase::families());
}
BENCHMARK(BM_InstalledFamilies);

} // namespace
