#include "render/missingglyphs.h"

#include <QGlyphRun>
#include <QSet>
#include <QTextLayout>

namespace {
// Every font's glyph 0 is the box drawn for a character it lacks.
constexpr quint32 kMissingGlyph = 0;

bool DrawnAsBox(const QFont &font, char32_t character)
{
    QTextLayout layout(QString::fromUcs4(&character, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        if (run.glyphIndexes().contains(kMissingGlyph))
            return true;
    return false;
}
} // namespace

std::vector<char32_t> MissingCharacters(const QFont &font, const QString &text)
{
    std::vector<char32_t> missing;
    QSet<char32_t> looked;
    for (const char32_t character : text.toUcs4()) {
        if (QChar::isSpace(character) || looked.contains(character))
            continue;
        looked.insert(character);
        if (DrawnAsBox(font, character))
            missing.push_back(character);
    }
    return missing;
}
