#pragma once
// Exact, aliased rasterisation of rectangles with elliptic corners as one
// pixel span per row, so the outline lands on the outermost pixels and the
// corner ellipses have exactly the asked size.

#include <QPoint>
#include <vector>

class QPainter;
class QBrush;
class QColor;

// Columns [Left, Right) of one row; empty when Right <= Left.
struct RowSpan {
    int Left = 0;
    int Right = 0;
    bool IsEmpty() const { return Right <= Left; }
    friend bool operator==(const RowSpan &, const RowSpan &) = default;
};
using SpanList = std::vector<RowSpan>;

// A width x height box whose corners are quarters of a cornerWidth x
// cornerHeight ellipse (clamped to the box).
SpanList RoundRectSpans(int width, int height, int cornerWidth, int cornerHeight);

// The shape shrunk by `steps` pixels towards its inside (4-neighbourhood).
SpanList ErodeSpans(const SpanList &spans, int steps);

// Paints the spans, row 0 at origin.y(), with one rectangle per run of equal rows.
void FillSpans(QPainter &painter, const SpanList &spans, QPoint origin, const QBrush &brush);

// Paints what lies in `outer` but not in `inner`: the ring between them.
void FillRing(QPainter &painter, const SpanList &outer, const SpanList &inner, QPoint origin,
              const QColor &color);
