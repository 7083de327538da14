#pragma once
// The program's failures: exceptions that carry the exact text the user sees.
// Handlers never let them reach Qt; the command guard shows them in the
// standard error box.

#include <QString>
#include <stdexcept>

class QFileDevice;

class EFretcardError : public std::runtime_error {
public:
    explicit EFretcardError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Run-time file errors, numbered like the classic run-time library so that
// the messages and codes match what users of older versions know.
class EInOutError : public EFretcardError {
public:
    EInOutError(int errorCode, const QString &message);
    int ErrorCode() const { return m_errorCode; }

private:
    int m_errorCode;
};

// Drawing surfaces that could not be had.
class EOutOfResources : public EFretcardError {
public:
    EOutOfResources();
};

namespace FileError {
enum Code {
    FileNotFound = 2,
    InvalidFilename = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    WriteFault = 29,
    ReadFault = 30,
    ReadBeyondEnd = 100,
    DiskFull = 101,
    InvalidNumericInput = 106,
};

// "File not found", "Invalid filename", ..., or "I/O error %d".
QString MessageForCode(int code);

// The run-time error for what went wrong on `file`: the classic code and
// message of the operating system's errno at the time of failure, "I/O error
// <errno>" for a cause without a classic name, and the device's own error
// when the system gave no errno.
EInOutError ErrorForDevice(const QFileDevice &file, int osErrno);

// The file could not be opened for writing: "Cannot create file <path>".
[[noreturn]] void RaiseCannotCreate(const QString &path);

// Opening or reading or writing failed: the run-time error for `code`.
[[noreturn]] void Raise(int code);

// Opening or reading or writing `file` failed: code and message from the device.
[[noreturn]] void RaiseFromDevice(const QFileDevice &file, int osErrno);
} // namespace FileError
