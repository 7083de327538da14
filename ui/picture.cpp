#include "ui/picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kInnerBevelWidth = 1;
}

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (m_autoSize)
        resize(picture.size());
    update();
}

void TImage::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void TImage::setBevelInner(TBevelCut cut)
{
    m_bevelInner = cut;
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(0, 0, m_picture);
    DrawBevel(painter, rect(), m_bevelInner, kInnerBevelWidth);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TRotatedLabel::TRotatedLabel(const QString &caption, QWidget *parent)
    : QWidget(parent), m_caption(caption)
{
}

void TRotatedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, m_caption);
}
