#pragma once
// File names made from the names of a list: safe on every common file
// system, and never the same twice in one folder.

#include <QHash>
#include <QSet>
#include <QString>

// `name` with every character that a file name may not hold (path
// separators, the characters Windows reserves, control characters) replaced
// by "_", surrounding blanks and dots dropped, cut to a length every file
// system takes, and a device name such as "CON" prefixed with "_". Empty
// when nothing but blanks, dots and replaced characters is left.
QString SafeFileStem(const QString &name);

// Hands out "Ann", "Ann-2", "Ann-3" ... for repeated stems, comparing without
// case so that the files stay apart on case-insensitive file systems too.
class TFileNamer {
public:
    QString Unique(const QString &stem);

private:
    QSet<QString> m_used;            // case-folded
    QHash<QString, int> m_nextNumber; // case-folded stem: its next number
};
