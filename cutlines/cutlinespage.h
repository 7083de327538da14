#pragma once
// The cut lines on paper: the page the pattern's PDF export uses
// (Page::PatternPageLayout), the pattern placed on it as page/ places it, at
// full scale, in thin black vector strokes: the waste shaded light grey
// beneath them and the drill holes marked when the cut lines carry them.

#include "cutlines/cutlines.h"
#include "cutlines/legend.h"

#include <QRectF>
#include <optional>

class QIODevice;
class QPainter;

// Paints the cut lines at 1:1 on a painter whose device has its origin at the
// paper's top-left corner; the device's resolution (logicalDpiX/Y) turns
// pattern pixels into device units, nothing is scaled to fit. With `source`
// (in pattern pixels), only that part of the pattern is drawn, its top-left
// corner placed where the pattern's would be, clipped to its size: one piece
// of a pattern larger than the paper.
void PaintCutLinesPage(QPainter &painter, const TCutLines &lines,
                       const std::optional<QRectF> &source = std::nullopt);

// The whole cut-line page: the cut lines and their legend beside them. The
// window's print and the cut-line PDF both draw it.
void PaintCutLinesSheet(QPainter &painter, const TCutLines &lines, const TLegend &legend);

// One page of the cut lines with their legend as a vector PDF, written to
// `device` (open for writing). False when the PDF could not be written.
bool WriteCutLinesPdf(const TCutLines &lines, const TLegend &legend, QIODevice *device);
