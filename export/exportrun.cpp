#include "export/exportrun.h"

#include "core/errors.h"
#include "core/inputfile.h"
#include "core/safefile.h"
#include "cutlines/connect.h"
#include "cutlines/cutlines.h"
#include "cutlines/cutlinespage.h"
#include "cutlines/drillholes.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/fragile.h"
#include "cutlines/legend.h"
#include "cutlines/stencil.h"
#include "cutlines/svgwriter.h"
#include "export/codepoint.h"
#include "export/filenaming.h"
#include "export/nameslist.h"
#include "export/patternmaker.h"
#include "export/patternsetup.h"
#include "export/standardstreams.h"
#include "export/tiledpdf.h"
#include "render/bmpfile.h"
#include "render/missingglyphs.h"
#include "render/patternview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIODevice>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace {
// Inputs that cannot be used at all: nothing is written.
class EBadInput : public std::runtime_error {
public:
    explicit EBadInput(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

const QString kStandardInputSource = QStringLiteral("on standard input");
const QString kStandardOutputName = QStringLiteral("standard output");
const QString kNotEnoughMemory = QStringLiteral("not enough memory for a pattern this large");
// A message names this many missing characters at most.
constexpr std::size_t kMaxNamedCharacters = 10;

QString Quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QSize BlankOf(const TPatternLook &look) { return QSize(look.settings.BlankWidth, look.settings.BlankHeight); }

// Inches for a length the text needs, rounded up to the hundredth, so that
// what does not fit never reads as if it did.
QString InchesUp(double pixels)
{
    const double hundredths = std::ceil(pixels * 100 / Units::kPixelsPerInch);
    return InchesText(hundredths * Units::kPixelsPerInch / 100, 2, TDecimals::Trimmed);
}

QString InchesOf(int pixels) { return InchesText(pixels, 2, TDecimals::Trimmed); }

bool Installed(const QString &face) { return QFontDatabase::hasFamily(face); }

// Faces the program maps to a shipped font on purpose (the preset face)
// are not missing; any other face Qt has to replace is worth a word.
QString MissingFaceNotice(const QString &face)
{
    if (Installed(face))
        return {};
    for (const QString &substitute : QFont::substitutes(face))
        if (Installed(substitute))
            return {};
    const QString used = QFontInfo(QFont(face)).family();
    return QStringLiteral("The face %1 is not installed; %2 is used instead.").arg(Quoted(face), Quoted(used));
}

// One direction of the blank, for the words that tell where the text runs out.
struct TDirection {
    const char *extent; // "wide"
    const char *start;  // "left"
    const char *end;    // "right"
    const char *moveBy; // "--hpos"
};
constexpr TDirection kAcross{"wide", "left", "right", "--hpos"};
constexpr TDirection kDown{"tall", "top", "bottom", "--vpos"};

// Why ink from `from` to `to` does not fit a blank `side` pixels long in
// `direction`; empty when it does. `movable` text can be moved back with
// the offset options.
QString RunsOut(double from, double to, int side, const TDirection &direction, bool movable)
{
    if (from >= 0 && to <= side)
        return {};
    if (to - from > side)
        return QStringLiteral("the text is %1 in %2 and the blank %3 in; use --fit or a larger --blank")
            .arg(InchesUp(to - from), QLatin1String(direction.extent), InchesOf(side));
    const bool pastEnd = to > side;
    const QString edge = QLatin1String(pastEnd ? direction.end : direction.start);
    const QString remedy = pastEnd && movable
                               ? QStringLiteral("--fit, a larger --blank or a smaller %1").arg(QLatin1String(direction.moveBy))
                               : QStringLiteral("--fit or a larger --blank");
    return QStringLiteral("the text runs %1 in past the blank's %2 edge; use %3")
        .arg(InchesUp(pastEnd ? to - side : -from), edge, remedy);
}

// The picture and the cut lines both end at the blank's edges: ink beyond
// them would be lost without a word.
QString CutOffProblem(const QRectF &ink, QSize blank, bool movable)
{
    if (ink.isNull())
        return {};
    const QString across = RunsOut(ink.left(), ink.right(), blank.width(), kAcross, movable);
    return across.isEmpty() ? RunsOut(ink.top(), ink.bottom(), blank.height(), kDown, movable) : across;
}

// A blank --fit chose that no pattern may have.
QString BlankSizeProblem(QSize blank)
{
    constexpr int kMax = ExportLimits::kMaxBlankSidePixels;
    if (blank.width() <= kMax && blank.height() <= kMax)
        return {};
    return QStringLiteral("the text needs a blank of %1 x %2 in, and no blank may be larger than %3 in on a side")
        .arg(InchesOf(blank.width()), InchesOf(blank.height()), InchesOf(kMax));
}

QString CharacterText(char32_t character)
{
    const QString code = CodePointText(character);
    return QChar::isPrint(character) ? QString::fromUcs4(&character, 1) + QStringLiteral(" (") + code + QLatin1Char(')')
                                     : code;
}

QString MissingCharactersProblem(const std::vector<char32_t> &missing)
{
    if (missing.empty())
        return {};
    QStringList named;
    for (std::size_t i = 0; i < missing.size() && i < kMaxNamedCharacters; ++i)
        named.append(CharacterText(missing[i]));
    if (missing.size() > kMaxNamedCharacters)
        named.append(QStringLiteral("%1 more").arg(missing.size() - kMaxNamedCharacters));
    return QStringLiteral("the font has no %1; --allow-missing writes it anyway").arg(named.join(QStringLiteral(", ")));
}

// The folder files are written into, made with its parents when missing:
// the same for a list's folder and a single file's.
void MakeFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return;
    if (info.exists())
        throw EBadInput(QStringLiteral("The folder %1 cannot be made: a file of that name is in the way.").arg(folder));
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
    if (error)
        throw EBadInput(QStringLiteral("The folder %1 cannot be made: %2.")
                            .arg(folder, QString::fromLocal8Bit(error.message())));
}

// "line 5 ("Ann")", or "line 5" for a line that holds no name.
QString LineLabel(const TNamesLine &line)
{
    const QString number = QStringLiteral("line %1").arg(line.number);
    return line.name.isEmpty() ? number : number + QStringLiteral(" (") + Quoted(line.name) + QLatin1Char(')');
}

// A writer that answered false without the device failing still failed.
void WriteCutLinesTo(QIODevice *device, const TCutLines &lines, bool (*write)(const TCutLines &, QIODevice *))
{
    if (!write(lines, device))
        throw EFretcardError(QStringLiteral("the cut lines could not be written"));
}

// The cut lines of a tile; a pattern on a page of its own is drawn whole, as
// the cut-line PDF of the window's page draws it, and every page gets the
// legend. `lines` and `legend` must outlive the pages.
TPatternPages CutLinePages(const TCutLines &lines, const TLegend &legend)
{
    TPatternPages pages;
    pages.pixels = lines.blankSize;
    pages.name = legend.text;
    pages.paint = [&lines](QPainter &page, const QRect &source) {
        if (source != QRect(QPoint(0, 0), lines.blankSize))
            ShiftToTile(page, source, lines.blankSize);
        PaintCutLinesPage(page, lines);
    };
    pages.beside = [&legend](QPainter &page, QSize part) { PaintLegend(page, legend, part); };
    return pages;
}

// What the exporter tells after a file about its cut lines.
struct TCutLineNotes {
    bool fragileSpotsAsked = false;
    int fragileSpots = 0;
    // Where each spot lies, "fragile spot at 1.20 in across, 0.40 in down",
    // when asked for.
    QStringList spotPlaces;
    int loosePieces = 0;
    int islandsNotBridged = 0;
    int tooSmallForDrill = 0;

