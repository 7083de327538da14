#include "kerf.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/segments.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

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
// Hairline loops are taken out in at most this many passes over the rings.
constexpr int HairlinePasses = 3;
// Where wood or waste is pinched to a point, wood fills this many half
// kerfs round it: a little more than one, so that it cannot open again.
constexpr double PinchJointRadius = 1.25;

// A closing joins two pieces nearer than the kerf unless the gap between
// them widens on both sides of its narrowest place so fast that a disc of
// the kerf fits on each side and the two discs overlap; and it can leave
// two pieces meeting at a point. Pieces grown by `radius` that meet are
// joined through what lies within `radius` of where they overlap: these
// are the joints. All pairs at once: each grown piece counts one where it
// lies, a frame round them all running the other way counts one off, and
// what still counts is where two or more overlap.
CL::Paths Joints(const CL::Paths &region, double radius)
{
    CL::Paths counted;
    QRectF bounds;
    for (const TPiecePaths &piece : SeparatePieces(region)) {
        const CL::Paths grown = RoundOffset(piece.paths, radius);
        counted.insert(counted.end(), grown.begin(), grown.end());
        bounds |= piece.bounds;
    }
    const double reach = 2 * radius + 1;
    CL::Path frame = RectanglePath(bounds.adjusted(-reach, -reach, reach, reach));
    if (CL::Orientation(frame))
        CL::ReversePath(frame);
    counted.push_back(frame);
    const CL::Paths overlaps = Boolean(counted, {}, CL::ctUnion, CL::pftPositive);
    if (overlaps.empty())
        return {};
    return Combine(RoundOffset(overlaps, radius), RoundOffset(region, radius), CL::ctIntersection);
}

// The outline of a region edge by edge, filed by place, with where round
// its ring each edge runs.
class TOutline {
public:
    explicit TOutline(const CL::Paths &region)
    {
        for (size_t r = 0; r < region.size(); ++r) {
            const QPolygonF ring = ToPolygon(region[r]);
            const size_t first = m_places.size();
            double along = 0;
            for (qsizetype i = 0; i < ring.size(); ++i) {
                const TSegment edge{ring[i], ring[(i + 1) % ring.size()]};
                m_edges.Add(edge);
                const double end = along + Distance(edge.a, edge.b);
                m_places.push_back({r, size_t(i), along, end, 0});
                along = end;
            }
            for (size_t e = first; e < m_places.size(); ++e)
                m_places[e].ringLength = along;
        }
    }

    struct TNear {
        size_t ring;
        size_t from, to; // the edges' places on their ring, the short way round
        double gap;      // how far round the ring, or infinite on two rings
        QPointF middle;  // halfway between the nearest points
    };

    // Every pair of edges nearer than `within`, but for neighbours.
    std::vector<TNear> NearPairs(double within) const
    {
        std::vector<TNear> pairs;
        for (size_t e = 0; e < m_edges.size(); ++e) {
            const QRectF around =
                QRectF(m_edges[e].a, m_edges[e].b).normalized().adjusted(-within, -within, within, within);
            m_edges.Visit(around, [&](size_t f) {
                if (f <= e || !BoundsMeet(m_edges[f], around))
                    return;
                const auto [p, q] = NearestPoints(m_edges[e], m_edges[f]);
                if (SquaredDistance(p, q) >= within * within)
                    return;
                const TPlace &one = m_places[e], &other = m_places[f];
                TNear near{one.ring, one.index, other.index, std::numeric_limits<double>::infinity(), (p + q) / 2};
                if (one.ring == other.ring) {
                    const double length = one.ringLength;
                    const double ahead = std::fmod(other.start - one.end + length, length);
                    const double behind = std::fmod(one.start - other.end + length, length);
                    if (ahead == 0 || behind == 0)
                        return;
                    near.gap = std::min(ahead, behind);
                    if (behind < ahead)
                        std::swap(near.from, near.to);
                }
                pairs.push_back(near);
            });
        }
        return pairs;
    }

private:
    struct TPlace {
        size_t ring, index;
        double start, end, ringLength; // how far round its ring an edge runs
    };
    TSegmentIndex m_edges;
    std::vector<TPlace> m_places;
};

