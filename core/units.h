#pragma once
// Lengths on the pattern: the units the program measures in, the one reader
// for lengths as woodworkers type them, and the one writer of inches.

#include <QLocale>
#include <QString>

#include <optional>
#include <utility>

namespace Units {
// One pattern pixel is one picture pixel at this resolution, on the screen
// and on paper alike.
inline constexpr int kPixelsPerInch = 96;
inline constexpr int kPointsPerInch = 72;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kMmPerInch = 25.4;
} // namespace Units

// What a number typed without a unit means to the one who asks for it.
enum class TBareNumber {
    Refused,     // nothing: a unit must be given
    WholePixels, // whole pattern pixels ("6")
    Inches,      // inches, the unit the question names ("0.0625", "1/16")
};

// A length in pattern pixels: a decimal ("1.5", ".25"), a fraction ("1/16",
// "3/2") or a whole number and a fraction ("1 1/2"), with a unit (in, ",
// mm, cm; a blank before it is allowed) or without one as `bare` says.
// A minus sign is read, so that a negative length can be refused for what
// it is. `locale`'s decimal separator is taken as well as the point.
// Nothing when `text` is no length.
std::optional<double> ReadLength(const QString &text, TBareNumber bare, const QLocale &locale = QLocale::c());

// "WIDTHxHEIGHT", each side as ReadLength reads it. A unit after the height
// alone is the width's unit too ("30x4in"); a unit after the width alone is
// refused ("30inx4"), as is anything else that is no pair of lengths.
std::optional<std::pair<double, double>> ReadLengthPair(const QString &text, TBareNumber bare);

// What ReadLength takes under `bare`, for the message that refuses a text:
// "a length with a unit, such as 1.5in or 38mm".
QString AcceptedLengths(TBareNumber bare);

enum class TDecimals { Fixed, Trimmed };

// `pixels` in inches with `decimals` decimals, an exact tie rounded to the
// even digit (108 pixels: "1.12"), with `locale`'s decimal separator; with
// TDecimals::Trimmed, without trailing zeros ("0.0625", "1").
QString InchesText(double pixels, int decimals, TDecimals style = TDecimals::Fixed,
                   const QLocale &locale = QLocale::c());
// The same with its unit, for messages: "2.50 in", "0.0625 in".
QString InchesWithUnit(double pixels, int decimals, TDecimals style = TDecimals::Fixed);
