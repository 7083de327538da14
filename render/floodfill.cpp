#include "floodfill.h"

#include <vector>

namespace {
// Works on 32-bit pixels; colours compare without their alpha.
QRgb Opaque(QRgb colour) { return colour | 0xFF000000u; }
} // namespace

void FloodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    if (!image.rect().contains(seed))
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);
    const QRgb stop = Opaque(border);
    const QRgb paint = Opaque(fill);
    const int width = image.width();
    const int height = image.height();
    auto pixel = [&](int x, int y) -> QRgb & {
        return reinterpret_cast<QRgb *>(image.scanLine(y))[x];
    };
    // A pixel needs filling when it is neither border nor already filled;
    // filling with the border colour would never end otherwise.
    auto open = [&](int x, int y) {
        const QRgb c = Opaque(pixel(x, y));
        return c != stop && c != paint;
    };
    if (!open(seed.x(), seed.y()))
        return;
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!open(p.x(), p.y()))
            continue;
        int left = p.x();
        while (left > 0 && open(left - 1, p.y()))
            --left;
        int right = p.x();
        while (right + 1 < width && open(right + 1, p.y()))
            ++right;
        for (int x = left; x <= right; ++x)
            pixel(x, p.y()) = paint;
        for (int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= height)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = open(x, y);
                if (isOpen && !inRun)
                    pending.emplace_back(x, y);
                inRun = isOpen;
            }
        }
    }
}
