#pragma once
// The list of names for --names: UTF-8 text, one name a line, read line by
// line so that no more than one line is ever held, however large the file.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <stdexcept>

namespace NamesList {
// A name longer than this is no name but a mistake, and would make a
// pattern far longer than any blank.
inline constexpr int kMaxNameCharacters = 1000;
} // namespace NamesList

// Why a names file cannot be used, or could not be read to its end; the
// message names the file.
class ENamesFileError : public std::runtime_error {
public:
    explicit ENamesFileError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A line of the list that holds a name, or holds something that cannot be
// one and says why.
struct TNamesLine {
    qint64 number = 0; // from 1
    QString name;      // without surrounding blanks; empty with a problem
    QString problem;   // "it is not UTF-8 text", ...; empty with a name
};

// Reads the lines of a device: blank lines and lines starting with "#" are
// skipped, and a line starting with "\#" holds a name starting with "#".
// A line over NamesList::kMaxNameCharacters characters, one that is not
// UTF-8 or one holding a control character gives its problem instead.
class TNamesReader {
public:
    // `device` is open for reading; `source` names it in messages ("The
    // names file <source> ..."). At most `maxBytes` are read.
    TNamesReader(QIODevice &device, QString source, qint64 maxBytes);

    // The next line that holds a name or a problem; nothing at the end.
    // Throws ENamesFileError when reading fails or the input runs past
    // `maxBytes`.
    std::optional<TNamesLine> Next();

private:
    bool ReadLine();
    bool Refill();

    QIODevice &m_device;
    QString m_source;
    qint64 m_maxBytes;
    qint64 m_bytesRead = 0;
    QByteArray m_chunk;
    qsizetype m_position = 0;
    // The line being read, cut where it grows longer than any name can be.
    QByteArray m_line;
    bool m_lineTooLong = false;
    qint64 m_lineNumber = 0;
};

// What one line of bytes (without its LF) holds: nothing for a blank or
// comment line.
std::optional<TNamesLine> NamesLineOf(qint64 number, const QByteArray &bytes, bool tooLong);
