#pragma once
// One pattern view for a whole run, set to each pattern in turn: the picture
// Export BMP and Export PDF write, and the sizes --letter-height and --fit
// choose. Reusing one view keeps memory flat over long lists of names.

#include "core/pattern.h"
#include "render/shapecontrol.h"
#include "render/workimage.h"

#include <QImage>
#include <QPoint>
#include <QRectF>

#include <optional>

struct TPatternLook {
    PatternSettings settings;
    // A font height in pixels chosen for a letter height; replaces the size.
    std::optional<int> fontPixelHeight;
    // Where --fit put the text: pixels from the caption's corner, as HPos
    // and VPos count them but possibly negative, which the window's bars
    // cannot give. Replaces HPos and VPos; centred lines are then laid from
    // the top, so that the offset holds for them too.
    std::optional<QPoint> textOffset;
};

class TPatternMaker {
public:
    TPatternMaker();

    // Sets the view to `look`.
    void Show(const TPatternLook &look);

    // The view's picture with the black base bar when Base is on: exactly what
    // the window's Export BMP and Export PDF write.
    QImage ExportPicture();

    // Where the letters' outlines lie as laid out, in pattern pixels, also
    // beyond the blank's edges; null without ink.
    QRectF TextInk();

    // The pixel height of `look`'s font that makes a capital H `capitalPixels`
    // tall, as the view lays it out.
    int FontPixelHeightFor(const TPatternLook &look, double capitalPixels);

    // `look` with the blank fitted around the ink of its text: `margin`
    // pixels on every side, equal within a pixel, and the blank at least
    // `minHeight` tall (the text then in the middle). With a base bar, the
    // bar lies under the letters instead of the bottom margin. Unchanged
    // for a text without ink. The blank may come out larger than any
    // pattern may be: the caller says no to that.
    TPatternLook FittedAround(const TPatternLook &look, double margin, int minHeight = 0);

    TBaseShape &View() { return m_view; }

private:
    TShapeControl m_view;
    TWorkImage m_workImage;
    bool m_base = false;
};
