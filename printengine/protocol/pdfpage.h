#pragma once
// A page as the engine's Export PDF writes it. The program's own PDF pages
// (the cut lines, the exporter's tiles) follow the same rules, so that every
// page of a pattern comes out alike.

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>

namespace PdfPage {
// Fine enough that placing by centimetres never rounds a picture's edge.
inline constexpr int kResolution = 1200;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kPointsPerInch = 72.0;

// The paper of `portraitCm` (as the paper is named: width first, standing
// upright) in its orientation, at its exact size, never snapped to a nearby
// standard one, and without margins.
inline QPageLayout ExactLayout(QSizeF portraitCm, bool landscape)
{
    const QSizeF points(portraitCm.width() / kCmPerInch * kPointsPerInch,
                        portraitCm.height() / kCmPerInch * kPointsPerInch);
    const QPageSize size(points, QPageSize::Point, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}
} // namespace PdfPage
