#include "bridges.h"

#include "cutlines/clipperpaths.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
using namespace CutPaths;

// How far apart the strips tried across an island lie.
constexpr double CandidateStep = 1.0;
// Strips whose crossings differ by less than this count as equally short;
// of those the one nearest the island's middle wins, which looks deliberate.
constexpr double EqualLength = 0.25;
// How far a strip reaches past the stroke into the island and the wood, so
// that its cut never runs along the stroke's own edge.
constexpr double StripOverrun = 1.0;
constexpr double Unbounded = std::numeric_limits<double>::infinity();

// The search always looks "up" (towards smaller y); the four directions are
// four views of the same geometry.
enum class TDirection { Up, Down, Left, Right };

QPointF ToView(QPointF p, TDirection d)
{
    switch (d) {
    case TDirection::Up: return p;
    case TDirection::Down: return {p.x(), -p.y()};
    case TDirection::Left: return {p.y(), p.x()};
    case TDirection::Right: return {p.y(), -p.x()};
    }
    return p;
}

QPointF FromView(QPointF p, TDirection d)
{
    switch (d) {
    case TDirection::Up: return p;
    case TDirection::Down: return {p.x(), -p.y()};
    case TDirection::Left: return {p.y(), p.x()};
    case TDirection::Right: return {-p.y(), p.x()};
    }
    return p;
}

// One contour of the letters (or the blank) and where it sits among the others.
struct TRing {
    bool hole = false;
    bool blank = false;
    int depth = 0;
    // For a hole: the region its island lies in, the hole around its letter
    // (-1: the open wood of the blank).
    int surrounding = -1;
    QPolygonF points;
};

struct TEdge {
    QPointF a, b;
    int ring;
};

// What lies in a band of the strip that no cut line crosses.
struct TPlace {
    bool inBlank = false;
    bool inLetters = false;
    // The deepest hole around the place, -1 for none.
    int island = -1;
};

struct TBand {
    double top, bottom;
    bool blocked; // crossed by the blank's edge or by another island's edge
};

struct TStrip {
    double start = 0, end = 0; // in view coordinates, start below end
    double length = Unbounded;
    double centre = 0;
    bool narrow = false; // starts inside a band, not in a clear gap of the island
};

std::vector<TRing> RingsOf(const TCutLines &lines)
{
    CL::Clipper clipper;
    clipper.AddPaths(ToPaths(lines.letters), CL::ptSubject, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctUnion, tree, CL::pftEvenOdd, CL::pftEvenOdd);
    std::vector<CL::PolyNode *> nodes;
    for (CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext())
        nodes.push_back(node);
    auto indexOf = [&](const CL::PolyNode *node) {
        return int(std::find(nodes.begin(), nodes.end(), node) - nodes.begin());
    };
    std::vector<TRing> rings(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        TRing &ring = rings[i];
        ring.hole = nodes[i]->IsHole();
        for (const CL::IntPoint &p : nodes[i]->Contour)
            ring.points.append(FromInt(p));
        for (const CL::PolyNode *up = nodes[i]->Parent; up && up != &tree; up = up->Parent)
            ++ring.depth;
        if (ring.hole) {
            const CL::PolyNode *letter = nodes[i]->Parent;
            const CL::PolyNode *around = letter->Parent;
            ring.surrounding = (around && around != &tree) ? indexOf(around) : -1;
        }
    }
    TRing blank;
    blank.blank = true;
    blank.points = lines.blank.empty() ? QPolygonF(QRectF(QPointF(0, 0), QSizeF(lines.blankSize)))
                                       : lines.blank.front().points;
    if (blank.points.size() > 1 && blank.points.first() == blank.points.last())
        blank.points.removeLast();
    rings.push_back(std::move(blank));
    return rings;
}

