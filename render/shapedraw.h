#pragma once
// Drawing the figure from its cached points: shadow, fill and outline.

#include "colors.h"
#include "graphtypes.h"
#include "shapegeometry.h"

class QImage;
class TCanvas;
class TShadow;
class TSimpleBevel;
class TBrush;
class TTeeth;

struct ShapeDrawArgs {
    TRect rect;
    TShapeType shape = stRectangle;
    TColor brushBackColor = clBtnFace;
    TColor color = clWindow;
    // The pre-rendered fill of the bitmap modes, or none.
    const QImage *fillBitmap = nullptr;
    const TShadow *shadow = nullptr;
    const TSimpleBevel *bevel = nullptr;
    const TBrush *brush = nullptr;
    const TPointList *points = nullptr;
    const TTeeth *activeTeeth = nullptr;
};

// Leaves the outline pen (or no pen) selected on the canvas.
void DrawShape(TCanvas &canvas, const ShapeDrawArgs &args);
