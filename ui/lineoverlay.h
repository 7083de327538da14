#pragma once
// A see-through layer of thin closed lines laid over other widgets: the
// lines are drawn on the screen only, and the mouse reaches whatever lies
// beneath.

#include <QColor>
#include <QPolygonF>
#include <QWidget>
#include <vector>

class TLineOverlay : public QWidget {
public:
    TLineOverlay(const QColor &color, QWidget *parent);

    // Closed polylines in the overlay's own pixels.
    const std::vector<QPolygonF> &Lines() const { return m_lines; }
    void setLines(std::vector<QPolygonF> lines);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    std::vector<QPolygonF> m_lines;
};
