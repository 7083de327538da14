#include "export/exportoptions.h"

#include "core/units.h"
#include "cutlines/cutwidths.h"
#include "core/pattern.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {
const QString kProgramName = QStringLiteral("fretcard-export");

// Before the examples: a manual page made from this help replaces them
// with its own, and everything after them with them.
const QString kExitStatuses = QStringLiteral(
    "\nExit status:\n"
    "  0  Every pattern was written.\n"
    "  1  One or more patterns were not written; the others were, and each failure is named on standard "
    "error.\n"
    "  2  The options or inputs cannot be used; nothing was written.\n");

const QString kExamples = QStringLiteral(
    "\nExamples:\n"
    "  fretcard-export --pattern sign.frcd --format pdf --output sign.pdf\n"
    "  fretcard-export --names class.txt --letter-height 1.5in --fit --format svg --output plaques/\n"
    "  fretcard-export --text \"Welcome Home\" --blank 30x4in --size 200 --format cutpdf --page a4 --output "
    "house.pdf\n"
    "  fretcard-export --text Sophie --font \"Dancing Script\" --base --connect --least-width 0.04in --format dxf "
    "--output sophie.dxf\n"
    "  fretcard-export --text \"BOA 8\" --size 120 --blank 10x2in --bridges --bridge-width 2mm --least-width "
    "0.0625in --format dxf --output stencil.dxf\n"
    "  fretcard-export --text \"BOA 8\" --size 120 --blank 10x2in --drill 1/8in --shade-waste --format cutpdf "
    "--output boa.pdf\n");

const QString kBridgeWidthName = QStringLiteral("bridge-width");
const QString kLeastWidthName = QStringLiteral("least-width");
const QString kKerfName = QStringLiteral("kerf");
const QString kDrillName = QStringLiteral("drill");
constexpr double kNoBridges = std::numeric_limits<double>::infinity();

// No pattern's blank is larger; a width it could not take is refused before
// anything is drawn, whatever blank --fit chooses later.
const QSize kLargestBlank(ExportLimits::kMaxBlankSidePixels, ExportLimits::kMaxBlankSidePixels);

using TWidthProblem = std::function<QString(double pixels)>;

struct TFormatName {
    const char *name;
    TExportFormat format;
};
constexpr TFormatName kFormats[] = {{"bmp", TExportFormat::Bmp}, {"pdf", TExportFormat::Pdf},
                                    {"svg", TExportFormat::Svg}, {"dxf", TExportFormat::Dxf},
                                    {"cutpdf", TExportFormat::CutPdf}};