// Where a piece is pinched to a point, or two pieces, or the waste, meet
// at one: where the outline comes within `within` of itself, a ring at
// least `alongRing` round from there.
std::vector<QPointF> PinchesOf(const CL::Paths &region, double within, double alongRing)
{
    std::vector<QPointF> pinches;
    for (const TOutline::TNear &near : TOutline(region).NearPairs(within))
        if (near.gap >= alongRing)
            pinches.push_back(near.middle);
    return pinches;
}

// A ring with the stretches from edge `from` to edge `to` (the vertices
// after the one, up to the start of the other) each replaced by one point,
// where they do not overlap an earlier one.
CL::Path Shortcut(const CL::Path &ring, std::vector<TOutline::TNear> loops)
{
    const size_t n = ring.size();
    std::sort(loops.begin(), loops.end(), [](const auto &l, const auto &r) { return l.gap < r.gap; });
    std::vector<char> dropped(n, 0);
    std::vector<std::optional<QPointF>> before(n); // a point to put before a vertex
    for (const TOutline::TNear &loop : loops) {
        std::vector<size_t> span;
        for (size_t v = (loop.from + 1) % n; v != (loop.to + 1) % n; v = (v + 1) % n)
            span.push_back(v);
        const size_t next = (loop.to + 1) % n;
        if (span.size() + 2 > n || dropped[next] ||
            std::any_of(span.begin(), span.end(), [&](size_t v) { return dropped[v] || before[v]; }))
            continue;
        for (size_t v : span)
            dropped[v] = 1;
        before[next] = loop.middle;
    }
    CL::Path shortcut;
    for (size_t v = 0; v < n; ++v) {
        if (before[v])
            shortcut.push_back(ToInt(*before[v]));
        if (!dropped[v])
            shortcut.push_back(ring[v]);
    }
    return shortcut;
}

// The region without the hairline loops and needle points the offsets can
// leave: where a ring comes back within `within` of itself after running
// less than `alongRing`, it is taken straight across.
CL::Paths WithoutHairlineLoops(CL::Paths region, double within, double alongRing)
{
    // A shortcut may leave another loop next to it for the next pass.
    for (int pass = 0; pass < HairlinePasses; ++pass) {
        std::vector<std::vector<TOutline::TNear>> loops(region.size());
        bool any = false;
        for (const TOutline::TNear &near : TOutline(region).NearPairs(within))
            if (near.gap < alongRing) {
                loops[near.ring].push_back(near);
                any = true;
            }
        if (!any)
            break;
        for (size_t r = 0; r < region.size(); ++r)
            if (!loops[r].empty())
                region[r] = Shortcut(region[r], std::move(loops[r]));
    }
    return region;
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

// Pieces of the letters this many kerfs apart and more are cleaned apart.
// A closing welds pieces less than a kerf apart; a pinch joint reaches out
// less than two thirds of one; only a pinch on each side of such a gap,
// facing the other, could bring them near enough to weld.
constexpr double IndependentGapKerfs = 2.5;

// One group of pieces no other comes near: cleaned on its own, so that the
// work follows each group's size rather than the whole blank's. Each sweep
// of the polygon library costs by the number of edges a line across the
// blank meets, and small letters put thousands of them on one line.
struct TPieceGroup {
    CL::Paths paths;
    QRectF bounds;
};

int Root(std::vector<int> &parent, int i)
{
    while (parent[size_t(i)] != i)
        i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
    return i;
}

// The pieces gathered into groups whose bounds lie more than `gap` apart.
std::vector<TPieceGroup> GroupsApart(std::vector<TPiecePaths> pieces, double gap)
{
    const double half = gap / 2;
    std::sort(pieces.begin(), pieces.end(),
              [](const TPiecePaths &a, const TPiecePaths &b) { return a.bounds.left() < b.bounds.left(); });
    std::vector<int> parent(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i)
        parent[i] = int(i);
    // A sweep from left to right over the bounds, each grown by half the gap.
    std::vector<size_t> active;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const QRectF grown = pieces[i].bounds.adjusted(-half, -half, half, half);
        std::erase_if(active, [&](size_t a) { return pieces[a].bounds.right() + half < grown.left(); });
        for (size_t a : active) {
            const QRectF &other = pieces[a].bounds;
            if (other.top() - half <= grown.bottom() && other.bottom() + half >= grown.top())
                parent[size_t(Root(parent, int(a)))] = Root(parent, int(i));
        }
        active.push_back(i);
    }
    std::vector<TPieceGroup> groups;
    std::vector<int> groupOf(pieces.size(), -1);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const size_t root = size_t(Root(parent, int(i)));
        if (groupOf[root] < 0) {
            groupOf[root] = int(groups.size());
            groups.push_back({{}, pieces[i].bounds});
        }
        TPieceGroup &group = groups[size_t(groupOf[root])];
        group.paths.insert(group.paths.end(), pieces[i].paths.begin(), pieces[i].paths.end());
        group.bounds |= pieces[i].bounds;
    }
    return groups;
}

