#pragma once
// The settings a pattern's cut lines are finished with, the same for the
// window and a batch export, and the finishing itself: the one result every
// cut-line output takes.

#include "cutlines/bridges.h"
#include "cutlines/drillholes.h"
#include "cutlines/fragile.h"
#include "cutlines/kerf.h"
#include "cutlines/loosepieces.h"

struct TStencilSettings {
    double kerf = DefaultKerfPixels;
    bool bridges = false;
    double bridgeWidth = DefaultBridgeWidthPixels;
    bool fragileSpots = false;
    double leastWidth = DefaultLeastWidthPixels;
    bool drillHoles = false;
    double drillDiameter = DefaultDrillPixels;
    bool shadeWaste = false;
};

struct TFinishedCutLines {
    TCutLines lines;
    std::vector<TBridge> bridges;
    int islandsNotBridged = 0;
    TLoosePieces loose;
};

// Stencil style when the bridges are on, cut-out style when they are off.
TCutStyle CutStyleOf(const TStencilSettings &settings);

// The welded cut lines cleaned for the blade's kerf, then bridged when the
// bridges are on, with their loose pieces found and the drill holes and the
// waste marked when asked for: what the overlay shows and every cut-line
// export and print takes.
TFinishedCutLines FinishCutLines(const TCutLines &welded, const TStencilSettings &settings);
