#include "ui/lineoverlay.h"

#include <QPainter>

namespace {
// One screen pixel: the lines mark where the saw goes, they must not hide
// the pattern they lie on.
constexpr int kLineWidth = 1;
} // namespace

TLineOverlay::TLineOverlay(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TLineOverlay::setLines(std::vector<QPolygonF> lines)
{
    m_lines = std::move(lines);
    update();
}

void TLineOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Crisp like the pattern itself.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(m_color, kLineWidth));
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF &line : m_lines)
        painter.drawPolygon(line);
}
