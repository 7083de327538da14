#include "export/patternsetup.h"

#include "patternfile/patternformat.h"
#include "render/shapecontrol.h"

namespace {
// The window's check boxes and bars by number, as the pattern file counts them.
enum TCheckBox { kMultiline = 1, kTextOutline = 2, kBase = 3, kPageOutline = 4 };
enum TScrollBar { kFontSize = 1, kWidth, kHeight, kVPos, kCorners, kHPos, kKern };

constexpr quint8 kPageOutlineWidth = 1;
} // namespace

void TSettingsControls::SetScrollBarPosition(int number, int position)
{
    PatternSettings &s = m_settings;
    switch (number) {
    case kFontSize: s.FontSize = PatternRanges::FontSize.Clamp(position); break;
    case kWidth: s.BlankWidth = PatternRanges::BlankWidth.Clamp(position); break;
    case kHeight: s.BlankHeight = PatternRanges::BlankHeight.Clamp(position); break;
    case kVPos: s.VPos = PatternRanges::VPos.Clamp(position); break;
    case kCorners: s.Corners = PatternRanges::Corners.Clamp(position); break;
    case kHPos: s.HPos = PatternRanges::HPos.Clamp(position); break;
    case kKern: s.Kern = PatternRanges::Kern.Clamp(position); break;
    default: Q_ASSERT(false);
    }
}

void TSettingsControls::SetCheckBoxChecked(int number, bool checked)
{
    PatternSettings &s = m_settings;
    switch (number) {
    case kMultiline: s.Multiline = checked; break;
    case kTextOutline: s.TextOutline = checked; break;
    case kPageOutline: s.PageOutline = checked; break;
    case kBase:
        // Only a real change runs the handler; switching Base on squares the
        // corners and fills the letters, as the window does.
        if (checked && !s.Base) {
            SetScrollBarPosition(kCorners, 0);
            s.TextOutline = false;
        }
        s.Base = checked;
        break;
    default: Q_ASSERT(false);
    }
}

void TSettingsControls::SetText(const QString &text)
{
    m_settings.Text = text.left(int(PatternFormat::kMaxTextCharacters));
}

void TSettingsControls::SetBlankSize(QSize pixels)
{
    m_settings.BlankWidth = pixels.width();
    m_settings.BlankHeight = pixels.height();
}

PatternSettings SettingsFor(const QString &patternFile, const TPatternOverrides &overrides)
{
    TSettingsControls controls;
    if (!patternFile.isEmpty())
        OpenPatternFile(patternFile, controls);

    // Switches first, as a user would tick them, so that the numbers given
    // with them have the last word over Base's cascade.
    if (overrides.multiline)
        controls.SetCheckBoxChecked(kMultiline, true);
    if (overrides.noOutline)
        controls.SetCheckBoxChecked(kTextOutline, false);
    if (overrides.noPageOutline)
        controls.SetCheckBoxChecked(kPageOutline, false);
    if (overrides.base)
        controls.SetCheckBoxChecked(kBase, true);
    const std::pair<const std::optional<int> &, int> numbers[] = {
        {overrides.size, kFontSize}, {overrides.vpos, kVPos}, {overrides.hpos, kHPos},
        {overrides.kern, kKern},     {overrides.corners, kCorners}};
    for (const auto &[value, bar] : numbers)
        if (value)
            controls.SetScrollBarPosition(bar, *value);
    if (overrides.blank)
        controls.SetBlankSize(*overrides.blank);
    if (overrides.font)
        controls.SetFontName(*overrides.font);
    if (overrides.text)
        controls.SetText(*overrides.text);
    return controls.Settings();
}

void ShowSettings(TBaseShape &view, const PatternSettings &settings)
{
    TCaption *caption = view.Caption();
    caption->Font()->setSize(settings.FontSize);
    caption->Font()->setName(settings.FontName);
    view.setWidth(settings.BlankWidth);
    view.setHeight(settings.BlankHeight);
    caption->FontFX()->setPosY(quint16(settings.VPos));
    caption->FontFX()->setPosX(quint16(settings.HPos));
    caption->FontFX()->setTracing(settings.Kern);
    view.setRoundPercent(quint8(settings.Corners));
    caption->setMultiLine(settings.Multiline);
    caption->setAlignment(settings.Multiline ? agCenter : agTopLeft);
    caption->FontFX()->setStyle(settings.TextOutline ? tdOutline : tdNone);
    view.Bevel()->setWidth(settings.PageOutline ? kPageOutlineWidth : 0);
    caption->setCaption(settings.Text);
}
