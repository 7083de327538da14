#pragma once
// Show Cut Lines: the pattern's cut lines in red over the preview, its loose
// pieces in blue, its drill holes and shaded waste when asked for, kept in
// step with every change of the pattern. They are built again only when the
// pattern changed, so repainting an unchanged preview costs nothing extra;
// and they live in a layer of their own above the preview, so no snapshot,
// export, print or pattern file ever contains them.
//
// A large pattern's cut lines take longer to build than a window may stand
// still, so they are built on a worker thread while the window goes on; the
// lines shown until they arrive are the last ones built.

#include "cutlines/stencil.h"

#include <QFuture>

#include <exception>
#include <functional>
#include <memory>

class TBaseShape;
class TCommandGuard;
class TLineOverlay;
class QWidget;
template <typename T>
class QFutureWatcher;

// The cut lines of the pattern `view` shows, with the base bar joined to the
// letters when `baseOn`.
TCutLines PatternCutLines(TBaseShape &view, bool baseOn);

// Everything the overlay and its notes show of one pattern, from one build:
// the finished cut lines, the fragile spots when asked for, and the settings
// they were finished with.
struct TOverlayCutLines {
    TStencilSettings settings;
    TFinishedCutLines finished;
    // Empty unless `settings.fragileSpots`.
    TFragileSpots fragile;
};

// The overlay's cut lines of `shapes`: plain values in, plain values out,
// so that it may run on any thread.
TOverlayCutLines OverlayCutLines(const TPatternShapes &shapes, const TStencilSettings &settings);

// Patterns with fewer glyph path elements on the blank than this are built
// on the window's thread, in the handler of the change; larger ones on a
// worker thread. With every cut-line view on, an element costs up to about
// 40 microseconds, so a pattern just below stays under the tenth of a second
// a window may stand still; the large bold letters the window usually shows
// have under 1,600 elements and keep showing their lines at once.
inline constexpr qsizetype BuildInBackgroundFromElements = 2000;

class TCutLinesOverlay {
public:
    // The layer goes into the view's parent, above everything there (the base
    // bar's shape too). `baseOn` reads the Base switch and `settings` the
    // stencil settings the lines are finished with. Rebuilds that happen
    // outside a command run inside `guard`.
    TCutLinesOverlay(TBaseShape &view, std::function<bool()> baseOn, std::function<TStencilSettings()> settings,
                     TCommandGuard &guard);
    ~TCutLinesOverlay();
    TCutLinesOverlay(const TCutLinesOverlay &) = delete;
    TCutLinesOverlay &operator=(const TCutLinesOverlay &) = delete;

    bool Shown() const { return m_shown; }
    void setShown(bool shown);
    // Something the view does not know of changed the cut lines (the Base
    // switch, a stencil setting).
    void PatternChanged();
    // The lines shown are those of the pattern as it is: no build is running.
    bool UpToDate() const { return !m_building; }

    TLineOverlay &Layer() { return *m_layer; }

    // Told, on the window's thread, of every result the layer shows, so that
    // whatever else shows it keeps to the same lines.
    std::function<void(const TOverlayCutLines &)> OnShown;

private:
    // What a worker hands back: the cut lines, or why there are none.
    struct TBuilt {
        TOverlayCutLines lines;
        std::exception_ptr failure;
    };

    void Rebuild();
    void StartBuild();
    void BuildEnded();
    void Show(const TOverlayCutLines &lines);
    void Clear();

    TBaseShape &m_view;
    std::function<bool()> m_baseOn;
    std::function<TStencilSettings()> m_settings;
    TCommandGuard &m_guard;
    TLineOverlay *m_layer; // owned by the view's parent
    bool m_shown = false;
    // Counts the changes; a build's result shows only when no change came
    // after the one it was started for.
    quint64 m_generation = 0;
    quint64 m_buildGeneration = 0;
    // Until the window has taken the build's result, not just until the
    // worker is done.
    bool m_building = false;
    QFuture<TBuilt> m_build;
    std::unique_ptr<QFutureWatcher<TBuilt>> m_buildWatcher;
};
