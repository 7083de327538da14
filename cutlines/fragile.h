#pragma once
// Fragile spots: where the wood left between two cut lines is so narrow that
// it snaps under the blade, found before the wood is cut.

#include "core/units.h"
#include "cutlines/cutlines.h"
#include "cutlines/kerf.h"

#include <QString>

// A sixteenth of an inch of wood is the least that holds.
inline constexpr double DefaultLeastWidthPixels = Units::kPixelsPerInch / 16.0;

struct TFragileSpots {
    // The narrow places, as regions (outer contours and their holes).
    std::vector<TCutContour> contours;
    // How many separate spots the contours make.
    int count = 0;
    // Where each spot lies: the middle of its bounds, in pattern pixels.
    std::vector<QPointF> positions;
};

// The places narrower than `leastWidth` in the wood the cut lines leave in
// `style`: the letters (and the bar joined to them) cut out, or the board
// round them, bridges included. Sound corners are no fragile spots; a point
// sharper than about 40 degrees is. A greater least width flags no less.
TFragileSpots FindFragileSpots(const TCutLines &lines, double leastWidth, TCutStyle style);

// "0 fragile spots", "1 fragile spot", "9 fragile spots": the count in the
// words the window's tool tip and the exporter's report both use.
QString FragileSpotsText(int count);
