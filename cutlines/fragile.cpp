#include "fragile.h"

#include "cutlines/clipperpaths.h"

#include <cmath>
#include <numbers>

namespace {
using namespace CutPaths;

// A strip exactly the least width wide is not too narrow: the opening is
// taken this much smaller so that it survives.
constexpr double ExactWidthAllowance = 4.0 / Scale;
// What the opening gives back is widened by this before it is taken from the
// region, so that rounding leaves no hairline along every cut line.
constexpr double RoundingAllowance = 4.0 / Scale;
// Mitred offsets give sound corners back exactly; only a wedge sharper than
// this loses its point, and a point that sharp breaks off under the blade.
constexpr double SharpestSoundWedgeDegrees = 20.0;
const double MiterLimit = 1.0 / std::sin(SharpestSoundWedgeDegrees / 2 * std::numbers::pi / 180.0);

CL::Paths Offset(const CL::Paths &paths, double pixels)
{
    CL::ClipperOffset offset(MiterLimit);
    offset.AddPaths(paths, CL::jtMiter, CL::etClosedPolygon);
    CL::Paths result;
    offset.Execute(result, double(ToIntLength(pixels)));
    return result;
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

// What an opening by half the least width takes from the region: every
// place where no disc of that width fits.
CL::Paths TooNarrow(const CL::Paths &region, double leastWidth)
{
    const double half = leastWidth / 2 - ExactWidthAllowance;
    const CL::Paths opened = Offset(Offset(region, -half), half + RoundingAllowance);
    return Combine(region, opened, CL::ctDifference);
}

CL::Paths BlankArea(const TCutLines &lines)
{
    if (!lines.blank.empty())
        return ToPaths(lines.blank);
    return {RectanglePath(QRectF(QPointF(0, 0), QSizeF(lines.blankSize)))};
}

// What the opening takes from a corner is shorter than the least width every
// way; a narrow place that fragile runs at least that far.
bool RunsTheLeastWidth(const CL::Path &path, double leastWidth)
{
    QPolygonF points;
    for (const CL::IntPoint &p : path)
        points.append(FromInt(p));
    const QRectF box = points.boundingRect();
    return std::max(box.width(), box.height()) >= leastWidth;
}
} // namespace

TFragileSpots FindFragileSpots(const TCutLines &lines, double leastWidth)
{
    TFragileSpots spots;
    if (leastWidth <= 0)
        return spots;
    const CL::Paths blank = BlankArea(lines);
    // Letters come as outer contours and holes; even-odd reads them as drawn.
    CL::Paths letters;
    {
        CL::Clipper clipper;
        clipper.AddPaths(ToPaths(lines.letters), CL::ptSubject, true);
        clipper.Execute(CL::ctUnion, letters, CL::pftEvenOdd, CL::pftEvenOdd);
    }
    const CL::Paths pieces = Combine(letters, blank, CL::ctIntersection);
    const CL::Paths wood = Combine(blank, letters, CL::ctDifference);
    CL::Paths narrow = TooNarrow(pieces, leastWidth);
    const CL::Paths narrowWood = TooNarrow(wood, leastWidth);
    narrow.insert(narrow.end(), narrowWood.begin(), narrowWood.end());

    CL::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(narrow, CL::ptSubject, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctUnion, tree, CL::pftNonZero, CL::pftNonZero);
    for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext()) {
        if (node->IsHole() || !RunsTheLeastWidth(node->Contour, leastWidth))
            continue;
        ++spots.count;
        TCutContour outer;
        for (const CL::IntPoint &p : node->Contour)
            outer.points.append(FromInt(p));
        spots.contours.push_back(std::move(outer));
        for (const CL::PolyNode *hole : node->Childs) {
            TCutContour inner;
            inner.hole = true;
            for (const CL::IntPoint &p : hole->Contour)
                inner.points.append(FromInt(p));
            spots.contours.push_back(std::move(inner));
        }
    }
    return spots;
}

QString FragileSpotsText(int count)
{
    if (count == 0)
        return QStringLiteral("No fragile spots");
    if (count == 1)
        return QStringLiteral("1 fragile spot");
    return QStringLiteral("%1 fragile spots").arg(count);
}
