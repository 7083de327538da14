#include "cutlines.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/flatten.h"

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
        const CL::Paths result = Combine(glyphs, {RectanglePath(PixelArea(clip))}, CL::ctIntersection);
        clipped.insert(clipped.end(), result.begin(), result.end());
    }
    return clipped;
}

std::vector<TCutContour> BlankContours(const QPainterPath &outline)
{
    if (outline.isEmpty())
        return {};
    CL::Paths paths;
    AppendFlattened(paths, outline);
    return SimpleContours(paths);
}
} // namespace

TCutLines BuildCutLines(const TPatternShapes &shapes)
{
    TCutLines lines;
    lines.blankSize = shapes.blankSize;
    CL::Paths letters = ClippedGlyphs(shapes.glyphs);
    if (shapes.baseBar && !shapes.baseBar->isEmpty()) {
        lines.baseBar = PixelArea(*shapes.baseBar);
        letters.push_back(RectanglePath(*lines.baseBar));
    }
    lines.letters = SimpleContours(letters);
    lines.blank = BlankContours(shapes.blankOutline);
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
