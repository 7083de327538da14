// The main window's stencil items in the Cut Lines menu: Stencil Bridges,
// Show Fragile Spots and the two widths they work with.

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
    m_cutLinesOverlay->Finish = [this](TCutLines built) {
        TCutLines shown = StencilCutLines(std::move(built));
        ShowFragileSpots(shown);
        return shown;
    };
    connect(StencilBridges1, &QAction::toggled, this, m_guard.Guarded([this] { StencilBridges1Click(); }));
    connect(ShowFragileSpots1, &QAction::toggled, this, m_guard.Guarded([this] { ShowFragileSpots1Click(); }));
    connect(BridgeWidth1, &QAction::triggered, this, m_guard.Guarded([this] { BridgeWidth1Click(); }));
    connect(LeastWidth1, &QAction::triggered, this, m_guard.Guarded([this] { LeastWidth1Click(); }));
    // The spots belong to the overlay: they go when the cut lines go.
    connect(ShowCutLines1, &QAction::toggled, this, m_guard.Guarded([this] {
                if (!ShowCutLines1->isChecked())
                    HideFragileSpots();
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
    BridgeWidth1 = MenuItem(menu, QStringLiteral("Bridge &Width..."), false);
    LeastWidth1 = MenuItem(menu, QStringLiteral("&Least Width of Wood..."), false);
    menu->insertActions(before, {StencilBridges1, ShowFragileSpots1, BridgeWidth1, LeastWidth1});
}

TCutLines TForm1::StencilCutLines(TCutLines built) const { return ::StencilCutLines(std::move(built), m_stencil); }

void TForm1::StencilBridges1Click()
{
    m_stencil.bridges = StencilBridges1->isChecked();
    m_cutLinesOverlay->PatternChanged();
}

void TForm1::ShowFragileSpots1Click()
{
    m_stencil.fragileSpots = ShowFragileSpots1->isChecked();
    if (!m_stencil.fragileSpots) {
        HideFragileSpots();
        return;
    }
    // The spots are marked on the cut lines: asking for them shows those.
    if (ShowCutLines1->isChecked())
        m_cutLinesOverlay->PatternChanged();
    else
        ShowCutLines1->setChecked(true);
}

void TForm1::BridgeWidth1Click()
{
    const QSize blank(PatternView()->Width(), PatternView()->Height());
    if (const auto width = AskWidth(DialogHost(), kBridgeWidthQuestion, m_stencil.bridgeWidth, blank)) {
        m_stencil.bridgeWidth = *width;
        m_cutLinesOverlay->PatternChanged();
    }
}

void TForm1::LeastWidth1Click()
{
    const QSize blank(PatternView()->Width(), PatternView()->Height());
    if (const auto width = AskWidth(DialogHost(), kLeastWidthQuestion, m_stencil.leastWidth, blank)) {
        m_stencil.leastWidth = *width;
        m_cutLinesOverlay->PatternChanged();
    }
}

void TForm1::ShowFragileSpots(const TCutLines &shown)
{
    if (!m_stencil.fragileSpots) {
        HideFragileSpots();
        return;
    }
    const TFragileSpots spots = FindFragileSpots(shown, m_stencil.leastWidth);
    m_fragileLayer->setGeometry(PatternView()->geometry());
    m_fragileLayer->setSpots(ContoursPath(spots.contours));
    m_fragileLayer->show();
    // Above the pattern, under the cut lines.
    m_fragileLayer->raise();
    m_cutLinesOverlay->Layer().raise();
    // The preview's tip tells the count under its own text.
    PatternView()->setToolTip(m_previewToolTip + QLatin1Char('\n') + FragileSpotsText(spots.count));
}

void TForm1::HideFragileSpots()
{
    m_fragileLayer->hide();
    m_fragileLayer->setSpots({});
    PatternView()->setToolTip(m_previewToolTip);
}
