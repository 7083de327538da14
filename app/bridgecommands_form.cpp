// The main window's stencil items in the Cut Lines menu: Stencil Bridges,
// Show Fragile Spots, Show Drill Holes, Shade Waste and the widths the cut
// lines work with.

#include "app/bridgecommands.h"
#include "app/cutlinesoverlay.h"
#include "cutlines/fragile.h"
#include "app/fretcard1.h"
#include "render/shapecontrol.h"
#include "ui/lineoverlay.h"
#include "ui/spotoverlay.h"

#include <QAction>
#include <QMenu>

namespace {
// Orange stands out from the red cut lines, the black letters and the grey blank.
const QColor kFragileSpotColor(255, 140, 0);

QAction *MenuItem(QMenu *menu, const QString &text, bool checkable)
{
    auto *item = new QAction(text, menu);
    item->setCheckable(checkable);
    item->setChecked(false);
    return item;
}
} // namespace

void TForm1::CreateStencilChecks()
{
    AddStencilItems();
    m_previewToolTip = PatternView()->toolTip();
    m_fragileLayer = new TSpotOverlay(kFragileSpotColor, PatternView()->parentWidget());
    m_fragileLayer->hide();
    m_cutLinesOverlay->OnShown = [this](const TOverlayCutLines &shown) { ShowCutLineNotes(shown); };
    connect(StencilBridges1, &QAction::toggled, this, m_guard.Guarded([this] { StencilBridges1Click(); }));
    connect(ShowFragileSpots1, &QAction::toggled, this, m_guard.Guarded([this] { ShowFragileSpots1Click(); }));
    connect(BridgeWidth1, &QAction::triggered, this, m_guard.Guarded([this] { BridgeWidth1Click(); }));
    connect(LeastWidth1, &QAction::triggered, this, m_guard.Guarded([this] { LeastWidth1Click(); }));
    connect(BladeKerf1, &QAction::triggered, this, m_guard.Guarded([this] { BladeKerf1Click(); }));
    connect(ShowDrillHoles1, &QAction::toggled, this, m_guard.Guarded([this] { ShowDrillHoles1Click(); }));
    connect(ShadeWaste1, &QAction::toggled, this, m_guard.Guarded([this] { ShadeWaste1Click(); }));
    connect(DrillSize1, &QAction::triggered, this, m_guard.Guarded([this] { DrillSize1Click(); }));
    // The spots and the notes belong to the overlay: they go when the cut lines go.
    connect(ShowCutLines1, &QAction::toggled, this, m_guard.Guarded([this] {
                if (!ShowCutLines1->isChecked())
                    HideCutLineNotes();
            }));
}

// The stencil items follow Show Cut Lines, before the exports.
void TForm1::AddStencilItems()
{
    auto *menu = qobject_cast<QMenu *>(ShowCutLines1->parent());
    const QList<QAction *> items = menu->actions();
    const qsizetype shown = items.indexOf(ShowCutLines1);
    QAction *before = shown + 1 < items.size() ? items[shown + 1] : nullptr;
    StencilBridges1 = MenuItem(menu, QStringLiteral("Stencil &Bridges"), true);
    ShowFragileSpots1 = MenuItem(menu, QStringLiteral("Show &Fragile Spots"), true);
    ShowDrillHoles1 = MenuItem(menu, QStringLiteral("Show &Drill Holes"), true);
    ShadeWaste1 = MenuItem(menu, QStringLiteral("Shade &Waste"), true);
    BridgeWidth1 = MenuItem(menu, QStringLiteral("Bridge &Width..."), false);
    LeastWidth1 = MenuItem(menu, QStringLiteral("&Least Width of Wood..."), false);
    BladeKerf1 = MenuItem(menu, QStringLiteral("Blade &Kerf..."), false);
    DrillSize1 = MenuItem(menu, QStringLiteral("D&rill Size..."), false);
    menu->insertActions(before, {StencilBridges1, ShowFragileSpots1, ShowDrillHoles1, ShadeWaste1, BridgeWidth1,
                                 LeastWidth1, BladeKerf1, DrillSize1});
}

TFinishedCutLines TForm1::FinishedCutLines(const TCutLines &built) const { return FinishCutLines(built, m_stencil); }

void TForm1::StencilBridges1Click()
{
    m_stencil.bridges = StencilBridges1->isChecked();
    m_cutLinesOverlay->PatternChanged();
}

void TForm1::ShowFragileSpots1Click() { SwitchCutLineMark(&TStencilSettings::fragileSpots, ShowFragileSpots1); }

void TForm1::ShowDrillHoles1Click() { SwitchCutLineMark(&TStencilSettings::drillHoles, ShowDrillHoles1); }

void TForm1::ShadeWaste1Click() { SwitchCutLineMark(&TStencilSettings::shadeWaste, ShadeWaste1); }

void TForm1::SwitchCutLineMark(bool TStencilSettings::*mark, const QAction *item)
{
    m_stencil.*mark = item->isChecked();
    if (m_stencil.*mark && !ShowCutLines1->isChecked())
        ShowCutLines1->setChecked(true);
    else
        m_cutLinesOverlay->PatternChanged();
}

void TForm1::BridgeWidth1Click() { AskStencilWidth(kBridgeWidthQuestion, &TStencilSettings::bridgeWidth); }

void TForm1::LeastWidth1Click() { AskStencilWidth(kLeastWidthQuestion, &TStencilSettings::leastWidth); }

void TForm1::BladeKerf1Click() { AskStencilWidth(kKerfQuestion, &TStencilSettings::kerf); }

void TForm1::DrillSize1Click() { AskStencilWidth(kDrillSizeQuestion, &TStencilSettings::drillDiameter); }

void TForm1::AskStencilWidth(const TWidthQuestion &question, double TStencilSettings::*width)
{
    const QSize blank(PatternView()->Width(), PatternView()->Height());
    if (const auto asked = AskWidth(DialogHost(), question, m_stencil.*width, blank, m_stencil)) {
        m_stencil.*width = *asked;
        m_cutLinesOverlay->PatternChanged();
    }
}

void TForm1::ShowCutLineNotes(const TOverlayCutLines &shown)
{
    // The preview's tip tells what the cut lines hold under its own text,
    // from the settings those lines were built with.
    const TStencilSettings &settings = shown.settings;
    const TFinishedCutLines &finished = shown.finished;
    QStringList tip{m_previewToolTip, LoosePiecesText(finished.loose.count)};
    if (finished.islandsNotBridged > 0)
        tip.append(IslandsNotBridgedText(finished.islandsNotBridged, settings.bridgeWidth));
    if (settings.drillHoles)
        tip.append(TooSmallForDrillText(TooSmallCount(finished.lines.marks.drillHoles), settings.drillDiameter));
    if (settings.fragileSpots) {
        m_fragileLayer->setGeometry(PatternView()->geometry());
        m_fragileLayer->setSpots(ContoursPath(shown.fragile.contours));
        m_fragileLayer->show();
        // Above the pattern, under the cut lines.
        m_fragileLayer->raise();
        m_cutLinesOverlay->Layer().raise();
        tip.append(FragileSpotsText(shown.fragile.count));
    } else {
        m_fragileLayer->hide();
        m_fragileLayer->setSpots({});
    }
    PatternView()->setToolTip(tip.join(QLatin1Char('\n')));
}

void TForm1::HideCutLineNotes()
{
    m_fragileLayer->hide();
    m_fragileLayer->setSpots({});
    PatternView()->setToolTip(m_previewToolTip);
}
