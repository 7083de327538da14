#include "segments.h"

#include <algorithm>

namespace {
double Cross(QPointF u, QPointF v) { return u.x() * v.y() - u.y() * v.x(); }
} // namespace

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double SquaredDistance(QPointF a, QPointF b)
{
    const QPointF d = a - b;
    return QPointF::dotProduct(d, d);
}

QPointF Closest(QPointF a, QPointF b, QPointF p)
{
    const QPointF d = b - a;
    const double squared = QPointF::dotProduct(d, d);
    const double t = squared > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / squared, 0.0, 1.0) : 0.0;
    return a + t * d;
}

std::optional<double> CrossingAt(QPointF a, QPointF b, QPointF c, QPointF d)
{
    const QPointF r = b - a, s = d - c;
    const double denominator = Cross(r, s);
    if (denominator == 0)
        return std::nullopt;
    const double t = Cross(c - a, s) / denominator;
    const double u = Cross(c - a, r) / denominator;
    if (t < 0 || t > 1 || u < 0 || u >= 1)
        return std::nullopt;
    return t;
}

bool BoundsMeet(const TSegment &s, const QRectF &zone)
{
    return std::max(s.a.x(), s.b.x()) >= zone.left() && std::min(s.a.x(), s.b.x()) <= zone.right() &&
           std::max(s.a.y(), s.b.y()) >= zone.top() && std::min(s.a.y(), s.b.y()) <= zone.bottom();
}

std::pair<QPointF, QPointF> NearestPoints(const TSegment &s, const TSegment &t)
{
    if (const auto along = CrossingAt(s.a, s.b, t.a, t.b)) {
        const QPointF crossing = s.a + (s.b - s.a) * *along;
        return {crossing, crossing};
    }
    // Apart, two segments are nearest at an end of one of them.
    std::pair<QPointF, QPointF> best{s.a, Closest(t.a, t.b, s.a)};
    auto consider = [&](QPointF onS, QPointF onT) {
        if (SquaredDistance(onS, onT) < SquaredDistance(best.first, best.second))
            best = {onS, onT};
    };
    consider(s.b, Closest(t.a, t.b, s.b));
    consider(Closest(s.a, s.b, t.a), t.a);
    consider(Closest(s.a, s.b, t.b), t.b);
    return best;
}

void TSegmentIndex::Add(const TSegment &segment)
{
    const size_t item = m_segments.size();
    m_segments.push_back(segment);
    m_seen.push_back(0);
    ForCells(QRectF(segment.a, segment.b).normalized(), [&](qint64 cell) { m_cells[cell].push_back(item); });
}
