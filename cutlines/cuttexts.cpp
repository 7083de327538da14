#include "cuttexts.h"

#include "core/units.h"

namespace {
// Four decimals show a sixty-fourth of an inch to the nearest ten-thousandth.
constexpr int WidthDecimals = 4;
} // namespace

QString CountText(int count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString WidthText(double pixels) { return InchesWithUnit(pixels, WidthDecimals, TDecimals::Trimmed); }
