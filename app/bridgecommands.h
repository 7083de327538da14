#pragma once
// Stencil Bridges, Show Fragile Spots, the blade's kerf and the drill for the
// blade-entry holes: how the Cut Lines menu asks for the widths they work with. The settings last for the
// run; they are no part of the pattern and no pattern file holds them.

#include "cutlines/stencil.h"

#include <QSize>
#include <QString>
#include <optional>

class TDialogHost;

// Which width a width question asks for, and what it checks: why `pixels`
// cannot serve on a blank of `blank` pixels beside the other settings.
struct TWidthQuestion {
    QString caption;
    QString prompt;
    QString (*problem)(double pixels, QSize blank, const TStencilSettings &settings);
};
extern const TWidthQuestion kBridgeWidthQuestion;
extern const TWidthQuestion kLeastWidthQuestion;
extern const TWidthQuestion kKerfQuestion;
extern const TWidthQuestion kDrillSizeQuestion;

// Asks for a width through `host`, starting from `current` pixels. Returns
// the new width, or nothing when the box was cancelled. A bare number is
// inches ("0.0625", "1/16"); a length with a unit is taken too ("1.6mm"). A
// text that is no width for `blank` and `settings` is refused with an error
// carrying the reason.
std::optional<double> AskWidth(TDialogHost &host, const TWidthQuestion &question, double current, QSize blank,
                               const TStencilSettings &settings);
