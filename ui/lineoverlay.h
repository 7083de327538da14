#pragma once
// A see-through layer of thin closed lines laid over other widgets: the
// lines are drawn on the screen only, and the mouse reaches whatever lies
// beneath. Some lines can be marked out in a second colour.

#include <QColor>
#include <QPolygonF>
#include <QWidget>
#include <vector>

class TLineOverlay : public QWidget {
public:
    TLineOverlay(const QColor &color, const QColor &markColor, QWidget *parent);

    // Closed polylines in the overlay's own pixels.
    const std::vector<QPolygonF> &Lines() const { return m_lines; }
    // Which of the lines are drawn in the mark colour.
    const std::vector<size_t> &Marked() const { return m_marked; }
    void setLines(std::vector<QPolygonF> lines, std::vector<size_t> marked = {});

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QColor m_markColor;
    std::vector<QPolygonF> m_lines;
    std::vector<size_t> m_marked;
};
