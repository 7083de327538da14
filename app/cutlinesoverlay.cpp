#include "app/cutlinesoverlay.h"

#include "render/colors.h"
#include "render/patternview.h"
#include "render/shapecontrol.h"
#include "ui/commandguard.h"
#include "ui/lineoverlay.h"

#include <QFutureWatcher>
#include <QMargins>
#include <QtConcurrent/QtConcurrentRun>

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

// The welding, the kerf cleaning and the bridges grow with the glyphs'
// outlines that reach the blank; glyphs clipped away cost nothing.
qsizetype GlyphElementsOnBlank(const TPatternShapes &shapes)
{
    qsizetype elements = 0;
    for (const TGlyphPiece &glyph : shapes.glyphs)
        if (!glyph.clip.isEmpty())
            elements += glyph.outline.elementCount();
    return elements;
}
} // namespace

TCutLines PatternCutLines(TBaseShape &view, bool baseOn)
{
    return BuildCutLines(PatternShapes(view, baseOn));
}

TOverlayCutLines OverlayCutLines(const TPatternShapes &shapes, const TStencilSettings &settings)
{
    TOverlayCutLines shown{settings, FinishCutLines(BuildCutLines(shapes), settings), {}};
    if (settings.fragileSpots)
        shown.fragile = FindFragileSpots(shown.finished.lines, settings.leastWidth, CutStyleOf(settings));
    return shown;
}

TCutLinesOverlay::TCutLinesOverlay(TBaseShape &view, std::function<bool()> baseOn,
                                   std::function<TStencilSettings()> settings, TCommandGuard &guard)
    : m_view(view),
      m_baseOn(std::move(baseOn)),
      m_settings(std::move(settings)),
      m_guard(guard),
      m_layer(new TLineOverlay(ColorToQColor(clRed), ColorToQColor(clBlue), view.parentWidget())),
      m_buildWatcher(std::make_unique<QFutureWatcher<TBuilt>>())
{
    m_layer->hide();
    m_view.OnChange = [this] { PatternChanged(); };
    QObject::connect(m_buildWatcher.get(), &QFutureWatcherBase::finished, m_buildWatcher.get(),
                     [this] { m_guard.Run([this] { BuildEnded(); }); });
}

TCutLinesOverlay::~TCutLinesOverlay()
{
    m_view.OnChange = nullptr;
    // The worker holds nothing of the window, but it must not outlive the
    // program's own objects: a build still running is waited for.
    m_buildWatcher->disconnect();
    // Only a future whose result is still to be taken has anything to wait for.
    if (m_building)
        m_build.waitForFinished();
}

void TCutLinesOverlay::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown) {
        Rebuild();
        m_layer->raise();
    } else {
        // Lines of an earlier pattern must not show when switched on again.
        ++m_generation;
        Clear();
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
    ++m_generation;
    // One build at a time: the one running starts the next when it ends, from
    // the pattern as it is then, so a burst of changes costs one build more.
    if (m_building)
        return;
    StartBuild();
}

void TCutLinesOverlay::StartBuild()
{
    // Laid out afresh for this build: no other copy of these paths is used
    // while a worker reads them.
    TPatternShapes shapes = PatternShapes(m_view, m_baseOn());
    const TStencilSettings settings = m_settings();
    if (GlyphElementsOnBlank(shapes) < BuildInBackgroundFromElements) {
        Show(OverlayCutLines(shapes, settings));
        return;
    }
    m_building = true;
    m_buildGeneration = m_generation;
    m_build = QtConcurrent::run([shapes = std::move(shapes), settings]() noexcept {
        TBuilt built;
        try {
            built.lines = OverlayCutLines(shapes, settings);
        } catch (...) {
            built.failure = std::current_exception();
        }
        return built;
    });
    m_buildWatcher->setFuture(m_build);
}

void TCutLinesOverlay::BuildEnded()
{
    m_building = false;
    TBuilt built = m_build.takeResult();
    if (m_buildGeneration != m_generation) {
        // The pattern changed while it was built: those lines are not its own.
        if (m_shown)
            StartBuild();
        return;
    }
    if (built.failure)
        std::rethrow_exception(built.failure);
    Show(built.lines);
}

void TCutLinesOverlay::Show(const TOverlayCutLines &lines)
{
    const TCutLines &cut = lines.finished.lines;
    m_layer->setGeometry(m_view.geometry() + kEdgeRoom);
    // The letters' contours come first, so their numbers are the lines'.
    m_layer->setLines(Polylines(cut), lines.finished.loose.contours);
    m_layer->setShade(ContoursPath(cut.marks.waste), kWasteShade);
    m_layer->setMarks(DrillMarks(cut.marks));
    if (OnShown)
        OnShown(lines);
}

void TCutLinesOverlay::Clear()
{
    m_layer->setLines({});
    m_layer->setShade({}, kWasteShade);
    m_layer->setMarks({});
}
