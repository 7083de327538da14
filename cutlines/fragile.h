#pragma once
// Fragile spots: where the wood left between two cut lines is so narrow that
// it snaps under the blade, found before the wood is cut.

#include "core/units.h"
#include "cutlines/cutlines.h"

#include <QString>

// A sixteenth of an inch of wood is the least that holds.
inline constexpr double DefaultLeastWidthPixels = Units::kPixelsPerInch / 16.0;

struct TFragileSpots {
    // The narrow places, as regions (outer contours and their holes).
    std::vector<TCutContour> contours;
    // How many separate spots the contours make.
    int count = 0;
};

// The places narrower than `leastWidth` in every piece the cut lines leave:
// inside the letters (and the bar joined to them) and in the wood of the
// blank around them, bridges included.
TFragileSpots FindFragileSpots(const TCutLines &lines, double leastWidth);

// "No fragile spots", "1 fragile spot", "9 fragile spots": the count in the
// words the window's tool tip and the exporter's report both use.
QString FragileSpotsText(int count);
