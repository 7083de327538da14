#include "app/bridgecommands.h"

#include "core/errors.h"
#include "core/units.h"
#include "cutlines/cutwidths.h"
#include "ui/dialoghost.h"

#include <QLocale>

namespace {
// Enough decimals to show a sixty-fourth of an inch exactly.
constexpr int InchDecimals = 6;
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

const TWidthQuestion kDrillSizeQuestion{
    QStringLiteral("Drill Size"), QStringLiteral("Diameter of the drill for the blade-entry holes, in inches:"),
    [](double pixels, QSize blank, const TStencilSettings &) { return DrillSizeProblem(pixels, blank); }};

std::optional<double> AskWidth(TDialogHost &host, const TWidthQuestion &question, double current, QSize blank,
                               const TStencilSettings &settings)
{
    TInputRequest request{question.caption, question.prompt, InchesText(current, InchDecimals, TDecimals::Trimmed)};
    if (!host.ExecuteInputQuery(request))
        return std::nullopt;
    const auto pixels = ReadLength(request.Value, TBareNumber::Inches, QLocale());
    if (!pixels)
        throw EFretcardError(
            QStringLiteral("\"%1\" is not %2").arg(request.Value.trimmed(), AcceptedLengths(TBareNumber::Inches)));
    const QString problem = question.problem(*pixels, blank, settings);
    if (!problem.isEmpty())
        throw EFretcardError(problem);
    return pixels;
}
