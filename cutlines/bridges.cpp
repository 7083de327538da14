#include "bridges.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/cuttexts.h"
#include "cutlines/kerf.h"
#include "cutlines/segments.h"

#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace {
using namespace CutPaths;

// The ends of a bridge lie this much deeper in the wood than half its
// width, so that its sides never graze a cut line and leave a sliver.
constexpr double EndClearance = 0.25;
// A bridge cutting through more than this many widths of letter is a last
// resort, and one through more than the second is no bridge at all.
constexpr double LastResortWidths = 4;
constexpr double LongestBridgeWidths = 16;
// From where it starts, a bridge reaches the letter it crosses within this
// many widths; one that runs further through wood first would only widen a
// narrow gap between two letters, not tie anything across a stroke.
constexpr double LongestRunToTheLetterWidths = 1.5;
// Bridges whose lengths differ by less than this count as equally short; of
// those the one nearest the island's middle wins, which looks deliberate.
constexpr double EqualLength = 0.25;
// The directions a bridge may leave a point in are searched in this many
// sectors, so that the nearest wood one way does not hide the way across.
constexpr int DirectionSectors = 8;
// How far apart the places a bridge may start from lie along a core's edge.
constexpr double StartStep = 1.0;
// Only an island at least this many bridge widths across gets a second bridge.
constexpr double SecondBridgeIslandWidths = 4;
// A second bridge leaves its island at least this far round from the first:
// the cosine of the angle between them is at most this.
constexpr double SecondBridgeTurn = -0.5;
constexpr double Unbounded = std::numeric_limits<double>::infinity();

// How near the segment from `a` to `b` comes to the rectangle.
double DistanceToRectangle(QPointF a, QPointF b, const QRectF &r)
{
    if (r.contains(a) || r.contains(b))
        return 0;
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    double nearest = Unbounded;
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i], d = corners[(i + 1) % 4];
        if (CrossingAt(a, b, c, d))
            return 0;
        nearest = std::min({nearest, Distance(a, Closest(c, d, a)), Distance(b, Closest(c, d, b)),
                            Distance(c, Closest(a, b, c))});
    }
    return nearest;
}

std::vector<TSegment> EdgesOf(const CL::Paths &paths)
{
    std::vector<TSegment> edges;
    for (const CL::Path &path : paths) {
        const QPolygonF points = ToPolygon(path);
        for (qsizetype i = 0; i < points.size(); ++i)
            edges.push_back({points[i], points[(i + 1) % points.size()]});
    }
    return edges;
}

// The letters' outline, looked up by place.
class TInk {
public:
    explicit TInk(const CL::Paths &letters)
    {
        for (const TSegment &edge : EdgesOf(letters))
            m_edges.Add(edge);
    }

    // How far the segment from `a` (in the wood) to `b` runs through the
    // letters, if it is a bridge: it crosses one stroke of them, reaching
    // it and leaving it within `run` of its ends. A strip across more than
    // one would cut other letters and islands apart as well.
    std::optional<double> InkAlong(QPointF a, QPointF b, double run) const
    {
        std::vector<double> crossings;
        m_edges.Visit(QRectF(a, b).normalized(), [&](size_t e) {
            if (const auto t = CrossingAt(a, b, m_edges[e].a, m_edges[e].b))
                crossings.push_back(*t);
        });
        if (crossings.size() != 2)
            return std::nullopt;
        const double enters = std::min(crossings[0], crossings[1]), leaves = std::max(crossings[0], crossings[1]);
        const double length = Distance(a, b);
        if (enters * length > run || (1 - leaves) * length > run)
            return std::nullopt;
        return (leaves - enters) * length;
    }

private:
    TSegmentIndex m_edges;
};

// One part of a piece of wood where a disc as wide as the bridge fits
// (with the clearance): the places a bridge may start or end.
struct TCore {
    int id = 0;
    int piece = 0;
    std::vector<TSegment> edges;
    QRectF bounds;
    double area = 0;
};

struct TCandidate {
    QPointF from, to;
    double length = Unbounded;
};

std::vector<TCore> CoresOf(const TPiecePaths &piece, double inset, int pieceIndex, int &nextId)
{
    std::vector<TCore> cores;
    // No disc that wide fits in a piece narrower than it.
    if (std::min(piece.bounds.width(), piece.bounds.height()) <= 2 * inset)
        return cores;
    for (const TPiecePaths &part : SeparatePieces(RoundOffset(piece.paths, -inset)))
        cores.push_back({nextId++, pieceIndex, EdgesOf(part.paths), part.bounds, part.area});
    return cores;
}

