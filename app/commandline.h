#pragma once
// The pattern file named on the command line: what the desktop passes when a
// saved pattern is double-clicked.

#include <QString>
#include <QStringList>

#include <optional>

class TForm1;

// The file the program was asked to open, made absolute against the folder
// the program was started in (the commands change the current folder
// later). None when no file was named.
std::optional<QString> PatternFileArgument(const QStringList &arguments);

// Opens `path` as the Open command opens its chosen file: the same reader,
// the same order of setting the controls, the same error box.
void OpenPatternFileFromCommandLine(TForm1 &form, const QString &path);
