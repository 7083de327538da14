#include "core/pattern.h"

PatternSettings WithinRanges(PatternSettings pattern)
{
    pattern.FontSize = PatternRanges::FontSize.Clamp(pattern.FontSize);
    pattern.BlankWidth = PatternRanges::BlankWidth.Clamp(pattern.BlankWidth);
    pattern.BlankHeight = PatternRanges::BlankHeight.Clamp(pattern.BlankHeight);
    pattern.VPos = PatternRanges::VPos.Clamp(pattern.VPos);
    pattern.HPos = PatternRanges::HPos.Clamp(pattern.HPos);
    pattern.Kern = PatternRanges::Kern.Clamp(pattern.Kern);
    pattern.Corners = PatternRanges::Corners.Clamp(pattern.Corners);
    return pattern;
}

void SwitchBase(PatternSettings &pattern, bool on)
{
    if (on && !pattern.Base) {
        pattern.Corners = 0;
        pattern.TextOutline = false;
    }
    pattern.Base = on;
}

bool MultilineSwitchable(const PatternSettings &pattern) { return !pattern.Base; }
