#pragma once
// Where the pattern sits on the printed page: every page that carries it at
// full scale (the print, the PDF exports) puts its top-left corner here.

namespace PagePlacement {
// The pattern's top-left corner on the page, in centimetres from the paper's
// top-left corner.
inline constexpr double kPictureLeftCm = 1.0;
inline constexpr double kPictureTopCm = 1.0;
} // namespace PagePlacement
