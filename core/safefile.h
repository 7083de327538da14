#pragma once
// Writing a user's file so that a failure never costs the old one.

#include <QString>
#include <functional>

class QIODevice;

// How a target that cannot be opened or replaced is reported.
enum class TOpenFailure {
    CannotCreate, // "Cannot create file <path>", as the bitmap writers report it
    RunTimeError, // the classic run-time error of the cause ("File access denied", ...)
};

// Writes `path` through QSaveFile: `writeContent` fills the device, and only
// a complete write replaces the file, so any failure leaves an existing file
// byte for byte as it was. Throws EInOutError: for a target that cannot be
// opened or replaced as `openFailure` says; the run-time message of the
// failure ("Disk full", ...) when writing fails, also when `writeContent`
// gave up because of it.
void WriteFileSafely(const QString &path, const std::function<void(QIODevice *)> &writeContent,
                     TOpenFailure openFailure = TOpenFailure::CannotCreate);
