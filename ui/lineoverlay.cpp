#include "ui/lineoverlay.h"

#include <QPainter>

namespace {
// One screen pixel: the lines mark where the saw goes, they must not hide
// the pattern they lie on.
constexpr int kLineWidth = 1;
} // namespace

TLineOverlay::TLineOverlay(const QColor &color, const QColor &markColor, QWidget *parent)
    : QWidget(parent), m_color(color), m_markColor(markColor)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TLineOverlay::setLines(std::vector<QPolygonF> lines, std::vector<size_t> marked)
{
    m_lines = std::move(lines);
    m_marked = std::move(marked);
    update();
}

void TLineOverlay::setShade(QPainterPath shade, const QColor &color)
{
    m_shade = std::move(shade);
    m_shadeColor = color;
    update();
}

void TLineOverlay::setMarks(std::vector<TOverlayMark> marks)
{
    m_marks = std::move(marks);
    update();
}

void TLineOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Crisp like the pattern itself.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(m_shade, m_shadeColor);
    painter.setBrush(Qt::NoBrush);
    std::vector<bool> marked(m_lines.size(), false);
    for (size_t line : m_marked)
        if (line < marked.size())
            marked[line] = true;
    for (size_t line = 0; line < m_lines.size(); ++line) {
        painter.setPen(QPen(marked[line] ? m_markColor : m_color, kLineWidth));
        painter.drawPolygon(m_lines[line]);
    }
    for (const TOverlayMark &mark : m_marks) {
        painter.setPen(mark.pen);
        painter.drawPath(mark.path);
    }
}
