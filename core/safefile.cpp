#include "core/safefile.h"

#include "core/completewrites.h"
#include "core/errors.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {
// QSaveFile replaces a file by renaming over it, which would also replace a
// file the user may not write to (read-only, or a folder in its place). Such
// a target must fail the way opening it for writing fails.
bool ExistingTargetRefusesWriting(const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists())
        return false;
    return target.isDir() || !target.isWritable();
}

// Creating a file fails for want of a folder when a folder on its path is
// not there or is a file. That is said in plain words, whatever the caller's
// choice of message: "File not found" would send the user looking for a file.
bool FolderIsMissing(int osErrno)
{
    return osErrno == ENOENT || osErrno == ENOTDIR;
}
} // namespace

void WriteFileSafely(const QString &path, const std::function<void(QIODevice *)> &writeContent,
                     TOpenFailure openFailure)
{
    const auto refuse = [&](const QFileDevice &file, int osErrno) {
        if (openFailure == TOpenFailure::CannotCreate || FolderIsMissing(osErrno))
            FileError::RaiseCannotCreate(path);
        if (osErrno == 0)
            FileError::Raise(FileError::AccessDenied);
        FileError::RaiseFromDevice(file, osErrno);
    };

    // Unbuffered, so that every short write shows at the write that made it.
    QSaveFile file(path);
    if (ExistingTargetRefusesWriting(path))
        refuse(file, 0);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        refuse(file, errno);

    CompleteWritesOnly checked(file);
    try {
        writeContent(&checked);
    } catch (...) {
        // A writer that gave up because the disk refused gets the disk's reason.
        if (!checked.Failed())
            throw;
    }
    if (checked.Failed()) {
        file.cancelWriting();
        FileError::RaiseFromDevice(file, checked.FailureErrno());
    }
    errno = 0;
    if (!file.commit()) {
        const int commitErrno = errno;
        if (file.error() == QFileDevice::RenameError)
            refuse(file, commitErrno);
        FileError::RaiseFromDevice(file, commitErrno);
    }
}

