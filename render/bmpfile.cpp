#include "bmpfile.h"

#include <QImageReader>
#include <QIODevice>
#include <QtEndian>
#include <vector>

namespace {
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int BitsPerPixel = 24;
constexpr int BytesPerPixel = 3;

void Put16(std::vector<char> &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.insert(out.end(), bytes, bytes + 2);
}

void Put32(std::vector<char> &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.insert(out.end(), bytes, bytes + 4);
}

int RowStride(int width) { return (width * BytesPerPixel + 3) & ~3; }

std::vector<char> Headers(int width, int height)
{
    const quint32 imageSize = quint32(RowStride(width)) * quint32(height);
    std::vector<char> out;
    out.reserve(BmpHeaderSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, BmpHeaderSize + imageSize);
    Put32(out, 0);
    Put32(out, BmpHeaderSize);
    Put32(out, InfoHeaderSize);
    Put32(out, quint32(width));
    Put32(out, quint32(height));
    Put16(out, 1);
    Put16(out, BitsPerPixel);
    Put32(out, 0); // no compression
    Put32(out, imageSize);
    Put32(out, BmpPixelsPerMetre);
    Put32(out, BmpPixelsPerMetre);
    Put32(out, 0);
    Put32(out, 0);
    static_assert(FileHeaderSize + InfoHeaderSize == BmpHeaderSize);
    return out;
}
} // namespace

void WriteBmp(const QImage &image, QIODevice *device)
{
    if (!device || image.isNull() || image.width() <= 0 || image.height() <= 0)
        return;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::vector<char> headers = Headers(width, height);
    if (device->write(headers.data(), qint64(headers.size())) != qint64(headers.size()))
        return;
    std::vector<char> row(size_t(RowStride(width)), 0);
    for (int y = height - 1; y >= 0; --y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            row[size_t(x) * BytesPerPixel] = char(qBlue(pixels[x]));
            row[size_t(x) * BytesPerPixel + 1] = char(qGreen(pixels[x]));
            row[size_t(x) * BytesPerPixel + 2] = char(qRed(pixels[x]));
        }
        if (device->write(row.data(), qint64(row.size())) != qint64(row.size()))
            return;
    }
}

QImage ReadBmp(QIODevice *device)
{
    QImageReader reader(device, "BMP");
    return reader.read();
}
