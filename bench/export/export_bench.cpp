// fretcard-export on lists of names, in process: 100 names to one cut-line
// PDF (the goal is at most 2 s), and the resident memory after 1,000 and
// after 10,000 names of one long list, which must not grow with the names.
// Hostile input: a names list of one 64 MiB line is read in well under a
// second holding one line at most, and a file name is made from a name of a
// million characters in milliseconds.
#include "export/exportrun.h"
#include "export/filenaming.h"
#include "export/nameslist.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {
QString WriteNames(const QTemporaryDir &dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("names-%1.txt").arg(count));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int i = 1; i <= count; ++i)
        file.write(QByteArray("Camper ") + QByteArray::number(i) + "\n");
    return path;
}

TExportOptions CutPdfOfList(const QString &names, const QString &output)
{
    TExportOptions options;
    options.namesFile = names;
    options.format = TExportFormat::CutPdf;
    options.singleFile = true;
    options.fit = true;
    options.overwrite = true;
    options.output = output;
    return options;
}

// Resident memory in MiB, from the kernel's own count.
double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : -1;
}

void BM_HundredNamesToOneCutLinePdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const TExportOptions options = CutPdfOfList(WriteNames(dir, 100), dir.filePath("campers.pdf"));
    for (auto _ : state) {
        TExportRun run(options, [](const QString &) {});
        if (run.Run() != 0)
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_HundredNamesToOneCutLinePdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// One run over `count` names, into one PDF or into a folder of files; the
// progress line tells when the first 1,000 names are done.
void MemoryOverNames(benchmark::State &state, bool oneFile)
{
    const int count = int(state.range(0));
    QTemporaryDir dir;
    TExportOptions options = CutPdfOfList(WriteNames(dir, count), dir.filePath("campers.pdf"));
    if (!oneFile) {
        options.singleFile = false;
        options.format = TExportFormat::Svg;
        QDir(dir.path()).mkdir(QStringLiteral("out"));
        options.output = dir.filePath(QStringLiteral("out"));
    }
    const QString thousandth = QStringLiteral("name 1000 of %1").arg(count);
    for (auto _ : state) {
        double afterThousand = -1;
        TExportRun run(options, [](const QString &) {}, [&](const QString &line) {
            if (line == thousandth)
                afterThousand = ResidentMiB();
        });
        if (run.Run() != 0)
            state.SkipWithError("the export failed");
        state.counters["rss_mib_at_1000"] = afterThousand;
        state.counters["rss_mib_at_end"] = ResidentMiB();
    }
}

void BM_MemoryOverNamesIntoOnePdf(benchmark::State &state) { MemoryOverNames(state, true); }
void BM_MemoryOverNamesIntoAFolder(benchmark::State &state) { MemoryOverNames(state, false); }
BENCHMARK(BM_MemoryOverNamesIntoOnePdf)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_MemoryOverNamesIntoAFolder)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_NamesReaderOverOneLineOf64MiB(benchmark::State &state)
{
    QByteArray bytes(64 * 1024 * 1024 - 8, 'a');
    bytes += "\nAnn\n";
    const double before = ResidentMiB();
    for (auto _ : state) {
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        TNamesReader reader(device, QStringLiteral("names.txt"), bytes.size());
        int lines = 0;
        while (reader.Next())
            ++lines;
        if (lines != 2)
            state.SkipWithError("the long line and Ann were not both read");
    }
    state.counters["rss_mib_growth"] = ResidentMiB() - before;
}
BENCHMARK(BM_NamesReaderOverOneLineOf64MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FileStemOfAMillionCharacterName(benchmark::State &state)
{
    const QString name = QString(1'000'000, QChar(0x00E9));
    for (auto _ : state)
        benchmark::DoNotOptimize(SafeFileStem(name));
}
BENCHMARK(BM_FileStemOfAMillionCharacterName)->Unit(benchmark::kMillisecond);
} // namespace
