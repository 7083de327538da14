#include "colors.h"

namespace {
constexpr TColor SystemIndexMask = 0xFF;

QColor SystemColor(unsigned index)
{
    switch (index) {
    case 5: return QColor(255, 255, 255);   // window
    case 8: return QColor(0, 0, 0);         // window text
    case 15: return QColor(240, 240, 240);  // button face
    case 16: return QColor(160, 160, 160);  // button shadow
    case 17: return QColor(109, 109, 109);  // grey text
    case 20: return QColor(255, 255, 255);  // button highlight
    default: return QColor(0, 0, 0);
    }
}
} // namespace

QColor ColorToQColor(TColor color)
{
    if (color & SystemColorFlag)
        return SystemColor(color & SystemIndexMask);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor ColorFromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return TColor(rgb.red()) | (TColor(rgb.green()) << 8) | (TColor(rgb.blue()) << 16);
}
