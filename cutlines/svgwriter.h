#pragma once
// The cut lines as an SVG drawing at true size: the user units are pattern
// pixels, the drawing's width and height are in inches, so a browser, a
// drawing program or a cutter's software opens it at full scale.

#include "cutlines/cutlines.h"

class QIODevice;

// Writes the letters (group "cut"), the blank (group "blank") and the drill
// holes when marked (group "drill", one circle each) to
// `device`, which must be open for writing. False when the device refused
// a write.
bool WriteCutLinesSvg(const TCutLines &lines, QIODevice *device);
