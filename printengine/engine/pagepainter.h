#pragma once
// Draws a page's content onto any painter: the preview, a printer, a PDF.
// The painter's origin is the page's top-left corner; unitsPerCm says how
// many device units make one centimetre on that device.

#include "document.h"

#include <QPainter>

namespace fretprint {

inline constexpr double kGridStepCm = 1.0;
inline constexpr double kGridStepInchCm = kCmPerInch / 4.0;

struct PagePaintOptions {
    bool grid = false;
    bool gridInFront = true;
    double gridStepCm = kGridStepCm;
};

void PaintPage(QPainter &painter, const Page &page, QSizeF pageCm, double unitsPerCm,
               const PagePaintOptions &options = {});

} // namespace fretprint
