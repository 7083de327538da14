#pragma once
// The outline the engine draws around a placed picture, shared with the
// exporter, which lays out the same page for tiles the engine cannot make.

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

namespace PictureOutline {

// A hairline a little over half a point: thin, but visible on every printer.
inline constexpr double kWidthCm = 0.02;

// The outline lies just outside the picture so that it never covers a pixel
// of the pattern itself.
inline void Paint(QPainter &painter, const QRectF &picture, double unitsPerCm)
{
    const double width = kWidthCm * unitsPerCm;
    QPen pen(QColor(0, 0, 0), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture.adjusted(-width / 2, -width / 2, width / 2, width / 2));
    painter.restore();
}

} // namespace PictureOutline
