#pragma once
// Lengths as people type them on the command line: "1.5in", "38mm", and for
// a blank also plain pixels ("960x144"). Everything comes out in pattern
// pixels, 96 to the inch.

#include <QSize>
#include <QString>

#include <optional>

namespace ExportUnits {
inline constexpr double kPixelsPerInch = 96.0;
inline constexpr double kMillimetresPerInch = 25.4;

// A length with its unit ("in" or "mm"), in pixels; nothing for anything
// else, a negative number included.
std::optional<double> ParseLength(const QString &text);

// The same, or a whole number of pixels without a unit, as each side of a
// blank may be given.
std::optional<double> ParseLengthOrPixels(const QString &text);

// "WIDTHxHEIGHT", each side a length with a unit or a whole number of
// pixels, rounded to whole pixels; nothing when either side is not a length.
std::optional<QSize> ParseBlankSize(const QString &text);

// Pixels as inches for messages: "2.50 in".
QString InchesText(double pixels);
} // namespace ExportUnits
