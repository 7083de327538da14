#pragma once
// Stencil bridges. When the letters are cut out of the blank like a stencil,
// the wood inside every closed letter (the middle of an O, both middles of a
// B) would fall out with them. A bridge is a straight strip of wood left
// across the letter's stroke that ties such an island to the wood around it.

#include "core/units.h"
#include "cutlines/cutlines.h"

#include <QString>

// A sixteenth of an inch: the narrowest strip a scroll saw leaves standing.
inline constexpr double DefaultBridgeWidthPixels = Units::kPixelsPerInch / 16.0;

// One bridge: wood `width` wide all the way from `from`, a place where the
// island is that thick, to `to`, where the wood it holds on to is.
struct TBridge {
    QPointF from;
    QPointF to;
    double width = 0;
};

struct TBridgedCutLines {
    TCutLines lines;
    std::vector<TBridge> bridges;
    // Islands no bridge of the width can hold: they keep their whole cut line.
    int islandsNotBridged = 0;
};

// The cut lines with every island of wood tied to the board. Each bridge is
// `bridgeWidth` wide along its whole length and where it meets the island
// and the wood, so it starts only where the island is at least that thick;
// it crosses a letter's stroke and never runs into the base bar; the one
// cutting through the least letter is taken, one cutting through more than
// four widths only when there is no other. An island four widths across
// gets a second bridge on its other side where a short one is to be had.
// A part of the board joined to the rest only by wood narrower than the
// bridge and than `leastWidth` is tied like an island, where a short bridge
// can. The strips are taken out of the letters; what they leave of the
// letters narrower than `kerf` goes too, as the blade would take it. The
// letters are taken as cleaned for `kerf` already: only those near a strip
// are cleaned again.
TBridgedCutLines WithStencilBridges(const TCutLines &lines, double bridgeWidth, double kerf, double leastWidth);

// "1 island could not be bridged at 0.5 in": how the window and the exporter
// tell of the islands left whole.
QString IslandsNotBridgedText(int count, double bridgeWidth);
