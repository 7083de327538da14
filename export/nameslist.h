#pragma once
// The list of names for --names: UTF-8 text, one name a line.

#include <QStringList>

#include <stdexcept>

// Why a names file cannot be used; the message names the file.
class ENamesFileError : public std::runtime_error {
public:
    explicit ENamesFileError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// The names in `text`, each without surrounding blanks; blank lines and
// lines starting with "#" are skipped. Throws ENamesFileError when `bytes`
// are not UTF-8.
QStringList NamesFromBytes(const QByteArray &bytes, const QString &fileName);

// Reads the file at `path`: missing, a folder, unreadable, not UTF-8 or
// without a single name all throw ENamesFileError.
QStringList ReadNamesFile(const QString &path);