// One place for every option: its names, value and help, in the order --help lists them.
struct TOptionSet {
    QCommandLineOption help{QStringList{"h", "help"}, "Show this help and exit."};
    QCommandLineOption version{"version", "Show the program's version and exit."};
    QCommandLineOption listFonts{"list-fonts", "List the installed font faces, one a line, and exit."};
    QCommandLineOption pattern{"pattern", "Take every setting from a pattern file (.frcd); - reads it from standard "
                                          "input.",
                               "FILE"};
    QCommandLineOption text{"text", "The text of the pattern.", "TEXT"};
    QCommandLineOption font{"font", "The font face.", "NAME"};
    QCommandLineOption size{"size", "Font size in points, 10 to 200.", "POINTS"};
    QCommandLineOption kern{"kern", "Extra pixels between letters, -100 to 100.", "N"};
    QCommandLineOption vpos{"vpos", "Moves the text down, 0 to 300 pixels.", "N"};
    QCommandLineOption hpos{"hpos", "Moves the text right, 0 to 500 pixels.", "N"};
    QCommandLineOption corners{"corners", "Corner roundness of the blank, 0 to 100.", "N"};
    QCommandLineOption multiline{"multiline", "Centred text on several lines."};
    QCommandLineOption base{"base", "A base bar under the letters (square corners, solid letters)."};
    QCommandLineOption noOutline{"no-outline", "Solid letters instead of hollow ones."};
    QCommandLineOption noPageOutline{"no-page-outline", "No outline around the blank."};
    QCommandLineOption blank{"blank",
                             "The blank's size: pixels (960x144) or lengths with a unit (30x4in, 600x90mm, "
                             "3.8cmx2cm); a unit after the height alone holds for the width too.",
                             "WIDTHxHEIGHT"};
    QCommandLineOption names{"names",
                             "One pattern per name in a UTF-8 text file (- for standard input), one name a line of "
                             "at most 1,000 characters; blank lines and lines starting with # are skipped, and a "
                             "line starting with \\# holds a name starting with #.",
                             "FILE"};
    QCommandLineOption letterHeight{"letter-height",
                                    "Choose the font size so that a capital H is this tall (1.5in, 1 1/2in, 38mm).",
                                    "LENGTH"};
    QCommandLineOption fit{"fit", "Size the blank around the text: the margin on every side of the letters."};
    QCommandLineOption margin{"margin", "The margin --fit leaves around the letters (default 0.25in).", "LENGTH"};
    QCommandLineOption sameHeight{"same-height", "With --names and --fit: every blank as tall as the tallest name "
                                                 "needs, each name in the middle of its blank."};
    QCommandLineOption format{QStringList{"f", "format"},
                              "bmp or pdf (the picture, as the window exports it), svg, dxf or cutpdf (the cut "
                              "lines). Taken from the output's ending when left out.",
                              "FORMAT"};
    QCommandLineOption output{QStringList{"o", "output"},
                              "The file to write, or - for standard output (give --format then); with --names, the "
                              "folder that receives one file per name, made when it is missing.",
                              "PATH"};
    QCommandLineOption singleFile{"single-file", "With --names and --format cutpdf: one PDF, one name a page."};
    QCommandLineOption page{"page",
                            "Paper for pdf and cutpdf, letter (default) or a4; larger patterns are tiled over "
                            "several pages.",
                            "PAPER"};
    QCommandLineOption overwrite{"overwrite", "Replace files that exist already."};
    QCommandLineOption allowMissing{"allow-missing", "Write a pattern even when its font has no glyph for some of "
                                                     "its characters; they are drawn as empty boxes."};
    QCommandLineOption quiet{QStringList{"q", "quiet"}, "Tell only what was not written and why (and the fragile "
                                                        "spots --least-width asks for): no progress, notices or "
                                                        "summary."};
    QCommandLineOption bridges{"bridges", "Stencil bridges in svg, dxf and cutpdf: every island of wood inside a "
                                          "letter stays tied to the wood around it."};
    QCommandLineOption bridgeWidth{kBridgeWidthName,
                                   "The width of each bridge, with a unit or in whole pixels (default 1/16in, "
                                   "6 pixels).",
                                   "LENGTH"};
    QCommandLineOption leastWidth{kLeastWidthName,
                                  "After each file, tell how many fragile spots it has: places where less wood than "
                                  "this is left between cut lines (0.0625in, 1.6mm or 6).",
                                  "LENGTH"};
    QCommandLineOption report{"report", "With --least-width: tell where each fragile spot lies, in inches from the "
                                        "blank's top-left corner."};
    QCommandLineOption connect{"connect",
                               "Set Kern to the largest value at which the letters of each word hold together as "
                               "one piece, every join at least --least-width wide (1/16in unless given); dots and "
                               "accents aside, words stay apart. With a base bar, also set VPos so that every "
                               "letter on the baseline stands that far into the bar. What was set is told on "
                               "standard error; a pattern no Kern joins is not written, and its letters that stay "
                               "apart are named."};
    QCommandLineOption kerf{kKerfName,
                            "The width the blade removes (default 0.01in): svg, dxf and cutpdf close gaps narrower "
                            "than this and drop wood narrower than this. 0 keeps the letters' outline exactly.",
                            "LENGTH"};
    QCommandLineOption drill{kDrillName,
                             "Mark a blade-entry hole of this diameter in every inside cut in svg, dxf and cutpdf, "
                             "where the waste is widest (1/16in, 1.6mm or 6); the inside cuts too narrow for it with "
                             "a kerf of room on each side are counted after each file.",
                             "LENGTH"};
    QCommandLineOption shadeWaste{"shade-waste", "Shade the waste light grey on cutpdf pages; svg and dxf never carry "
                                                 "it, a cutter would engrave it."};

