#include "enginetestsupport.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>

namespace {

void Put16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void Put32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

} // namespace

bool WriteBmp(const QString &path, const QImage &source, int bitsPerPixel)
{
    constexpr int kHeaderSize = 54;
    constexpr quint32 kPixelsPerMetre = 3780;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int bytesPerPixel = bitsPerPixel / 8;
    const int stride = (image.width() * bytesPerPixel + 3) & ~3;
    const quint32 dataSize = static_cast<quint32>(stride * image.height());

    QByteArray bytes;
    bytes.append("BM");
    Put32(bytes, kHeaderSize + dataSize);
    Put32(bytes, 0);
    Put32(bytes, kHeaderSize);
    Put32(bytes, 40);
    Put32(bytes, static_cast<quint32>(image.width()));
    Put32(bytes, static_cast<quint32>(image.height()));
    Put16(bytes, 1);
    Put16(bytes, static_cast<quint16>(bitsPerPixel));
    Put32(bytes, 0); // BI_RGB
    Put32(bytes, dataSize);
    Put32(bytes, kPixelsPerMetre);
    Put32(bytes, kPixelsPerMetre);
    Put32(bytes, 0);
    Put32(bytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row.append(static_cast<char>(qBlue(pixel)));
            row.append(static_cast<char>(qGreen(pixel)));
            row.append(static_cast<char>(qRed(pixel)));
            if (bytesPerPixel == 4)
                row.append(static_cast<char>(0));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        bytes.append(row);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString RunTool(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}
