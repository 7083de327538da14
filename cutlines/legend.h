#pragma once
// The legend every cut-line page carries outside the pattern: one line that
// says what the pattern is and what it was made for, and a 1-inch square to
// measure after printing, so a page the printer scaled is caught before the
// board is cut.

#include "core/units.h"
#include "cutlines/drillholes.h"
#include "cutlines/stencil.h"

#include <QSize>
#include <QSizeF>
#include <QString>

class QFont;
class QPainter;

struct TLegend {
    QString text;
    QSize blankPixels;
    double kerf = DefaultKerfPixels;
    double drill = DefaultDrillPixels;
    int insideCuts = 0;
};

// The number of inside cuts of finished cut lines: the waste the wood
// encloses all round, each needing a drilled hole, whether or not the holes
// are shown.
int InsideCutCount(const TFinishedCutLines &finished, const TStencilSettings &settings);

// The legend of a pattern showing `text`, cut as `finished` with `settings`.
TLegend LegendOf(const QString &text, const TFinishedCutLines &finished, const TStencilSettings &settings);

// The pattern's text as its pages name it: on one line, its first 40
// characters.
QString PatternNameText(const QString &text);

// "Scroll Saw · blank 10 x 1.5 in (254 x 38.1 mm) · kerf 0.01 in · drill
// 0.0625 in · 2 inside cuts"; the text cut to its first 40 characters.
QString LegendLine(const TLegend &legend);

// The small type of the legend and of every other note on a pattern's pages.
QFont LegendFont();

// Paints the legend on a page whose painter has its origin at the paper's
// top-left corner, in device units at the device's resolution, beside the
// `patternPixels` of pattern the page shows from its corner (Page::PlacePattern):
// under the pattern when there is room for the square there, else in the
// top margin with a 1-inch scale bar in place of the square.
void PaintLegend(QPainter &page, const TLegend &legend, QSizeF patternPixels);