// Which of eight directions, each an eighth of a turn, `way` points in.
int SectorOf(QPointF way)
{
    const bool right = way.x() >= 0, down = way.y() >= 0, steep = std::abs(way.y()) > std::abs(way.x());
    return (right ? 0 : 4) + (down ? 0 : 2) + (steep ? 1 : 0);
}

// The nearest point of `edges` to `corner`, one strip for each direction:
// the shortest strip between two outlines ends in a corner of one of them,
// and the nearest wood one way does not hide the way across.
void AddNearest(std::vector<TCandidate> &found, QPointF corner, const std::vector<const TSegment *> &edges,
                double reach, bool towards)
{
    std::array<TCandidate, DirectionSectors> nearest;
    const double reachSquared = reach * reach;
    for (const TSegment *edge : edges) {
        if (std::min(edge->a.x(), edge->b.x()) > corner.x() + reach ||
            std::max(edge->a.x(), edge->b.x()) < corner.x() - reach ||
            std::min(edge->a.y(), edge->b.y()) > corner.y() + reach ||
            std::max(edge->a.y(), edge->b.y()) < corner.y() - reach)
            continue;
        const QPointF q = Closest(edge->a, edge->b, corner);
        const double squared = SquaredDistance(corner, q);
        if (squared > reachSquared || squared == 0)
            continue;
        TCandidate &best = nearest[size_t(SectorOf(q - corner))];
        if (squared < best.length)
            best = towards ? TCandidate{q, corner, squared} : TCandidate{corner, q, squared};
    }
    for (TCandidate &c : nearest)
        if (std::isfinite(c.length)) {
            c.length = std::sqrt(c.length);
            found.push_back(c);
        }
}

// The wood already tied to the board, as the edges of its cores.
class THeldWood {
public:
    void Add(const TCore &core)
    {
        for (const TSegment &edge : core.edges) {
            m_edges.Add(edge);
            m_owners.push_back({core.id, core.piece});
        }
    }

    // The strips no longer than `reach` from `core` to held wood; not to
    // the core itself, nor to its own piece unless `ownPiece`.
    std::vector<TCandidate> From(const TCore &core, double reach, bool ownPiece) const
    {
        std::vector<const TSegment *> near;
        m_edges.Visit(core.bounds.adjusted(-reach, -reach, reach, reach), [&](size_t item) {
            const auto [id, piece] = m_owners[item];
            if (id != core.id && (ownPiece || piece != core.piece))
                near.push_back(&m_edges[item]);
        });
        std::vector<const TSegment *> own;
        for (const TSegment &edge : core.edges)
            own.push_back(&edge);
        std::vector<TCandidate> found;
        for (const TSegment *edge : own) {
            // Along the core's own edges too, so that among equally short
            // strips the one in the middle is there to be found.
            const int steps = std::max(1, int(std::ceil(Distance(edge->a, edge->b) / StartStep)));
            for (int i = 0; i < steps; ++i)
                AddNearest(found, edge->a + (edge->b - edge->a) * (double(i) / steps), near, reach, false);
        }
        for (const TSegment *edge : near)
            AddNearest(found, edge->a, own, reach, true);
        return found;
    }

private:
    TSegmentIndex m_edges;
    std::vector<std::pair<int, int>> m_owners; // core and piece of each edge
};

using TAllowed = std::function<bool(QPointF from, QPointF to)>;

// The wood a bridge leaves: its strip with round ends. The ends lie in the
// wood it joins, so where the strip meets a stroke at a slant no corner of
// it stops short in the letter and leaves a hair of letter across it.
CL::Paths StripPaths(const TBridge &bridge)
{
    CL::ClipperOffset offset;
    offset.AddPath({ToInt(bridge.from), ToInt(bridge.to)}, CL::jtRound, CL::etOpenRound);
    CL::Paths strip;
    offset.Execute(strip, double(ToIntLength(bridge.width / 2)));
    return strip;
}

// What has to be tied to the board: an island, or a part of the board
// itself that only wood narrower than a bridge joins to the rest.
struct TTarget {
    std::vector<TCore> cores;
    bool island = true;
    // The island's size: its bounds' shorter side.
    double across = 0;
    std::optional<TBridge> first;
    size_t firstCore = 0;
};

