#include "render/patternview.h"

#include "render/basebargeometry.h"
#include "render/shapecontrol.h"

namespace {
constexpr int kPresetFontHeight = -107; // 80 points at 96 pixels per inch
}

TFont PresetFont(TColor color)
{
    TFont font;
    font.setName(kPresetFace);
    font.setStyle(fsBold);
    font.setHeight(kPresetFontHeight);
    font.setColor(color);
    font.setCharset(ANSI_CHARSET);
    return font;
}

void PreparePatternView(TBaseShape &view)
{
    view.setShape(stRoundRect);
    view.setRoundPercent(0);
    view.setColor(clMedGray);
    view.Bevel()->setWidth(1);
    view.Shadow()->setStyle(hssNone);
    TCaption *caption = view.Caption();
    caption->setCaption(kInitialPatternText);
    caption->setAlignment(agTopLeft);
    caption->setMultiLine(false);
    caption->setFont(PresetFont(clBlack));
    caption->FontFX()->setStyle(tdOutline);
    caption->FontFX()->setLightDepth(0);
    caption->FontFX()->setShadowDepth(0);
    caption->FontFX()->SetPos(0, 0);
    caption->FontFX()->setTracing(0);
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
