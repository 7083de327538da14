#include "clipperpaths.h"

#include <algorithm>
#include <cmath>

namespace CutPaths {
namespace {
// Rounded corners may leave the true arc by this much: half the cut lines'
// tolerance keeps them true without a flood of points for every offset.
constexpr double ArcTolerancePixels = CutTolerancePixels / 2;
// Each offset puts an arc on every corner, however slight; points closer
// than this to their neighbours or to the line through them add nothing but
// work to the next step.
constexpr double NeedlessPointPixels = 1.0 / 128;

void AppendContour(std::vector<TCutContour> &contours, const CL::PolyNode &node)
{
    if (node.Contour.size() < 3)
        return;
    contours.push_back({ToPolygon(node.Contour), node.IsHole()});
}

void AppendLargeEnough(std::vector<TCutContour> &contours, const CL::PolyNode &node, double leastArea)
{
    if (AreaOf(node.Contour) < leastArea)
        return;
    AppendContour(contours, node);
    for (const CL::PolyNode *child : node.Childs)
        AppendLargeEnough(contours, *child, leastArea);
}

CL::PolyTree SimpleTree(const CL::Paths &paths)
{
    CL::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(paths, CL::ptSubject, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctUnion, tree, CL::pftNonZero, CL::pftNonZero);
    return tree;
}
} // namespace

CL::IntPoint ToInt(QPointF p)
{
    return CL::IntPoint(CL::cInt(std::llround(p.x() * Scale)), CL::cInt(std::llround(p.y() * Scale)));
}

QPointF FromInt(const CL::IntPoint &p) { return QPointF(p.X / Scale, p.Y / Scale); }

CL::cInt ToIntLength(double pixels) { return CL::cInt(std::llround(pixels * Scale)); }

QPolygonF ToPolygon(const CL::Path &path)
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(path.size()));
    for (const CL::IntPoint &p : path)
        polygon.append(FromInt(p));
    return polygon;
}

CL::Path ToPath(const QPolygonF &polygon)
{
    CL::Path path;
    path.reserve(polygon.size());
    for (const QPointF &p : polygon)
        path.push_back(ToInt(p));
    return path;
}

CL::Paths ToPaths(const std::vector<TCutContour> &contours)
{
    CL::Paths paths;
    paths.reserve(contours.size());
    for (const TCutContour &contour : contours)
        paths.push_back(ToPath(contour.points));
    return paths;
}

CL::Path RectanglePath(const QRectF &r)
{
    return {ToInt(r.topLeft()), ToInt(r.topRight()), ToInt(r.bottomRight()), ToInt(r.bottomLeft())};
}

CL::Paths BlankPaths(const TCutLines &lines)
{
    if (!lines.blank.empty())
        return ToPaths(lines.blank);
    return {RectanglePath(QRectF(QPointF(0, 0), QSizeF(lines.blankSize)))};
}

CL::Paths KeptWood(const TCutLines &lines, TCutStyle style)
{
    const CL::Paths blank = BlankPaths(lines);
    const CL::Paths letters = RegionOf(lines.letters);
    if (style == TCutStyle::CutOut)
        return Combine(letters, blank, CL::ctIntersection);
    return Combine(blank, letters, CL::ctDifference);
}

double AreaOf(const CL::Path &path) { return std::abs(CL::Area(path)) / (Scale * Scale); }

CL::Paths RegionOf(const std::vector<TCutContour> &contours)
{
    CL::Clipper clipper;
    clipper.AddPaths(ToPaths(contours), CL::ptSubject, true);
    CL::Paths region;
    clipper.Execute(CL::ctUnion, region, CL::pftEvenOdd, CL::pftEvenOdd);
    return region;
}

CL::Paths Combine(const CL::Paths &subject, const CL::Paths &clip, CL::ClipType type)
{
    CL::Clipper clipper;
    clipper.AddPaths(subject, CL::ptSubject, true);
    clipper.AddPaths(clip, CL::ptClip, true);
    CL::Paths result;
    clipper.Execute(type, result, CL::pftNonZero, CL::pftNonZero);
    return result;
}

CL::Paths RoundOffset(const CL::Paths &region, double pixels)
{
    CL::ClipperOffset offset;
    offset.ArcTolerance = ArcTolerancePixels * Scale;
    offset.AddPaths(region, CL::jtRound, CL::etClosedPolygon);
    CL::Paths result;
    offset.Execute(result, double(ToIntLength(pixels)));
    CL::CleanPolygons(result, NeedlessPointPixels * Scale);
    return result;
}

CL::Paths Opened(const CL::Paths &region, double radius) { return RoundOffset(RoundOffset(region, -radius), radius); }

CL::Paths Closed(const CL::Paths &region, double radius) { return RoundOffset(RoundOffset(region, radius), -radius); }

int PieceCount(const CL::Paths &region)
{
    return int(std::count_if(region.begin(), region.end(), [](const CL::Path &p) { return CL::Orientation(p); }));
}

std::vector<TPiecePaths> SeparatePieces(const CL::Paths &region)
{
    CL::Clipper clipper;
    clipper.AddPaths(region, CL::ptSubject, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctUnion, tree, CL::pftNonZero, CL::pftNonZero);
    std::vector<TPiecePaths> pieces;
    for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext()) {
        if (node->IsHole())
            continue;
        TPiecePaths piece;
        piece.paths.push_back(node->Contour);
        piece.area = AreaOf(node->Contour);
        for (const CL::PolyNode *hole : node->Childs) {
            piece.paths.push_back(hole->Contour);
            piece.area -= AreaOf(hole->Contour);
        }
        piece.bounds = ToPolygon(node->Contour).boundingRect();
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

std::vector<TCutContour> ContoursOf(const CL::PolyTree &tree)
{
    std::vector<TCutContour> contours;
    for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext())
        AppendContour(contours, *node);
    return contours;
}

std::vector<TCutContour> ContoursOf(const CL::PolyTree &tree, double leastArea)
{
    std::vector<TCutContour> contours;
    for (const CL::PolyNode *node : tree.Childs)
        AppendLargeEnough(contours, *node, leastArea);
    return contours;
}

std::vector<TCutContour> SimpleContours(const CL::Paths &paths) { return ContoursOf(SimpleTree(paths)); }

std::vector<TCutContour> SimpleContours(const CL::Paths &paths, double leastArea)
{
    return ContoursOf(SimpleTree(paths), leastArea);
}

} // namespace CutPaths
