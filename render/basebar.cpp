#include "basebar.h"

#include "render/workimage.h"
#include "render/floodfill.h"

#include <QPainter>

namespace {
// A rectangle the classic way: the pen's one-pixel outline on the outermost
// pixels of `box`, the brush on everything inside it.
void DrawRectangle(QImage &image, const QRect &box, const QPen &pen, const QBrush &brush)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (brush.style() != Qt::NoBrush)
        painter.fillRect(box.adjusted(1, 1, -1, -1), brush);
    if (pen.style() == Qt::NoPen)
        return;
    const QColor outline = pen.color();
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), outline);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), outline);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), outline);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), outline);
}

// One pixel inside the bar's top-left corner.
QPoint FillSeed(const QRect &box)
{
    return box.topLeft() + QPoint(1, 1);
}
} // namespace

void DrawBaseBar(TWorkImage &workImage, int viewHeight, const QColor &fill)
{
    QImage &picture = workImage.Picture();
    const QRect box = BaseBar::Rectangle(workImage.Width(), viewHeight);
    const bool hasInside = box.width() > 2 && box.height() > 2;
    // The inside starts white, not in the brush the last bar left behind: after
    // a black bar that brush would paint the inside in the outline's colour,
    // the flood fill would find no pixel to fill, and a print in red letters
    // would get a black bar.
    if (hasInside)
        DrawRectangle(picture, box, workImage.Pen(), QBrush(Qt::white, Qt::SolidPattern));

    workImage.SetBrush(QBrush(fill, Qt::SolidPattern));

    // Without an outline around it the fill would run over the whole picture.
    const QPoint seed = FillSeed(box);
    if (!hasInside || !picture.rect().contains(seed))
        return;
    FloodFillBorder(picture, seed, workImage.Pen().color().rgb(), fill.rgb());
}
