#pragma once
// The pattern: the thirteen values a pattern file holds, the range of each,
// the pattern the program starts from, and what switching Base does to the
// others. The window keeps these values in its controls and the exporter in
// one PatternSettings; pattern files are read and written as one.

#include "core/units.h"

#include <QString>

// The range of a number of the pattern, as the window's scroll bar for it
// holds it.
struct PatternRange {
    int Min;
    int Max;
    constexpr int Clamp(int value) const { return value < Min ? Min : (value > Max ? Max : value); }
    constexpr bool Contains(int value) const { return value >= Min && value <= Max; }
};

namespace PatternRanges {
inline constexpr PatternRange FontSize{10, 200};
inline constexpr PatternRange BlankWidth{Units::kPixelsPerInch, 10 * Units::kPixelsPerInch}; // 1 to 10 in
inline constexpr PatternRange BlankHeight{47, 289};
inline constexpr PatternRange VPos{0, 300};
inline constexpr PatternRange Corners{0, 100};
inline constexpr PatternRange HPos{0, 500};
inline constexpr PatternRange Kern{-100, 100};
} // namespace PatternRanges

// The thirteen values in the order of a pattern file's lines. The defaults
// are the pattern the program starts from and Reset goes back to.
struct PatternSettings {
    int FontSize = 80;    // points
    int BlankWidth = 960; // pattern pixels
    int BlankHeight = 144;
    int VPos = 0; // the text's offset down and right, in pattern pixels
    int HPos = 0;
    int Kern = 0;    // extra pixels after every letter
    int Corners = 0; // roundness, in percent
    bool Multiline = false;
    bool TextOutline = true;
    bool PageOutline = true;
    bool Base = false;
    QString FontName = QStringLiteral("Fretcard Gothic");
    QString Text = QStringLiteral("Scroll Saw");

    friend bool operator==(const PatternSettings &, const PatternSettings &) = default;
};

// Every number moved into its range, as the window's bars hold them.
PatternSettings WithinRanges(PatternSettings pattern);

// The base bar is cut with the letters: switching Base on squares the
// corners and fills the letters (Text Outline off). Only a real change does
// that; switching it off changes nothing else.
void SwitchBase(PatternSettings &pattern, bool on);

// While Base is on the text stays as it is: the window offers no Multiline
// switch. (A pattern file may still hold both, and opens with both.)
bool MultilineSwitchable(const PatternSettings &pattern);
