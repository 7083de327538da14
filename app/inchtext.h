#pragma once
// The blank's size in inches for the status strip.

#include <QLocale>
#include <QString>

// Pixels at 96 to the inch, held as a four-decimal fixed-point number and
// then shown with two decimals, each rounding an exact tie to the even digit,
// with the locale's decimal separator: 108 -> "1.12", 132 -> "1.38".
QString InchText(int pixels, const QLocale &locale = QLocale());

// Rounds numerator / denominator (denominator > 0) to the nearest integer,
// an exact tie going to the even one.
qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator);
