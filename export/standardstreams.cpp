#include "export/standardstreams.h"

#include "core/completewrites.h"
#include "core/errors.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {
constexpr qint64 kCopyChunkBytes = 64 * 1024;

// Windows would turn line ends into CR LF, and stop reading at Ctrl+Z.
void Binary(std::FILE *stream)
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stream), _O_BINARY);
#else
    Q_UNUSED(stream);
#endif
}

void OpenStandard(QFile &file, std::FILE *stream, QIODevice::OpenMode mode)
{
    Binary(stream);
    errno = 0;
    if (!file.open(fileno(stream), mode | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
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
        if (to.write(chunk.constData(), count) != count)
            FileError::Raise(FileError::WriteFault);
    }
}

void WriteStandardOutput(const std::function<void(QIODevice *)> &writeContent)
{
    QFile out;
    OpenStandard(out, stdout, QIODevice::WriteOnly);
    CompleteWritesOnly checked(out);
    try {
        writeContent(&checked);
    } catch (...) {
        if (!checked.Failed())
            throw;
    }
    if (checked.Failed())
        FileError::RaiseFromDevice(out, checked.FailureErrno());
}
