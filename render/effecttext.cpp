#include "effecttext.h"

#include "canvas.h"
#include "drawtext.h"
#include "font.h"
#include "fxcaption.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// One pixel of margin on each side around a measured block.
constexpr int BlockBorder = 1;

enum class EffectKind { Plain, Unrotated, Rotated };

EffectKind KindOf(const T3DCaption &effects)
{
    const auto *fx = dynamic_cast<const TFxCaption *>(&effects);
    if (!fx)
        return EffectKind::Plain;
    return fx->Angle() == 0 ? EffectKind::Unrotated : EffectKind::Rotated;
}

int StyleMargin(const T3DCaption &effects)
{
    const int light = effects.LightDepth();
    const int shadow = effects.ShadowDepth();
    switch (effects.Style()) {
    case tdSunken:
    case tdRaised: return light;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised: return light + shadow;
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh: return shadow;
    case tdNone: break;
    }
    return 0;
}

// Letter spacing on a canvas for as long as the guard lives; a spacing of 0
// touches nothing.
class CharacterExtraGuard {
public:
    CharacterExtraGuard(TCanvas &canvas, int extra) : m_canvas(canvas), m_active(extra != 0)
    {
        if (m_active)
            m_canvas.SetTextCharacterExtra(extra);
    }
    ~CharacterExtraGuard()
    {
        if (m_active)
            m_canvas.SetTextCharacterExtra(0);
    }
    CharacterExtraGuard(const CharacterExtraGuard &) = delete;
    CharacterExtraGuard &operator=(const CharacterExtraGuard &) = delete;

private:
    TCanvas &m_canvas;
    bool m_active;
};

class ClipGuard {
public:
    ClipGuard(TCanvas &canvas, bool active, const TRect &clip) : m_canvas(canvas), m_active(active)
    {
        if (m_active)
            m_canvas.SelectClipRect(clip.ToQRect());
    }
    ~ClipGuard()
    {
        if (m_active)
            m_canvas.SelectClipRect(std::nullopt);
    }
    ClipGuard(const ClipGuard &) = delete;
    ClipGuard &operator=(const ClipGuard &) = delete;

private:
    TCanvas &m_canvas;
    bool m_active;
};

// The text rectangle as the layers move it along.
struct LayerState {
    TCanvas &canvas;
    const QString &text;
    TRect textRect;
    unsigned format;
    EffectKind kind;
    int angle;
    // Where the text may show, wherever in it the text starts.
    TRect blank;
};

// A layer shows on the whole blank, so that a letter reaching left of or
// above the point where the text starts stays whole; and, as ever, on its
// own rectangle where that reaches beyond the blank (a block larger than the
// blank, a shifted layer).
TRect ShownArea(const TRect &textRect, const TRect &blank)
{
    return TRect{qMin(textRect.Left, blank.Left), qMin(textRect.Top, blank.Top),
                 qMax(textRect.Right, blank.Right), qMax(textRect.Bottom, blank.Bottom)};
}