    std::vector<const QCommandLineOption *> All() const
    {
        return {
            &help,
            &version,
            &listFonts,
            &pattern,
            &text,
            &font,
            &size,
            &kern,
            &vpos,
            &hpos,
            &corners,
            &multiline,
            &base,
            &noOutline,
            &noPageOutline,
            &blank,
            &names,
            &letterHeight,
            &fit,
            &margin,
            &sameHeight,
            &format,
            &output,
            &singleFile,
            &page,
            &overwrite,
            &allowMissing,
            &quiet,
            &bridges,
            &bridgeWidth,
            &leastWidth,
            &report,
            &connect,
            &kerf,
            &drill,
            &shadeWaste,
        };
    }
};

void AddAll(QCommandLineParser &parser, const TOptionSet &options)
{
    parser.setApplicationDescription(QStringLiteral("Writes scroll-saw patterns without the window: one pattern, "
                                                    "a list of names, or a sign larger than the page."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption *option : options.All())
        parser.addOption(*option);
}

class TRefusal {
public:
    explicit TRefusal(QString message) : m_message(std::move(message)) {}
    const QString &Message() const { return m_message; }

private:
    QString m_message;
};

int WholeNumberIn(const QCommandLineParser &parser, const QCommandLineOption &option, PatternRange range)
{
    const QString value = parser.value(option);
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    const QString name = QStringLiteral("--") + option.names().constLast();
    if (!ok)
        throw TRefusal(QStringLiteral("%1 needs a whole number, not \"%2\".").arg(name, value));
    if (!range.Contains(number))
        throw TRefusal(QStringLiteral("%1 %2 is out of range: it must be from %3 to %4.")
                           .arg(name, value)
                           .arg(range.Min)
                           .arg(range.Max));
    return number;
}

QString NotALength(const QString &name, const QString &value, TBareNumber bare)
{
    return QStringLiteral("%1 needs %2, not \"%3\".").arg(name, AcceptedLengths(bare), value);
}

double LengthIn(const QCommandLineParser &parser, const QCommandLineOption &option, double minimum, double maximum)
{
    const QString value = parser.value(option);
    const QString name = QStringLiteral("--") + option.names().constLast();
    const std::optional<double> length = ReadLength(value, TBareNumber::Refused);
    if (!length)
        throw TRefusal(NotALength(name, value, TBareNumber::Refused));
    if (*length < minimum || *length > maximum)
        throw TRefusal(QStringLiteral("%1 %2 is out of range: it must be from %3 to %4.")
                           .arg(name, value, InchesWithUnit(minimum, kMessageDecimals), InchesWithUnit(maximum, kMessageDecimals)));
    return *length;
}

QSize BlankIn(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    const QString value = parser.value(option);
    const std::optional<std::pair<double, double>> sides = ReadLengthPair(value, TBareNumber::WholePixels);
    if (!sides)
        throw TRefusal(QStringLiteral("--blank needs WIDTHxHEIGHT in whole pixels or with a unit (960x144, 30x4in, "
                                      "30inx4in, 600x90mm), not \"%1\".")
                           .arg(value));
    constexpr int kMax = ExportLimits::kMaxBlankSidePixels;
    const auto fits = [](double side) { return side >= 0.5 && side < kMax + 0.5; };
    if (!fits(sides->first) || !fits(sides->second))
        throw TRefusal(QStringLiteral("--blank %1 is out of range: each side must be from 1 pixel to %2.")
                           .arg(value, InchesWithUnit(kMax, kMessageDecimals)));
    return QSize(int(std::lround(sides->first)), int(std::lround(sides->second)));
}

QString WidthRefusal(const QString &name, const QString &value, const QString &problem)
{
    return QStringLiteral("--%1 %2: %3").arg(name, value, problem);
}

// A width with a unit or in whole pixels, that `problemOf` does not refuse.
double WidthIn(const QCommandLineParser &parser, const QCommandLineOption &option, const TWidthProblem &problemOf)
{
    const QString value = parser.value(option);
    const QString name = option.names().constLast();
    const std::optional<double> pixels = ReadLength(value, TBareNumber::WholePixels);
    if (!pixels)
        throw TRefusal(NotALength(QStringLiteral("--") + name, value, TBareNumber::WholePixels));
    const QString problem = problemOf(*pixels);
    if (!problem.isEmpty())
        throw TRefusal(WidthRefusal(name, value, problem) + QLatin1Char('.'));
    return *pixels;
}

TStencilSettings StencilOf(const QCommandLineParser &parser, const TOptionSet &set)
{
    TStencilSettings stencil;
    stencil.bridges = parser.isSet(set.bridges);
    if (parser.isSet(set.kerf))
        stencil.kerf = WidthIn(parser, set.kerf, [](double pixels) { return KerfProblem(pixels, kLargestBlank, kNoBridges); });
    if (parser.isSet(set.bridgeWidth)) {
        if (!stencil.bridges)
            throw TRefusal(QStringLiteral("--bridge-width goes with --bridges."));
        stencil.bridgeWidth = WidthIn(parser, set.bridgeWidth, [&](double pixels) {
            return BridgeWidthProblem(pixels, kLargestBlank, stencil.kerf);
        });
    } else if (stencil.bridges) {
        // The bridges' own width is wide enough; the kerf given may not be.
        const QString problem = KerfProblem(stencil.kerf, kLargestBlank, stencil.bridgeWidth);
        if (!problem.isEmpty())
            throw TRefusal(WidthRefusal(kKerfName, parser.value(set.kerf), problem) + QLatin1Char('.'));
    }
    stencil.drillHoles = parser.isSet(set.drill);
    if (stencil.drillHoles)
        stencil.drillDiameter = WidthIn(parser, set.drill, [](double pixels) { return DrillSizeProblem(pixels, kLargestBlank); });
    stencil.shadeWaste = parser.isSet(set.shadeWaste);
    stencil.fragileSpots = parser.isSet(set.leastWidth);
    if (stencil.fragileSpots)
        stencil.leastWidth = WidthIn(parser, set.leastWidth, [](double pixels) { return LeastWidthProblem(pixels, kLargestBlank); });
    return stencil;
}

std::optional<TExportFormat> FormatNamed(const QString &name)
{
    for (const TFormatName &entry : kFormats)
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.format;
    return std::nullopt;
}

TExportFormat FormatOf(const QCommandLineParser &parser, const TOptionSet &set, const QString &output)
{
    if (parser.isSet(set.format)) {
        const std::optional<TExportFormat> format = FormatNamed(parser.value(set.format));
        if (!format)
            throw TRefusal(QStringLiteral("--format must be bmp, pdf, svg, dxf or cutpdf, not \"%1\".")
                               .arg(parser.value(set.format)));
        return *format;
    }
    const QString ending = output.section(QLatin1Char('.'), -1);
    if (output.contains(QLatin1Char('.')) && ending.compare(QLatin1String("cutpdf"), Qt::CaseInsensitive) != 0)
        if (const std::optional<TExportFormat> format = FormatNamed(ending))
            return *format;
    throw TRefusal(QStringLiteral("Say what to write with --format bmp, pdf, svg, dxf or cutpdf."));
}

TPaper PaperOf(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    if (!parser.isSet(option))
        return TPaper::Letter;
    const QString value = parser.value(option).toLower();
    if (value == QLatin1String("letter"))
        return TPaper::Letter;
    if (value == QLatin1String("a4"))
        return TPaper::A4;
    throw TRefusal(QStringLiteral("--page must be letter or a4, not \"%1\".").arg(parser.value(option)));
}

// An option given twice would leave one of the values unused without a word.
void RefuseRepeats(const QCommandLineParser &parser, const TOptionSet &set)
{
    for (const QCommandLineOption *option : set.All())
        if (!option->valueName().isEmpty() && parser.values(*option).size() > 1)
            throw TRefusal(QStringLiteral("--%1 is given more than once.").arg(option->names().constLast()));
}

TPatternOverrides OverridesOf(const QCommandLineParser &parser, const TOptionSet &set)
{
    TPatternOverrides overrides;
    if (parser.isSet(set.text))
        overrides.text = parser.value(set.text);
    if (parser.isSet(set.font)) {
        overrides.font = parser.value(set.font).trimmed();
        if (overrides.font->isEmpty())
            throw TRefusal(QStringLiteral("--font needs the name of a face."));
    }
    if (parser.isSet(set.size))
        overrides.size = WholeNumberIn(parser, set.size, PatternRanges::FontSize);
    if (parser.isSet(set.kern))
        overrides.kern = WholeNumberIn(parser, set.kern, PatternRanges::Kern);
    if (parser.isSet(set.vpos))
        overrides.vpos = WholeNumberIn(parser, set.vpos, PatternRanges::VPos);
    if (parser.isSet(set.hpos))
        overrides.hpos = WholeNumberIn(parser, set.hpos, PatternRanges::HPos);
    if (parser.isSet(set.corners))
        overrides.corners = WholeNumberIn(parser, set.corners, PatternRanges::Corners);
    overrides.multiline = parser.isSet(set.multiline);
    overrides.base = parser.isSet(set.base);
    overrides.noOutline = parser.isSet(set.noOutline);
    overrides.noPageOutline = parser.isSet(set.noPageOutline);
    if (parser.isSet(set.blank))
        overrides.blank = BlankIn(parser, set.blank);
    return overrides;
}

bool EndsInFolderSeparator(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QDir::separator());
}

