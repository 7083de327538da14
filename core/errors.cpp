#include "core/errors.h"

#include <QFileDevice>

#include <cerrno>

EFretcardError::EFretcardError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

EInOutError::EInOutError(int errorCode, const QString &message)
    : EFretcardError(message), m_errorCode(errorCode)
{
}

EOutOfResources::EOutOfResources()
    : EFretcardError(QStringLiteral("Out of system resources"))
{
}

namespace FileError {

namespace {
QString NumberedIoError(int number)
{
    return QStringLiteral("I/O error %1").arg(number);
}
} // namespace

QString MessageForCode(int code)
{
    switch (code) {
    case FileNotFound: return QStringLiteral("File not found");
    case InvalidFilename: return QStringLiteral("Invalid filename");
    case TooManyOpenFiles: return QStringLiteral("Too many open files");
    case AccessDenied: return QStringLiteral("File access denied");
    case ReadBeyondEnd: return QStringLiteral("Read beyond end of file");
    case DiskFull: return QStringLiteral("Disk full");
    case InvalidNumericInput: return QStringLiteral("Invalid numeric input");
    default: return NumberedIoError(code);
    }
}

namespace {
int CodeForErrno(int osErrno)
{
    switch (osErrno) {
    case ENOENT: return FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL: return InvalidFilename;
    case EMFILE:
    case ENFILE: return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return AccessDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return DiskFull;
    default: return 0;
    }
}

int CodeForDeviceError(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ReadError: return ReadFault;
    case QFileDevice::WriteError: return WriteFault;
    case QFileDevice::ResourceError: return DiskFull;
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError: return AccessDenied;
    default: return ReadFault;
    }
}
} // namespace

EInOutError ErrorForDevice(const QFileDevice &file, int osErrno)
{
    if (const int code = CodeForErrno(osErrno); code != 0)
        return EInOutError(code, MessageForCode(code));
    // The system's numbers are not the classic codes (EIO is 5, the classic
    // "File access denied"), so a cause without a classic name is reported
    // by its own number and never dressed up as another one.
    if (osErrno != 0)
        return EInOutError(osErrno, NumberedIoError(osErrno));
    const int code = CodeForDeviceError(file.error());
    return EInOutError(code, MessageForCode(code));
}

void RaiseCannotCreate(const QString &path)
{
    throw EInOutError(AccessDenied, QStringLiteral("Cannot create file %1").arg(path));
}

void Raise(int code)
{
    throw EInOutError(code, MessageForCode(code));
}

void RaiseFromDevice(const QFileDevice &file, int osErrno)
{
    throw ErrorForDevice(file, osErrno);
}

} // namespace FileError
