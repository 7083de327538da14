#pragma once
// The exporter's command line: what to draw, what to write and where.

#include "core/units.h"
#include "cutlines/stencil.h"
#include "page/page.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Lengths in the exporter's messages are given to a hundredth of an inch.
inline constexpr int kMessageDecimals = 2;

namespace ExitStatus {
inline constexpr int kSuccess = 0;
inline constexpr int kPatternFailed = 1;
inline constexpr int kBadArguments = 2;
} // namespace ExitStatus

enum class TExportFormat { Bmp, Pdf, Svg, Dxf, CutPdf };

// "-" for --names and --pattern reads standard input; for --output it
// writes standard output.
inline const QString kStandardStream = QStringLiteral("-");

// Settings given on the command line; each replaces the pattern file's (or
// the initial) value.
struct TPatternOverrides {
    std::optional<QString> text;
    std::optional<QString> font;
    std::optional<int> size;
    std::optional<int> kern;
    std::optional<int> vpos;
    std::optional<int> hpos;
    std::optional<int> corners;
    bool multiline = false;
    bool base = false;
    bool noOutline = false;
    bool noPageOutline = false;
    std::optional<QSize> blank; // pixels
};

namespace ExportLimits {
// A blank may be far larger than the window's, up to a long house sign.
inline constexpr int kMaxBlankSidePixels = 120 * Units::kPixelsPerInch;
inline constexpr double kMinLetterHeightPixels = Units::kPixelsPerInch / Units::kMmPerInch; // 1 mm
inline constexpr double kMaxLetterHeightPixels = 10.0 * Units::kPixelsPerInch;
inline constexpr double kMaxMarginPixels = 10.0 * Units::kPixelsPerInch;
inline constexpr double kDefaultMarginPixels = Units::kPixelsPerInch / 4.0;
} // namespace ExportLimits

struct TExportOptions {
    QString patternFile;
    TPatternOverrides overrides;
    QString namesFile;
    TExportFormat format = TExportFormat::Bmp;
    // The file to write, with its ending as it will be written; with
    // --names (and not --single-file), the folder to write into.
    QString output;
    bool toStandardOutput = false;
    bool overwrite = false;
    bool singleFile = false;
    bool fit = false;
    // With --fit over a list: every blank as tall as the tallest.
    bool sameHeight = false;
    // Write patterns whose font has no glyph for some of their characters.
    bool allowMissing = false;
    // Tell nothing but failures (and the fragile spots asked for).
    bool quiet = false;
    // Set Kern (and with a base bar VPos) so that the letters hold together.
    bool connect = false;
    std::optional<double> letterHeight; // pixels
    double margin = ExportLimits::kDefaultMarginPixels;
    TPaper paper = TPaper::Letter;
    // The kerf, bridges, drill holes and shading for the cut-line formats,
    // and the fragile-spot report.
    TStencilSettings stencil;
    // Whether the fragile-spot report tells where each spot lies.
    bool reportSpots = false;
};

struct TParsedArguments {
    enum class TAction { Export, ShowHelp, ShowVersion, ListFonts, Refuse };
    TAction action = TAction::Refuse;
    TExportOptions options;
    // Why the arguments were refused.
    QString message;
};

// `arguments` as main() has them, the program's name first.
TParsedArguments ParseExportArguments(const QStringList &arguments);

// Every option with its meaning, and examples.
QString ExportHelpText();

// "fretcard-export 1.7"
QString ExportVersionText();

// Why the kerf, the bridge width, the least width of wood or the drill size in `stencil`
// cannot be used on a blank of `blank` pixels, naming the option (a phrase
// without a full stop); empty when all can.
QString StencilWidthsProblem(const TStencilSettings &stencil, QSize blank);

// Whether `format` writes the cut lines rather than the picture.
bool IsCutLineFormat(TExportFormat format);

// The file ending of each format: ".bmp", ".pdf", ".svg", ".dxf".
QString FormatExtension(TExportFormat format);
