#pragma once
// Files the programs read (pattern files, lists of names): only a regular
// file of a sensible size is opened. A device would be read without end,
// and a pipe would block in open().

#include <QString>

// More than any file the programs read could sensibly hold.
inline constexpr qint64 kMaxInputFileBytes = 64 * 1024 * 1024;

enum class TInputFile {
    Readable,   // a regular file of at most kMaxInputFileBytes
    Missing,
    Folder,
    NotRegular, // a device, pipe or socket
    TooLarge,
    Unknown,    // the file system would not say; opening will tell why
};

// What the file system says of `path`, asked without opening anything.
TInputFile InputFileKind(const QString &path);
