#pragma once
// Border-mode flood fill: paints from the seed outwards until pixels of the
// border colour stop it.

#include <QImage>
#include <QPoint>

// Iterative scanline fill, safe for any image size. A seed outside the image
// or on the border colour fills nothing.
void FloodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill);
