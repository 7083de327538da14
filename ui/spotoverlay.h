#pragma once
// A see-through layer of filled regions laid over other widgets, to mark
// places on the screen only; the mouse reaches whatever lies beneath.

#include <QColor>
#include <QPainterPath>
#include <QWidget>

class TSpotOverlay : public QWidget {
public:
    TSpotOverlay(const QColor &color, QWidget *parent);

    // The regions, in the overlay's own pixels.
    const QPainterPath &Spots() const { return m_spots; }
    void setSpots(QPainterPath spots);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QPainterPath m_spots;
};
