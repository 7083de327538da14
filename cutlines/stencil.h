#pragma once
// The stencil settings a pattern's cut lines are finished with, the same for
// the window and a batch export.

#include "cutlines/bridges.h"
#include "cutlines/fragile.h"

struct TStencilSettings {
    bool bridges = false;
    double bridgeWidth = DefaultBridgeWidthPixels;
    bool fragileSpots = false;
    double leastWidth = DefaultLeastWidthPixels;
};

// The cut lines as the overlay and every cut-line export use them: with the
// stencil bridges when they are on.
TCutLines StencilCutLines(TCutLines lines, const TStencilSettings &settings);
