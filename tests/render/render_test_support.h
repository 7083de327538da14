#pragma once
// Helpers shared by the rendering tests: fixed-format images, pixel counts
// and bounding boxes.

#include "render/shapecontrol.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

namespace rendertest {

// A colour the renderer never uses, to see what it left untouched.
constexpr QRgb Untouched = 0xFFFF00FF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;

inline QImage Render(TShapeControl &view, QRgb background = Untouched)
{
    QImage image(view.Width(), view.Height(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    view.RenderTo(painter);
    return image;
}

inline QRgb Pixel(const QImage &image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

inline int Count(const QImage &image, const std::function<bool(QRgb)> &match, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += match(Pixel(image, x, y)) ? 1 : 0;
    return count;
}

inline int CountColour(const QImage &image, QRgb colour, QRect area = {})
{
    return Count(image, [colour](QRgb c) { return c == colour; }, area);
}

// The smallest rectangle holding every pixel of the colour (null when none).
inline QRect BoundsOf(const QImage &image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The view the main window shows: a white rounded blank, outlined, transparent.
inline void SetUpPatternView(TShapeControl &view, int width = 960, int height = 144)
{
    view.setShape(stRoundRect);
    view.Shadow()->setStyle(hssNone);
    view.Bevel()->setWidth(1);
    view.setRoundPercent(0);
    view.setColor(clMedGray);
    view.setWidth(width);
    view.setHeight(height);
}

} // namespace rendertest
