#pragma once
// Laying a pattern onto paper at exactly 1:1. A pattern that fits the page's
// printable area goes on one page, 1 cm from the paper's corner, as Export
// PDF places it; a larger one is cut into tiles that overlap by half an inch,
// in whichever orientation needs fewer pages (landscape when both need as
// many), so the printed pages tape together with the lines meeting.

#include "core/units.h"
#include "page/page.h"

#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QString>

#include <vector>

namespace PageTiling {
// Half an inch of pattern printed on both neighbouring pages.
inline constexpr int kOverlapPixels = Units::kPixelsPerInch / 2;
} // namespace PageTiling

struct TTile {
    int row = 0;    // from 0, top to bottom
    int column = 0; // from 0, left to right
    QRect source;   // the part of the pattern, in pattern pixels
};

struct TPageTiling {
    QSizeF pageInches; // as the paper lies, width across
    bool landscape = true;
    int rows = 1;
    int columns = 1;
    std::vector<TTile> tiles; // row by row
    // Centres of the overlaps, in pattern pixels: the seams between columns
    // (x) and between rows (y), where the alignment marks go.
    std::vector<double> columnSeams;
    std::vector<double> rowSeams;

    bool Tiled() const { return rows * columns > 1; }
};

// The whole pixels of pattern that fit inside the margins of a page of
// `pageInches`.
QSize PrintableArea(QSizeF pageInches);

TPageTiling PlanPages(QSize patternPixels, TPaper paper);

// "row 1, column 2 of 1x4"
QString TileLabel(const TPageTiling &tiling, const TTile &tile);
