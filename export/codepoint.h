#pragma once

#include <QString>

// A character's code point as Unicode writes it: "U+00E9", "U+1F389".
inline QString CodePointText(char32_t character)
{
    return QStringLiteral("U+%1").arg(QString::number(quint32(character), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}
