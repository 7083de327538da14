#pragma once
// Where the base bar lies: a 30-pixel bar under the letters that holds a
// fretwork sign together after cutting. The exports draw it and the cut lines
// join it to the letters, both from this one rectangle.

#include <QRect>

namespace BaseBar {
// Inset of the bar from the picture's left and right edges.
inline constexpr int kSideInset = 15;
// The bar's top and (exclusive) bottom, counted up from the view's bottom.
inline constexpr int kTopAboveBottom = 35;
inline constexpr int kBottomAboveBottom = 5;

// The bar's rectangle (QRect's inclusive right and bottom) for a picture
// `width` wide in a view `viewHeight` high.
QRect Rectangle(int width, int viewHeight);
} // namespace BaseBar
