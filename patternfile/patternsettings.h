#pragma once
// The thirteen pattern parameters as they travel through pattern files.

#include <QString>

#include <optional>

// The range of each setting, as its scroll bar in the window holds it.
struct PatternRange {
    int Min;
    int Max;
    constexpr int Clamp(int value) const { return value < Min ? Min : (value > Max ? Max : value); }
    constexpr bool Contains(int value) const { return value >= Min && value <= Max; }
};

namespace PatternRanges {
inline constexpr PatternRange FontSize{10, 200};
inline constexpr PatternRange BlankWidth{96, 960};
inline constexpr PatternRange BlankHeight{47, 289};
inline constexpr PatternRange VPos{0, 300};
inline constexpr PatternRange Corners{0, 100};
inline constexpr PatternRange HPos{0, 500};
inline constexpr PatternRange Kern{-100, 100};
} // namespace PatternRanges

// What Save As writes: the values read from the window's controls. The
// defaults are the window's initial settings.
struct PatternSettings {
    int FontSize = 80;       // ScrollBar1
    int BlankWidth = 960;    // ScrollBar2
    int BlankHeight = 144;   // ScrollBar3
    int VPos = 0;            // ScrollBar4
    int HPos = 0;            // ScrollBar6
    int Kern = 0;            // ScrollBar7
    int Corners = 0;         // ScrollBar5
    bool Multiline = false;  // CheckBox1
    bool TextOutline = true; // CheckBox2
    bool PageOutline = true; // CheckBox4
    bool Base = false;       // CheckBox3
    QString FontName = QStringLiteral("Fretcard Gothic"); // PatternView.Caption.Font.Name
    QString Text = QStringLiteral("Scroll Saw");          // Edit1

    friend bool operator==(const PatternSettings &, const PatternSettings &) = default;
};

// What Open reads, before anything in the window changes.
struct PatternFileValues {
    // Exactly as the file has them, not clamped: each scroll bar clamps its
    // own position when it is set.
    int FontSize = 0;
    int BlankWidth = 0;
    int BlankHeight = 0;
    int VPos = 0;
    int HPos = 0;
    int Kern = 0;
    int Corners = 0;
    // A file value of 1 checks the box, 0 clears it; any other value is
    // std::nullopt and leaves the box as it is.
    std::optional<bool> Multiline;
    std::optional<bool> TextOutline;
    std::optional<bool> PageOutline;
    std::optional<bool> Base;
    // Already cut to 31 characters. Empty leaves the font face unchanged.
    QString FontName;
    // Already cut to the text box's 32767 characters.
    QString Text;

    friend bool operator==(const PatternFileValues &, const PatternFileValues &) = default;
};
