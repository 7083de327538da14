#include "cutwidths.h"

#include "cutlines/cuttexts.h"

#include <algorithm>
#include <cmath>

namespace {
const QString kBridgeWidth = QStringLiteral("bridge width");
const QString kLeastWidth = QStringLiteral("least width of wood");
const QString kKerf = QStringLiteral("blade kerf");
const QString kDrillSize = QStringLiteral("drill size");

// A strip wider than the blank's shorter side could not lie on it at all.
QString WiderThanTheBlank(const QString &what, double pixels, QSize blank)
{
    if (pixels > std::min(blank.width(), blank.height()))
        return QStringLiteral("The %1 must not be wider than the blank's shorter side").arg(what);
    return {};
}

QString WidthProblem(const QString &what, double pixels, QSize blank)
{
    if (!std::isfinite(pixels) || pixels <= 0)
        return QStringLiteral("The %1 must be more than zero").arg(what);
    return WiderThanTheBlank(what, pixels, blank);
}
} // namespace

QString BridgeWidthProblem(double pixels, QSize blank, double kerf)
{
    const QString problem = WidthProblem(kBridgeWidth, pixels, blank);
    if (!problem.isEmpty())
        return problem;
    // The blade would saw a narrower bridge away entirely.
    if (pixels < kerf)
        return QStringLiteral("The %1 must not be narrower than the %2, %3").arg(kBridgeWidth, kKerf, WidthText(kerf));
    return {};
}

QString LeastWidthProblem(double pixels, QSize blank) { return WidthProblem(kLeastWidth, pixels, blank); }

QString DrillSizeProblem(double pixels, QSize blank) { return WidthProblem(kDrillSize, pixels, blank); }

QString KerfProblem(double pixels, QSize blank, double bridgeWidth)
{
    if (!std::isfinite(pixels) || pixels < 0)
        return QStringLiteral("The %1 must not be less than zero").arg(kKerf);
    const QString problem = WiderThanTheBlank(kKerf, pixels, blank);
    if (!problem.isEmpty())
        return problem;
    if (pixels > bridgeWidth)
        return QStringLiteral("The %1 must not be wider than the %2, %3").arg(kKerf, kBridgeWidth, WidthText(bridgeWidth));
    return {};
}
