#include "kerf.h"

#include "cutlines/clipperpaths.h"

namespace {
using namespace CutPaths;

// How often the cleaning may weld what a closing or an opening left nearer
// than the kerf; each round only welds across what the last one left.
constexpr int WeldRounds = 4;
// How far the frame round the blank reaches, in kerfs: far enough that the
// rounding of its corners never comes near the blank.
constexpr double FrameMarginKerfs = 4.0;
// The waste is looked at this far round the blank, in kerfs: clear of the
// blank's neighbourhood and of the frame's rounded edges alike.
constexpr double WasteMarginKerfs = 2.0;
// Two pieces nearer than this meet at a point, as far as a ring is concerned.
constexpr double PinchPixels = CutTolerancePixels / 4;
// Where wood or waste is pinched to a point, wood fills this many half
// kerfs round it: a little more than one, so that it cannot open again.
constexpr double PinchJointRadius = 1.25;

// A closing joins two pieces nearer than the kerf unless the gap between
// them widens on both sides of its narrowest place so fast that a disc of
// the kerf fits on each side and the two discs overlap; and it can leave
// two pieces meeting at a point. Pieces grown by `radius` that meet are
// joined through what lies within `radius` of both: these are the joints.
CL::Paths Joints(const CL::Paths &region, double radius)
{
    const std::vector<TPiecePaths> pieces = SeparatePieces(region);
    std::vector<CL::Paths> grown;
    grown.reserve(pieces.size());
    for (const TPiecePaths &piece : pieces)
        grown.push_back(RoundOffset(piece.paths, radius));
    CL::Paths joints;
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            const double reach = 2 * radius;
            if (!pieces[i].bounds.adjusted(-reach, -reach, reach, reach).intersects(pieces[j].bounds))
                continue;
            const CL::Paths near = Combine(grown[i], grown[j], CL::ctIntersection);
            if (near.empty())
                continue;
            const CL::Paths joint = Combine(RoundOffset(near, radius), Combine(grown[i], grown[j], CL::ctUnion),
                                            CL::ctIntersection);
            joints.insert(joints.end(), joint.begin(), joint.end());
        }
    return joints;
}

// The kept wood as a blade `kerf` wide leaves it, the waste being the rest
// of `window`, a rectangle well round the blank. Opened first, so that what the blade would
// saw away entirely goes before anything is welded on to it; then closed,
// so that kept pieces nearer than the kerf weld. Where the closing could
// not weld two pieces, or left wood or waste pinched to a point, the wood
// there is joined and closed again. Joining only adds wood, so a few
// rounds settle it.
CL::Paths CleanedWood(const CL::Paths &kept, double kerf, const CL::Paths &window)
{
    const double radius = kerf / 2;
    const double opening = radius - ExactWidthAllowance;
    // Growing by a disc and then by another grows by one as wide as both:
    // the opening's growth and the closing's are one step. Summed as the
    // offsets round them, so that a straight edge comes back exactly where
    // it was.
    double growth = double(ToIntLength(opening) + ToIntLength(radius)) / Scale;
    CL::Paths shrunk = RoundOffset(kept, -opening);
    CL::Paths region;
    for (int round = 0;; ++round) {
        // Every piece grown by half a kerf: those that meet lie nearer than
        // the kerf. Shrunk back, they should be one piece.
        const CL::Paths grown = RoundOffset(shrunk, growth);
        region = RoundOffset(grown, -radius);
        if (round == WeldRounds)
            break;
        growth = radius;
        const CL::Paths firm = RoundOffset(region, -PinchPixels);
        if (PieceCount(firm) > PieceCount(grown)) {
            shrunk = Combine(region, Joints(firm, radius), CL::ctUnion);
            continue;
        }
        // Waste pinched to a point, or two pieces of waste meeting at one
        // (a piece of wood pinched to a point between them): the wood
        // round that point welds.
        const CL::Paths waste = Combine(window, region, CL::ctDifference);
        const CL::Paths firmWaste = Combine(window, RoundOffset(region, PinchPixels), CL::ctDifference);
        const CL::Paths grownWaste = Combine(window, RoundOffset(region, -PinchPixels), CL::ctDifference);
        CL::Paths pinches;
        if (PieceCount(firmWaste) > PieceCount(waste))
            pinches = Joints(firmWaste, 2 * PinchPixels);
        else if (PieceCount(grownWaste) < PieceCount(waste))
            pinches = Joints(waste, PinchPixels);
        else
            break;
        shrunk = Combine(region, RoundOffset(pinches, PinchJointRadius * radius), CL::ctUnion);
    }
    return region;
}

QRectF BlankRectangle(const TCutLines &lines) { return QRectF(QPointF(0, 0), QSizeF(lines.blankSize)); }
} // namespace

TCutLines CleanedForKerf(const TCutLines &lines, double kerf, TCutStyle style)
{
    if (kerf <= 0 || lines.letters.empty())
        return lines;
    const CL::Paths letters = RegionOf(lines.letters);
    const QRectF blank = BlankRectangle(lines);
    auto around = [&](double kerfs) {
        const double margin = kerfs * kerf;
        return CL::Paths{RectanglePath(blank.adjusted(-margin, -margin, margin, margin))};
    };
    const CL::Paths window = around(WasteMarginKerfs);
    CL::Paths cleaned;
    if (style == TCutStyle::CutOut) {
        cleaned = CleanedWood(letters, kerf, window);
    } else {
        // The wood is the board round the letters, in a frame beyond the
        // window; the letters are what is left of the blank.
        const CL::Paths frame = around(FrameMarginKerfs);
        const CL::Paths wood = CleanedWood(Combine(frame, letters, CL::ctDifference), kerf, window);
        cleaned = Combine({RectanglePath(blank)}, wood, CL::ctDifference);
    }
    TCutLines result = lines;
    result.letters = SimpleContours(cleaned, kerf * kerf);
    return result;
}
