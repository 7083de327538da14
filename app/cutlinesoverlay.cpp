#include "app/cutlinesoverlay.h"

#include "render/colors.h"
#include "render/patternview.h"
#include "render/shapecontrol.h"
#include "ui/commandguard.h"
#include "ui/lineoverlay.h"

#include <QMargins>

namespace {
// The contours run along the pixels' edges, and a 1-pixel line on the
// blank's right and bottom edges falls just outside the blank: the layer
// reaches one pixel further so that those edges show too.
constexpr QMargins kEdgeRoom(0, 0, 1, 1);
// A see-through grey: over the white blank it gives the light grey of the
// printed page, and the pattern stays visible beneath.
const QColor kWasteShade(0, 0, 0, 38);
// A sound drill hole is told apart from the red cut lines; one too large for
// its cut is drawn in their red, heavier.
const QPen kDrillHolePen(ColorToQColor(clTeal), 1);
const QPen kTooSmallPen(ColorToQColor(clRed), 2);

std::vector<TOverlayMark> DrillMarks(const TCutMarks &marks)
{
    QPainterPath sound, tooSmall;
    for (const TDrillHole &hole : marks.drillHoles)
        (hole.tooSmall ? tooSmall : sound).addPath(DrillMarkPath(hole, marks.drillDiameter));
    return {{sound, kDrillHolePen}, {tooSmall, kTooSmallPen}};
}

std::vector<QPolygonF> Polylines(const TCutLines &lines)
{
    std::vector<QPolygonF> polylines;
    polylines.reserve(lines.letters.size() + lines.blank.size());
    for (const auto *contours : {&lines.letters, &lines.blank})
        for (const TCutContour &contour : *contours)
            polylines.push_back(contour.points);
    return polylines;
}
} // namespace

TCutLines PatternCutLines(TBaseShape &view, bool baseOn)
{
    return BuildCutLines(PatternShapes(view, baseOn));
}

TCutLinesOverlay::TCutLinesOverlay(TBaseShape &view, std::function<bool()> baseOn, TCommandGuard &guard)
    : m_view(view),
      m_baseOn(std::move(baseOn)),
      m_guard(guard),
      m_layer(new TLineOverlay(ColorToQColor(clRed), ColorToQColor(clBlue), view.parentWidget()))
{
    m_layer->hide();
    m_view.OnChange = [this] { PatternChanged(); };
}

TCutLinesOverlay::~TCutLinesOverlay() { m_view.OnChange = nullptr; }

void TCutLinesOverlay::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown) {
        Rebuild();
        m_layer->raise();
    }
    m_layer->setVisible(shown);
}

void TCutLinesOverlay::PatternChanged()
{
    if (m_shown)
        m_guard.Run([this] { Rebuild(); });
}

void TCutLinesOverlay::Rebuild()
{
    m_layer->setGeometry(m_view.geometry() + kEdgeRoom);
    const TCutLines built = PatternCutLines(m_view, m_baseOn());
    if (!Finish) {
        m_layer->setLines(Polylines(built));
        return;
    }
    const TFinishedCutLines finished = Finish(built);
    // The letters' contours come first, so their numbers are the lines'.
    m_layer->setLines(Polylines(finished.lines), finished.loose.contours);
    m_layer->setShade(ContoursPath(finished.lines.marks.waste), kWasteShade);
    m_layer->setMarks(DrillMarks(finished.lines.marks));
}
