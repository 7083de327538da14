#pragma once
// The pattern as the window would hold it after the same steps: its initial
// pattern, then a pattern file as Open reads it (every number in its bar's
// range, Base switched last), then the command line's overrides.

#include "core/pattern.h"
#include "export/exportoptions.h"

// The initial pattern, or the one `patternFile` gives (throws EInOutError as
// the window's Open does), with `overrides` on top.
PatternSettings SettingsFor(const QString &patternFile, const TPatternOverrides &overrides);
