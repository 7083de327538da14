#include "drillholes.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/cuttexts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <queue>

namespace {
using namespace CutPaths;

// The widest place is searched out to the cut lines' own tolerance.
constexpr double CentrePrecisionPixels = CutTolerancePixels;
// Where the waste is equally wide all along a ridge (a straight slot, the
// cut-out bar) the search would split squares all along it down to the
// precision; after this many squares the widest place is known to a small
// part of a pixel, and the clearance reported is the one measured at the
// centre chosen, so a hole never claims more room than it has.
constexpr int MostSquaresSearched = 2048;
// How far beyond the blank the blade starts: far enough that the waste
// reaching the blank's edge joins it, whatever the edge's rounding.
constexpr double OutsideMarginPixels = 1.0;

// An inside cut: its outer ring first, then the rings of the islands in it.
using TRegion = std::vector<QPolygonF>;

// The region's edges, each kept ready for measuring: the search measures
// every edge from every square it looks at.
class TRegionEdges {
public:
    explicit TRegionEdges(const TRegion &region)
    {
        for (const QPolygonF &ring : region)
            for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
                const QPointF a = ring[j], run = ring[i] - ring[j];
                const double squared = QPointF::dotProduct(run, run);
                m_edges.push_back({a.x(), a.y(), run.x(), run.y(), squared > 0 ? 1 / squared : 0});
            }
    }

    // How far `p` lies from the nearest edge: positive inside the region,
    // negative outside.
    double SignedDistance(QPointF p) const
    {
        bool inside = false;
        double nearest = std::numeric_limits<double>::infinity();
        for (const TEdge &e : m_edges) {
            const double fromX = p.x() - e.x, fromY = p.y() - e.y;
            if ((e.y > p.y()) != (e.y + e.dy > p.y()) && fromX < e.dx * fromY / e.dy)
                inside = !inside;
            const double along = std::clamp((fromX * e.dx + fromY * e.dy) * e.inverseSquaredLength, 0.0, 1.0);
            const double offX = fromX - along * e.dx, offY = fromY - along * e.dy;
            nearest = std::min(nearest, offX * offX + offY * offY);
        }
        return (inside ? 1 : -1) * std::sqrt(nearest);
    }

private:
    struct TEdge {
        double x, y, dx, dy, inverseSquaredLength;
    };
    std::vector<TEdge> m_edges;
};

// A square of the search: its centre's distance, and the most any point
// of it could have.
struct TCell {
    QPointF centre;
    double half = 0;
    double distance = 0;
    double best = 0;

    TCell(QPointF c, double h, const TRegionEdges &edges)
        : centre(c), half(h), distance(edges.SignedDistance(c)), best(distance + h * std::numbers::sqrt2)
    {
    }
    bool operator<(const TCell &other) const { return best < other.best; }
};

// The area's centre of the outer ring: usually near the answer, so the
// search can drop most squares at once.
QPointF CentroidOf(const QPolygonF &ring)
{
    double area = 0, x = 0, y = 0;
    for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const QPointF a = ring[j], b = ring[i];
        const double f = a.x() * b.y() - b.x() * a.y();
        x += (a.x() + b.x()) * f;
        y += (a.y() + b.y()) * f;
        area += f * 3;
    }
    return area == 0 ? ring.first() : QPointF(x / area, y / area);
}

