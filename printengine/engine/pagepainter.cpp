#include "pagepainter.h"

#include "printengine/protocol/pictureoutline.h"

#include <QPen>

namespace fretprint {
namespace {

const QColor kGridColor(150, 190, 230);

QRectF ToDevice(const QRectF &cm, double unitsPerCm)
{
    return {cm.x() * unitsPerCm, cm.y() * unitsPerCm, cm.width() * unitsPerCm,
            cm.height() * unitsPerCm};
}

void PaintGrid(QPainter &painter, QSizeF pageCm, double unitsPerCm, double stepCm)
{
    painter.save();
    QPen pen(kGridColor);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (double x = stepCm; x < pageCm.width(); x += stepCm)
        painter.drawLine(QPointF(x * unitsPerCm, 0), QPointF(x * unitsPerCm, pageCm.height() * unitsPerCm));
    for (double y = stepCm; y < pageCm.height(); y += stepCm)
        painter.drawLine(QPointF(0, y * unitsPerCm), QPointF(pageCm.width() * unitsPerCm, y * unitsPerCm));
    painter.restore();
}

} // namespace

void PaintPage(QPainter &painter, const Page &page, QSizeF pageCm, double unitsPerCm,
               const PagePaintOptions &options)
{
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (options.grid && !options.gridInFront)
        PaintGrid(painter, pageCm, unitsPerCm, options.gridStepCm);
    for (const PlacedPicture &picture : page.pictures) {
        const QRectF target = ToDevice(picture.rectCm, unitsPerCm);
        painter.drawImage(target, picture.image);
        if (picture.outlined)
            PictureOutline::Paint(painter, target, unitsPerCm);
    }
    if (options.grid && options.gridInFront)
        PaintGrid(painter, pageCm, unitsPerCm, options.gridStepCm);
}

} // namespace fretprint
