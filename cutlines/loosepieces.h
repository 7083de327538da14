#pragma once
// Loose pieces: pieces of wood the cut lines free from the rest, which fall
// off when the blank is cut.

#include "cutlines/cutlines.h"
#include "cutlines/kerf.h"

#include <QString>

struct TLoosePieces {
    int count = 0;
    // Which of the letters' contours bound a loose piece.
    std::vector<size_t> contours;
};

// The pieces `style` keeps that are not joined to the main piece: the one
// holding the base bar when the letters stand on one in cut-out style, else
// the largest.
TLoosePieces FindLoosePieces(const TCutLines &lines, TCutStyle style);

// "1 loose piece", "3 loose pieces": the count as the window and the
// exporter tell it.
QString LoosePiecesText(int count);
