#include "ui/panel.h"

#include <QPainter>

QColor BevelHighlightColor() { return QColor(255, 255, 255); }
QColor BevelShadowColor() { return QColor(160, 160, 160); }

void DrawBevel(QPainter &painter, QRect rect, TBevelCut cut, int width)
{
    if (cut == TBevelCut::None)
        return;
    const QColor topLeft = cut == TBevelCut::Raised ? BevelHighlightColor() : BevelShadowColor();
    const QColor bottomRight = cut == TBevelCut::Raised ? BevelShadowColor() : BevelHighlightColor();
    for (int i = 0; i < width; ++i) {
        const QRect r = rect.adjusted(i, i, -i, -i);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
}

TPanel::TPanel(QWidget *parent) : QWidget(parent), m_color(240, 240, 240)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TPanel::setBevelOuter(TBevelCut cut)
{
    m_bevelCut = cut;
    update();
}

void TPanel::setBevelWidth(int width)
{
    m_bevelWidth = width;
    update();
}

void TPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    DrawBevel(painter, rect(), m_bevelCut, m_bevelWidth);
    if (!m_caption.isEmpty()) {
        painter.setPen(QColor(0, 0, 0));
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
    }
}

TEtchedFrame::TEtchedFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TEtchedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(BevelShadowColor());
    painter.drawRect(rect().adjusted(0, 0, -2, -2));
    painter.setPen(BevelHighlightColor());
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

TShape::TShape(QWidget *parent) : QWidget(parent) {}

void TShape::setBrushColor(const QColor &color)
{
    m_brush = color;
    update();
}

void TShape::setPenColor(const QColor &color)
{
    m_pen = color;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_pen);
    painter.setBrush(m_brush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
