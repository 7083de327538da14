#include "shapesettings.h"

void TBrush::setColor(TColor color)
{
    if (m_color == color && m_style != bsClear)
        return;
    m_color = color;
    if (m_style == bsClear)
        m_style = bsSolid;
    Change();
}

void TBrush::setBitmap(const QImage &bitmap)
{
    if (m_bitmap == bitmap)
        return;
    m_bitmap = bitmap;
    Change();
}

void TBrush::Assign(const TBrush &other)
{
    if (&other == this)
        return;
    m_color = other.m_color;
    m_style = other.m_style;
    m_bitmap = other.m_bitmap;
    Change();
}

void TShapeFill::setBitmap(const QImage &bitmap)
{
    if (m_bitmap == bitmap)
        return;
    m_bitmap = bitmap;
    Change();
}
