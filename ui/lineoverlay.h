#pragma once
// A see-through layer of thin closed lines laid over other widgets: the
// lines are drawn on the screen only, and the mouse reaches whatever lies
// beneath. Some lines can be marked out in a second colour, a shaded region
// can lie beneath them and marks of their own pens above them.

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QWidget>
#include <vector>

struct TOverlayMark {
    QPainterPath path;
    QPen pen;
};

class TLineOverlay : public QWidget {
public:
    TLineOverlay(const QColor &color, const QColor &markColor, QWidget *parent);

    // Closed polylines in the overlay's own pixels.
    const std::vector<QPolygonF> &Lines() const { return m_lines; }
    // Which of the lines are drawn in the mark colour.
    const std::vector<size_t> &Marked() const { return m_marked; }
    void setLines(std::vector<QPolygonF> lines, std::vector<size_t> marked = {});
    // Filled in `color` beneath the lines; an empty path shades nothing.
    const QPainterPath &Shade() const { return m_shade; }
    void setShade(QPainterPath shade, const QColor &color);
    // Stroked over the lines.
    const std::vector<TOverlayMark> &Marks() const { return m_marks; }
    void setMarks(std::vector<TOverlayMark> marks);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QColor m_markColor;
    std::vector<QPolygonF> m_lines;
    std::vector<size_t> m_marked;
    QPainterPath m_shade;
    QColor m_shadeColor;
    std::vector<TOverlayMark> m_marks;
};
