#pragma once
// Blade-entry holes and the waste. A scroll saw reaches the waste round the
// letters from the blank's edge; waste the wood encloses all round, an
// inside cut, needs a hole drilled first to thread the blade through. The
// hole goes where the inside cut is widest, so that the drill keeps clear of
// every cut line.

#include "core/units.h"
#include "cutlines/cutlines.h"
#include "cutlines/kerf.h"

#include <QPainterPath>
#include <QString>

// A sixteenth of an inch: the usual bit for threading a scroll-saw blade.
inline constexpr double DefaultDrillPixels = Units::kPixelsPerInch / 16.0;

// What the blade removes in `style`: round the pieces in cut-out style (the
// whole blank outside them), the letters' openings in stencil style.
std::vector<TCutContour> WasteOf(const TCutLines &lines, TCutStyle style);

// One hole in every inside cut of the cut lines in `style`, at the centre of
// the largest circle the cut holds. A cut is too small when that circle is
// narrower than the drill of `drillDiameter` with `kerf` of room on each side.
// The holes run left to right.
std::vector<TDrillHole> FindDrillHoles(const TCutLines &lines, TCutStyle style, double drillDiameter, double kerf);

int TooSmallCount(const std::vector<TDrillHole> &holes);

// "2 inside cuts too small for a 0.0625 in drill": what the window's tool tip
// and the exporter both tell.
QString TooSmallForDrillText(int count, double drillDiameter);

// The drill's mark: a circle of its diameter with a cross through the centre.
QPainterPath DrillMarkPath(const TDrillHole &hole, double drillDiameter);
