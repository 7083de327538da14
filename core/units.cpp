#include "core/units.h"

#include <QRegularExpression>

#include <cmath>

namespace {
enum class TUnit { None, Inch, Millimetre, Centimetre };

struct TTypedLength {
    double number = 0;
    TUnit unit = TUnit::None;
    bool whole = false; // written as a whole number, without point or fraction
};

// Optional minus; a whole number and a fraction, a fraction, or a decimal;
// an optional unit. Blanks around every part.
const QRegularExpression kLengthPattern(
    QStringLiteral(R"(^\s*(-)?\s*(?:(\d+)\s+(\d+)\s*/\s*(\d+)|(\d+)\s*/\s*(\d+)|(\d+(?:\.\d*)?|\.\d+))\s*(in|"|mm|cm)?\s*$)"),
    QRegularExpression::CaseInsensitiveOption);
enum TPart { kMinus = 1, kMixedWhole, kMixedNumerator, kMixedDenominator, kNumerator, kDenominator, kDecimal, kUnit };

TUnit UnitNamed(const QString &name)
{
    const QString unit = name.toLower();
    if (unit == QLatin1String("in") || unit == QLatin1String("\""))
        return TUnit::Inch;
    if (unit == QLatin1String("mm"))
        return TUnit::Millimetre;
    if (unit == QLatin1String("cm"))
        return TUnit::Centimetre;
    return TUnit::None;
}

double Captured(const QRegularExpressionMatch &match, int part) { return match.captured(part).toDouble(); }

// The locale's decimal separator becomes the point the pattern knows.
QString WithDecimalPoint(QString text, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(separator, QStringLiteral("."));
    return text;
}

std::optional<TTypedLength> Typed(const QString &text, const QLocale &locale)
{
    const QRegularExpressionMatch match = kLengthPattern.match(WithDecimalPoint(text, locale));
    if (!match.hasMatch())
        return std::nullopt;
    TTypedLength typed;
    if (match.hasCaptured(kMixedWhole)) {
        const double denominator = Captured(match, kMixedDenominator);
        if (denominator == 0)
            return std::nullopt;
        typed.number = Captured(match, kMixedWhole) + Captured(match, kMixedNumerator) / denominator;
    } else if (match.hasCaptured(kNumerator)) {
        const double denominator = Captured(match, kDenominator);
        if (denominator == 0)
            return std::nullopt;
        typed.number = Captured(match, kNumerator) / denominator;
    } else {
        typed.number = Captured(match, kDecimal);
        typed.whole = !match.captured(kDecimal).contains(QLatin1Char('.'));
    }
    if (!std::isfinite(typed.number))
        return std::nullopt;
    if (match.hasCaptured(kMinus))
        typed.number = -typed.number;
    typed.unit = UnitNamed(match.captured(kUnit));
    return typed;
}

std::optional<double> InPixels(const TTypedLength &typed, TBareNumber bare)
{
    switch (typed.unit) {
    case TUnit::Inch: return typed.number * Units::kPixelsPerInch;
    case TUnit::Millimetre: return typed.number / Units::kMmPerInch * Units::kPixelsPerInch;
    case TUnit::Centimetre: return typed.number / Units::kCmPerInch * Units::kPixelsPerInch;
    case TUnit::None: break;
    }
    if (bare == TBareNumber::Inches)
        return typed.number * Units::kPixelsPerInch;
    if (bare == TBareNumber::WholePixels && typed.whole)
        return typed.number;
    return std::nullopt;
}
} // namespace

std::optional<double> ReadLength(const QString &text, TBareNumber bare, const QLocale &locale)
{
    const std::optional<TTypedLength> typed = Typed(text, locale);
    return typed ? InPixels(*typed, bare) : std::nullopt;
}

std::optional<std::pair<double, double>> ReadLengthPair(const QString &text, TBareNumber bare)
{
    // The separator is the last "x", so that no unit can be mistaken for it.
    const qsizetype separator = text.lastIndexOf(QLatin1Char('x'), -1, Qt::CaseInsensitive);
    if (separator <= 0)
        return std::nullopt;
    std::optional<TTypedLength> width = Typed(text.left(separator), QLocale::c());
    const std::optional<TTypedLength> height = Typed(text.mid(separator + 1), QLocale::c());
    if (!width || !height)
        return std::nullopt;
    if (width->unit != TUnit::None && height->unit == TUnit::None)
        return std::nullopt;
    if (width->unit == TUnit::None)
        width->unit = height->unit;
    const std::optional<double> widthPixels = InPixels(*width, bare);
    const std::optional<double> heightPixels = InPixels(*height, bare);
    if (!widthPixels || !heightPixels)
        return std::nullopt;
    return std::make_pair(*widthPixels, *heightPixels);
}

QString AcceptedLengths(TBareNumber bare)
{
    switch (bare) {
    case TBareNumber::Refused: return QStringLiteral("a length with a unit, such as 1.5in or 38mm");
    case TBareNumber::WholePixels:
        return QStringLiteral("a length such as 0.0625in or 1.6mm, or whole pixels such as 6");
    case TBareNumber::Inches:
        return QStringLiteral("a width in inches, such as 0.0625 or 1/16, or with a unit, such as 1.6mm");
    }
    return {};
}

QString InchesText(double pixels, int decimals, TDecimals style, const QLocale &locale)
{
    const qint64 scale = qint64(std::pow(10, decimals));
    // The default rounding mode takes an exact tie to the even neighbour.
    const double rounded = std::nearbyint(pixels * double(scale) / Units::kPixelsPerInch);
    const qint64 magnitude = qint64(std::abs(rounded));
    QString text = rounded < 0 ? locale.negativeSign() : QString();
    text += QString::number(magnitude / scale);
    QString fraction = decimals > 0 ? QStringLiteral("%1").arg(magnitude % scale, decimals, 10, QLatin1Char('0'))
                                    : QString();
    if (style == TDecimals::Trimmed)
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    return text;
}

QString InchesWithUnit(double pixels, int decimals, TDecimals style)
{
    return InchesText(pixels, decimals, style) + QStringLiteral(" in");
}
