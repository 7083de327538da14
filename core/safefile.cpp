#include "core/safefile.h"

#include "core/completewrites.h"
#include "core/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

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

// A device, a pipe or a socket in the target's place is no file to replace:
// renaming over it would swap a device node for a plain file, and writing
// into it instead would send the user's work where nobody keeps it. Links
// are followed (QSaveFile writes the file a link points to and keeps the
// link), so a link to a regular file is saved through, and a link to
// anything else is refused like its target.
void RefuseNonRegularTarget(const QString &path)
{
    // Only a kind the file system tells counts. Where it refuses to tell,
    // QFileInfo can still say "exists" (access() speaks for the real user)
    // without knowing the kind; opening then reports the refusal itself.
    std::error_code error;
    const std::filesystem::file_status target = std::filesystem::status(path.toStdU16String(), error);
    if (!error && std::filesystem::exists(target) && !std::filesystem::is_regular_file(target)
        && !std::filesystem::is_directory(target))
        throw EInOutError(FileError::AccessDenied, QStringLiteral("Cannot create file %1: it is not a regular file")
                                                       .arg(QDir::toNativeSeparators(path)));
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

    RefuseNonRegularTarget(path);
    // Unbuffered, so that every short write shows at the write that made it.
    QSaveFile file(path);
    if (ExistingTargetRefusesWriting(path))
        refuse(file, 0);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        refuse(file, errno);

    // A writer that gave up because the disk refused gets the disk's reason.
    if (const std::optional<int> failure = WriteCompletely(file, writeContent)) {
        file.cancelWriting();
        FileError::RaiseFromDevice(file, *failure);
    }
    errno = 0;
    if (!file.commit()) {
        const int commitErrno = errno;
        if (file.error() == QFileDevice::RenameError)
            refuse(file, commitErrno);
        FileError::RaiseFromDevice(file, commitErrno);
    }
}

