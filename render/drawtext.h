#pragma once
// The one place where text is laid out, measured, drawn and turned into
// outlines, with the line-breaking, alignment, tab and accelerator rules of
// the classic text-drawing call. Measuring and drawing share the layout, so
// they always agree.

#include "graphtypes.h"
#include "patternshapes.h"

#include <QFont>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <optional>
#include <vector>

class TCanvas;
class QPainter;

constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;

// Tab stops lie every this many average character widths.
constexpr int TabStopCharacters = 8;

// The font with `extra` pixels after every character.
QFont WithLetterSpacing(const QFont &font, int extra);

// Text laid out in a rectangle by the format bits. Positions are absolute:
// the first line starts at the rectangle's left and top (moved for centring
// and the vertical placement of single lines).
class TextBlock {
public:
    TextBlock(const QFont &font, const QString &text, const TRect &rect, unsigned format);
    TextBlock(const TextBlock &) = delete;
    TextBlock &operator=(const TextBlock &) = delete;

    // Width of the widest line and the height of all lines. The lines of a
    // block count with the ink of every glyph, also where letter spacing
    // pulled it outside the line's advance.
    QSize Extent() const { return m_extent; }
    int LineCount() const { return m_layout.lineCount(); }
    void Draw(QPainter &painter, const QColor &color) const;
    // The glyph outlines of every line at their drawing positions; given an
    // area, only of the glyphs whose ink reaches it (or comes within `reach`).
    QPainterPath Outline(const std::optional<QRectF> &area = std::nullopt, qreal reach = 0) const;
    // Where the glyph outlines of every line lie, shown or not: the bounds
    // Outline() would have without an area. Null for text without ink.
    QRectF Ink() const;
    // Every letter that is no space, with its outline where Outline() puts
    // it, but those of a line that lie beyond `area` (a long line's letters
    // past the blank's edge cost nothing). Spaces and line ends part words.
    std::vector<TLetterShape> Letters(const QRectF &area) const;

private:
    void Lay(const TRect &rect, unsigned format);

    QTextLayout m_layout;
    QSize m_extent;
    // Each line's ink where it was measured: the lines of a block.
    std::vector<std::optional<QRectF>> m_lineInk;
};

// The last few texts laid out, each kept while nothing it depends on
// changes: the picture and its cut lines lay out the same caption, and a
// long text makes every layout costly.
class TextLayoutCache {
public:
    TextLayoutCache();
    ~TextLayoutCache();
    TextLayoutCache(const TextLayoutCache &) = delete;
    TextLayoutCache &operator=(const TextLayoutCache &) = delete;

    // The text laid out as TextBlock lays it out, from the cache when it is there.
    const TextBlock &Block(const QFont &font, const QString &text, const TRect &rect, unsigned format);

private:
    struct Entry;
    std::vector<std::unique_ptr<Entry>> m_entries; // the latest last
};

// Draws `text` laid out in `rect` with the canvas font, letter spacing and
// clip, or with DT_CALCRECT only moves rect's right and bottom to the text's
// extent. Nothing shows outside `shownArea`, which is `rect` itself unless
// given; an empty `rect` shows nothing. While the canvas has an open path,
// the outlines go into the path instead; while it measures ink, only where
// the glyphs lie is noted. Returns the height of the text.
int DrawTextEx(TCanvas &canvas, const QString &text, TRect &rect, unsigned format,
               const std::optional<TRect> &shownArea = std::nullopt);
