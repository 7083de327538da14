#pragma once
// The pattern's cut lines: the letters welded into one outline per piece,
// the base bar joined to them, and the blank's outline, as closed contours in
// pattern pixels (96 per inch, origin the blank's top-left, y down).

#include "core/units.h"
#include "render/patternshapes.h"

#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>
#include <vector>

class QPainterPath;

// Cut lines may leave the true outline by at most a thousandth of an inch.
inline constexpr double CutTolerancePixels = Units::kPixelsPerInch / 1000.0;

struct TCutContour {
    // Closed: the last point joins the first, which is not repeated.
    QPolygonF points;
    // The counter of a letter, or a gap the welded letters close in.
    bool hole = false;
};

// A blade-entry hole: where the drill goes through an inside cut, so that
// the blade can be threaded through the wood there.
struct TDrillHole {
    QPointF centre;
    // How far the centre lies from the nearest cut line: the radius of the
    // largest circle the inside cut holds.
    double clearance = 0;
    // Too narrow for the drill with a kerf of room on each side.
    bool tooSmall = false;
};

// What is marked along with the cut lines, when asked for: nothing by default.
struct TCutMarks {
    double drillDiameter = 0;
    // One in every inside cut.
    std::vector<TDrillHole> drillHoles;
    // What the blade removes, shaded on paper and on the screen; never in
    // the files a machine cuts from, which would engrave a fill.
    std::vector<TCutContour> waste;
};

struct TCutLines {
    QSize blankSize;
    // The welded letters (with the base bar), outer contours and holes.
    std::vector<TCutContour> letters;
    // The blank's outline; empty without a page outline.
    std::vector<TCutContour> blank;
    // The base bar's area from edge to edge, when the letters stand on one.
    std::optional<QRectF> baseBar;
    TCutMarks marks;
};

// The cut lines of what the view lays out: its letters, joined to the base
// bar when there is one, and its blank when it is outlined.
TCutLines BuildCutLines(const TPatternShapes &shapes);

// The contours as one path, filled even-odd so that holes stay open: how
// every drawing of the cut lines (page, overlay, spots) turns them into a shape.
QPainterPath ContoursPath(const std::vector<TCutContour> &contours);
