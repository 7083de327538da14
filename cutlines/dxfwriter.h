#pragma once
// The cut lines as a DXF drawing in inches, y up as DXF expects: every
// contour one closed polyline, the letters on layer "CUT", the blank on
// layer "BLANK"; the drill holes, when marked, circles on layer "DRILL".
// The waste is never filled: a machine would engrave the fill.

#include "cutlines/cutlines.h"

class QIODevice;

// Writes the drawing to `device`, which must be open for writing. False
// when the device refused a write.
bool WriteCutLinesDxf(const TCutLines &lines, QIODevice *device);