// The file one pattern (or --single-file's PDF) is written to: as named
// when it ends in the format's ending, in any case ("UP.SVG"); with that
// ending added when it ends in none of the formats' ("sign", "J. Smith").
QString OutputFileFor(const QString &output, TExportFormat format, const QString &formatName)
{
    const QString ending = FormatExtension(format);
    if (output.endsWith(ending, Qt::CaseInsensitive))
        return output;
    for (const TFormatName &entry : kFormats) {
        const QString other = FormatExtension(entry.format);
        if (output.endsWith(other, Qt::CaseInsensitive))
            throw TRefusal(QStringLiteral("--output %1 ends in %2, but --format %3 writes %4 files.")
                               .arg(output, output.right(other.size()), formatName, ending));
    }
    return output + ending;
}

// Where the patterns go: a folder for a list, else one file or standard output.
void TakeOutput(const QCommandLineParser &parser, const TOptionSet &set, TExportOptions &options)
{
    const QString output = parser.value(set.output);
    if (output.isEmpty())
        throw TRefusal(QStringLiteral("Say where to write with --output PATH."));
    const bool oneFile = options.namesFile.isEmpty() || options.singleFile;
    if (oneFile && EndsInFolderSeparator(output))
        throw TRefusal(QStringLiteral("--output %1 names a folder; give the name of the file to write.").arg(output));
    options.format = FormatOf(parser, set, output);
    if (output == kStandardStream) {
        if (!oneFile)
            throw TRefusal(QStringLiteral("--output - writes one file to standard output; with --names it must name "
                                          "a folder (or add --single-file)."));
        options.toStandardOutput = true;
        options.output = output;
        return;
    }
    if (!oneFile) {
        options.output = output;
        return;
    }
    const QString formatName = parser.isSet(set.format) ? parser.value(set.format).toLower()
                                                        : QFileInfo(output).suffix().toLower();
    options.output = OutputFileFor(output, options.format, formatName);
}

