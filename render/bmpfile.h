#pragma once
// Uncompressed 24-bit Windows bitmaps: what the snapshot and the exports write.

#include <QImage>

class QIODevice;

constexpr int BmpHeaderSize = 54;
// 96 pixels per inch.
constexpr int BmpPixelsPerMetre = 3780;

// Bottom-up rows padded to four bytes behind the 14- and 40-byte headers.
// A null or zero-sized image writes nothing. Write failures show on the device.
void WriteBmp(const QImage &image, QIODevice *device);

// Reads a bitmap through Qt's own BMP reader; a null image when unreadable.
QImage ReadBmp(QIODevice *device);