// A single line turned counter-clockwise about its start point.
void DrawRotatedLine(LayerState &state)
{
    TCanvas &canvas = state.canvas;
    const TextBlock line(canvas.EffectiveFont(), state.text, TRect{0, 0, 0, 0},
                         DT_SINGLELINE | DT_NOPREFIX);
    QTransform turn;
    turn.translate(state.textRect.Left, state.textRect.Top);
    turn.rotate(-state.angle);
    if (canvas.PathOpen()) {
        const QPainterPath outline = turn.map(line.Outline());
        canvas.AddToPath(outline, outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
        return;
    }
    QPainter *painter = canvas.Painter();
    if (!painter)
        return;
    painter->save();
    if (canvas.ClipRect())
        painter->setClipRect(*canvas.ClipRect(), Qt::IntersectClip);
    painter->setTransform(turn, true);
    line.Draw(*painter, ColorToQColor(canvas.Font().Color()));
    painter->restore();
}

void DrawTextLayer(LayerState &state, int dx, int dy, TColor color)
{
    state.canvas.Font().setColor(color);
    state.textRect.Offset(dx, dy);
    if (state.kind == EffectKind::Rotated) {
        DrawRotatedLine(state);
        return;
    }
    TRect rect = state.textRect;
    DrawTextEx(state.canvas, state.text, rect, state.format, ShownArea(rect, state.blank));
}

void DrawOutlineStyle(LayerState &state, int shadowDepth, TColor face)
{
    TCanvas &canvas = state.canvas;
    canvas.Pen().Visible = true;
    canvas.BeginPath();
    DrawTextLayer(state, shadowDepth / 2, shadowDepth / 2, face);
    canvas.EndPath();
    canvas.Pen().Color = face;
    canvas.Pen().Width = shadowDepth;
    canvas.StrokePath();
}

struct ExtrudeStart {
    int dx, dy, stepX, stepY;
};

ExtrudeStart ExtrusionFor(TThreeDOrientation orientation, int depth)
{
    switch (orientation) {
    case toBottomRight: return {depth + 1, depth + 1, -1, -1};
    case toBottomLeft: return {0, depth + 1, +1, -1};
    case toTopRight: return {depth + 1, 0, -1, +1};
    case toTopLeft: break;
    }
    return {0, 0, +1, +1};
}

TColor BlendedExtrusionColor(const T3DCaption &effects, int stepsLeft)
{
    const QColor shadow = ColorToQColor(effects.ShadowColor());
    const QColor light = ColorToQColor(effects.LightColor());
    const int depth = effects.ShadowDepth();
    auto channel = [&](int s, int l) { return s + (stepsLeft - 1) * (l - s) / depth; };
    return ColorFromQColor(QColor(channel(shadow.red(), light.red()),
                                  channel(shadow.green(), light.green()),
                                  channel(shadow.blue(), light.blue())));
}

void DrawExtrusion(LayerState &state, const T3DCaption &effects, TThreeDStyle style, TColor face)
{
    const int depth = effects.ShadowDepth();
    const ExtrudeStart start = ExtrusionFor(effects.Orientation(), depth);
    state.textRect.Offset(start.dx, start.dy);
    for (int stepsLeft = depth; stepsLeft >= 1; --stepsLeft) {
        const TColor color = style == tdExtrudeEnh ? BlendedExtrusionColor(effects, stepsLeft)
                                                   : effects.ShadowColor();
        DrawTextLayer(state, start.stepX, start.stepY, color);
    }
    DrawTextLayer(state, 0, 0, face);
}

void DrawLayers(LayerState &state, const T3DCaption &effects, TThreeDStyle style, TColor face)
{
    const int l = effects.LightDepth();
    const int s = effects.ShadowDepth();
    const TColor light = effects.LightColor();
    const TColor shadow = effects.ShadowColor();
    switch (style) {
    case tdNone:
        DrawTextLayer(state, 0, 0, face);
        break;
    case tdSunken:
        state.textRect.Right -= l;
        DrawTextLayer(state, l, l, light);
        DrawTextLayer(state, -l, -l, face);
        break;
    case tdRaised:
        state.textRect.Right -= l;
        DrawTextLayer(state, 0, 0, light);
        DrawTextLayer(state, l, l, face);
        break;
    case tdSunkenShadow:
    case tdPColorSunken:
        state.textRect.Right -= l + s;
        DrawTextLayer(state, 0, 0, shadow);
        DrawTextLayer(state, l + s, l + s, light);
        DrawTextLayer(state, -l, -l, face);
        break;
    case tdRaisedShadow:
    case tdPColorRaised:
        state.textRect.Right -= l + s;
        DrawTextLayer(state, l + s, l + s, shadow);
        DrawTextLayer(state, -(l + s), -(l + s), light);
        DrawTextLayer(state, l, l, face);
        break;
    case tdShadow:
        state.textRect.Right -= s;
        DrawTextLayer(state, s, s, shadow);
        DrawTextLayer(state, -s, -s, face);
        break;
    case tdOutline:
        DrawOutlineStyle(state, s, face);
        break;
    case tdExtrude:
    case tdExtrudeEnh:
        DrawExtrusion(state, effects, style, face);
        break;
    }
}

struct FaceAndStyle {
    TColor face;
    TThreeDStyle style;
};

FaceAndStyle ResolveFace(TCanvas &canvas, const T3DCaption &effects, TCaptionDrawFlags flags)
{
    const TThreeDStyle style = effects.Style();
    if ((flags & dfEnabled) || effects.DisabledStyle() == dsNone) {
        const bool paletteColour = style == tdPColorSunken || style == tdPColorRaised;
        return {paletteColour ? canvas.BrushColor() : canvas.Font().Color(), style};
    }
    const bool sunken = effects.DisabledStyle() == ds3d ||
                        (effects.DisabledStyle() == dsAuto && (flags & dfSunkenWhenDisabled));
    return {clGrayText, sunken ? tdSunken : style};
}

TRect RotatedLineBox(const QString &text, const TFont &font, int tracing, int angle,
                     QPointF &start)
{
    const TextBlock line(WithLetterSpacing(font.ToQFont(), tracing), text, TRect{},
                         DT_SINGLELINE | DT_NOPREFIX);
    const QRectF lineRect(QPointF(0, 0), QSizeF(line.Extent()));
    QTransform turn;
    turn.translate(lineRect.center().x(), lineRect.center().y());
    turn.rotate(-angle);
    turn.translate(-lineRect.center().x(), -lineRect.center().y());
    const QRectF box = turn.mapRect(lineRect);
    start = turn.map(QPointF(0, 0)) - box.topLeft();
    return TRect{0, 0, int(std::ceil(box.width())), int(std::ceil(box.height()))};
}
} // namespace

