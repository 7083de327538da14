#include "ui/spotoverlay.h"

#include <QPainter>

TSpotOverlay::TSpotOverlay(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TSpotOverlay::setSpots(QPainterPath spots)
{
    m_spots = std::move(spots);
    update();
}

void TSpotOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Aliased like the pattern, so a spot covers whole pixels.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(m_spots, m_color);
}
