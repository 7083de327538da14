#pragma once
// Connect Letters: the Kern at which the letters of every word hold
// together as one piece, and with a base bar the VPos at which the letters
// stand in it, found for the window and the exporter alike. Only the
// letters are looked at: no writer, no bridges, no blank.

#include "core/pattern.h"
#include "cutlines/stencil.h"
#include "render/patternshapes.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The letters as the pattern lays them out at a Kern, its VPos unchanged.
using TLettersAtKern = std::function<TPatternLetters(int kern)>;

struct TConnectWidths {
    // The thinnest wood a join between letters, or between a letter and
    // the bar, may have.
    double leastWidth = 0;
    // Gaps narrower than the blade's kerf cannot be sawn: the wood on both
    // sides of them is one piece.
    double kerf = 0;
};

// The widths the cut lines are finished with.
TConnectWidths ConnectWidthsOf(const TStencilSettings &stencil);

struct TConnection {
    // The largest Kern at which every word is one piece; none when no Kern
    // in range joins them.
    std::optional<int> kern;
    // With a base bar: the smallest VPos at which every letter standing on
    // the last line's baseline reaches into the bar by the least width.
    std::optional<int> vpos;
    // Without a Kern: the letters that stay apart even at the tightest
    // Kern, "o" in "Word" as ("o", "Word").
    std::vector<std::pair<QString, QString>> apart;
    // Without a Kern: the text has no letters at all, so nothing changes.
    bool noLetters = false;
    // Without a Kern: two neighbouring words that run into each other
    // before their letters join, as ("Olivia", "Grace").
    std::optional<std::pair<QString, QString>> wordsMeeting;
};

// Searches Kern's range from its top down for the largest Kern that joins
// the letters of every word while the words stay apart; then, with a bar,
// sets VPos from `vpos` (the pattern's own).
TConnection ConnectLetters(const TLettersAtKern &lettersAt, int vpos, const TConnectWidths &widths);

// How many whole pixels the letters standing on the last line's baseline
// must move down (negative: may move up) to reach the least width into the
// bar, no more; none without a bar or such letters.
std::optional<int> DropIntoBar(const TPatternLetters &letters, double leastWidth);

// What Connect Letters tells when it cannot join the letters, without a
// full stop: "No Kern from -100 to 100 joins the letters of every word:
// "i" in "Hi" stays apart"; empty when there were no letters to join.
QString LettersApartText(const TConnection &connection);