// The centre of the largest circle the region holds, and its radius: the
// squares covering the region are split, most promising first, until none
// could hold a circle wider by more than the precision (or the search has
// looked at enough of them).
TDrillHole WidestPlace(const TRegion &region)
{
    const QRectF bounds = region.front().boundingRect();
    const double size = std::min(bounds.width(), bounds.height());
    const TRegionEdges edges(region);
    TCell widest(CentroidOf(region.front()), 0, edges);
    const TCell middle(bounds.center(), 0, edges);
    if (middle.distance > widest.distance)
        widest = middle;
    if (size <= 0)
        return {widest.centre, 0};
    std::priority_queue<TCell> queue;
    for (double x = bounds.left(); x < bounds.right(); x += size)
        for (double y = bounds.top(); y < bounds.bottom(); y += size)
            queue.emplace(QPointF(x + size / 2, y + size / 2), size / 2, edges);
    for (int searched = 0; !queue.empty() && searched < MostSquaresSearched; ++searched) {
        const TCell cell = queue.top();
        queue.pop();
        if (cell.distance > widest.distance)
            widest = cell;
        // The squares come largest possible distance first: none left can do better.
        if (cell.best - widest.distance <= CentrePrecisionPixels)
            break;
        const double half = cell.half / 2;
        for (const QPointF corner : {QPointF(-half, -half), QPointF(half, -half), QPointF(-half, half), QPointF(half, half)})
            queue.emplace(cell.centre + corner, half, edges);
    }
    return {widest.centre, std::max(widest.distance, 0.0)};
}

// Every waste region no path from beyond the blank reaches without crossing
// wood: whatever the wood encloses.
std::vector<TRegion> InsideCuts(const TCutLines &lines, TCutStyle style)
{
    const QRectF around = QRectF(QPointF(0, 0), QSizeF(lines.blankSize))
                              .adjusted(-OutsideMarginPixels, -OutsideMarginPixels, OutsideMarginPixels, OutsideMarginPixels);
    CL::Clipper clipper;
    clipper.AddPath(RectanglePath(around), CL::ptSubject, true);
    clipper.AddPaths(KeptWood(lines, style), CL::ptClip, true);
    CL::PolyTree tree;
    clipper.Execute(CL::ctDifference, tree, CL::pftNonZero, CL::pftNonZero);
    std::vector<TRegion> cuts;
    for (const CL::PolyNode *node = tree.GetFirst(); node; node = node->GetNext()) {
        // What is not inside a hole of the wood is reached from the edge.
        if (node->IsHole() || node->Parent == &tree || node->Contour.size() < 3)
            continue;
        TRegion region{ToPolygon(node->Contour)};
        for (const CL::PolyNode *island : node->Childs)
            region.push_back(ToPolygon(island->Contour));
        cuts.push_back(std::move(region));
    }
    return cuts;
}
} // namespace

std::vector<TCutContour> WasteOf(const TCutLines &lines, TCutStyle style)
{
    return SimpleContours(Combine(BlankPaths(lines), KeptWood(lines, style), CL::ctDifference));
}

std::vector<TDrillHole> FindDrillHoles(const TCutLines &lines, TCutStyle style, double drillDiameter, double kerf)
{
    std::vector<TDrillHole> holes;
    for (const TRegion &cut : InsideCuts(lines, style)) {
        TDrillHole hole = WidestPlace(cut);
        hole.tooSmall = hole.clearance < drillDiameter / 2 + kerf;
        holes.push_back(hole);
    }
    // Read off left to right, as the blank is.
    std::sort(holes.begin(), holes.end(), [](const TDrillHole &a, const TDrillHole &b) {
        return std::pair(a.centre.x(), a.centre.y()) < std::pair(b.centre.x(), b.centre.y());
    });
    return holes;
}

int TooSmallCount(const std::vector<TDrillHole> &holes)
{
    return int(std::count_if(holes.begin(), holes.end(), [](const TDrillHole &hole) { return hole.tooSmall; }));
}

QString TooSmallForDrillText(int count, double drillDiameter)
{
    return CountText(count, QStringLiteral("inside cut too small"), QStringLiteral("inside cuts too small")) +
           QStringLiteral(" for a %1 drill").arg(WidthText(drillDiameter));
}

QPainterPath DrillMarkPath(const TDrillHole &hole, double drillDiameter)
{
    const double radius = drillDiameter / 2;
    const QPointF across(radius, 0), down(0, radius);
    QPainterPath mark;
    mark.addEllipse(hole.centre, radius, radius);
    mark.moveTo(hole.centre - across);
    mark.lineTo(hole.centre + across);
    mark.moveTo(hole.centre - down);
    mark.lineTo(hole.centre + down);
    return mark;
}
