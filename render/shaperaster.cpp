#include "shaperaster.h"

#include <QBrush>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Guards the ceiling against rounding noise on exact pixel boundaries.
constexpr double CeilTolerance = 1e-9;

int CornerInset(double radiusX, double radiusY, double distanceFromCentreRow)
{
    const double ratio = distanceFromCentreRow / radiusY;
    const double halfChord = radiusX * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
    // The leftmost pixel whose centre lies inside the ellipse.
    return std::max(0, int(std::ceil(radiusX - halfChord - 0.5 - CeilTolerance)));
}
} // namespace

SpanList RoundRectSpans(int width, int height, int cornerWidth, int cornerHeight)
{
    SpanList spans(size_t(std::max(0, height)));
    if (width <= 0)
        return spans;
    const double radiusX = std::clamp(cornerWidth, 0, width) / 2.0;
    const double radiusY = std::clamp(cornerHeight, 0, height) / 2.0;
    for (int y = 0; y < height; ++y) {
        const double centreY = y + 0.5;
        double distance = 0;
        if (centreY < radiusY)
            distance = radiusY - centreY;
        else if (centreY > height - radiusY)
            distance = centreY - (height - radiusY);
        const int inset = (distance > 0 && radiusX > 0) ? CornerInset(radiusX, radiusY, distance) : 0;
        spans[size_t(y)] = RowSpan{inset, std::max(inset, width - inset)};
    }
    return spans;
}

SpanList ErodeSpans(const SpanList &spans, int steps)
{
    SpanList current = spans;
    for (int step = 0; step < steps; ++step) {
        SpanList next(current.size());
        for (size_t y = 1; y + 1 < current.size(); ++y) {
            const RowSpan &above = current[y - 1];
            const RowSpan &row = current[y];
            const RowSpan &below = current[y + 1];
            if (above.IsEmpty() || row.IsEmpty() || below.IsEmpty())
                continue;
            next[y].Left = std::max({row.Left + 1, above.Left, below.Left});
            next[y].Right = std::min({row.Right - 1, above.Right, below.Right});
        }
        current = std::move(next);
    }
    return current;
}

void FillSpans(QPainter &painter, const SpanList &spans, QPoint origin, const QBrush &brush)
{
    size_t start = 0;
    while (start < spans.size()) {
        size_t end = start + 1;
        while (end < spans.size() && spans[end] == spans[start])
            ++end;
        const RowSpan &span = spans[start];
        if (!span.IsEmpty())
            painter.fillRect(QRect(origin.x() + span.Left, origin.y() + int(start),
                                   span.Right - span.Left, int(end - start)),
                             brush);
        start = end;
    }
}

void FillRing(QPainter &painter, const SpanList &outer, const SpanList &inner, QPoint origin,
              const QColor &color)
{
    SpanList left(outer.size());
    SpanList right(outer.size());
    for (size_t y = 0; y < outer.size(); ++y) {
        const RowSpan &o = outer[y];
        const RowSpan in = y < inner.size() ? inner[y] : RowSpan{};
        if (in.IsEmpty()) {
            left[y] = o;
            continue;
        }
        left[y] = RowSpan{o.Left, in.Left};
        right[y] = RowSpan{in.Right, o.Right};
    }
    const QBrush brush(color);
    FillSpans(painter, left, origin, brush);
    FillSpans(painter, right, origin, brush);
}
