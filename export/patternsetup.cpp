#include "export/patternsetup.h"

#include "patternfile/patternfile.h"
#include "patternfile/patternformat.h"

namespace {
// `file` as Open leaves it over `current`: each number in its range, and Base
// switched last, so that switching it on has the last word.
PatternSettings Opened(const PatternSettings &current, const PatternSettings &file)
{
    PatternSettings pattern = WithinRanges(file);
    pattern.Base = current.Base;
    SwitchBase(pattern, file.Base);
    return pattern;
}
} // namespace

PatternSettings SettingsFor(const QString &patternFile, const TPatternOverrides &overrides)
{
    PatternSettings pattern;
    if (!patternFile.isEmpty())
        pattern = Opened(pattern, LoadPatternFile(patternFile, pattern));

    // Switches first, as a user would tick them, so that the numbers given
    // with them have the last word over Base's.
    if (overrides.multiline)
        pattern.Multiline = true;
    if (overrides.noOutline)
        pattern.TextOutline = false;
    if (overrides.noPageOutline)
        pattern.PageOutline = false;
    if (overrides.base)
        SwitchBase(pattern, true);
    const std::pair<const std::optional<int> &, int &> numbers[] = {
        {overrides.size, pattern.FontSize}, {overrides.vpos, pattern.VPos}, {overrides.hpos, pattern.HPos},
        {overrides.kern, pattern.Kern},     {overrides.corners, pattern.Corners}};
    for (const auto &[value, setting] : numbers)
        if (value)
            setting = *value;
    // The blank may be larger than the window's bars allow.
    if (overrides.blank) {
        pattern.BlankWidth = overrides.blank->width();
        pattern.BlankHeight = overrides.blank->height();
    }
    if (overrides.font)
        pattern.FontName = *overrides.font;
    // Cut to what the window's text box holds.
    if (overrides.text)
        pattern.Text = overrides.text->left(qsizetype(PatternFormat::kMaxTextCharacters));
    return pattern;
}
