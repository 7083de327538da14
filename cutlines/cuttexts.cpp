#include "cuttexts.h"

namespace {
constexpr double PixelsPerInch = 96.0;
// Four decimals show a sixty-fourth of an inch to the nearest ten-thousandth.
constexpr int InchDecimals = 4;
} // namespace

QString CountText(int count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString InchesText(double pixels)
{
    QString inches = QString::number(pixels / PixelsPerInch, 'f', InchDecimals);
    while (inches.endsWith(QLatin1Char('0')))
        inches.chop(1);
    if (inches.endsWith(QLatin1Char('.')))
        inches.chop(1);
    return inches + QStringLiteral(" in");
}
