#include "export/units.h"

#include <QRegularExpression>

#include <climits>
#include <cmath>

namespace ExportUnits {
namespace {
// A decimal number (no sign, no exponent) and its unit; the unit may be
// left out only where the caller allows plain pixels.
const QRegularExpression kLengthPattern(QStringLiteral("^\\s*(\\d+(?:\\.\\d*)?|\\.\\d+)\\s*(in|mm)?\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);

std::optional<double> ParseWithUnit(const QString &text, bool pixelsWithoutUnit)
{
    const QRegularExpressionMatch match = kLengthPattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double number = match.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const QString unit = match.captured(2).toLower();
    if (unit == QLatin1String("in"))
        return number * kPixelsPerInch;
    if (unit == QLatin1String("mm"))
        return number / kMillimetresPerInch * kPixelsPerInch;
    if (pixelsWithoutUnit && match.captured(1).indexOf(QLatin1Char('.')) < 0)
        return number;
    return std::nullopt;
}
} // namespace

std::optional<double> ParseLength(const QString &text) { return ParseWithUnit(text, false); }

std::optional<double> ParseLengthOrPixels(const QString &text) { return ParseWithUnit(text, true); }

std::optional<QSize> ParseBlankSize(const QString &text)
{
    // The separator is the last "x" so that no unit can be mistaken for it.
    const int separator = text.lastIndexOf(QLatin1Char('x'), -1, Qt::CaseInsensitive);
    if (separator <= 0)
        return std::nullopt;
    const std::optional<double> width = ParseWithUnit(text.left(separator), true);
    const std::optional<double> height = ParseWithUnit(text.mid(separator + 1), true);
    if (!width || !height)
        return std::nullopt;
    // Beyond any size a pattern can have; keeps the rounding in range.
    constexpr double kAbsurd = 1e9;
    if (*width > kAbsurd || *height > kAbsurd)
        return QSize(INT_MAX, INT_MAX);
    return QSize(int(std::lround(*width)), int(std::lround(*height)));
}

QString InchesText(double pixels) { return QStringLiteral("%1 in").arg(pixels / kPixelsPerInch, 0, 'f', 2); }
} // namespace ExportUnits
