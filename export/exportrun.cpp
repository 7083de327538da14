#include "export/exportrun.h"

#include "core/errors.h"
#include "cutlines/cutlines.h"
#include "cutlines/cutlinespage.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/fragile.h"
#include "cutlines/stencil.h"
#include "cutlines/svgwriter.h"
#include "core/filenames.h"
#include "core/safefile.h"
#include "export/filenaming.h"
#include "export/nameslist.h"
#include "export/patternmaker.h"
#include "export/patternsetup.h"
#include "export/tiledpdf.h"
#include "render/bmpfile.h"
#include "render/patternview.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIODevice>

#include <memory>
#include <optional>

namespace {
// Inputs that cannot be used at all: nothing is written.
class EBadInput : public std::runtime_error {
public:
    explicit EBadInput(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

QString Quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QSize BlankOf(const TPatternLook &look) { return QSize(look.settings.BlankWidth, look.settings.BlankHeight); }

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

// A writer that answered false without the device failing still failed.
void WriteCutLinesFile(const QString &path, const TCutLines &lines,
                       bool (*write)(const TCutLines &, QIODevice *))
{
    WriteFileSafely(path, [&](QIODevice *device) {
        if (!write(lines, device))
            throw EFretcardError(QStringLiteral("the cut lines could not be written"));
    });
}

// The cut lines of a tile; a pattern on a page of its own is drawn whole, as
// the cut-line PDF of the window's page draws it.
TPaintPattern PaintCutLines(const TCutLines &lines)
{
    return [&lines](QPainter &page, const QRect &source) {
        if (source != QRect(QPoint(0, 0), lines.blankSize))
            ShiftToTile(page, source, lines.blankSize);
        PaintCutLinesPage(page, lines);
    };
}

class TRunner {
public:
    TRunner(const TExportOptions &options, const TExportRun::TLineSink &report,
            const TExportRun::TLineSink &progress)
        : m_options(options), m_report(report), m_progress(progress)
    {
    }

    int Run();

private:
    void PrepareLook();
    void CheckWidthsSuitTheBlank();
    QString WidthsProblemFor(const TPatternLook &look) const;
    QStringList Names() const;
    void CheckOutputFolder() const;
    TPatternLook LookFor(const QString &text);
    void ExportOne(const QString &text, const QString &target);
    void WritePattern(const QString &target);
    void WritePicture(const QString &target);
    void WriteCutLines(const QString &target, const TCutLines &lines);
    int FragileSpotsIn(const TCutLines &lines) const;
    void ReportFragileSpots(const QString &file, int count);
    bool MayWrite(const QString &target);
    void Fail(const QString &what, const QString &why);
    TCutLines PlainCutLines();
    TCutLines CutLines();
    void ExportList(const QStringList &names);
    void ExportListToOneFile(const QStringList &names);

    const TExportOptions &m_options;
    const TExportRun::TLineSink &m_report;
    const TExportRun::TLineSink &m_progress;
    TPatternMaker m_maker;
    TPatternLook m_look;
    int m_failures = 0;
};

int TRunner::Run()
{
    QStringList names;
    try {
        PrepareLook();
        CheckWidthsSuitTheBlank();
        if (!m_options.namesFile.isEmpty()) {
            names = Names();
            if (!m_options.singleFile)
                CheckOutputFolder();
        }
    } catch (const EBadInput &error) {
        m_report(error.message());
        return ExitStatus::kBadArguments;
    }

    const QString extension = FormatExtension(m_options.format);
    if (names.isEmpty())
        ExportOne(m_look.settings.Text, TargetFileName(m_options.output, extension));
    else if (m_options.singleFile)
        ExportListToOneFile(names);
    else
        ExportList(names);
    return m_failures == 0 ? ExitStatus::kSuccess : ExitStatus::kPatternFailed;
}

void TRunner::PrepareLook()
{
    try {
        m_look.settings = SettingsFor(m_options.patternFile, m_options.overrides);
    } catch (const EFretcardError &error) {
        throw EBadInput(QStringLiteral("The pattern file %1 cannot be read: %2.").arg(m_options.patternFile,
                                                                                     error.message()));
    }
    const QString notice = MissingFaceNotice(m_look.settings.FontName);
    if (!notice.isEmpty())
        m_report(notice);
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
    const bool anyWidth = m_options.stencil.bridges || m_options.stencil.fragileSpots;
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

QStringList TRunner::Names() const
{
    try {
        return ReadNamesFile(m_options.namesFile);
    } catch (const ENamesFileError &error) {
        throw EBadInput(error.message());
    }
}

void TRunner::CheckOutputFolder() const
{
    const QFileInfo folder(m_options.output);
    if (!folder.exists())
        throw EBadInput(QStringLiteral("The output folder %1 does not exist.").arg(m_options.output));
    if (!folder.isDir())
        throw EBadInput(QStringLiteral("With --names, --output must be a folder; %1 is a file.").arg(m_options.output));
    if (!folder.isWritable())
        throw EBadInput(QStringLiteral("The output folder %1 cannot be written.").arg(m_options.output));
}

TPatternLook TRunner::LookFor(const QString &text)
{
    TPatternLook look = m_look;
    look.settings.Text = text;
    if (m_options.fit)
        look = m_maker.FittedAround(look, m_options.margin);
    m_maker.Show(look);
    return look;
}

bool TRunner::MayWrite(const QString &target)
{
    if (m_options.overwrite || !QFileInfo::exists(target))
        return true;
    Fail(target, QStringLiteral("it exists already (--overwrite replaces it)"));
    return false;
}

void TRunner::Fail(const QString &what, const QString &why)
{
    ++m_failures;
    m_report(QStringLiteral("Not written: %1: %2.").arg(what, why));
}

void TRunner::ExportOne(const QString &text, const QString &target)
{
    if (!MayWrite(target))
        return;
    try {
        const QString problem = WidthsProblemFor(LookFor(text));
        if (!problem.isEmpty()) {
            Fail(target, problem);
            return;
        }
        WritePattern(target);
    } catch (const EFretcardError &error) {
        Fail(target, error.message());
    } catch (const std::bad_alloc &) {
        Fail(target, QStringLiteral("not enough memory for a pattern this large"));
    }
}

// The picture formats show the letters as they are, without bridges; their
// fragile spots are those of the plain cut lines.
void TRunner::WritePattern(const QString &target)
{
    if (!IsCutLineFormat(m_options.format)) {
        WritePicture(target);
        if (m_options.stencil.fragileSpots)
            ReportFragileSpots(target, FragileSpotsIn(PlainCutLines()));
        return;
    }
    const TCutLines lines = CutLines();
    WriteCutLines(target, lines);
    ReportFragileSpots(target, FragileSpotsIn(lines));
}

int TRunner::FragileSpotsIn(const TCutLines &lines) const
{
    return m_options.stencil.fragileSpots ? FindFragileSpots(lines, m_options.stencil.leastWidth).count : 0;
}

void TRunner::ReportFragileSpots(const QString &file, int count)
{
    if (count > 0)
        m_report(file + QStringLiteral(": ") + FragileSpotsText(count));
}

// bmp or pdf.
void TRunner::WritePicture(const QString &target)
{
    const QImage picture = m_maker.ExportPicture();
    if (m_options.format == TExportFormat::Bmp) {
        WriteFileSafely(target, [&picture](QIODevice *device) { WriteBmp(picture, device); });
        return;
    }
    WriteFileSafely(target, [&](QIODevice *device) {
        TTiledPdf pdf(device, m_options.paper);
        pdf.AddPattern(picture.size(), PaintPicture(picture), m_maker.View().Bevel()->Width() > 0);
        pdf.Finish();
    });
}

// svg, dxf or cutpdf.
void TRunner::WriteCutLines(const QString &target, const TCutLines &lines)
{
    if (m_options.format == TExportFormat::Svg) {
        WriteCutLinesFile(target, lines, &WriteCutLinesSvg);
        return;
    }
    if (m_options.format == TExportFormat::Dxf) {
        WriteCutLinesFile(target, lines, &WriteCutLinesDxf);
        return;
    }
    WriteFileSafely(target, [&](QIODevice *device) {
        TTiledPdf pdf(device, m_options.paper);
        pdf.AddPattern(lines.blankSize, PaintCutLines(lines), false);
        pdf.Finish();
    });
}

TCutLines TRunner::PlainCutLines()
{
    return BuildCutLines(PatternShapes(m_maker.View(), m_look.settings.Base));
}

// The cut lines every cut-line file takes, as the window's exports do.
TCutLines TRunner::CutLines() { return StencilCutLines(PlainCutLines(), m_options.stencil); }

void TRunner::ExportList(const QStringList &names)
{
    const QDir folder(m_options.output);
    const QString extension = FormatExtension(m_options.format);
    TFileNamer namer;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (m_progress)
            m_progress(QStringLiteral("name %1 of %2").arg(i + 1).arg(names.size()));
        const QString &name = names.at(i);
        const QString stem = SafeFileStem(name);
        if (stem.isEmpty()) {
            Fail(QStringLiteral("name %1 (%2)").arg(i + 1).arg(Quoted(name)), QStringLiteral("it yields an empty file name"));
            continue;
        }
        ExportOne(name, folder.filePath(namer.Unique(stem) + extension));
    }
}

void TRunner::ExportListToOneFile(const QStringList &names)
{
    const QString target = TargetFileName(m_options.output, FormatExtension(m_options.format));
    if (!MayWrite(target))
        return;
    int fragileSpots = 0;
    try {
        WriteFileSafely(target, [&](QIODevice *device) {
            TTiledPdf pdf(device, m_options.paper);
            for (qsizetype i = 0; i < names.size(); ++i) {
                if (m_progress)
                    m_progress(QStringLiteral("name %1 of %2").arg(i + 1).arg(names.size()));
                const QString which = QStringLiteral("name %1 (%2)").arg(i + 1).arg(Quoted(names.at(i)));
                // A name that cannot be drawn is left out and named; a
                // device that fails ends the whole file.
                try {
                    const QString problem = WidthsProblemFor(LookFor(names.at(i)));
                    if (!problem.isEmpty()) {
                        Fail(which, problem);
                        continue;
                    }
                    const TCutLines lines = CutLines();
                    pdf.AddPattern(lines.blankSize, PaintCutLines(lines), false);
                    fragileSpots += FragileSpotsIn(lines);
                } catch (const std::bad_alloc &) {
                    Fail(which, QStringLiteral("not enough memory for a pattern this large"));
                }
            }
            pdf.Finish();
        });
        ReportFragileSpots(target, fragileSpots);
    } catch (const EFretcardError &error) {
        Fail(target, error.message());
    } catch (const std::bad_alloc &) {
        Fail(target, QStringLiteral("not enough memory for a pattern this large"));
    }
}
} // namespace

TExportRun::TExportRun(TExportOptions options, TLineSink report, TLineSink progress)
    : m_options(std::move(options)), m_report(std::move(report)), m_progress(std::move(progress))
{
}

int TExportRun::Run()
{
    TRunner runner(m_options, m_report, m_progress);
    return runner.Run();
}