std::vector<TEdge> EdgesInView(const std::vector<TRing> &rings, TDirection d)
{
    std::vector<TEdge> edges;
    for (size_t r = 0; r < rings.size(); ++r) {
        const QPolygonF &points = rings[r].points;
        for (qsizetype i = 0; i < points.size(); ++i)
            edges.push_back({ToView(points[i], d), ToView(points[(i + 1) % points.size()], d), int(r)});
    }
    return edges;
}

std::vector<TRing> RingsInView(const std::vector<TRing> &rings, TDirection d)
{
    std::vector<TRing> viewed = rings;
    for (TRing &ring : viewed)
        for (QPointF &p : ring.points)
            p = ToView(p, d);
    return viewed;
}

// Looks for the shortest strip across the stroke above one island; `rings`
// and `edges` are in view coordinates.
class TStripSearch {
public:
    TStripSearch(const std::vector<TRing> &rings, const std::vector<TEdge> &edges, int island,
                 double width)
        : m_rings(rings), m_island(island), m_width(width), m_parity(rings.size(), 0)
    {
        const QRectF box = rings[size_t(island)].points.boundingRect();
        m_left = box.left();
        m_right = box.right();
        for (const TEdge &e : edges)
            if (std::max(e.a.x(), e.b.x()) >= m_left - width && std::min(e.a.x(), e.b.x()) <= m_right + width)
                m_column.push_back(e);
    }

    std::optional<TStrip> Shortest()
    {
        const double span = m_right - m_left;
        const double step = std::min(CandidateStep, span / 8);
        std::vector<TStrip> found;
        for (double centre = m_left + step / 2; centre < m_right; centre += step)
            if (auto strip = Across(centre))
                found.push_back(*strip);
        if (found.empty())
            return std::nullopt;
        // A strip that starts in a clear part of the island beats one that
        // has to start from a sliver of it.
        if (std::any_of(found.begin(), found.end(), [](const TStrip &s) { return !s.narrow; }))
            std::erase_if(found, [](const TStrip &s) { return s.narrow; });
        double least = Unbounded;
        for (const TStrip &s : found)
            least = std::min(least, s.length);
        const double middle = (m_left + m_right) / 2;
        const TStrip *best = nullptr;
        for (const TStrip &s : found)
            if (s.length <= least + EqualLength &&
                (!best || std::abs(s.centre - middle) < std::abs(best->centre - middle)))
                best = &s;
        return *best;
    }

private:
    // The strip centred on `centre`, if one can cross from the island to the
    // wood around its letter without touching anything else.
    std::optional<TStrip> Across(double centre)
    {
        const std::vector<TBand> bands = BandsOf(centre - m_width / 2, centre + m_width / 2);
        const std::vector<TPlace> places = PlacesBetween(bands, centre);
        // Place g lies between band g-1 (above) and band g (below).
        std::optional<TStrip> best;
        auto keep = [&](std::optional<TStrip> strip) {
            if (strip && (!best || strip->length < best->length))
                best = strip, best->centre = centre;
        };
        for (size_t start = 1; start < places.size(); ++start) {
            if (!InThisIsland(places[start]))
                continue;
            const double from = bands[start - 1].bottom;
            const double below = start < bands.size() ? bands[start].top : Unbounded;
            keep(UpFrom(start - 1, from + std::min(StripOverrun, (below - from) / 2), from, bands, places));
        }
        if (best)
            return best;
        // An island narrower than the strip leaves no clear band inside it:
        // the strip then starts from the island's middle on the slab's axis.
        for (const double middle : m_islandMiddles) {
            const auto band = std::find_if(bands.begin(), bands.end(),
                                           [&](const TBand &b) { return b.top <= middle && middle <= b.bottom; });
            if (band != bands.end())
                keep(UpFrom(size_t(band - bands.begin()), middle, middle, bands, places));
        }
        if (best)
            best->narrow = true;
        return best;
    }

    bool InThisIsland(const TPlace &place) const { return !place.inLetters && place.island == m_island; }