    void Add(const TCutLineNotes &other)
    {
        tooSmallForDrill += other.tooSmallForDrill;
        fragileSpots += other.fragileSpots;
        spotPlaces += other.spotPlaces;
        loosePieces += other.loosePieces;
        islandsNotBridged += other.islandsNotBridged;
    }
};

QString SpotPlaceText(QPointF spot)
{
    return QStringLiteral("fragile spot at %1 across, %2 down").arg(InchesWithUnit(spot.x(), kMessageDecimals), InchesWithUnit(spot.y(), kMessageDecimals));
}

using TWriteContent = std::function<void(QIODevice *)>;
using TVisitName = std::function<void(const TNamesLine &)>;

class TRunner {
public:
    TRunner(const TExportOptions &options, const TExportRun::TLineSink &report,
            const TExportRun::TLineSink &progress, TRunTally &tally)
        : m_options(options), m_report(report), m_progress(progress), m_tally(tally)
    {
    }

    int Run();

private:
    QString SpooledStandardInput(const QString &what);
    void PrepareLook();
    void CheckWidthsSuitTheBlank();
    QString WidthsProblemFor(const TPatternLook &look) const;
    void OpenNames();
    void ForEachName(const TVisitName &visit);
    void CheckOutputFolder() const;
    int TallestFit();
    TPatternLook LookFor(const QString &text);
    TPatternLook Connected(TPatternLook look);
    TPatternLook StandingInTheBar(TPatternLook fitted);
    void TellConnection(const QString &prefix);
    QString PatternProblem(const TPatternLook &look);
    void ExportOne(const QString &text, const QString &target, const QString &label);
    void WriteOut(const QString &target, const TWriteContent &content);
    void WritePattern(const QString &target);
    void WritePicture(const QString &target);
    void WriteCutLines(const QString &target, const TFinishedCutLines &finished);
    TLegend LegendFor(const TFinishedCutLines &finished) const;
    TCutLineNotes NotesOn(const TCutLines &lines, TCutStyle style, const QString &spotPrefix = {}) const;
    TCutLineNotes NotesOn(const TFinishedCutLines &finished, const QString &spotPrefix = {}) const;
    void Report(const QString &file, const TCutLineNotes &notes);
    bool MayWrite(const QString &target);
    void Fail(const QString &what, const QString &why);
    void Notice(const QString &text);
    void ShowProgress(qint64 index);
    QString Shown(const QString &target) const;
    TCutLines WeldedCutLines();
    TFinishedCutLines CutLines();
    void ExportNames();
    void ExportList();
    void ExportListToOneFile();

