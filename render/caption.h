#pragma once
// The pattern's letters: text, font, alignment, multi-line switch and the
// effect settings, and DrawCaption, which puts them on a canvas.

#include "drawtext.h"
#include "font.h"
#include "fxcaption.h"
#include "graphtypes.h"

#include <QString>

class TCanvas;

class TCaption : public TSettingsObject {
public:
    TCaption();
    ~TCaption() override;
    TCaption(const TCaption &) = delete;
    TCaption &operator=(const TCaption &) = delete;

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment) { SetProperty(m_alignment, alignment); }
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { SetProperty(m_caption, caption); }
    TFont *Font() { return &m_font; }
    const TFont *Font() const { return &m_font; }
    void setFont(const TFont &font) { m_font.Assign(font); }
    TFxCaption *FontFX() { return &m_fontFX; }
    const TFxCaption *FontFX() const { return &m_fontFX; }
    // Copies every effect value except Orientation and reports once.
    void setFontFX(const TFxCaption &effects);
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine) { SetProperty(m_multiLine, multiLine); }

    // When set, an empty text given to DrawCaption draws Caption instead.
    bool UseOwnText() const { return m_useOwnText; }
    void setUseOwnText(bool use) { m_useOwnText = use; }

    // Draws `text` in `rect` on the canvas. `offset` carries X in its low and
    // Y in its high 16 bits and moves the clip rectangle of dfClipped.
    void DrawCaption(TCanvas &canvas, const QString &text, const TRect &rect,
                     TCaptionDrawFlags flags, TColor backColor, quint32 offset);

    // The format bits for an alignment and the draw flags.
    static unsigned FormatFor(TAlignment alignment, TCaptionDrawFlags flags);

private:
    void FontChanged(TSettingsObject *sender);

    TAlignment m_alignment = agCenter;
    QString m_caption;
    TFont m_font;
    TFxCaption m_fontFX;
    bool m_multiLine = false;
    bool m_useOwnText = false;
    // The text as last measured and drawn: the picture and its cut lines
    // draw the same caption one after the other.
    TextLayoutCache m_layouts;
};
