#pragma once
// Stencil bridges. When the letters are cut out of the blank like a stencil,
// the wood inside every closed letter (the middle of an O, both middles of a
// B) would fall out with them. A bridge is a straight strip of wood left
// across the letter's stroke that ties such an island to the wood around it.

#include "core/units.h"
#include "cutlines/cutlines.h"

// A sixteenth of an inch: the narrowest strip a scroll saw leaves standing.
inline constexpr double DefaultBridgeWidthPixels = Units::kPixelsPerInch / 16.0;

// The cut lines with every island of the letters tied to the wood around
// them: for each hole of the welded letters, strips `bridgeWidth` wide that
// cross the stroke by the shortest way, one above and one below the island
// where the letter allows it, else one to the side. A strip never crosses
// another island nor runs out of the blank. The strips are taken out of the
// letters, so the letters come back with their holes opened up; an island
// no strip can reach keeps its hole.
TCutLines WithStencilBridges(const TCutLines &lines, double bridgeWidth);
