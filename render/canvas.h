#pragma once
// A drawing surface with a current font, pen and brush, letter spacing, an
// optional clip rectangle and an optional open path: the state the caption
// code expects from the classic device context, over a QPainter.

#include "colors.h"
#include "font.h"
#include "graphtypes.h"
#include "patternshapes.h"

#include <QFont>
#include <QPainterPath>
#include <optional>
#include <vector>

class QPainter;
class TextLayoutCache;

struct TPenState {
    bool Visible = true;
    TColor Color = clBlack;
    // 0 and 1 both give the thinnest line.
    int Width = 1;
};

class TCanvas {
public:
    // A canvas without a painter only measures.
    explicit TCanvas(QPainter *painter = nullptr);
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    QPainter *Painter() const { return m_painter; }

    TFont &Font() { return m_font; }
    const TFont &Font() const { return m_font; }
    // The current font with the current letter spacing applied.
    const QFont &EffectiveFont();

    TPenState &Pen() { return m_pen; }

    bool BrushHollow() const { return m_brushHollow; }
    TColor BrushColor() const { return m_brushColor; }
    void SetBrushHollow() { m_brushHollow = true; }
    // Giving a hollow brush a colour makes it solid again.
    void SetBrushColor(TColor color);

    int TextCharacterExtra() const { return m_characterExtra; }
    void SetTextCharacterExtra(int extra);

    const std::optional<QRect> &ClipRect() const { return m_clip; }
    void SelectClipRect(const std::optional<QRect> &clip) { m_clip = clip; }

    // While a path is open, text outlines go into it instead of onto the surface.
    void BeginPath();
    void EndPath() { m_pathOpen = false; }
    bool PathOpen() const { return m_pathOpen || m_capturing || m_measuringInk || m_capturingLetters; }
    void AddToPath(const QPainterPath &outline, const QRect &clip);
    // Strokes the closed path with the current pen and discards it.
    void StrokePath();

    // From now on, text goes into the captured pieces instead of onto the
    // surface or into the path, each with the clip it would be drawn with,
    // cut to `surface`: the picture the text would be drawn into.
    void BeginCapture(const QRect &surface);
    const std::vector<TGlyphPiece> &Captured() const { return m_captured; }

    // From now on, text is neither drawn nor captured as pieces: its letters
    // are kept one by one, wherever they lie.
    void BeginLetterCapture() { m_capturingLetters = true; }
    bool CapturingLetters() const { return m_capturingLetters; }
    void AddLetters(std::vector<TLetterShape> letters);
    std::vector<TLetterShape> TakeLetters() { return std::move(m_letters); }

    // From now on, text is neither drawn nor captured: only where its glyph
    // outlines lie is noted, also where no picture could show them.
    void BeginInkMeasure() { m_measuringInk = true; }
    bool MeasuringInk() const { return m_measuringInk; }
    void AddInk(const QRectF &ink) { m_ink |= ink; }
    // What the text drawn since BeginInkMeasure covers; null without ink.
    const QRectF &MeasuredInk() const { return m_ink; }

    // Where text drawn on this canvas is laid out and kept; none lays it out afresh.
    TextLayoutCache *Layouts() const { return m_layouts; }
    void UseLayouts(TextLayoutCache *layouts) { m_layouts = layouts; }

    // The part of `area` that can show on this canvas: inside the clip and
    // on the surface (the painter's device, or the captured picture).
    QRectF ShowablePart(const QRect &area) const;

private:
    QPainter *m_painter;
    TFont m_font;
    QFont m_effectiveFont;
    bool m_fontStale = true;
    TPenState m_pen;
    bool m_brushHollow = false;
    TColor m_brushColor = clWhite;
    int m_characterExtra = 0;
    std::optional<QRect> m_clip;
    bool m_pathOpen = false;
    QPainterPath m_path;
    QRect m_pathClip;
    bool m_capturing = false;
    QRect m_captureSurface;
    std::vector<TGlyphPiece> m_captured;
    bool m_capturingLetters = false;
    std::vector<TLetterShape> m_letters;
    bool m_measuringInk = false;
    QRectF m_ink;
    TextLayoutCache *m_layouts = nullptr;
};
