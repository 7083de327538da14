#include "render/basebargeometry.h"

namespace BaseBar {
QRect Rectangle(int width, int viewHeight)
{
    const int top = viewHeight - kTopAboveBottom;
    const int bottom = viewHeight - kBottomAboveBottom; // exclusive
    const int left = kSideInset;
    const int right = width - kSideInset; // exclusive
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
} // namespace BaseBar
