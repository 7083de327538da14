// Start-up to the first painted window, and a bar change to its completed
// repaint of the preview at the heaviest pattern the controls allow.

#include "app/cutlinesoverlay.h"
#include "app/fretcard1.h"
#include "patternfile/patternfile.h"
#include "render/shapecontrol.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <thread>

namespace {
void BM_ProcessStartToFirstPaint(benchmark::State &state)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FRETCARD_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        const auto start = std::chrono::steady_clock::now();
        program.start(QStringLiteral(FRETCARD_PROGRAM), QStringList());
        if (!program.waitForFinished(30000) || program.exitCode() != 0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
}
BENCHMARK(BM_ProcessStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// 960 x 289, bold 200 pt, outlined, rounded corners, with the program's own
// ten-letter text: the most the renderer has to draw.
constexpr int kWorstCaseCorners = 33;

void ShowWorstCasePattern(TForm1 &form)
{
    form.ScrollBar5->setPosition(kWorstCaseCorners);
    form.ScrollBar2->setPosition(960);
    form.ScrollBar3->setPosition(289);
    form.ScrollBar1->setPosition(200);
    form.CheckBox2->setChecked(true);
    form.show();
    QCoreApplication::processEvents();
}

// The Font Size bar repaints the preview inside its handler.
void BM_FontSizeBarToRepaint(benchmark::State &state)
{
    TForm1 form;
    ShowWorstCasePattern(form);
    int size = 200;
    for (auto _ : state) {
        size = size == 200 ? 199 : 200;
        form.ScrollBar1->setPosition(size);
    }
}
BENCHMARK(BM_FontSizeBarToRepaint)->Unit(benchmark::kMillisecond);

// The other bars let the preview repaint on the next pass of the event loop.
void BM_KerningBarToRepaint(benchmark::State &state)
{
    TForm1 form;
    ShowWorstCasePattern(form);
    int kern = 0;
    for (auto _ : state) {
        kern = kern == 0 ? 1 : 0;
        form.ScrollBar7->setPosition(kern);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KerningBarToRepaint)->Unit(benchmark::kMillisecond);

// The cut lines' worst case on screen: three lines of bold 200-point letters
// pulled together as far as the Kern bar goes, welded to the base bar, with
// the red cut lines over the preview. Every Kern step changes the cut lines,
// so each repaint waits for them to be built again.
constexpr int kCutLinesFontSize = 200;
constexpr int kCutLinesKern = -100;
const QString kThreeLineText = QStringLiteral("Walnut Cherry Maple");

void ShowWorstCaseCutLines(TForm1 &form)
{
    form.ScrollBar2->setPosition(960);
    form.ScrollBar3->setPosition(289);
    form.ScrollBar1->setPosition(kCutLinesFontSize);
    form.Edit1->setText(kThreeLineText);
    form.CheckBox1->setChecked(true); // Multiline, before Base greys it
    form.CheckBox3->setChecked(true);
    form.ScrollBar7->setPosition(kCutLinesKern);
    form.ShowCutLines1->setChecked(true);
    form.show();
    QCoreApplication::processEvents();
}

void BM_KerningBarToRepaintWithCutLines(benchmark::State &state)
{
    TForm1 form;
    ShowWorstCaseCutLines(form);
    int kern = kCutLinesKern;
    for (auto _ : state) {
        kern = kern == kCutLinesKern ? kCutLinesKern + 1 : kCutLinesKern;
        form.ScrollBar7->setPosition(kern);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KerningBarToRepaintWithCutLines)->Unit(benchmark::kMillisecond);

// Every cut-line view on: the lines cleaned for the kerf, the stencil
// bridges, the fragile spots and the loose pieces, all built again for each
// Kern step.
void BM_KerningBarToRepaintWithEveryCutLineView(benchmark::State &state)
{
    TForm1 form;
    ShowWorstCaseCutLines(form);
    form.StencilBridges1->setChecked(true);
    form.ShowFragileSpots1->setChecked(true);
    QCoreApplication::processEvents();
    int kern = kCutLinesKern;
    for (auto _ : state) {
        kern = kern == kCutLinesKern ? kCutLinesKern + 1 : kCutLinesKern;
        form.ScrollBar7->setPosition(kern);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KerningBarToRepaintWithEveryCutLineView)->Unit(benchmark::kMillisecond);

// Repainting with nothing changed: the cut lines are not built again.
void BM_RepaintWithCutLinesUnchanged(benchmark::State &state)
{
    TForm1 form;
    ShowWorstCaseCutLines(form);
    for (auto _ : state)
        form.PatternView()->repaint();
}
BENCHMARK(BM_RepaintWithCutLinesUnchanged)->Unit(benchmark::kMillisecond);

} // namespace

// A pattern file may hold a text of any length; the text box keeps as much
// of it as it holds, as Open does. With every cut-line view on, a Kern step
// must still repaint at once: the work follows what is on the blank, not the
// length of the text. Arguments: Multiline, and the Kern the steps start
// from (pulled together as far as the bar goes, the text's glyphs move back
// over the blank).
constexpr qsizetype kLongTextBytes = 1 << 20;

QString LongText()
{
    const QString words = QStringLiteral("Walnut Cherry Maple Oak Ash Elm Birch ");
    QString text;
    text.reserve(kLongTextBytes);
    while (text.size() < kLongTextBytes)
        text += words;
    text.truncate(kLongTextBytes);
    return text;
}

void ShowEveryCutLineView(TForm1 &form)
{
    form.StencilBridges1->setChecked(true);
    form.ShowFragileSpots1->setChecked(true);
    form.ShowCutLines1->setChecked(true);
    form.show();
    QCoreApplication::processEvents();
}

void BM_KerningBarToRepaintWithLongTextAndEveryCutLineView(benchmark::State &state)
{
    TForm1 form;
    form.Edit1->setText(LongText());
    form.CheckBox1->setChecked(state.range(0) != 0);
    ShowEveryCutLineView(form);
    // Steps through more Kern values than the caption keeps layouts for, so
    // that every step lays the text out again.
    constexpr int kKernValues = 10;
    const int from = int(state.range(1));
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % kKernValues;
        form.ScrollBar7->setPosition(from + step);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_KerningBarToRepaintWithLongTextAndEveryCutLineView)
    ->ArgNames({"multiline", "kern"})
    ->ArgsProduct({{0, 1}, {0, kCutLinesKern}})
    ->Unit(benchmark::kMillisecond);

// Opening such a pattern file with every cut-line view on, to its repaint.
// Three files take turns, so that every open changes the pattern and finds
// none of its layouts kept.
void BM_OpenLongPatternFileWithEveryCutLineView(benchmark::State &state)
{
    QTemporaryDir folder;
    QStringList files;
    for (const QString &first : {QStringLiteral("Oak "), QStringLiteral("Ash "), QStringLiteral("Elm ")}) {
        PatternSettings settings;
        settings.Text = first + LongText();
        settings.Multiline = state.range(0) != 0;
        files << folder.filePath(first.trimmed() + QStringLiteral(".frcd"));
        SavePatternFile(files.back(), settings);
    }
    TForm1 form;
    ShowEveryCutLineView(form);
    qsizetype next = 0;
    for (auto _ : state) {
        form.OpenChosenPatternFile(files[next]);
        QCoreApplication::processEvents();
        next = (next + 1) % files.size();
    }
}
BENCHMARK(BM_OpenLongPatternFileWithEveryCutLineView)
    ->ArgName("multiline")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The most letters the window's blank holds: twenty lines of the smallest
// letters on the largest blank, on the bar, with every cut-line view on. Such
// cut lines take longer to build than the window may stand still, so they are
// built aside. Argument 0 times a Kern step to the return of its handler and
// the repaint; argument 1 the longest the window then stands still while the
// new lines arrive and show. Between steps the lines are let arrive untimed.
constexpr int kSmallestFontSize = 10;
constexpr int kSmallLetterLines = 20;

void ShowSmallLettersWithEveryCutLineView(TForm1 &form)
{
    QString text;
    for (int line = 0; line < kSmallLetterLines; ++line)
        text += QStringLiteral("Walnut Cherry Maple Oak Ash Elm Birch Walnut Cherry Maple Oak Ash Elm Birch ");
    form.ScrollBar2->setPosition(960);
    form.ScrollBar3->setPosition(289);
    form.ScrollBar1->setPosition(kSmallestFontSize);
    form.Edit1->setText(text);
    form.CheckBox1->setChecked(true); // Multiline, before Base greys it
    form.CheckBox3->setChecked(true);
    form.ShowDrillHoles1->setChecked(true);
    form.ShadeWaste1->setChecked(true);
    ShowEveryCutLineView(form);
}

using TSteadyClock = std::chrono::steady_clock;

// How often the window looks for the arriving lines: far below any pause a
// user would notice, far above the cost of looking.
constexpr std::chrono::milliseconds kArrivalPoll(1);

// Lets the event loop run until the overlay shows the pattern's own lines;
// the longest single pass of the loop, in seconds.
double LongestPassUntilUpToDate(const TForm1 &form)
{
    double longest = 0;
    while (!form.CutLinesOverlay().UpToDate()) {
        const auto start = TSteadyClock::now();
        QCoreApplication::processEvents();
        longest = std::max(longest, std::chrono::duration<double>(TSteadyClock::now() - start).count());
        std::this_thread::sleep_for(kArrivalPoll);
    }
    return longest;
}

void BM_SmallLettersKernStepBlocksTheWindow(benchmark::State &state)
{
    TForm1 form;
    ShowSmallLettersWithEveryCutLineView(form);
    LongestPassUntilUpToDate(form);
    const bool arrival = state.range(0) != 0;
    int kern = 0;
    for (auto _ : state) {
        kern = kern == 0 ? 1 : 0;
        const auto start = TSteadyClock::now();
        form.ScrollBar7->setPosition(kern);
        QCoreApplication::processEvents();
        const double step = std::chrono::duration<double>(TSteadyClock::now() - start).count();
        const double longestWhileArriving = LongestPassUntilUpToDate(form);
        state.SetIterationTime(arrival ? longestWhileArriving : step);
    }
}
BENCHMARK(BM_SmallLettersKernStepBlocksTheWindow)
    ->ArgName("arrival")->Arg(0)->Arg(1)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
