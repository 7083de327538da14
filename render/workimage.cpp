#include "workimage.h"

#include "core/safefile.h"
#include "render/bmpfile.h"
#include "core/errors.h"

#include <QFile>
#include <QImageReader>

#include <cerrno>

namespace {
// The picture is always kept in one format so that drawing on it and writing
// it out never depend on what the file held.
constexpr QImage::Format kWorkFormat = QImage::Format_RGB32;

const QString kInvalidBitmap = QStringLiteral("Bitmap image is not valid");
} // namespace

TWorkImage::TWorkImage()
    : m_brush(Qt::white, Qt::SolidPattern)
{
}

QPen TWorkImage::Pen() const
{
    QPen pen(Qt::black, 1, Qt::SolidLine);
    pen.setCosmetic(true);
    return pen;
}

void TWorkImage::LoadFromFile(const QString &path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        FileError::RaiseFromDevice(file, errno);
    LoadFromDevice(&file);
}

void TWorkImage::LoadFromDevice(QIODevice *device)
{
    if (device->bytesAvailable() == 0 && device->atEnd()) {
        m_picture = QImage();
        return;
    }
    QImageReader reader(device, "bmp");
    reader.setAutoTransform(false);
    QImage loaded = reader.read();
    if (loaded.isNull())
        throw EFretcardError(kInvalidBitmap);
    m_picture = loaded.convertToFormat(kWorkFormat);
}

void TWorkImage::SaveToFile(const QString &path) const
{
    WriteFileSafely(path, [this](QIODevice *device) { SaveToDevice(device); });
}

void TWorkImage::SaveToDevice(QIODevice *device) const
{
    WriteBmp(m_picture, device);
}
