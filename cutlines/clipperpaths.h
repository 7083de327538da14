#pragma once
// Between the cut lines' contours in pattern pixels and the polygon library's
// integer paths. Every boolean and offsetting step of the cut lines goes
// through these, so all of them round the same way.

#include "cutlines/cutlines.h"
#include "cutlines/kerf.h"

#include <polyclipping/clipper.hpp>

namespace CutPaths {
namespace CL = ClipperLib;

// The polygon library works on integers: pattern pixels scaled by a power of
// two keep a rounding error (1/2048 px) far below the flattening tolerance.
inline constexpr double Scale = 1024.0;
// Wood exactly as wide as an opening's disc survives it: the opening is
// taken this much smaller so that rounding cannot break it.
inline constexpr double ExactWidthAllowance = 4.0 / Scale;

CL::IntPoint ToInt(QPointF p);
QPointF FromInt(const CL::IntPoint &p);
CL::cInt ToIntLength(double pixels);
QPolygonF ToPolygon(const CL::Path &path);

CL::Path ToPath(const QPolygonF &polygon);
CL::Paths ToPaths(const std::vector<TCutContour> &contours);
CL::Path RectanglePath(const QRectF &r);

// The blank's area: inside its outline, or its whole rectangle without one.
CL::Paths BlankPaths(const TCutLines &lines);

// Every boolean and offsetting step goes through these three. The polygon
// library sweeps a line down the paths, and each step of the sweep costs by
// the number of edges the line meets: a row of small letters across a wide
// blank puts hundreds on it. Paths wider than tall are turned over the
// diagonal for the step and back after it, so that the line meets a letter
// or two; outer paths and holes keep their directions either way.
CL::Paths Boolean(const CL::Paths &subject, const CL::Paths &clip, CL::ClipType type, CL::PolyFillType fill);
void BooleanTree(const CL::Paths &subject, CL::PolyTree &tree, CL::PolyFillType fill, bool strictlySimple);
CL::Paths Offset(const CL::Paths &paths, double pixels, CL::JoinType join, double miterLimit, double arcTolerance);

// The wood the cut lines leave in `style`: the letters (and the bar joined
// to them) cut out, or the board round them.
CL::Paths KeptWood(const TCutLines &lines, TCutStyle style);

// The area a path encloses, in square pixels, whichever way it runs.
double AreaOf(const CL::Path &path);

// Outer contours and holes as drawn (even-odd), as one region whose outer
// paths run one way and holes the other, as offsetting needs them.
CL::Paths RegionOf(const std::vector<TCutContour> &contours);

// Both sets of paths filled by the nonzero rule, combined.
CL::Paths Combine(const CL::Paths &subject, const CL::Paths &clip, CL::ClipType type);

// A region grown (positive `pixels`) or shrunk by a disc rolled along its
// edges: corners come out rounded, as a round blade leaves them.
CL::Paths RoundOffset(const CL::Paths &region, double pixels);
// What is left where a disc of `radius` fits, and what a disc of `radius`
// cannot reach from outside filled in.
CL::Paths Opened(const CL::Paths &region, double radius);
CL::Paths Closed(const CL::Paths &region, double radius);

// How many separate pieces a region (outer paths and holes) makes.
int PieceCount(const CL::Paths &region);

// One piece of a region: its outer path first, then its holes.
struct TPiecePaths {
    CL::Paths paths;
    QRectF bounds;
    double area = 0; // without the holes
};
// Every piece of a region, pieces lying in another's holes included.
std::vector<TPiecePaths> SeparatePieces(const CL::Paths &region);

// Every contour of a polygon tree, holes marked, in the tree's order.
std::vector<TCutContour> ContoursOf(const CL::PolyTree &tree);
// The same without any contour enclosing less than `leastArea` square
// pixels, nor anything inside such a contour.
std::vector<TCutContour> ContoursOf(const CL::PolyTree &tree, double leastArea);

// The region the paths enclose (nonzero) as simple contours, holes their own.
std::vector<TCutContour> SimpleContours(const CL::Paths &paths);
// The same without the specks: see ContoursOf.
std::vector<TCutContour> SimpleContours(const CL::Paths &paths, double leastArea);
} // namespace CutPaths
