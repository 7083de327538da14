#include "flatten.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace {
// Splitting a cubic into n equal parameter steps keeps it within
// max|P''| / (8 n^2) of the chords, and |P''| <= 6 max|p0 - 2p1 + p2|, |p1 - 2p2 + p3|.
int CubicSteps(QPointF p0, QPointF p1, QPointF p2, QPointF p3, qreal tolerance)
{
    const QPointF d1 = p0 - 2 * p1 + p2;
    const QPointF d2 = p1 - 2 * p2 + p3;
    const qreal bend = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
    return std::max(1, int(std::ceil(std::sqrt(6.0 * bend / (8.0 * tolerance)))));
}

QPointF CubicAt(QPointF p0, QPointF p1, QPointF p2, QPointF p3, qreal t)
{
    const qreal u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

void Close(std::vector<QPolygonF> &polylines, QPolygonF &current)
{
    if (current.size() > 1 && current.first() == current.last())
        current.removeLast();
    if (current.size() >= 3)
        polylines.push_back(current);
    current.clear();
}
} // namespace

std::vector<QPolygonF> FlattenPath(const QPainterPath &path, qreal tolerance)
{
    std::vector<QPolygonF> polylines;
    QPolygonF current;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            Close(polylines, current);
            current.append(e);
            break;
        case QPainterPath::LineToElement:
            current.append(e);
            break;
        case QPainterPath::CurveToElement: {
            const QPointF p0 = current.isEmpty() ? QPointF(e) : current.last();
            const QPointF p1 = e, p2 = path.elementAt(i + 1), p3 = path.elementAt(i + 2);
            const int steps = CubicSteps(p0, p1, p2, p3, tolerance);
            for (int s = 1; s <= steps; ++s)
                current.append(CubicAt(p0, p1, p2, p3, qreal(s) / steps));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    Close(polylines, current);
    return polylines;
}