TExportOptions OptionsOf(const QCommandLineParser &parser, const TOptionSet &set)
{
    RefuseRepeats(parser, set);
    if (!parser.positionalArguments().isEmpty())
        throw TRefusal(QStringLiteral("Unexpected argument \"%1\"; options start with --.")
                           .arg(parser.positionalArguments().constFirst()));
    TExportOptions options;
    options.patternFile = parser.value(set.pattern);
    options.overrides = OverridesOf(parser, set);
    options.namesFile = parser.value(set.names);
    if (options.namesFile == kStandardStream && options.patternFile == kStandardStream)
        throw TRefusal(QStringLiteral("--names - and --pattern - cannot both read standard input."));
    options.singleFile = parser.isSet(set.singleFile);
    TakeOutput(parser, set, options);
    options.overwrite = parser.isSet(set.overwrite);
    if (options.singleFile && (options.format != TExportFormat::CutPdf || options.namesFile.isEmpty()))
        throw TRefusal(QStringLiteral("--single-file goes with --names and --format cutpdf."));
    options.fit = parser.isSet(set.fit);
    if (parser.isSet(set.letterHeight)) {
        if (options.overrides.size)
            throw TRefusal(QStringLiteral("--size and --letter-height both set the font size; give one of them."));
        options.letterHeight = LengthIn(parser, set.letterHeight, ExportLimits::kMinLetterHeightPixels,
                                        ExportLimits::kMaxLetterHeightPixels);
    }
    if (parser.isSet(set.margin)) {
        if (!options.fit)
            throw TRefusal(QStringLiteral("--margin goes with --fit."));
        options.margin = LengthIn(parser, set.margin, 0, ExportLimits::kMaxMarginPixels);
    }
    if (options.fit && options.overrides.blank)
        throw TRefusal(QStringLiteral("--blank and --fit both set the blank's size; give one of them."));
    options.sameHeight = parser.isSet(set.sameHeight);
    if (options.sameHeight && (!options.fit || options.namesFile.isEmpty()))
        throw TRefusal(QStringLiteral("--same-height goes with --names and --fit."));
    options.allowMissing = parser.isSet(set.allowMissing);
    options.quiet = parser.isSet(set.quiet);
    options.connect = parser.isSet(set.connect);
    if (options.connect && options.overrides.kern)
        throw TRefusal(QStringLiteral("--kern and --connect both set the Kern; give one of them."));
    options.paper = PaperOf(parser, set.page);
    options.stencil = StencilOf(parser, set);
    options.reportSpots = parser.isSet(set.report);
    if (options.reportSpots && !options.stencil.fragileSpots)
        throw TRefusal(QStringLiteral("--report goes with --least-width."));
    return options;
}
} // namespace

