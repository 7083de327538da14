#include "fragile.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/cuttexts.h"

#include <cmath>
#include <numbers>

namespace {
using namespace CutPaths;

// What the opening gives back is widened by this before it is taken from the
// wood, so that rounding leaves no hairline along every cut line.
constexpr double RoundingAllowance = 4.0 / Scale;
// The wood is looked at with its outline simplified this far. A curve
// flattened into many short edges loses some of them in the offsets, and the
// opening would then leave crumbs along it wherever they fold away.
constexpr double OutlineSimplificationPixels = 0.5;

// Angles in degrees as the miter limits of the offsets take them.
double MiterLimitFor(double wedgeDegrees) { return 1.0 / std::sin(wedgeDegrees / 2 * std::numbers::pi / 180.0); }

// Shrinking with mitred corners never cuts a corner the disc would keep.
const double ShrinkMiterLimit = MiterLimitFor(20.0);
// Growing back with mitred corners gives sound corners back exactly, where
// a disc would round them off; a point sharper than this loses its tip,
// and a point that sharp breaks off under the blade. Growing further into
// sharper corners would also reach into narrow places nearby, and a wider
// least width would then flag less than a narrower one.
const double GrowMiterLimit = MiterLimitFor(40.0);

CL::Paths MiterOffset(const CL::Paths &paths, double pixels, double miterLimit)
{
    return Offset(paths, pixels, CL::jtMiter, miterLimit, 0);
}

// What an opening by half the least width takes from the wood: every place
// where no disc of that width fits, but for sound corners.
CL::Paths TooNarrow(CL::Paths wood, double leastWidth)
{
    CL::CleanPolygons(wood, OutlineSimplificationPixels * Scale);
    const double half = leastWidth / 2 - ExactWidthAllowance;
    const CL::Paths opened =
        MiterOffset(MiterOffset(wood, -half, ShrinkMiterLimit), half + RoundingAllowance, GrowMiterLimit);
    return Combine(wood, opened, CL::ctDifference);
}

// The offsets still leave the odd crumb; a place narrow enough to break
// runs further than this. The bound is the same for every least width, so
// that a wider one never drops a spot a narrower one found.
constexpr double SmallestSpotPixels = 1.0;

bool LargerThanACrumb(const QRectF &bounds)
{
    return std::max(bounds.width(), bounds.height()) >= SmallestSpotPixels;
}
} // namespace

TFragileSpots FindFragileSpots(const TCutLines &lines, double leastWidth, TCutStyle style)
{
    TFragileSpots spots;
    if (leastWidth <= 0)
        return spots;
    const CL::Paths narrow = TooNarrow(KeptWood(lines, style), leastWidth);
    CL::PolyTree tree;
    BooleanTree(narrow, tree, CL::pftNonZero, true);
    for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext()) {
        if (node->IsHole())
            continue;
        QPolygonF outer = ToPolygon(node->Contour);
        const QRectF bounds = outer.boundingRect();
        if (!LargerThanACrumb(bounds))
            continue;
        ++spots.count;
        spots.positions.push_back(bounds.center());
        spots.contours.push_back({std::move(outer), false});
        for (const CL::PolyNode *hole : node->Childs)
            spots.contours.push_back({ToPolygon(hole->Contour), true});
    }
    return spots;
}

QString FragileSpotsText(int count)
{
    return CountText(count, QStringLiteral("fragile spot"), QStringLiteral("fragile spots"));
}
