#include "caption.h"

#include "canvas.h"
#include "drawtext.h"
#include "effecttext.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <array>

namespace {
// A face that can be turned: the replacement when a rotated caption's font is not.
const char *const TurnableFallbackFace = "Arial";

constexpr std::array<unsigned, 9> AlignmentFormats = {
    DT_LEFT | DT_TOP,      DT_CENTER,              DT_RIGHT,
    DT_VCENTER,            DT_CENTER | DT_VCENTER, DT_RIGHT | DT_VCENTER,
    DT_BOTTOM,             DT_BOTTOM | DT_CENTER,  DT_BOTTOM | DT_RIGHT,
};

bool IsOutlineFont(const TFont &font)
{
    return QFontDatabase::isSmoothlyScalable(QFontInfo(font.ToQFont()).family());
}

TRect OffsetClip(const TRect &rect, quint32 offset)
{
    if (offset == 0)
        return rect;
    const int dx = qint16(offset & 0xFFFF);
    const int dy = qint16(offset >> 16);
    TRect moved = rect;
    moved.Offset(dx, dy);
    return moved;
}
} // namespace

TCaption::TCaption()
{
    m_font.OnChange = [this](TSettingsObject *sender) { FontChanged(sender); };
    m_fontFX.OnChange = [this](TSettingsObject *sender) { FontChanged(sender); };
}

TCaption::~TCaption()
{
    m_font.OnChange = nullptr;
    m_fontFX.OnChange = nullptr;
}

void TCaption::setFontFX(const TFxCaption &effects)
{
    const TThreeDOrientation keep = m_fontFX.Orientation();
    m_fontFX.BeginUpdate();
    m_fontFX.Assign(effects);
    m_fontFX.setOrientation(keep);
    m_fontFX.EndUpdate(true);
}

void TCaption::FontChanged(TSettingsObject *sender)
{
    if (m_fontFX.Angle() != 0 && !IsOutlineFont(m_font)) {
        if (sender == &m_font)
            m_fontFX.setAngle(0);
        else
            m_font.setName(QString::fromLatin1(TurnableFallbackFace));
    }
    Change();
}

unsigned TCaption::FormatFor(TAlignment alignment, TCaptionDrawFlags flags)
{
    unsigned format = AlignmentFormats[alignment] | DT_EXPANDTABS | DT_WORDBREAK;
    if (!(flags & dfShowAccel))
        format |= DT_NOPREFIX;
    return format;
}

void TCaption::DrawCaption(TCanvas &canvas, const QString &text, const TRect &rect,
                           TCaptionDrawFlags flags, TColor backColor, quint32 offset)
{
    const QString shown = text.isEmpty() && m_useOwnText ? m_caption : text;
    std::optional<TRect> clip;
    if (flags & dfClipped)
        clip = OffsetClip(rect, offset);
    unsigned format = FormatFor(m_alignment, flags);
    const bool showAccel = flags & dfShowAccel;
    TRect textRect = rect;
    if (m_fontFX.Angle() != 0) {
        format |= DT_SINGLELINE;
        if (m_alignment != agTopLeft)
            textRect = AlignTextBlock(m_alignment, shown, &m_fontFX, rect, m_font, m_multiLine,
                                      showAccel, format, &m_layouts);
    } else if (!m_multiLine) {
        format |= DT_SINGLELINE;
    } else if (m_alignment >= agCenterLeft) {
        textRect = AlignTextBlock(m_alignment, shown, &m_fontFX, rect, m_font, m_multiLine,
                                  showAccel, format, &m_layouts);
    }
    canvas.SetBrushHollow();
    canvas.SetBrushColor(backColor);
    canvas.Font().Assign(m_font);
    TextLayoutCache *const previous = canvas.Layouts();
    canvas.UseLayouts(&m_layouts);
    DrawEffectText(canvas, shown, &m_fontFX, textRect, format, flags, clip, rect);
    canvas.UseLayouts(previous);
}
