#pragma once
// The pattern view as the program starts it: a grey rectangular blank with a
// one-pixel page outline and no shadow, and "Scroll Saw" in the bold preset
// face, hollow, at the top left. The main window and the command-line
// exporter both start from here, so their patterns can never differ.

#include "render/colors.h"
#include "render/font.h"
#include "render/patternshapes.h"

#include <QString>

class TBaseShape;

inline const QString kPresetFace = QStringLiteral("Fretcard Gothic");
inline const QString kInitialPatternText = QStringLiteral("Scroll Saw");

// The preset face, bold, 80 points, in `color`.
TFont PresetFont(TColor color);

// Everything but the view's place and size.
void PreparePatternView(TBaseShape &view);

// What `view` lays out, with the base bar under the letters when `base`.
TPatternShapes PatternShapes(TBaseShape &view, bool base);
