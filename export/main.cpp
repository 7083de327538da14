// fretcard-export: the patterns of the window, written from the command
// line, without a display.

#include "export/exportoptions.h"
#include "export/exportrun.h"
#include "render/fontsubstitution.h"

#include <QApplication>
#include <QFontDatabase>

#include <cstdio>
#include <exception>
#ifdef Q_OS_WIN
#include <io.h>
#define FRETCARD_ISATTY(stream) _isatty(_fileno(stream))
#else
#include <unistd.h>
#define FRETCARD_ISATTY(stream) isatty(fileno(stream))
#endif

namespace {
// Clears the terminal line a progress line left behind.
constexpr char kClearProgressLine[] = "\r\x1b[K";

// Standard error belongs to the program's own messages; Qt's notes about the
// session it runs in (no runtime folder, no screen) would only bury them.
// What Qt reports as critical still gets through.
void KeepQtNotesQuiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

void Print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(KeepQtNotesQuiet);
    // The program draws offscreen; it needs no display unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The pattern view is a widget of the window's, so the application object
    // is a widgets one; no window is ever shown.
    QApplication application(argc, argv);
    InstallFontSubstitutions();

    const TParsedArguments parsed = ParseExportArguments(QCoreApplication::arguments());
    switch (parsed.action) {
    case TParsedArguments::TAction::ShowHelp:
        Print(stdout, ExportHelpText());
        return ExitStatus::kSuccess;
    case TParsedArguments::TAction::ShowVersion:
        Print(stdout, ExportVersionText() + QLatin1Char('\n'));
        return ExitStatus::kSuccess;
    case TParsedArguments::TAction::ListFonts:
        Print(stdout, QFontDatabase::families().join(QLatin1Char('\n')) + QLatin1Char('\n'));
        return ExitStatus::kSuccess;
    case TParsedArguments::TAction::Refuse:
        Print(stderr, QStringLiteral("fretcard-export: %1\nTry fretcard-export --help.\n").arg(parsed.message));
        return ExitStatus::kBadArguments;
    case TParsedArguments::TAction::Export:
        break;
    }

    const TExportOptions &options = parsed.options;
    // Progress and the closing summary are for someone watching a list
    // being written, never for a log.
    const bool watched = FRETCARD_ISATTY(stderr) && !options.quiet && !options.namesFile.isEmpty();
    bool progressShown = false;
    const auto report = [&](const QString &line) {
        Print(stderr, (progressShown ? QString::fromLatin1(kClearProgressLine) : QString()) + QStringLiteral("fretcard-export: ") + line + QLatin1Char('\n'));
    };
    TExportRun::TLineSink progress;
    if (watched)
        progress = [&](const QString &line) {
            Print(stderr, QString::fromLatin1(kClearProgressLine) + line);
            progressShown = true;
        };
    int status = ExitStatus::kPatternFailed;
    TExportRun run(options, report, progress);
    try {
        status = run.Run();
    } catch (const std::exception &error) {
        // Whatever was not foreseen still ends with a message, not a crash.
        report(QString::fromUtf8(error.what()));
    }
    if (watched && status != ExitStatus::kBadArguments)
        report(SummaryText(run.Tally()));
    else if (progressShown)
        Print(stderr, QStringLiteral("\n"));
    return status;
}
