#pragma once
// Drawing the base bar: exports draw it into the work image; the main
// window only previews it with a shape.

#include "render/basebargeometry.h"

#include <QColor>

class TWorkImage;

// Draws the bar's outline into the work image with the surface's pen over a
// white inside, makes the brush solid in `fill`, and flood-fills the inside up
// to the black outline. Changes only the work image (and its brush); saving it is up to
// the caller.
void DrawBaseBar(TWorkImage &workImage, int viewHeight, const QColor &fill);
