#pragma once
// Straight segments of the cut lines and their nearness: what the bridges
// search along and the kerf's cleaning checks, filed by place so that only
// the segments nearby are looked at.

#include <QPointF>
#include <QRectF>

#include <cmath>
#include <optional>
#include <unordered_map>
#include <vector>

struct TSegment {
    QPointF a, b;
};

double Distance(QPointF a, QPointF b);
double SquaredDistance(QPointF a, QPointF b);
// The point of `a`-`b` nearest `p`.
QPointF Closest(QPointF a, QPointF b, QPointF p);
// Where along `a`-`b` (0 to 1) it crosses `c`-`d`, if it does.
std::optional<double> CrossingAt(QPointF a, QPointF b, QPointF c, QPointF d);
// Whether the segment's bounds meet `zone`; unlike QRectF's own test, this
// holds for level and upright segments too.
bool BoundsMeet(const TSegment &s, const QRectF &zone);
// The nearest points of two segments, on `s` and on `t`.
std::pair<QPointF, QPointF> NearestPoints(const TSegment &s, const TSegment &t);

// Segments filed by place: each under every square cell its bounds touch.
class TSegmentIndex {
public:
    void Add(const TSegment &segment);

    const TSegment &operator[](size_t item) const { return m_segments[item]; }
    size_t size() const { return m_segments.size(); }

    // Calls `visit` once with the number of each segment filed in a cell
    // that `area` touches.
    template <typename F>
    void Visit(const QRectF &area, F &&visit) const
    {
        ++m_visit;
        ForCells(area, [&](qint64 cell) {
            const auto found = m_cells.find(cell);
            if (found == m_cells.end())
                return;
            for (size_t item : found->second)
                if (m_seen[item] != m_visit) {
                    m_seen[item] = m_visit;
                    visit(item);
                }
        });
    }

private:
    template <typename F>
    static void ForCells(const QRectF &r, F &&visit)
    {
        const qint64 x0 = qint64(std::floor(r.left() / CellPixels)), x1 = qint64(std::floor(r.right() / CellPixels));
        const qint64 y0 = qint64(std::floor(r.top() / CellPixels)), y1 = qint64(std::floor(r.bottom() / CellPixels));
        for (qint64 y = y0; y <= y1; ++y)
            for (qint64 x = x0; x <= x1; ++x)
                visit((y << 32) ^ (x & 0xffffffff));
    }

    // Cut lines run a pixel or a few between corners: cells of a few
    // pixels hold a handful of segments each.
    static constexpr double CellPixels = 8;

    std::vector<TSegment> m_segments;
    std::unordered_map<qint64, std::vector<size_t>> m_cells;
    // Which query last met each segment, so that each is met once a query.
    mutable std::vector<quint64> m_seen;
    mutable quint64 m_visit = 0;
};
