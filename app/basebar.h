#pragma once
// The base bar: a 30-pixel bar under the letters that holds a fretwork
// sign together after cutting. Exports draw it into the work image; the
// main window only previews it with a shape.

#include <QColor>
#include <QRect>

class TWorkImage;

namespace BaseBar {
// Inset of the bar from the picture's left and right edges.
inline constexpr int kSideInset = 15;
// The bar's top and (exclusive) bottom, counted up from the view's bottom.
inline constexpr int kTopAboveBottom = 35;
inline constexpr int kBottomAboveBottom = 5;

// The bar's rectangle, right and bottom exclusive, for a picture `width`
// wide in a view `viewHeight` high.
QRect Rectangle(int width, int viewHeight);
} // namespace BaseBar

// Draws the bar's outline into the work image with the surface's pen over a
// white inside, makes the brush solid in `fill`, and flood-fills the inside up
// to the black outline. Changes only the work image (and its brush); saving it is up to
// the caller.
void DrawBaseBar(TWorkImage &workImage, int viewHeight, const QColor &fill);
