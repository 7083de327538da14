#pragma once
// Characters a font cannot draw. Qt draws each as the empty box of a glyph
// the font does not have, in the picture and in the cut lines alike, unless
// another installed face stands in for it.

#include <QFont>
#include <QString>

#include <vector>

// The characters of `text` that `font`, with the faces Qt takes in for it,
// draws as that box; each once, in the order they first appear. Blanks,
// tabs and line ends are never drawn, so never missing.
std::vector<char32_t> MissingCharacters(const QFont &font, const QString &text);