    const TExportOptions &m_options;
    const TExportRun::TLineSink &m_report;
    const TExportRun::TLineSink &m_progress;
    TRunTally &m_tally;
    TPatternMaker m_maker;
    TPatternLook m_look;
    // The pattern the maker shows now.
    TPatternLook m_shown;
    // With --connect, what was set for it ("Kern set to -12"), or why
    // nothing could be.
    QStringList m_connectNotes;
    QString m_connectProblem;
    // Standard input, kept where it can be read more than once.
    std::unique_ptr<QTemporaryFile> m_spooled;
    QString m_namesPath;
    QString m_namesSource;
    qint64 m_nameCount = 0;
    // With --same-height, the height of the tallest fitted blank.
    int m_minHeight = 0;
};

int TRunner::Run()
{
    try {
        PrepareLook();
        CheckWidthsSuitTheBlank();
        if (m_options.namesFile.isEmpty())
            ExportOne(m_look.settings.Text, m_options.output, Shown(m_options.output));
        else
            ExportNames();
    } catch (const EBadInput &error) {
        m_report(error.message());
        return ExitStatus::kBadArguments;
    }
    return m_tally.failed == 0 ? ExitStatus::kSuccess : ExitStatus::kPatternFailed;
}

// Standard input copied to a temporary file, so that it is read like any
// file: checked, counted and read again, and never more of it than a file
// could hold.
QString TRunner::SpooledStandardInput(const QString &what)
{
    m_spooled = std::make_unique<QTemporaryFile>();
    try {
        if (!m_spooled->open())
            throw EBadInput(QStringLiteral("%1 cannot be read: no temporary file can be made (%2).")
                                .arg(what, m_spooled->errorString()));
        if (!CopyStandardInput(*m_spooled, kMaxInputFileBytes))
            throw EBadInput(QStringLiteral("%1 is larger than %2 MiB.").arg(what).arg(kMaxInputFileBytes / (1024 * 1024)));
        if (!m_spooled->flush())
            throw EBadInput(QStringLiteral("%1 cannot be read: %2.").arg(what, m_spooled->errorString()));
    } catch (const EFretcardError &error) {
        throw EBadInput(QStringLiteral("%1 cannot be read: %2.").arg(what, error.message()));
    }
    return m_spooled->fileName();
}

void TRunner::PrepareLook()
{
    const bool fromInput = m_options.patternFile == kStandardStream;
    const QString shown = fromInput ? kStandardInputSource : m_options.patternFile;
    const QString path = fromInput ? SpooledStandardInput(QStringLiteral("The pattern file on standard input"))
                                   : m_options.patternFile;
    try {
        m_look.settings = SettingsFor(path, m_options.overrides);
    } catch (const EFretcardError &error) {
        throw EBadInput(QStringLiteral("The pattern file %1 cannot be read: %2.").arg(shown, error.message()));
    }
    const QString notice = MissingFaceNotice(m_look.settings.FontName);
    if (!notice.isEmpty())
        Notice(notice);
    if (m_options.letterHeight) {
        m_look.fontPixelHeight = m_maker.FontPixelHeightFor(m_look, *m_options.letterHeight);
        if (*m_look.fontPixelHeight < 1)
            throw EBadInput(QStringLiteral("The face %1 has no capital H to measure the letter height by.")
                                .arg(Quoted(m_look.settings.FontName)));
    }
}

// Widths no blank of the run can take leave nothing to write. Where --fit
// gives each name a blank of its own, each is checked as it is made.
void TRunner::CheckWidthsSuitTheBlank()
{
    const bool anyWidth = m_options.stencil.bridges || m_options.stencil.fragileSpots || m_options.stencil.drillHoles;
    if (!anyWidth || (m_options.fit && !m_options.namesFile.isEmpty()))
        return;
    const QString problem = WidthsProblemFor(m_options.fit ? LookFor(m_look.settings.Text) : m_look);
    if (!problem.isEmpty())
        throw EBadInput(problem + QLatin1Char('.'));
}

QString TRunner::WidthsProblemFor(const TPatternLook &look) const
{
    return StencilWidthsProblem(m_options.stencil, BlankOf(look));
}

// The names file checked without opening anything it should not, and its
// names counted; a list without a single name leaves nothing to do.
void TRunner::OpenNames()
{
    const QString &file = m_options.namesFile;
    if (file == kStandardStream) {
        m_namesSource = kStandardInputSource;
        m_namesPath = SpooledStandardInput(QStringLiteral("The names file on standard input"));
    } else {
        m_namesSource = m_namesPath = file;
        const QString start = QStringLiteral("The names file %1 ").arg(file);
        switch (InputFileKind(file)) {
        case TInputFile::Missing: throw EBadInput(start + QStringLiteral("does not exist."));
        case TInputFile::Folder: throw EBadInput(start + QStringLiteral("is a folder, not a text file."));
        case TInputFile::NotRegular:
            throw EBadInput(start + QStringLiteral("is not a regular file; give a file, or - for standard input."));
        case TInputFile::TooLarge:
            throw EBadInput(start + QStringLiteral("is larger than %1 MiB.").arg(kMaxInputFileBytes / (1024 * 1024)));
        case TInputFile::Readable:
        case TInputFile::Unknown: break;
        }
    }
    try {
        ForEachName([this](const TNamesLine &) { ++m_nameCount; });
    } catch (const ENamesFileError &error) {
        throw EBadInput(error.message());
    }
    if (m_nameCount == 0)
        throw EBadInput(QStringLiteral("The names file %1 holds no names.").arg(m_namesSource));
}

// Every line of the list that holds a name, or a problem, in turn; one line
// at a time is read. Throws ENamesFileError when the file fails.
void TRunner::ForEachName(const TVisitName &visit)
{
    QFile file(m_namesPath);
    if (!file.open(QIODevice::ReadOnly))
        throw ENamesFileError(
            QStringLiteral("The names file %1 cannot be read: %2.").arg(m_namesSource, file.errorString()));
    TNamesReader reader(file, m_namesSource, kMaxInputFileBytes);
    while (const std::optional<TNamesLine> line = reader.Next())
        visit(*line);
}

void TRunner::CheckOutputFolder() const
{
    const QFileInfo folder(m_options.output);
    if (folder.exists() && !folder.isDir())
        throw EBadInput(QStringLiteral("With --names, --output must be a folder; %1 is a file.").arg(m_options.output));
    MakeFolder(m_options.output);
    if (!QFileInfo(m_options.output).isWritable())
        throw EBadInput(QStringLiteral("The output folder %1 cannot be written.").arg(m_options.output));
}

// The height of the tallest blank --fit gives a name of the list; names
// no blank can hold do not count.
int TRunner::TallestFit()
{
    int tallest = 0;
    try {
        ForEachName([&](const TNamesLine &line) {
            if (!line.problem.isEmpty())
                return;
            const QSize blank = BlankOf(LookFor(line.name));
            if (BlankSizeProblem(blank).isEmpty())
                tallest = std::max(tallest, blank.height());
        });
    } catch (const ENamesFileError &error) {
        throw EBadInput(error.message());
    }
    return tallest;
}

TPatternLook TRunner::LookFor(const QString &text)
{
    TPatternLook look = m_look;
    look.settings.Text = text;
    m_connectNotes.clear();
    m_connectProblem.clear();
    if (m_options.connect)
        look = Connected(look);
    if (m_options.fit) {
        look = m_maker.FittedAround(look, m_options.margin, m_minHeight);
        if (m_options.connect && m_connectProblem.isEmpty() && look.settings.Base)
            look = StandingInTheBar(look);
    }
    m_maker.Show(look);
    m_shown = look;
    return look;
}

// The Kern that joins the letters of every word and, with a base bar, the
// VPos that stands them in it.
TPatternLook TRunner::Connected(TPatternLook look)
{
    m_maker.Show(look);
    const bool base = look.settings.Base;
    const TConnection connection =
        ConnectLetters([&](int kern) { return PatternLetters(m_maker.View(), base, kern); }, look.settings.VPos,
                       ConnectWidthsOf(m_options.stencil));
    if (!connection.kern) {
        // Empty for a text without letters: nothing to join, written as it is.
        m_connectProblem = LettersApartText(connection);
        return look;
    }
    look.settings.Kern = *connection.kern;
    m_connectNotes.append(QStringLiteral("Kern set to %1").arg(*connection.kern));
    if (connection.vpos && !m_options.fit) {
        look.settings.VPos = *connection.vpos;
        m_connectNotes.append(QStringLiteral("VPos set to %1").arg(*connection.vpos));
    }
    return look;
}

// A fitted blank puts the bar under the letters' lowest ink; the letters
// that stand on the baseline are moved into it by the least width.
TPatternLook TRunner::StandingInTheBar(TPatternLook fitted)
{
    m_maker.Show(fitted);
    const std::optional<int> drop =
        DropIntoBar(PatternLetters(m_maker.View(), true, fitted.settings.Kern), m_options.stencil.leastWidth);
    if (drop && fitted.textOffset)
        fitted.textOffset->ry() += *drop;
    return fitted;
}

void TRunner::TellConnection(const QString &prefix)
{
    for (const QString &note : m_connectNotes)
        Notice(prefix + note);
}

// Why the pattern the maker shows, `look`, must not be written; empty when
// it may.
QString TRunner::PatternProblem(const TPatternLook &look)
{
    if (!m_connectProblem.isEmpty())
        return m_connectProblem;
    QString problem = BlankSizeProblem(BlankOf(look));
    if (problem.isEmpty())
        problem = WidthsProblemFor(look);
    if (problem.isEmpty())
        problem = CutOffProblem(m_maker.TextInk(), BlankOf(look), !look.settings.Multiline);
    if (problem.isEmpty() && !m_options.allowMissing)
        problem = MissingCharactersProblem(
            MissingCharacters(m_maker.View().Caption()->Font()->ToQFont(), look.settings.Text));
    return problem;
}

bool TRunner::MayWrite(const QString &target)
{
    if (m_options.toStandardOutput || m_options.overwrite || !QFileInfo::exists(target))
        return true;
    Fail(target, QStringLiteral("it exists already (--overwrite replaces it)"));
    return false;
}

void TRunner::Fail(const QString &what, const QString &why)
{
    ++m_tally.failed;
    m_report(QStringLiteral("Not written: %1: %2.").arg(what, why));
}

void TRunner::Notice(const QString &text)
{
    if (!m_options.quiet)
        m_report(text);
}

void TRunner::ShowProgress(qint64 index)
{
    if (m_progress)
        m_progress(QStringLiteral("name %1 of %2").arg(index).arg(m_nameCount));
}

QString TRunner::Shown(const QString &target) const
{
    return m_options.toStandardOutput ? kStandardOutputName : target;
}

// A pattern that cannot be made is named by `label`; a file that cannot be
// written, by its own name.
void TRunner::ExportOne(const QString &text, const QString &target, const QString &label)
{
    if (!MayWrite(target))
        return;
    try {
        const QString problem = PatternProblem(LookFor(text));
        if (!problem.isEmpty()) {
            Fail(label, problem);
            return;
        }
        TellConnection(m_options.namesFile.isEmpty() ? QString() : label + QStringLiteral(": "));
        WritePattern(target);
    } catch (const EFretcardError &error) {
        Fail(Shown(target), error.message());
    } catch (const std::bad_alloc &) {
        Fail(Shown(target), kNotEnoughMemory);
    }
}

void TRunner::WriteOut(const QString &target, const TWriteContent &content)
{
    if (m_options.toStandardOutput) {
        WriteStandardOutput(content);
        return;
    }
    MakeFolder(QFileInfo(target).path());
    WriteFileSafely(target, content);
}

// The picture formats show the letters as they are, without bridges; their
// fragile spots are those of the cut lines the kerf leaves.
void TRunner::WritePattern(const QString &target)
{
    if (!IsCutLineFormat(m_options.format)) {
        WritePicture(target);
        if (m_options.stencil.fragileSpots)
            Report(target, NotesOn(CleanedForKerf(WeldedCutLines(), m_options.stencil.kerf, TCutStyle::CutOut),
                                   TCutStyle::CutOut));
        else
            Report(target, {});
        return;
    }
    const TFinishedCutLines finished = CutLines();
    WriteCutLines(target, finished);
    Report(target, NotesOn(finished));
}

TCutLineNotes TRunner::NotesOn(const TCutLines &lines, TCutStyle style, const QString &spotPrefix) const
{
    TCutLineNotes notes;
    notes.fragileSpotsAsked = m_options.stencil.fragileSpots;
    if (!notes.fragileSpotsAsked)
        return notes;
    const TFragileSpots spots = FindFragileSpots(lines, m_options.stencil.leastWidth, style);
    notes.fragileSpots = spots.count;
    if (!m_options.reportSpots)
        return notes;
    // Read off left to right, as the blank is.
    std::vector<QPointF> places = spots.positions;
    std::sort(places.begin(), places.end(),
              [](QPointF a, QPointF b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    for (const QPointF &spot : places)
        notes.spotPlaces.append(spotPrefix + SpotPlaceText(spot));
    return notes;
}

TCutLineNotes TRunner::NotesOn(const TFinishedCutLines &finished, const QString &spotPrefix) const
{
    TCutLineNotes notes = NotesOn(finished.lines, CutStyleOf(m_options.stencil), spotPrefix);
    notes.loosePieces = finished.loose.count;
    notes.islandsNotBridged = finished.islandsNotBridged;
    notes.tooSmallForDrill = TooSmallCount(finished.lines.marks.drillHoles);
    return notes;
}

// Told after the file, without changing the exit status: the fragile spots
// whenever asked for, even when quiet; unless quiet, what falls off when the
// file is cut when anything does, and the inside cuts the drill is too large
// for.
void TRunner::Report(const QString &file, const TCutLineNotes &notes)
{
    ++m_tally.written;
    if (notes.fragileSpots > 0)
        ++m_tally.withFragileSpots;
    const QString about = Shown(file) + QStringLiteral(": ");
    if (notes.fragileSpotsAsked)
        m_report(about + FragileSpotsText(notes.fragileSpots));
    for (const QString &place : notes.spotPlaces)
        m_report(about + place);
    if (notes.loosePieces > 0)
        Notice(about + LoosePiecesText(notes.loosePieces));
    if (notes.islandsNotBridged > 0)
        Notice(about + IslandsNotBridgedText(notes.islandsNotBridged, m_options.stencil.bridgeWidth));
    if (notes.tooSmallForDrill > 0)
        Notice(about + TooSmallForDrillText(notes.tooSmallForDrill, m_options.stencil.drillDiameter));
}

// bmp or pdf.
void TRunner::WritePicture(const QString &target)
{
    const QImage picture = m_maker.ExportPicture();
    if (m_options.format == TExportFormat::Bmp) {
        WriteOut(target, [&picture](QIODevice *device) { WriteBmp(picture, device); });
        return;
    }
    WriteOut(target, [&](QIODevice *device) {
        TTiledPdf pdf(device, m_options.paper);
        pdf.AddPattern({picture.size(), m_shown.settings.Text, PaintPicture(picture), {},
                        m_maker.View().Bevel()->Width() > 0});
        pdf.Finish();
    });
}

TLegend TRunner::LegendFor(const TFinishedCutLines &finished) const
{
    return LegendOf(m_shown.settings.Text, finished, m_options.stencil);
}

// svg, dxf or cutpdf.
void TRunner::WriteCutLines(const QString &target, const TFinishedCutLines &finished)
{
    const TCutLines &lines = finished.lines;
    if (m_options.format == TExportFormat::Svg) {
        WriteOut(target, [&lines](QIODevice *device) { WriteCutLinesTo(device, lines, &WriteCutLinesSvg); });
        return;
    }
    if (m_options.format == TExportFormat::Dxf) {
        WriteOut(target, [&lines](QIODevice *device) { WriteCutLinesTo(device, lines, &WriteCutLinesDxf); });
        return;
    }
    const TLegend legend = LegendFor(finished);
    WriteOut(target, [&](QIODevice *device) {
        TTiledPdf pdf(device, m_options.paper);
        pdf.AddPattern(CutLinePages(lines, legend));
        pdf.Finish();
    });
}

TCutLines TRunner::WeldedCutLines()
{
    return BuildCutLines(PatternShapes(m_maker.View(), m_look.settings.Base));
}

// The cut lines every cut-line file takes, as the window's exports do.
TFinishedCutLines TRunner::CutLines() { return FinishCutLines(WeldedCutLines(), m_options.stencil); }

void TRunner::ExportNames()
{
    OpenNames();
    if (!m_options.singleFile)
        CheckOutputFolder();
    if (m_options.sameHeight)
        m_minHeight = TallestFit();
    try {
        if (m_options.singleFile)
            ExportListToOneFile();
        else
            ExportList();
    } catch (const ENamesFileError &error) {
        // The names read so far are written; the rest of the list is lost.
        ++m_tally.failed;
        m_report(error.message());
    }
}

void TRunner::ExportList()
{
    const QDir folder(m_options.output);
    const QString extension = FormatExtension(m_options.format);
    TFileNamer namer;
    qint64 index = 0;
    ForEachName([&](const TNamesLine &line) {
        ShowProgress(++index);
        if (!line.problem.isEmpty()) {
            Fail(LineLabel(line), line.problem);
            return;
        }
        const QString stem = SafeFileStem(line.name);
        if (stem.isEmpty()) {
            Fail(LineLabel(line), QStringLiteral("it yields an empty file name"));
            return;
        }
        ExportOne(line.name, folder.filePath(namer.Unique(stem) + extension), LineLabel(line));
    });
}

void TRunner::ExportListToOneFile()
{
    const QString &target = m_options.output;
    if (!MayWrite(target))
        return;
    TCutLineNotes notes;
    notes.fragileSpotsAsked = m_options.stencil.fragileSpots;
    try {
        WriteOut(target, [&](QIODevice *device) {
            TTiledPdf pdf(device, m_options.paper);
            qint64 index = 0;
            ForEachName([&](const TNamesLine &line) {
                ShowProgress(++index);
                // A name that cannot be drawn is left out and named; a
                // device that fails ends the whole file.
                try {
                    const QString problem = line.problem.isEmpty() ? PatternProblem(LookFor(line.name)) : line.problem;
                    if (!problem.isEmpty()) {
                        Fail(LineLabel(line), problem);
                        return;
                    }
                    TellConnection(LineLabel(line) + QStringLiteral(": "));
                    const TFinishedCutLines finished = CutLines();
                    const TLegend legend = LegendFor(finished);
                    pdf.AddPattern(CutLinePages(finished.lines, legend));
                    notes.Add(NotesOn(finished, LineLabel(line) + QStringLiteral(": ")));
                } catch (const std::bad_alloc &) {
                    Fail(LineLabel(line), kNotEnoughMemory);
                }
            });
            pdf.Finish();
        });
        Report(target, notes);
    } catch (const EFretcardError &error) {
        Fail(Shown(target), error.message());
    } catch (const std::bad_alloc &) {
        Fail(Shown(target), kNotEnoughMemory);
    }
}
} // namespace

QString SummaryText(const TRunTally &tally)
{
    QString text = tally.written == 1 ? QStringLiteral("Wrote 1 file") : QStringLiteral("Wrote %1 files").arg(tally.written);
    if (tally.withFragileSpots > 0)
        text += tally.withFragileSpots == 1 ? QStringLiteral("; 1 has fragile spots")
                                            : QStringLiteral("; %1 have fragile spots").arg(tally.withFragileSpots);
    if (tally.failed > 0)
        text += QStringLiteral("; %1 failed").arg(tally.failed);
    return text + QLatin1Char('.');
}

TExportRun::TExportRun(TExportOptions options, TLineSink report, TLineSink progress)
    : m_options(std::move(options)), m_report(std::move(report)), m_progress(std::move(progress))
{
}

int TExportRun::Run()
{
    m_tally = {};
    TRunner runner(m_options, m_report, m_progress, m_tally);
    return runner.Run();
}
