#include "clipperpaths.h"

#include <cmath>

namespace CutPaths {

CL::IntPoint ToInt(QPointF p)
{
    return CL::IntPoint(CL::cInt(std::llround(p.x() * Scale)), CL::cInt(std::llround(p.y() * Scale)));
}

QPointF FromInt(const CL::IntPoint &p) { return QPointF(p.X / Scale, p.Y / Scale); }

CL::cInt ToIntLength(double pixels) { return CL::cInt(std::llround(pixels * Scale)); }

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

std::vector<TCutContour> ContoursOf(const CL::PolyTree &tree)
{
    std::vector<TCutContour> contours;
    for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext()) {
        if (node->Contour.size() < 3)
            continue;
        TCutContour contour;
        contour.hole = node->IsHole();
        contour.points.reserve(qsizetype(node->Contour.size()));
        for (const CL::IntPoint &p : node->Contour)
            contour.points.append(FromInt(p));
        contours.push_back(std::move(contour));
    }
    return contours;
}

std::vector<TCutContour> SimpleContours(const CL::Paths &paths)
{
    CL::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(paths, CL::ptSubject, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctUnion, tree, CL::pftNonZero, CL::pftNonZero);
    return ContoursOf(tree);
}

} // namespace CutPaths
