// Export BMP and Export PDF of the heaviest pattern the controls allow, from
// the button's click to the file written, with every dialog answered at once.

#include "app/fretcard1.h"
#include "app/printcommands_startup.h"
#include "printengine/printengineloader.h"
#include "ui/dialoghost.h"
#include "ui/scrollbar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// Answers the save dialog with one fixed file and every question with Yes,
// so each run replaces the file the one before wrote.
class TAnsweringHost : public TDialogHost {
public:
    explicit TAnsweringHost(QString fileName) : m_fileName(std::move(fileName)) {}

    TModalResult ShowMessageBox(const TMessageRequest &request) override
    {
        if (request.Type == TMsgDlgType::mtError)
            ++errors;
        return mrYes;
    }
    bool ExecuteFileDialog(TFileDialogRequest &request) override
    {
        request.FileName = m_fileName;
        return true;
    }
    bool ExecuteFontDialog(TFont &) override { return false; }

    int errors = 0;

private:
    QString m_fileName;
};

// 960 x 289, 200 pt, outlined, rounded corners, with the base bar: the most
// the view draws and the largest picture the exports handle.
constexpr int kWorstCaseCorners = 33;
constexpr int kWidestBlank = 960;
constexpr int kTallestBlank = 289;
constexpr int kLargestFont = 200;

void SetWorstCasePattern(TForm1 &form)
{
    form.ScrollBar5->setPosition(kWorstCaseCorners);
    form.ScrollBar2->setPosition(kWidestBlank);
    form.ScrollBar3->setPosition(kTallestBlank);
    form.ScrollBar1->setPosition(kLargestFont);
    form.CheckBox2->setChecked(true);
    form.CheckBox3->setChecked(true);
    form.show();
    QCoreApplication::processEvents();
}

void RunExport(benchmark::State &state, QPushButton *(*button)(TForm1 &), const QString &extension,
               const PrintEngineLoader *engine)
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("sign") + extension);
    TAnsweringHost host(target);
    TForm1 form(&host, nullptr, engine);
    SetWorstCasePattern(form);
    for (auto _ : state)
        button(form)->click();
    if (host.errors != 0 || !QFile::exists(target))
        state.SkipWithError("the export failed");
}

void BM_ExportBmpWorstCase(benchmark::State &state)
{
    RunExport(state, [](TForm1 &form) { return form.Button2; }, QStringLiteral(".bmp"), nullptr);
}
BENCHMARK(BM_ExportBmpWorstCase)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_ExportPdfWorstCase(benchmark::State &state)
{
    PrintEngineLoader loader;
    TAnsweringHost startupHost(QString{});
    if (!LoadPrintEngineAtStartup(loader, QCoreApplication::applicationDirPath(), startupHost)) {
        state.SkipWithError("the engine library is not beside the benchmark");
        return;
    }
    RunExport(state, [](TForm1 &form) { return form.Button8; }, QStringLiteral(".pdf"), &loader);
}
BENCHMARK(BM_ExportPdfWorstCase)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
} // namespace
