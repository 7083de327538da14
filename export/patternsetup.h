#pragma once
// The pattern's thirteen settings as the window would hold them after the
// same steps: its initial settings, then a pattern file through the window's
// reader (values clamped into each bar's range, Base squaring the corners and
// filling the letters), then the command line's overrides.

#include "export/exportoptions.h"
#include "patternfile/patternfile.h"
#include "patternfile/patternsettings.h"

class TBaseShape;

// The window's controls, as values: each setter keeps the control's range and
// runs the same cascade as the control's change handler.
class TSettingsControls final : public PatternControls {
public:
    TSettingsControls() = default;
    explicit TSettingsControls(const PatternSettings &start) : m_settings(start) {}

    void SetScrollBarPosition(int number, int position) override;
    void SetCheckBoxChecked(int number, bool checked) override;
    void SetFontName(const QString &face) override { m_settings.FontName = face; }
    // Cut to what the window's text box holds.
    void SetText(const QString &text) override;

    // The blank may be given larger than the window's bars allow.
    void SetBlankSize(QSize pixels);

    const PatternSettings &Settings() const { return m_settings; }

private:
    PatternSettings m_settings;
};

// The initial settings, or those `patternFile` gives (throws EInOutError as
// the window's Open does), with `overrides` on top.
PatternSettings SettingsFor(const QString &patternFile, const TPatternOverrides &overrides);

// Puts `settings` into a view prepared with PreparePatternView, as the
// window's handlers do.
void ShowSettings(TBaseShape &view, const PatternSettings &settings);
