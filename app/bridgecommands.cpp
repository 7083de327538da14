#include "app/bridgecommands.h"

#include "core/errors.h"
#include "cutlines/cutwidths.h"
#include "ui/dialoghost.h"

#include <QLocale>
#include <cmath>

namespace {
constexpr double PixelsPerInch = 96.0;
// Enough decimals to show a sixty-fourth of an inch exactly.
constexpr int InchDecimals = 6;

std::optional<double> NumberFrom(const QString &text)
{
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}
} // namespace

const TWidthQuestion kBridgeWidthQuestion{
    QStringLiteral("Bridge Width"), QStringLiteral("Width of the stencil bridges, in inches:"),
    [](double pixels, QSize blank, const TStencilSettings &settings) {
        return BridgeWidthProblem(pixels, blank, settings.kerf);
    }};
const TWidthQuestion kLeastWidthQuestion{
    QStringLiteral("Least Width of Wood"), QStringLiteral("Narrowest wood that holds, in inches:"),
    [](double pixels, QSize blank, const TStencilSettings &) { return LeastWidthProblem(pixels, blank); }};
const TWidthQuestion kKerfQuestion{
    QStringLiteral("Blade Kerf"), QStringLiteral("Width the blade removes, in inches:"),
    [](double pixels, QSize blank, const TStencilSettings &settings) {
        return KerfProblem(pixels, blank, settings.bridgeWidth);
    }};

std::optional<double> PixelsFromInchText(const QString &text)
{
    QString number = text.trimmed();
    for (const QString &unit : {QStringLiteral("in"), QStringLiteral("\"")})
        if (number.endsWith(unit))
            number = number.chopped(unit.size()).trimmed();
    const qsizetype slash = number.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        const auto inches = NumberFrom(number);
        return inches ? std::optional<double>(*inches * PixelsPerInch) : std::nullopt;
    }
    const auto numerator = NumberFrom(number.left(slash).trimmed());
    const auto denominator = NumberFrom(number.mid(slash + 1).trimmed());
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;
    return *numerator / *denominator * PixelsPerInch;
}

std::optional<double> AskWidth(TDialogHost &host, const TWidthQuestion &question, double current, QSize blank,
                               const TStencilSettings &settings)
{
    TInputRequest request{question.caption, question.prompt,
                          QString::number(current / PixelsPerInch, 'g', InchDecimals)};
    if (!host.ExecuteInputQuery(request))
        return std::nullopt;
    const auto pixels = PixelsFromInchText(request.Value);
    if (!pixels)
        throw EFretcardError(QStringLiteral("\"%1\" is not a width in inches, such as 0.0625 or 1/16")
                                 .arg(request.Value.trimmed()));
    const QString problem = question.problem(*pixels, blank, settings);
    if (!problem.isEmpty())
        throw EFretcardError(problem);
    return pixels;
}
