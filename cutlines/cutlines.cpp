#include "cutlines.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/flatten.h"
#include "render/shapecontrol.h"
#include "render/shapegeometry.h"

#include <QPainterPath>

#include <algorithm>

namespace {
using namespace CutPaths;

// What the rounding may cost is taken off the flattening allowance.
constexpr double FlattenTolerance = CutTolerancePixels - 1.0 / Scale;

void AppendFlattened(CL::Paths &paths, const QPainterPath &path)
{
    for (const QPolygonF &polyline : FlattenPath(path, FlattenTolerance))
        paths.push_back(ToPath(polyline));
}

// The pixels a QRect covers, as an area from edge to edge.
QRectF PixelArea(const QRect &r) { return QRectF(r.topLeft(), r.size()); }

// The glyphs of each clip rectangle, filled by the nonzero rule and cut to it.
CL::Paths ClippedGlyphs(const std::vector<TGlyphPiece> &pieces)
{
    // A caption clips all its lines to one or a few rectangles: group by them.
    std::vector<std::pair<QRect, CL::Paths>> byClip;
    for (const TGlyphPiece &piece : pieces) {
        if (piece.clip.isEmpty())
            continue;
        auto group = std::find_if(byClip.begin(), byClip.end(),
                                  [&](const auto &entry) { return entry.first == piece.clip; });
        if (group == byClip.end())
            group = byClip.insert(byClip.end(), {piece.clip, {}});
        AppendFlattened(group->second, piece.outline);
    }
    CL::Paths clipped;
    for (const auto &[clip, glyphs] : byClip) {
        CL::Clipper clipper;
        clipper.AddPaths(glyphs, CL::ptSubject, true);
        clipper.AddPath(RectanglePath(PixelArea(clip)), CL::ptClip, true);
        CL::Paths result;
        clipper.Execute(CL::ctIntersection, result, CL::pftNonZero, CL::pftNonZero);
        clipped.insert(clipped.end(), result.begin(), result.end());
    }
    return clipped;
}

// The blank as the view draws it: its box figure, moved back by the shadow.
std::vector<TCutContour> BlankOutline(TBaseShape &view)
{
    if (view.Bevel()->Width() <= 0 || !IsBoxShape(view.Shape()))
        return {};
    TPointList points;
    BuildShapePoints(TRect{0, 0, view.Width(), view.Height()}, view.Shape(), nullptr, points,
                     *view.Shadow(), view.Bevel(), view.RoundPercent(), *view.Brush(), view.Square());
    constexpr int BlankTopLeft = 3, BlankBottomRight = 4, BlankCorner = 5;
    const int depth = view.Shadow()->EffectiveDepth();
    const QPointF back(depth, depth);
    const QPointF topLeft = QPointF(UnpackPoint(points[BlankTopLeft])) - back;
    const QPointF bottomRight = QPointF(UnpackPoint(points[BlankBottomRight])) - back;
    const QPointF corner = QPointF(UnpackPoint(points[BlankCorner])) - back;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(topLeft, bottomRight), corner.x() / 2, corner.y() / 2);
    CL::Paths paths;
    AppendFlattened(paths, outline);
    return SimpleContours(paths);
}
} // namespace

TCutLines BuildCutLines(TBaseShape &view, const TCutLineOptions &options)
{
    TCutLines lines;
    lines.blankSize = QSize(view.Width(), view.Height());
    CL::Paths letters = ClippedGlyphs(view.CaptionGlyphs());
    if (options.baseBar && !options.baseBar->isEmpty()) {
        lines.baseBar = PixelArea(*options.baseBar);
        letters.push_back(RectanglePath(*lines.baseBar));
    }
    lines.letters = SimpleContours(letters);
    lines.blank = BlankOutline(view);
    return lines;
}

QPainterPath ContoursPath(const std::vector<TCutContour> &contours)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const TCutContour &contour : contours) {
        path.addPolygon(contour.points);
        path.closeSubpath();
    }
    return path;
}
