#include "export/standardstreams.h"

#include "core/completewrites.h"
#include "core/errors.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {
constexpr qint64 kCopyChunkBytes = 64 * 1024;

int DescriptorOf(std::FILE *stream)
{
#ifdef Q_OS_WIN
    return _fileno(stream);
#else
    return fileno(stream);
#endif
}

// Windows would turn line ends into CR LF, and stop reading at Ctrl+Z.
void Binary(std::FILE *stream)
{
#ifdef Q_OS_WIN
    _setmode(DescriptorOf(stream), _O_BINARY);
#else
    Q_UNUSED(stream);
#endif
}

void OpenStandard(QFile &file, std::FILE *stream, QIODevice::OpenMode mode)
{
    Binary(stream);
    errno = 0;
    if (!file.open(DescriptorOf(stream), mode | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        FileError::RaiseFromDevice(file, errno);
}
} // namespace

bool CopyStandardInput(QIODevice &to, qint64 maxBytes)
{
    QFile in;
    OpenStandard(in, stdin, QIODevice::ReadOnly);
    QByteArray chunk(kCopyChunkBytes, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        errno = 0;
        // One byte beyond the limit tells a full input from one too large.
        const qint64 count = in.read(chunk.data(), std::min(kCopyChunkBytes, maxBytes + 1 - copied));
        if (count < 0)
            FileError::RaiseFromDevice(in, errno);
        if (count == 0)
            return true;
        copied += count;
        if (copied > maxBytes)
            return false;
        errno = 0;
        if (to.write(chunk.constData(), count) != count) {
            if (const auto *file = qobject_cast<const QFileDevice *>(&to))
                FileError::RaiseFromDevice(*file, errno);
            FileError::Raise(FileError::WriteFault);
        }
    }
}

void WriteStandardOutput(const std::function<void(QIODevice *)> &writeContent)
{
    QFile out;
    OpenStandard(out, stdout, QIODevice::WriteOnly);
    if (const std::optional<int> failure = WriteCompletely(out, writeContent))
        FileError::RaiseFromDevice(out, *failure);
}
