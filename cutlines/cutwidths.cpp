#include "cutwidths.h"

#include <algorithm>
#include <cmath>

namespace {
QString WidthProblem(const QString &what, double pixels, QSize blank)
{
    if (!std::isfinite(pixels) || pixels <= 0)
        return QStringLiteral("The %1 must be more than zero").arg(what);
    // A strip wider than the blank's short side could not lie on it at all.
    if (pixels > std::min(blank.width(), blank.height()))
        return QStringLiteral("The %1 must not be wider than the blank").arg(what);
    return {};
}
} // namespace

QString BridgeWidthProblem(double pixels, QSize blank)
{
    return WidthProblem(QStringLiteral("bridge width"), pixels, blank);
}

QString LeastWidthProblem(double pixels, QSize blank)
{
    return WidthProblem(QStringLiteral("least width of wood"), pixels, blank);
}
