#pragma once
// Show Cut Lines: the pattern's cut lines in red over the preview, its loose
// pieces in blue, its drill holes and shaded waste when asked for, kept in
// step with every change of the pattern. They are built again only when the
// pattern changed, so repainting an unchanged preview costs nothing extra;
// and they live in a layer of their own above the preview, so no snapshot,
// export, print or pattern file ever contains them.

#include "cutlines/stencil.h"

#include <functional>

class TBaseShape;
class TCommandGuard;
class TLineOverlay;
class QWidget;

// The cut lines of the pattern `view` shows, with the base bar joined to the
// letters when `baseOn`.
TCutLines PatternCutLines(TBaseShape &view, bool baseOn);

class TCutLinesOverlay {
public:
    // The layer goes into the view's parent, above everything there (the base
    // bar's shape too). `baseOn` reads the Base switch. Rebuilds that happen
    // outside a command run inside `guard`.
    TCutLinesOverlay(TBaseShape &view, std::function<bool()> baseOn, TCommandGuard &guard);
    ~TCutLinesOverlay();
    TCutLinesOverlay(const TCutLinesOverlay &) = delete;
    TCutLinesOverlay &operator=(const TCutLinesOverlay &) = delete;

    bool Shown() const { return m_shown; }
    void setShown(bool shown);
    // Something the view does not know of changed the cut lines (the Base switch).
    void PatternChanged();

    TLineOverlay &Layer() { return *m_layer; }

    // Turns the cut lines as built into the ones shown (the kerf, the
    // stencil bridges, the loose pieces, the fragile spots); unset, they are
    // shown as built.
    std::function<TFinishedCutLines(const TCutLines &)> Finish;

private:
    void Rebuild();

    TBaseShape &m_view;
    std::function<bool()> m_baseOn;
    TCommandGuard &m_guard;
    TLineOverlay *m_layer; // owned by the view's parent
    bool m_shown = false;
};
