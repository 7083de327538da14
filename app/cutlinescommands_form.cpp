// The main window's Cut Lines menu: the overlay on the preview and the
// cut-line exports.

#include "app/cutlinescommands.h"
#include "app/cutlinesoverlay.h"
#include "app/exports_form.h"
#include "app/fretcard1.h"
#include "cutlines/cutlinespage.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/svgwriter.h"
#include "render/shapecontrol.h"

#include <QAction>
#include <QCheckBox>

void TForm1::CreateCutLines()
{
    m_cutLinesOverlay = std::make_unique<TCutLinesOverlay>(
        *PatternView(), [this] { return CheckBox3->isChecked(); }, [this] { return m_stencil; }, m_guard);
    connect(ShowCutLines1, &QAction::toggled, this, m_guard.Guarded([this] { ShowCutLines1Click(); }));
    const std::pair<QAction *, void (TForm1::*)()> commands[] = {
        {ExportCutLinesPdf1, &TForm1::ExportCutLinesPdf1Click},
        {ExportSvg1, &TForm1::ExportSvg1Click},
        {ExportDxf1, &TForm1::ExportDxf1Click},
        {PrintCutLines1, &TForm1::PrintCutLines1Click},
    };
    for (const auto &[item, handler] : commands)
        connect(item, &QAction::triggered, this, m_guard.Guarded([this, handler] { (this->*handler)(); }));
    // The base bar is no setting of the preview: its switch tells the overlay.
    connect(CheckBox3, &QCheckBox::toggled, this, m_guard.Guarded([this] { m_cutLinesOverlay->PatternChanged(); }));
}

void TForm1::ShowCutLines1Click() { m_cutLinesOverlay->setShown(ShowCutLines1->isChecked()); }

// --- The cut-line exports and print ----------------------------------------

namespace {
TFinishedCutLines FinishedOf(TForm1 &form)
{
    return form.FinishedCutLines(PatternCutLines(*form.PatternView(), form.CheckBox3->isChecked()));
}

TCutLines CutLinesOf(TForm1 &form) { return FinishedOf(form).lines; }

TLegend LegendOf(TForm1 &form, const TFinishedCutLines &finished)
{
    return LegendOf(form.Pattern().Text, finished, form.StencilSettings());
}

void ExportFormCutLines(TForm1 &form, const QString &filter, const QString &extension,
                        const TCutLinesWriter &write)
{
    TFormExportWindow window(form);
    ExportCutLines(window, CutLinesOf(form), filter, extension, write);
}
} // namespace

void TForm1::ExportCutLinesPdf1Click()
{
    const TFinishedCutLines finished = FinishedOf(*this);
    const TLegend legend = LegendOf(*this, finished);
    TFormExportWindow window(*this);
    ExportCutLines(window, finished.lines, kPdfFilter, kPdfExtension,
                   [&legend](const TCutLines &lines, QIODevice *device) { return WriteCutLinesPdf(lines, legend, device); });
}
void TForm1::ExportSvg1Click() { ExportFormCutLines(*this, kSvgFilter, kSvgExtension, WriteCutLinesSvg); }
void TForm1::ExportDxf1Click() { ExportFormCutLines(*this, kDxfFilter, kDxfExtension, WriteCutLinesDxf); }
void TForm1::PrintCutLines1Click()
{
    const TFinishedCutLines finished = FinishedOf(*this);
    PrintCutLines(DialogHost(), finished.lines, LegendOf(*this, finished));
}
