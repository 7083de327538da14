#pragma once
// The cut lines a blade can follow. A blade removes a strip as wide as its
// kerf: a gap narrower than that cannot be sawn, so what lies on both sides
// of it is one piece; and wood narrower than that is sawn away entirely.

#include "cutlines/cutlines.h"

// A hundredth of an inch: a fine scroll-saw blade.
inline constexpr double DefaultKerfPixels = Units::kPixelsPerInch / 100.0;

// Which side of the letters' outline is kept. Cut-out style keeps the
// letters and saws the blank away around them; stencil style saws the
// letters out of the board.
enum class TCutStyle { CutOut, Stencil };

// The letters' cut lines as a blade `kerf` pixels wide can cut them, the
// wood being the side `style` keeps: waste narrower than the kerf is closed
// (the pieces on both sides weld, narrow holes fill), wood narrower than the
// kerf is dropped, no contour encloses less than kerf squared, every contour
// is a simple ring and no two come nearer than the kerf across waste. The
// blank's outline stays as it is; a kerf of 0 changes nothing.
TCutLines CleanedForKerf(const TCutLines &lines, double kerf, TCutStyle style);

// The same for letters cleaned for this kerf and style already, but for
// what lies in the `changed` areas: only the letters near those are cleaned
// again, the others are kept as they are.
TCutLines CleanedForKerfAgain(const TCutLines &lines, double kerf, TCutStyle style, const std::vector<QRectF> &changed);