TRect PlaceTextBlock(TAlignment alignment, const TRect &block, const TRect &area)
{
    const int column = alignment % 3;
    const int row = alignment / 3;
    const int excessX = area.Width() - block.Width();
    const int excessY = area.Height() - block.Height();
    const int dx = column == 0 ? 0 : column == 1 ? excessX / 2 : excessX;
    const int dy = row == 0 ? 0 : row == 1 ? excessY / 2 : excessY;
    const int left = area.Left + dx;
    const int top = area.Top + dy;
    return TRect{left, top, left + block.Width(), top + block.Height()};
}

void MeasureEffectText(const QString &text, T3DCaption *effects, TRect &rect, const TFont &font,
                       bool multiLine, bool showAccel, int extraMargin, unsigned format,
                       TextLayoutCache *layouts)
{
    auto *fx = dynamic_cast<TFxCaption *>(effects);
    if (fx && fx->Angle() != 0) {
        QPointF start;
        const TRect box = RotatedLineBox(text.isEmpty() ? QStringLiteral(" ") : text, font,
                                         fx->Tracing(), fx->Angle(), start);
        const auto offset = [](qreal pixels) {
            return qint16(std::clamp(qRound(pixels), 0, int(std::numeric_limits<qint16>::max())));
        };
        fx->SetPos(offset(start.x()), offset(start.y()));
        rect.Right = rect.Left + box.Width();
        rect.Bottom = rect.Top + box.Height();
    } else {
        if (fx)
            fx->SetPos(0, 0);
        unsigned measuring = format | DT_CALCRECT | DT_EXPANDTABS;
        if (multiLine)
            measuring |= DT_WORDBREAK;
        if (!showAccel)
            measuring |= DT_NOPREFIX;
        const bool blank = text.isEmpty() || (showAccel && text == QLatin1String("&"));
        TCanvas screen;
        screen.UseLayouts(layouts);
        screen.Font().Assign(font);
        const CharacterExtraGuard spacing(screen, effects ? effects->Tracing() : 0);
        DrawTextEx(screen, blank ? QStringLiteral(" ") : text, rect, measuring);
    }
    const int margin = effects ? StyleMargin(*effects) : 0;
    rect.Right += margin + 2 * (extraMargin + BlockBorder);
    rect.Bottom += margin + 2 * (extraMargin + BlockBorder);
}

TRect AlignTextBlock(TAlignment alignment, const QString &text, T3DCaption *effects,
                     const TRect &rect, const TFont &font, bool multiLine, bool showAccel,
                     unsigned format, TextLayoutCache *layouts)
{
    TRect measured = rect;
    measured.Right -= 1;
    MeasureEffectText(text, effects, measured, font, multiLine, showAccel, 0, format, layouts);
    return PlaceTextBlock(alignment, measured, rect);
}

void DrawEffectText(TCanvas &canvas, const QString &text, const T3DCaption *effects,
                    const TRect &rect, unsigned format, TCaptionDrawFlags flags,
                    const std::optional<TRect> &clip, const std::optional<TRect> &blank)
{
    if (text.isEmpty() || rect.IsEmpty())
        return;
    const TRect shownBlank = blank.value_or(rect);
    if (!effects) {
        TRect plain = rect;
        DrawTextEx(canvas, text, plain, format, ShownArea(rect, shownBlank));
        return;
    }
    const EffectKind kind = KindOf(*effects);
    const ClipGuard clipGuard(canvas, flags & dfClipped, clip.value_or(rect));
    const FaceAndStyle face = ResolveFace(canvas, *effects, flags);
    const auto *fx = dynamic_cast<const TFxCaption *>(effects);
    LayerState state{canvas, text, rect, format, kind, fx ? fx->Angle() : 0, shownBlank};
    if (fx) {
        state.textRect.Left += fx->PosX();
        state.textRect.Top += fx->PosY();
    }
    const CharacterExtraGuard spacing(canvas, effects->Tracing());
    canvas.SetBrushHollow();
    DrawLayers(state, *effects, face.style, face.face);
}