    // Walks up from band `first` until the wood around the letter; the strip
    // starts at `start` and its crossing is counted from `counted`.
    std::optional<TStrip> UpFrom(size_t first, double start, double counted,
                                 const std::vector<TBand> &bands, const std::vector<TPlace> &places) const
    {
        for (size_t g = first + 1; g-- > 0;) {
            if (bands[g].blocked)
                return std::nullopt;
            const TPlace &place = places[g];
            if (place.inLetters)
                continue;
            if (InThisIsland(place))
                return std::nullopt; // a shorter strip starts from there
            if (!place.inBlank || place.island != m_rings[size_t(m_island)].surrounding)
                return std::nullopt;
            const double to = bands[g].top;
            const double above = g > 0 ? bands[g - 1].bottom : -Unbounded;
            TStrip strip;
            strip.start = start;
            strip.end = to - std::min(StripOverrun, (to - above) / 2);
            strip.length = counted - to;
            return strip;
        }
        return std::nullopt;
    }

    // Where cut lines cross the slab [a, b], merged into bands, top to bottom.
    std::vector<TBand> BandsOf(double a, double b) const
    {
        std::vector<TBand> pieces;
        for (const TEdge &e : m_column) {
            const double x0 = std::min(e.a.x(), e.b.x()), x1 = std::max(e.a.x(), e.b.x());
            if (x1 < a || x0 > b)
                continue;
            double top, bottom;
            if (x1 == x0) {
                top = std::min(e.a.y(), e.b.y());
                bottom = std::max(e.a.y(), e.b.y());
            } else {
                auto yAt = [&](double x) {
                    const double t = std::clamp((x - e.a.x()) / (e.b.x() - e.a.x()), 0.0, 1.0);
                    return e.a.y() + t * (e.b.y() - e.a.y());
                };
                const double ya = yAt(a), yb = yAt(b);
                top = std::min(ya, yb);
                bottom = std::max(ya, yb);
            }
            const TRing &ring = m_rings[size_t(e.ring)];
            const bool blocked = ring.blank || (ring.hole && e.ring != m_island);
            pieces.push_back({top, bottom, blocked});
        }
        std::sort(pieces.begin(), pieces.end(), [](const TBand &l, const TBand &r) { return l.top < r.top; });
        std::vector<TBand> bands;
        for (const TBand &piece : pieces) {
            if (!bands.empty() && piece.top <= bands.back().bottom) {
                bands.back().bottom = std::max(bands.back().bottom, piece.bottom);
                bands.back().blocked = bands.back().blocked || piece.blocked;
            } else {
                bands.push_back(piece);
            }
        }
        return bands;
    }

    // What lies in each gap between the bands, read off the slab's middle line.
    std::vector<TPlace> PlacesBetween(const std::vector<TBand> &bands, double centre)
    {
        std::vector<std::pair<double, int>> crossings;
        for (const TEdge &e : m_column)
            if ((e.a.x() <= centre) != (e.b.x() <= centre)) {
                const double t = (centre - e.a.x()) / (e.b.x() - e.a.x());
                crossings.push_back({e.a.y() + t * (e.b.y() - e.a.y()), e.ring});
            }
        std::sort(crossings.begin(), crossings.end());
        m_islandMiddles.clear();
        double entered = 0;
        bool inside = false;
        for (const auto &[y, ring] : crossings)
            if (ring == m_island) {
                if (inside)
                    m_islandMiddles.push_back((entered + y) / 2);
                inside = !inside;
                entered = y;
            }
        std::vector<TPlace> places;
        places.reserve(bands.size() + 1);
        size_t next = 0;
        std::vector<int> touched;
        for (size_t g = 0; g <= bands.size(); ++g) {
            const double mid = g == 0 ? -Unbounded
                             : g == bands.size() ? Unbounded
                                                 : (bands[g - 1].bottom + bands[g].top) / 2;
            for (; next < crossings.size() && crossings[next].first < mid; ++next) {
                m_parity[size_t(crossings[next].second)] ^= 1;
                touched.push_back(crossings[next].second);
            }
            places.push_back(PlaceFromParity());
        }
        for (int ring : touched)
            m_parity[size_t(ring)] = 0;
        return places;
    }

