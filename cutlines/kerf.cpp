#include "kerf.h"

#include "cutlines/clipperpaths.h"


namespace {
using namespace CutPaths;

// Pieces the closing could not weld are welded at most this often; each
// round only welds across what the last one left.
constexpr int WeldRounds = 3;
// How far the frame round the blank reaches, in kerfs: far enough that the
// rounding of its corners never comes near the blank.
constexpr double FrameMarginKerfs = 4.0;

// A closing joins two pieces nearer than the kerf unless the gap between
// them widens on both sides of its narrowest place so fast that a disc of
// the kerf fits on each side and the two discs overlap. There the pieces are
// joined through what lies within half a kerf of both.
CL::Paths WeldedAcrossWaists(const CL::Paths &region, double radius)
{
    const std::vector<TPiecePaths> pieces = SeparatePieces(region);
    std::vector<CL::Paths> grown;
    grown.reserve(pieces.size());
    for (const TPiecePaths &piece : pieces)
        grown.push_back(RoundOffset(piece.paths, radius));
    CL::Paths welded = region;
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
            welded.insert(welded.end(), joint.begin(), joint.end());
        }
    return Combine(welded, {}, CL::ctUnion);
}

// The pieces of a region as a blade `kerf` wide leaves them: opened (what
// the blade would saw away entirely goes first, so that no speck of it can
// be welded on), then closed.
CL::Paths CleanedPieces(const CL::Paths &pieces, double kerf)
{
    const double radius = kerf / 2;
    const double opening = radius - ExactWidthAllowance;
    CL::Paths region = RoundOffset(pieces, -opening);
    // Growing by a disc and then by another grows by one as wide as both:
    // the opening's growth and the closing's are one step. Summed as the
    // offsets round them, so that a straight edge comes back exactly where
    // it was.
    double growth = double(ToIntLength(opening) + ToIntLength(radius)) / Scale;
    for (int round = 0;; ++round) {
        // Every piece grown by half a kerf: those that meet lie nearer than
        // the kerf. Shrunk back, they should be one piece.
        const CL::Paths grown = RoundOffset(region, growth);
        region = RoundOffset(grown, -radius);
        if (PieceCount(region) <= PieceCount(grown) || round == WeldRounds)
            break;
        region = WeldedAcrossWaists(region, radius);
        growth = radius;
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
    CL::Paths cleaned;
    if (style == TCutStyle::CutOut) {
        cleaned = CleanedPieces(letters, kerf);
    } else {
        // The wood is the board round the letters: cleaned as pieces within
        // a frame well outside the blank, the letters are what is left of it.
        const double margin = FrameMarginKerfs * kerf;
        const CL::Paths frame{RectanglePath(BlankRectangle(lines).adjusted(-margin, -margin, margin, margin))};
        const CL::Paths wood = CleanedPieces(Combine(frame, letters, CL::ctDifference), kerf);
        cleaned = Combine(Combine(frame, wood, CL::ctDifference), {RectanglePath(BlankRectangle(lines))},
                          CL::ctIntersection);
    }
    TCutLines result = lines;
    result.letters = SimpleContours(cleaned, kerf * kerf);
    return result;
}
