#pragma once
// The pattern view as the program starts it: a grey rectangular blank with a
// one-pixel page outline and no shadow, and "Scroll Saw" in the bold preset
// face, hollow, at the top left. The main window and the command-line
// exporter both start from here and show their patterns with ShowPattern, so
// their pictures can never differ.

#include "core/pattern.h"
#include "render/colors.h"
#include "render/font.h"
#include "render/patternshapes.h"

#include <QString>

class TBaseShape;

// The initial pattern's face and size, bold, in `color`.
TFont PresetFont(TColor color);

// The look of the view, showing the initial pattern; its place is the caller's.
void PreparePatternView(TBaseShape &view);

// The values of a pattern the view shows (Base is the exports' business).
enum class TShownValue {
    FontSize, FontName, BlankWidth, BlankHeight, VPos, HPos, Kern, Corners, Multiline, TextOutline, PageOutline, Text
};

// Puts one value of `pattern` into the view, as the window's handler of its
// control does; ShowPattern puts them all.
void ShowValue(TBaseShape &view, const PatternSettings &pattern, TShownValue value);
void ShowPattern(TBaseShape &view, const PatternSettings &pattern);

// What `view` lays out, with the base bar under the letters when `base`.
TPatternShapes PatternShapes(TBaseShape &view, bool base);

// The letters `view` lays out when its Kern is `kern`, one by one, with the
// base bar when `base`; the view itself stays as it is.
TPatternLetters PatternLetters(TBaseShape &view, bool base, int kern);