    TPlace PlaceFromParity() const
    {
        TPlace place;
        int deepest = -1;
        bool letters = false;
        for (size_t r = 0; r < m_rings.size(); ++r) {
            if (!m_parity[r])
                continue;
            const TRing &ring = m_rings[r];
            if (ring.blank) {
                place.inBlank = true;
                continue;
            }
            letters = !letters;
            if (ring.hole && (place.island < 0 || ring.depth > deepest))
                place.island = int(r), deepest = ring.depth;
        }
        place.inLetters = letters;
        return place;
    }

    const std::vector<TRing> &m_rings;
    int m_island;
    double m_width;
    double m_left = 0, m_right = 0;
    std::vector<TEdge> m_column;
    std::vector<char> m_parity;
    std::vector<double> m_islandMiddles;
};

CL::Path StripPath(const TStrip &strip, double width, TDirection d)
{
    const double left = strip.centre - width / 2, right = strip.centre + width / 2;
    return {ToInt(FromView({left, strip.end}, d)), ToInt(FromView({right, strip.end}, d)),
            ToInt(FromView({right, strip.start}, d)), ToInt(FromView({left, strip.start}, d))};
}

struct TBridgeSearch {
    TBridgeSearch(const std::vector<TRing> &rings, TDirection d)
        : direction(d), viewed(RingsInView(rings, d)), edges(EdgesInView(rings, d))
    {
    }
    std::optional<TStrip> ShortestFor(int island, double width) const
    {
        return TStripSearch(viewed, edges, island, width).Shortest();
    }
    TDirection direction;
    std::vector<TRing> viewed;
    std::vector<TEdge> edges;
};

} // namespace

TCutLines WithStencilBridges(const TCutLines &lines, double bridgeWidth)
{
    const std::vector<TRing> rings = RingsOf(lines);
    const bool anyIsland = std::any_of(rings.begin(), rings.end(), [](const TRing &r) { return r.hole; });
    if (!anyIsland || bridgeWidth <= 0)
        return lines;
    // The sides are searched only for islands that cannot be reached from
    // above or below, so their views are built only when needed.
    const TBridgeSearch up(rings, TDirection::Up), down(rings, TDirection::Down);
    std::optional<TBridgeSearch> left, right;
    CL::Paths strips;
    for (size_t i = 0; i < rings.size(); ++i) {
        if (!rings[i].hole)
            continue;
        const int island = int(i);
        bool bridged = false;
        for (const TBridgeSearch *search : {&up, &down})
            if (auto strip = search->ShortestFor(island, bridgeWidth)) {
                strips.push_back(StripPath(*strip, bridgeWidth, search->direction));
                bridged = true;
            }
        if (bridged)
            continue;
        if (!left)
            left.emplace(rings, TDirection::Left), right.emplace(rings, TDirection::Right);
        const auto fromLeft = left->ShortestFor(island, bridgeWidth);
        const auto fromRight = right->ShortestFor(island, bridgeWidth);
        if (fromLeft && (!fromRight || fromLeft->length <= fromRight->length))
            strips.push_back(StripPath(*fromLeft, bridgeWidth, TDirection::Left));
        else if (fromRight)
            strips.push_back(StripPath(*fromRight, bridgeWidth, TDirection::Right));
    }
    TCutLines bridged = lines;
    if (strips.empty())
        return bridged;
    CL::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(ToPaths(lines.letters), CL::ptSubject, true);
    clipper.AddPaths(strips, CL::ptClip, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctDifference, tree, CL::pftEvenOdd, CL::pftNonZero);
    bridged.letters = ContoursOf(tree);
    return bridged;
}
