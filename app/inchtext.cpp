#include "app/inchtext.h"

#include <cstdlib>

namespace {
constexpr qint64 kPixelsPerInch = 96;
constexpr qint64 kFixedPointScale = 10000; // four decimals
constexpr qint64 kToTwoDecimals = 100;     // from four decimals to two
constexpr qint64 kHundredths = 100;
} // namespace

qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

QString InchText(int pixels, const QLocale &locale)
{
    const qint64 fourDecimals = DivideRoundHalfEven(qint64(pixels) * kFixedPointScale, kPixelsPerInch);
    const qint64 hundredths = DivideRoundHalfEven(fourDecimals, kToTwoDecimals);
    const qint64 magnitude = std::llabs(hundredths);
    QString text = hundredths < 0 ? locale.negativeSign() : QString();
    text += QString::number(magnitude / kHundredths);
    text += locale.decimalPoint();
    text += QStringLiteral("%1").arg(magnitude % kHundredths, 2, 10, QLatin1Char('0'));
    return text;
}
