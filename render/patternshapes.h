#pragma once
// What the pattern view lays out, as plain values: the letters' glyph pieces
// with the rectangles the picture clips them to, the blank's outline and the
// base bar. The cut lines are built from these, never from the view itself.

#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// One piece of laid-out text: glyph outlines (filled by the nonzero rule) and
// the rectangle the picture clips them to.
struct TGlyphPiece {
    QPainterPath outline;
    QRect clip;
};

struct TPatternShapes {
    QSize blankSize;
    std::vector<TGlyphPiece> glyphs;
    // The blank's outline as the view draws it; empty without a page outline.
    QPainterPath blankOutline;
    // The base bar's pixels (right and bottom inclusive, as QRect counts
    // them), when the pattern has one.
    std::optional<QRect> baseBar;
};

// One letter of the laid-out text (a character with the marks that combine
// with it), for judging which letters hold together.
struct TLetterShape {
    QPainterPath outline; // filled by the nonzero rule
    QString text;
    // Words are counted through the whole text, line by line; a line break
    // ends a word as a space does.
    int word = 0;
    // The y the letters of its line stand on.
    double baseline = 0;
};

struct TPatternLetters {
    std::vector<TLetterShape> letters;
    std::optional<QRect> baseBar;
};