QRectF Grown(const QRectF &r, double by) { return r.adjusted(-by, -by, by, by); }

// One group's letters as the blade leaves them in `style`, within `blank`.
CL::Paths CleanedGroup(const TPieceGroup &group, double kerf, TCutStyle style, const QRectF &blank)
{
    if (style == TCutStyle::CutOut)
        return CleanedWood(group.paths, kerf);
    // The wood is the board round the letters, in a frame well beyond them
    // (and beyond the blank, where they reach its edge); the letters are
    // what is left of the blank near them.
    const double margin = FrameMarginKerfs * kerf;
    const CL::Paths frame{RectanglePath(Grown(group.bounds, margin))};
    const CL::Paths wood = CleanedWood(Combine(frame, group.paths, CL::ctDifference), kerf);
    const QRectF near = Grown(group.bounds, margin / 2) & blank;
    return Combine({RectanglePath(near)}, wood, CL::ctDifference);
}

QRectF BlankRectangle(const TCutLines &lines) { return QRectF(QPointF(0, 0), QSizeF(lines.blankSize)); }

bool Meets(const QRectF &bounds, const std::vector<QRectF> &areas)
{
    return std::any_of(areas.begin(), areas.end(), [&](const QRectF &area) { return area.intersects(bounds); });
}

// The letters cleaned group by group; with `changed`, only the groups
// that meet a changed area, the others kept as they are.
TCutLines Cleaned(const TCutLines &lines, double kerf, TCutStyle style, const std::vector<QRectF> *changed)
{
    if (kerf <= 0 || lines.letters.empty())
        return lines;
    TCutLines result = lines;
    result.letters.clear();
    const QRectF blank = BlankRectangle(lines);
    const double gap = IndependentGapKerfs * kerf;
    for (const TPieceGroup &group : GroupsApart(SeparatePieces(RegionOf(lines.letters)), gap)) {
        std::vector<TCutContour> contours;
        if (changed && !Meets(Grown(group.bounds, gap), *changed))
            contours = SimpleContours(group.paths);
        else
            contours = SimpleContours(
                WithoutHairlineLoops(CleanedGroup(group, kerf, style, blank), 2 * PinchPixels, kerf), kerf * kerf);
        result.letters.insert(result.letters.end(), std::make_move_iterator(contours.begin()),
                              std::make_move_iterator(contours.end()));
    }
    return result;
}
} // namespace

TCutLines CleanedForKerf(const TCutLines &lines, double kerf, TCutStyle style)
{
    return Cleaned(lines, kerf, style, nullptr);
}

TCutLines CleanedForKerfAgain(const TCutLines &lines, double kerf, TCutStyle style, const std::vector<QRectF> &changed)
{
    return Cleaned(lines, kerf, style, &changed);
}
