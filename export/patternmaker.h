#pragma once
// One pattern view for a whole run, set to each pattern in turn: the picture
// Export BMP and Export PDF write, and the sizes --letter-height and --fit
// choose. Reusing one view keeps memory flat over long lists of names.

#include "core/pattern.h"
#include "render/shapecontrol.h"
#include "render/workimage.h"

#include <QImage>
#include <QRectF>

#include <optional>

struct TPatternLook {
    PatternSettings settings;
    // A font height in pixels chosen for a letter height; replaces the size.
    std::optional<int> fontPixelHeight;
};

class TPatternMaker {
public:
    TPatternMaker();

    // Sets the view to `look`.
    void Show(const TPatternLook &look);

    // The view's picture with the black base bar when Base is on: exactly what
    // the window's Export BMP and Export PDF write.
    QImage ExportPicture();

    // Where the letters' outlines lie, in pattern pixels; empty without text.
    QRectF TextBounds();

    // The pixel height of `look`'s font that makes a capital H `capitalPixels`
    // tall, as the view lays it out.
    int FontPixelHeightFor(const TPatternLook &look, double capitalPixels);

    // `look` with the blank fitted around its text: `margin` pixels right of
    // and below the letters, and at least that much left of and above them
    // (the text moves right and down to make room; it cannot move up, so
    // above the letters the face's own leading may leave more). Centred
    // multi-line text gets at least the margin all round. With a base bar, the bar
    // lies under the letters instead of the bottom margin.
    TPatternLook FittedAround(const TPatternLook &look, double margin);

    TBaseShape &View() { return m_view; }

private:
    TShapeControl m_view;
    TWorkImage m_workImage;
    bool m_base = false;
};
