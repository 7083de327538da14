#include "clipperpaths.h"

#include <algorithm>
#include <cmath>

namespace CutPaths {
namespace {
// Rounded corners may leave the true arc by this much: half the cut lines'
// tolerance keeps them true without a flood of points for every offset.
constexpr double ArcTolerancePixels = CutTolerancePixels / 2;
// The polygon library's own miter limit, where corners are round anyway.
constexpr double DefaultMiterLimit = 2.0;
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

// Turned over the diagonal and run backwards: the same shape mirrored, its
// outer paths and holes still running their own ways.
void Turn(CL::Path &path)
{
    for (CL::IntPoint &p : path)
        std::swap(p.X, p.Y);
    std::reverse(path.begin(), path.end());
}

void Turn(CL::Paths &paths)
{
    for (CL::Path &path : paths)
        Turn(path);
}

// Whether the paths are wider than tall, and best swept the other way.
bool Wide(std::initializer_list<const CL::Paths *> sets)
{
    CL::cInt left = 0, right = 0, top = 0, bottom = 0;
    bool any = false;
    for (const CL::Paths *paths : sets)
        for (const CL::Path &path : *paths)
            for (const CL::IntPoint &p : path) {
                if (!any) {
                    left = right = p.X, top = bottom = p.Y, any = true;
                    continue;
                }
                left = std::min(left, p.X), right = std::max(right, p.X);
                top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
            }
    return right - left > bottom - top;
}

CL::Paths Turned(CL::Paths paths)
{
    Turn(paths);
    return paths;
}
} // namespace

CL::Paths Boolean(const CL::Paths &subject, const CL::Paths &clip, CL::ClipType type, CL::PolyFillType fill)
{
    const bool wide = Wide({&subject, &clip});
    CL::Clipper clipper;
    clipper.AddPaths(wide ? Turned(subject) : subject, CL::ptSubject, true);
    clipper.AddPaths(wide ? Turned(clip) : clip, CL::ptClip, true);
    CL::Paths result;
    clipper.Execute(type, result, fill, fill);
    if (wide)
        Turn(result);
    return result;
}

void BooleanTree(const CL::Paths &subject, CL::PolyTree &tree, CL::PolyFillType fill, bool strictlySimple)
{
    const bool wide = Wide({&subject});
    CL::Clipper clipper;
    clipper.StrictlySimple(strictlySimple);
    clipper.AddPaths(wide ? Turned(subject) : subject, CL::ptSubject, true);
    clipper.Execute(CL::ctUnion, tree, fill, fill);
    if (wide)
        for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext())
            Turn(node->Contour);
}

CL::Paths Offset(const CL::Paths &paths, double pixels, CL::JoinType join, double miterLimit, double arcTolerance)
{
    const bool wide = Wide({&paths});
    CL::ClipperOffset offset(miterLimit, arcTolerance);
    offset.AddPaths(wide ? Turned(paths) : paths, join, CL::etClosedPolygon);
    CL::Paths result;
    offset.Execute(result, double(ToIntLength(pixels)));
    if (wide)
        Turn(result);
    return result;
}

namespace {
CL::PolyTree SimpleTree(const CL::Paths &paths)
{
    CL::PolyTree tree;
    BooleanTree(paths, tree, CL::pftNonZero, true);
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
    return Boolean(ToPaths(contours), {}, CL::ctUnion, CL::pftEvenOdd);
}

CL::Paths Combine(const CL::Paths &subject, const CL::Paths &clip, CL::ClipType type)
{
    return Boolean(subject, clip, type, CL::pftNonZero);
}

CL::Paths RoundOffset(const CL::Paths &region, double pixels)
{
    CL::Paths result = Offset(region, pixels, CL::jtRound, DefaultMiterLimit, ArcTolerancePixels * Scale);
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
    CL::PolyTree tree;
    BooleanTree(region, tree, CL::pftNonZero, false);
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
