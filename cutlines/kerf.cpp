#include "kerf.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/segments.h"

#include <algorithm>
#include <cmath>

namespace {
using namespace CutPaths;

// How often the cleaning may weld what a closing or an opening left nearer
// than the kerf; each round only welds across what the last one left.
constexpr int WeldRounds = 4;
// How far the frame round the blank reaches, in kerfs: far enough that the
// rounding of its corners never comes near the blank.
constexpr double FrameMarginKerfs = 4.0;
// Two pieces nearer than twice this meet at a point, as far as a ring is
// concerned.
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

// Where the outline of a region comes within `within` of itself, other than
// where one ring runs less than `alongRing` from one place to the other:
// the points halfway across. There a piece is pinched to a point, or two
// pieces, or the waste, meet at one.
std::vector<QPointF> PinchesOf(const CL::Paths &region, double within, double alongRing)
{
    struct TPlace {
        size_t ring;
        double start, end, ringLength; // how far round its ring an edge runs
    };
    TSegmentIndex edges;
    std::vector<TPlace> places;
    for (size_t r = 0; r < region.size(); ++r) {
        const QPolygonF ring = ToPolygon(region[r]);
        const size_t first = places.size();
        double along = 0;
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const TSegment edge{ring[i], ring[(i + 1) % ring.size()]};
            edges.Add(edge);
            const double end = along + Distance(edge.a, edge.b);
            places.push_back({r, along, end, 0});
            along = end;
        }
        for (size_t e = first; e < places.size(); ++e)
            places[e].ringLength = along;
    }
    std::vector<QPointF> pinches;
    for (size_t e = 0; e < edges.size(); ++e) {
        const QRectF around = QRectF(edges[e].a, edges[e].b).normalized().adjusted(-within, -within, within, within);
        edges.Visit(around, [&](size_t f) {
            if (f <= e)
                return;
            const TPlace &one = places[e], &other = places[f];
            if (one.ring == other.ring) {
                // The way round the ring from one edge to the other, either way.
                const double length = one.ringLength;
                const double ahead = std::fmod(other.start - one.end + length, length);
                const double behind = std::fmod(one.start - other.end + length, length);
                if (std::min(ahead, behind) < alongRing)
                    return;
            }
            const auto [p, q] = NearestPoints(edges[e], edges[f]);
            if (SquaredDistance(p, q) < within * within)
                pinches.push_back((p + q) / 2);
        });
    }
    return pinches;
}

// Discs of wood of `radius` round each point.
CL::Paths DiscsAt(const std::vector<QPointF> &points, double radius)
{
    CL::Paths dots;
    for (const QPointF p : points)
        dots.push_back(RectanglePath(QRectF(p - QPointF(PinchPixels, PinchPixels), QSizeF(2 * PinchPixels, 2 * PinchPixels))));
    return RoundOffset(Combine(dots, {}, CL::ctUnion), radius);
}

// The kept wood as a blade `kerf` wide leaves it. Opened first, so that
// what the blade would saw away entirely goes before anything is welded on
// to it; then closed, so that kept pieces nearer than the kerf weld. Where
// the closing could not weld two pieces, or left wood or waste pinched to a
// point, the wood there is joined and closed again. Joining only adds wood,
// so a few rounds settle it.
CL::Paths CleanedWood(const CL::Paths &kept, double kerf)
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
        if (PieceCount(region) > PieceCount(grown)) {
            shrunk = Combine(region, Joints(region, radius), CL::ctUnion);
            continue;
        }
        // A ring meeting itself a kerf or more round from there is pinched.
        const std::vector<QPointF> pinches = PinchesOf(region, 2 * PinchPixels, kerf);
        if (pinches.empty())
            break;
        shrunk = Combine(region, DiscsAt(pinches, PinchJointRadius * radius), CL::ctUnion);
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
        cleaned = CleanedWood(letters, kerf);
    } else {
        // The wood is the board round the letters, in a frame well beyond
        // the blank; the letters are what is left of the blank.
        const double margin = FrameMarginKerfs * kerf;
        const QRectF blank = BlankRectangle(lines);
        const CL::Paths frame{RectanglePath(blank.adjusted(-margin, -margin, margin, margin))};
        const CL::Paths wood = CleanedWood(Combine(frame, letters, CL::ctDifference), kerf);
        cleaned = Combine({RectanglePath(blank)}, wood, CL::ctDifference);
    }
    TCutLines result = lines;
    result.letters = SimpleContours(cleaned, kerf * kerf);
    return result;
}