TParsedArguments ParseExportArguments(const QStringList &arguments)
{
    const TOptionSet set;
    QCommandLineParser parser;
    AddAll(parser, set);
    TParsedArguments parsed;
    if (!parser.parse(arguments)) {
        parsed.message = parser.errorText();
        return parsed;
    }
    if (parser.isSet(set.help)) {
        parsed.action = TParsedArguments::TAction::ShowHelp;
        return parsed;
    }
    if (parser.isSet(set.version)) {
        parsed.action = TParsedArguments::TAction::ShowVersion;
        return parsed;
    }
    if (parser.isSet(set.listFonts)) {
        parsed.action = TParsedArguments::TAction::ListFonts;
        return parsed;
    }
    try {
        parsed.options = OptionsOf(parser, set);
        parsed.action = TParsedArguments::TAction::Export;
    } catch (const TRefusal &refusal) {
        parsed.message = refusal.Message();
    }
    return parsed;
}

QString ExportHelpText()
{
    const TOptionSet set;
    QCommandLineParser parser;
    AddAll(parser, set);
    QString text = parser.helpText();
    // Qt names the running program; the help always names this one.
    text.replace(QRegularExpression(QStringLiteral("^Usage: \\S*")), QStringLiteral("Usage: ") + kProgramName);
    return text + kExitStatuses + kExamples;
}

QString ExportVersionText() { return kProgramName + QLatin1Char(' ') + QStringLiteral(FRETCARD_VERSION); }

QString StencilWidthsProblem(const TStencilSettings &stencil, QSize blank)
{
    const QString kerfProblem = KerfProblem(stencil.kerf, blank, kNoBridges);
    if (!kerfProblem.isEmpty())
        return WidthRefusal(kKerfName, InchesWithUnit(stencil.kerf, kMessageDecimals), kerfProblem);
    if (stencil.bridges) {
        const QString problem = BridgeWidthProblem(stencil.bridgeWidth, blank, stencil.kerf);
        if (!problem.isEmpty())
            return WidthRefusal(kBridgeWidthName, InchesWithUnit(stencil.bridgeWidth, kMessageDecimals), problem);
    }
    if (stencil.fragileSpots) {
        const QString problem = LeastWidthProblem(stencil.leastWidth, blank);
        if (!problem.isEmpty())
            return WidthRefusal(kLeastWidthName, InchesWithUnit(stencil.leastWidth, kMessageDecimals), problem);
    }
    if (stencil.drillHoles) {
        const QString problem = DrillSizeProblem(stencil.drillDiameter, blank);
        if (!problem.isEmpty())
            return WidthRefusal(kDrillName, InchesWithUnit(stencil.drillDiameter, kMessageDecimals), problem);
    }
    return {};
}

bool IsCutLineFormat(TExportFormat format)
{
    return format == TExportFormat::Svg || format == TExportFormat::Dxf || format == TExportFormat::CutPdf;
}

QString FormatExtension(TExportFormat format)
{
    switch (format) {
    case TExportFormat::Bmp: return QStringLiteral(".bmp");
    case TExportFormat::Pdf:
    case TExportFormat::CutPdf: return QStringLiteral(".pdf");
    case TExportFormat::Svg: return QStringLiteral(".svg");
    case TExportFormat::Dxf: return QStringLiteral(".dxf");
    }
    return {};
}