class TBridgePlanner {
public:
    TBridgePlanner(const TCutLines &lines, const CL::Paths &letters, double width, double leastWidth)
        : m_width(width), m_ink(letters)
    {
        if (lines.baseBar)
            m_bar = *lines.baseBar;
        const std::vector<TPiecePaths> pieces =
            SeparatePieces(Combine(BlankPaths(lines), letters, CL::ctDifference));
        if (pieces.empty())
            return;
        // The board is the largest piece of wood; every other is an island.
        size_t board = 0;
        for (size_t i = 1; i < pieces.size(); ++i)
            if (pieces[i].area > pieces[board].area)
                board = i;
        const double inset = width / 2 + EndClearance;
        int nextId = 0;
        std::vector<TCore> boardCores = CoresOf(pieces[board], inset, int(board), nextId);
        if (boardCores.empty())
            return;
        const auto anchor = std::max_element(boardCores.begin(), boardCores.end(),
                                             [](const TCore &a, const TCore &b) { return a.area < b.area; });
        m_held.Add(*anchor);
        // A part of the board that only wood narrower than a bridge joins to
        // the rest breaks off like an island when that wood is narrower
        // than the least width of wood too; with a wider bridge, it holds.
        if (width <= leastWidth)
            for (auto core = boardCores.begin(); core != boardCores.end(); ++core)
                if (core != anchor)
                    m_targets.push_back({{*core}, false, 0, std::nullopt, 0});
        for (size_t i = 0; i < pieces.size(); ++i)
            if (i != board)
                m_targets.push_back({CoresOf(pieces[i], inset, int(i), nextId), true,
                                     std::min(pieces[i].bounds.width(), pieces[i].bounds.height()), std::nullopt, 0});
    }

    void Plan()
    {
        HoldAllWithin(ReachThrough(LastResortWidths), false);
        HoldAllWithin(ReachThrough(LongestBridgeWidths), true);
        AddSecondBridges();
    }

    const std::vector<TBridge> &Bridges() const { return m_bridges; }

    int IslandsNotHeld() const
    {
        return int(std::count_if(m_targets.begin(), m_targets.end(),
                                 [](const TTarget &t) { return t.island && !t.first; }));
    }

private:
    // How far apart the ends of a bridge through `widths` widths of letter
    // lie at most: it starts and ends in wood half a width and the
    // clearance from the letter.
    double ReachThrough(double widths) const { return (widths + 1) * m_width + 2 * EndClearance; }

    // Held targets may hold others in turn, so the search runs until no
    // target gets a bridge. Only islands are worth a last resort: parts of
    // the board are held by their narrow wood already.
    void HoldAllWithin(double reach, bool islandsOnly)
    {
        const TAllowed clearOfBar = [this](QPointF a, QPointF b) { return ClearOfBar(a, b); };
        // After the first round, a target is looked at again only when wood
        // within its reach was held since: nothing else has changed for it.
        std::optional<std::vector<QRectF>> heldLastRound;
        for (bool progress = true; progress;) {
            progress = false;
            std::vector<QRectF> heldThisRound;
            for (TTarget &target : m_targets) {
                if (target.first || (islandsOnly && !target.island))
                    continue;
                if (heldLastRound && !Near(target, *heldLastRound, reach))
                    continue;
                std::optional<TCandidate> best;
                for (size_t c = 0; c < target.cores.size(); ++c) {
                    const auto strip = Best(target.cores[c], reach, !target.island, clearOfBar);
                    if (strip && (!best || strip->length < best->length))
                        best = strip, target.firstCore = c;
                }
                if (!best)
                    continue;
                target.first = TBridge{best->from, best->to, m_width};
                m_bridges.push_back(*target.first);
                for (const TCore &core : target.cores) {
                    m_held.Add(core);
                    heldThisRound.push_back(core.bounds);
                }
                progress = true;
            }
            heldLastRound = std::move(heldThisRound);
        }
    }

    static bool Near(const TTarget &target, const std::vector<QRectF> &held, double reach)
    {
        return std::any_of(target.cores.begin(), target.cores.end(), [&](const TCore &core) {
            const QRectF around = core.bounds.adjusted(-reach, -reach, reach, reach);
            return std::any_of(held.begin(), held.end(), [&](const QRectF &r) { return around.intersects(r); });
        });
    }

