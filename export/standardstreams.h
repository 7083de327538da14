#pragma once
// Standard input and output where the command line says "-": read and
// written byte for byte, on every system, and never more than asked for.

#include <QIODevice>

#include <functional>

// Copies standard input to `to`, open for writing, up to `maxBytes`;
// false, with the rest left unread, when standard input holds more.
// Throws EInOutError when reading or writing fails.
bool CopyStandardInput(QIODevice &to, qint64 maxBytes);

// Lets `writeContent` write standard output. Throws EInOutError when a
// write fails, also when `writeContent` gave up because of it.
void WriteStandardOutput(const std::function<void(QIODevice *)> &writeContent);
