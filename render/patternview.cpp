#include "render/patternview.h"

#include "render/basebargeometry.h"
#include "render/shapecontrol.h"

namespace {
constexpr int kPageOutlineWidth = 1;
}

TFont PresetFont(TColor color)
{
    const PatternSettings initial;
    TFont font;
    font.setName(initial.FontName);
    font.setStyle(fsBold);
    font.setSize(initial.FontSize);
    font.setColor(color);
    font.setCharset(ANSI_CHARSET);
    return font;
}

void PreparePatternView(TBaseShape &view)
{
    view.setShape(stRoundRect);
    view.setColor(clMedGray);
    view.Shadow()->setStyle(hssNone);
    TCaption *caption = view.Caption();
    caption->setFont(PresetFont(clBlack));
    caption->FontFX()->setLightDepth(0);
    caption->FontFX()->setShadowDepth(0);
    ShowPattern(view, PatternSettings());
}

void ShowValue(TBaseShape &view, const PatternSettings &pattern, TShownValue value)
{
    TCaption *caption = view.Caption();
    switch (value) {
    case TShownValue::FontSize: caption->Font()->setSize(pattern.FontSize); break;
    case TShownValue::FontName: caption->Font()->setName(pattern.FontName); break;
    case TShownValue::BlankWidth: view.setWidth(pattern.BlankWidth); break;
    case TShownValue::BlankHeight: view.setHeight(pattern.BlankHeight); break;
    case TShownValue::VPos: caption->FontFX()->setPosY(qint16(pattern.VPos)); break;
    case TShownValue::HPos: caption->FontFX()->setPosX(qint16(pattern.HPos)); break;
    case TShownValue::Kern: caption->FontFX()->setTracing(pattern.Kern); break;
    case TShownValue::Corners: view.setRoundPercent(quint8(pattern.Corners)); break;
    case TShownValue::Multiline:
        // Multi-line text is centred; one line starts top left.
        caption->setMultiLine(pattern.Multiline);
        caption->setAlignment(pattern.Multiline ? agCenter : agTopLeft);
        break;
    case TShownValue::TextOutline: caption->FontFX()->setStyle(pattern.TextOutline ? tdOutline : tdNone); break;
    case TShownValue::PageOutline: view.Bevel()->setWidth(pattern.PageOutline ? kPageOutlineWidth : 0); break;
    case TShownValue::Text: caption->setCaption(pattern.Text); break;
    }
}

void ShowPattern(TBaseShape &view, const PatternSettings &pattern)
{
    for (const TShownValue value :
         {TShownValue::FontSize, TShownValue::FontName, TShownValue::BlankWidth, TShownValue::BlankHeight,
          TShownValue::VPos, TShownValue::HPos, TShownValue::Kern, TShownValue::Corners, TShownValue::Multiline,
          TShownValue::TextOutline, TShownValue::PageOutline, TShownValue::Text})
        ShowValue(view, pattern, value);
}

TPatternShapes PatternShapes(TBaseShape &view, bool base)
{
    TPatternShapes shapes;
    shapes.blankSize = QSize(view.Width(), view.Height());
    shapes.glyphs = view.CaptionGlyphs();
    shapes.blankOutline = view.BlankOutline();
    if (base)
        shapes.baseBar = BaseBar::Rectangle(view.Width(), view.Height());
    return shapes;
}

TPatternLetters PatternLetters(TBaseShape &view, bool base, int kern)
{
    TPatternLetters letters;
    letters.letters = view.CaptionLettersAt(kern);
    if (base)
        letters.baseBar = BaseBar::Rectangle(view.Width(), view.Height());
    return letters;
}
