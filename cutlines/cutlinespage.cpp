#include "cutlines/cutlinespage.h"

#include "core/completewrites.h"
#include "core/units.h"
#include "cutlines/drillholes.h"
#include "page/page.h"

#include <QIODevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {
constexpr double StrokePoints = 0.5;
// Light enough that the cut lines and the marks stay clear on it, dark
// enough to tell the waste from the wood at a glance, in print too.
const QColor WasteShade(217, 217, 217);

void PaintDrillMarks(QPainter &painter, const TCutMarks &marks)
{
    for (const TDrillHole &hole : marks.drillHoles)
        painter.drawPath(DrillMarkPath(hole, marks.drillDiameter));
}
} // namespace

void PaintCutLinesPage(QPainter &painter, const TCutLines &lines, const std::optional<QRectF> &source)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    Page::PlacePattern(painter);
    if (source) {
        painter.translate(-source->topLeft());
        painter.setClipRect(*source, Qt::IntersectClip);
    }
    painter.fillPath(ContoursPath(lines.marks.waste), WasteShade);
    QPen pen(Qt::black);
    pen.setCosmetic(false);
    pen.setWidthF(StrokePoints / Units::kPointsPerInch * Units::kPixelsPerInch);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ContoursPath(lines.letters));
    painter.drawPath(ContoursPath(lines.blank));
    PaintDrillMarks(painter, lines.marks);
    painter.restore();
}

void PaintCutLinesSheet(QPainter &painter, const TCutLines &lines, const TLegend &legend)
{
    PaintCutLinesPage(painter, lines);
    PaintLegend(painter, legend, lines.blankSize);
}

bool WriteCutLinesPdf(const TCutLines &lines, const TLegend &legend, QIODevice *device)
{
    CompleteWritesOnly watch(*device);
    QPdfWriter pdf(&watch);
    pdf.setPageLayout(Page::PatternPageLayout());
    pdf.setResolution(Page::kPdfResolution);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintCutLinesSheet(painter, lines, legend);
    return painter.end() && !watch.Failed();
}
