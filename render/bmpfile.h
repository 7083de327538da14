#pragma once
// Uncompressed 24-bit Windows bitmaps: what the snapshot and the exports write.

#include "core/units.h"

#include <QImage>

class QIODevice;

constexpr int BmpHeaderSize = 54;
// The pattern's resolution, in whole pixels per metre as the header holds it.
constexpr int BmpPixelsPerMetre = int(Units::kPixelsPerInch * 1000 / Units::kMmPerInch + 0.5);
static_assert(BmpPixelsPerMetre == 3780);

// Bottom-up rows padded to four bytes behind the 14- and 40-byte headers.
// A null or zero-sized image writes nothing. Write failures show on the device.
void WriteBmp(const QImage &image, QIODevice *device);

// Reads a bitmap through Qt's own BMP reader; a null image when unreadable.
QImage ReadBmp(QIODevice *device);
