#pragma once
// The rule every save command applies to the name the user chose: the
// extension is matched case-sensitively, so "sign.BMP" keeps its ending and
// gets a second one.

#include <QString>

// The chosen name without `extension` when it ends in exactly that text.
QString NameWithoutExtension(const QString &chosen, const QString &extension);

// The file to write: the chosen name without its matching extension,
// followed by the extension ("sign" and "sign.bmp" both give "sign.bmp",
// "sign.BMP" gives "sign.BMP.bmp").
QString TargetFileName(const QString &chosen, const QString &extension);
