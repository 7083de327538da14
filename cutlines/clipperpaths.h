#pragma once
// Between the cut lines' contours in pattern pixels and the polygon library's
// integer paths. Every boolean and offsetting step of the cut lines goes
// through these, so all of them round the same way.

#include "cutlines/cutlines.h"

#include <polyclipping/clipper.hpp>

namespace CutPaths {
namespace CL = ClipperLib;

// The polygon library works on integers: pattern pixels scaled by a power of
// two keep a rounding error (1/2048 px) far below the flattening tolerance.
inline constexpr double Scale = 1024.0;

CL::IntPoint ToInt(QPointF p);
QPointF FromInt(const CL::IntPoint &p);
CL::cInt ToIntLength(double pixels);

CL::Path ToPath(const QPolygonF &polygon);
CL::Paths ToPaths(const std::vector<TCutContour> &contours);
CL::Path RectanglePath(const QRectF &r);

// Every contour of a polygon tree, holes marked, in the tree's order.
std::vector<TCutContour> ContoursOf(const CL::PolyTree &tree);

// The region the paths enclose (nonzero) as simple contours, holes their own.
std::vector<TCutContour> SimpleContours(const CL::Paths &paths);
} // namespace CutPaths