    // An island held by one bridge can still twist off: where a short
    // strip on its other side holds too, it gets that one as well. A small
    // island, or one the bridges are wide for, needs no second one, and
    // would lose too much of its letter to it.
    void AddSecondBridges()
    {
        const double reach = ReachThrough(LastResortWidths);
        for (const TTarget &target : m_targets) {
            if (!target.island || !target.first || target.across < SecondBridgeIslandWidths * m_width)
                continue;
            const QLineF first(target.first->from, target.first->to);
            const auto strip = Best(target.cores[target.firstCore], reach, false, [&](QPointF a, QPointF b) {
                const QLineF second(a, b);
                const double turn = QPointF::dotProduct(second.p2() - second.p1(), first.p2() - first.p1()) /
                                    (second.length() * first.length());
                return turn <= SecondBridgeTurn && ClearOfBar(a, b);
            });
            if (strip && strip->length <= LastResortWidths * m_width)
                m_bridges.push_back({strip->from, strip->to, m_width});
        }
    }

    // The bridge from `core` that cuts through the least letter; of about
    // equally short ones, the one starting nearest the core's middle.
    std::optional<TCandidate> Best(const TCore &core, double reach, bool ownPiece, const TAllowed &allowed) const
    {
        std::vector<TCandidate> found = m_held.From(core, reach, ownPiece);
        std::sort(found.begin(), found.end(), [](const TCandidate &l, const TCandidate &r) { return l.length < r.length; });
        // A strip cuts through less letter than it is long by the wood
        // it starts and ends in.
        const double inWood = m_width + 2 * EndClearance;
        const double run = LongestRunToTheLetterWidths * m_width;
        const QPointF middle = core.bounds.center();
        std::optional<TCandidate> best;
        double least = Unbounded;
        for (const TCandidate &c : found) {
            if (c.length - inWood > least + EqualLength)
                break;
            if (!allowed(c.from, c.to))
                continue;
            const auto ink = m_ink.InkAlong(c.from, c.to, run);
            if (!ink || *ink > least + EqualLength)
                continue;
            const TCandidate bridge{c.from, c.to, *ink};
            if (!best || *ink < least - EqualLength || Distance(c.from, middle) < Distance(best->from, middle))
                best = bridge;
            least = std::min(least, *ink);
        }
        return best;
    }

    // A bridge across the base bar would chop it into sections.
    bool ClearOfBar(QPointF a, QPointF b) const
    {
        return !m_bar || DistanceToRectangle(a, b, *m_bar) >= m_width / 2;
    }

    double m_width;
    TInk m_ink;
    std::optional<QRectF> m_bar;
    THeldWood m_held;
    std::vector<TTarget> m_targets;
    std::vector<TBridge> m_bridges;
};
} // namespace

TBridgedCutLines WithStencilBridges(const TCutLines &lines, double bridgeWidth, double kerf, double leastWidth)
{
    TBridgedCutLines result;
    result.lines = lines;
    if (bridgeWidth <= 0 || lines.letters.empty())
        return result;
    const CL::Paths letters = RegionOf(lines.letters);
    TBridgePlanner planner(lines, letters, bridgeWidth, leastWidth);
    planner.Plan();
    result.bridges = planner.Bridges();
    result.islandsNotBridged = planner.IslandsNotHeld();
    if (result.bridges.empty())
        return result;
    CL::Paths strips;
    std::vector<QRectF> stripBounds;
    for (const TBridge &bridge : result.bridges) {
        const CL::Paths strip = StripPaths(bridge);
        strips.insert(strips.end(), strip.begin(), strip.end());
        stripBounds.push_back(QRectF(bridge.from, bridge.to).normalized().adjusted(-bridge.width, -bridge.width,
                                                                                   bridge.width, bridge.width));
    }
    result.lines.letters = SimpleContours(Combine(letters, strips, CL::ctDifference));
    // What the strips leave of the letters is cleaned for the blade like
    // the rest; the strips themselves are wood no narrower than the kerf.
    result.lines = CleanedForKerfAgain(result.lines, kerf, TCutStyle::Stencil, stripBounds);
    return result;
}

QString IslandsNotBridgedText(int count, double bridgeWidth)
{
    return CountText(count, QStringLiteral("island"), QStringLiteral("islands")) +
           QStringLiteral(" could not be bridged at ") + WidthText(bridgeWidth);
}
