#include "export/tiledpdf.h"

#include "core/errors.h"
#include "cutlines/legend.h"
#include "printengine/protocol/pictureoutline.h"

#include <QImage>

namespace {
// As Export PDF writes: its resolution, pictures stored losslessly, no margins.
constexpr double kUnitsPerCm = Page::kPdfResolution / Units::kCmPerInch;

// Alignment marks: a cross in a ring, in a colour no pattern uses.
const QColor kMarkColor(255, 0, 0);
constexpr double kMarkArmPixels = 12;
constexpr double kMarkRingPixels = 6;
constexpr double kMarkLinePixels = 0.5;
// The tile's label sits in the bottom margin.
constexpr double kLabelBaselineAboveBottomCm = 0.4;
const QString kHowToJoin = QStringLiteral("Overlap the pages so the marks meet; print at 100 %");

const QString kPdfFailed = QStringLiteral("The PDF could not be made");

// Pattern pixels to the page of a PDF at its resolution.
QTransform PatternToPdfPage() { return Page::PatternToPage(Page::kPdfResolution, Page::kPdfResolution); }

void PaintMark(QPainter &painter, QPointF centre)
{
    painter.drawLine(centre - QPointF(kMarkArmPixels, 0), centre + QPointF(kMarkArmPixels, 0));
    painter.drawLine(centre - QPointF(0, kMarkArmPixels), centre + QPointF(0, kMarkArmPixels));
    painter.drawEllipse(centre, kMarkRingPixels, kMarkRingPixels);
}

// The marks of every seam that crosses the tile, twice along each seam, at
// the same pattern places on both pages that share it.
void PaintMarks(QPainter &painter, const TPageTiling &tiling, const QRect &tile)
{
    painter.save();
    QPen pen(kMarkColor, kMarkLinePixels);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF area(tile);
    for (double x : tiling.columnSeams)
        if (x > area.left() && x < area.right() + 1)
            for (double y : {area.top() + area.height() / 4, area.top() + area.height() * 3 / 4})
                PaintMark(painter, QPointF(x, y));
    for (double y : tiling.rowSeams)
        if (y > area.top() && y < area.bottom() + 1)
            for (double x : {area.left() + area.width() / 4, area.left() + area.width() * 3 / 4})
                PaintMark(painter, QPointF(x, y));
    painter.restore();
}

void PaintLabel(QPainter &painter, const QString &label, QSizeF pageInches)
{
    painter.save();
    painter.setFont(LegendFont());
    painter.setPen(Qt::black);
    const double baseline = pageInches.height() * Page::kPdfResolution - kLabelBaselineAboveBottomCm * kUnitsPerCm;
    painter.drawText(QPointF(PatternToPdfPage().dx(), baseline), label);
    painter.restore();
}
} // namespace

TTiledPdf::TTiledPdf(QIODevice *device, TPaper paper) : m_paper(paper)
{
    m_writer = std::make_unique<QPdfWriter>(device);
    m_writer->setResolution(Page::kPdfResolution);
    m_writer->setCreator(QStringLiteral("fretcard-export"));
}

TTiledPdf::~TTiledPdf()
{
    if (m_painter.isActive())
        m_painter.end();
}

void TTiledPdf::StartPage(const TPageTiling &tiling)
{
    if (!m_writer->setPageLayout(Page::Layout(m_paper, tiling.landscape)))
        throw EFretcardError(kPdfFailed);
    if (!m_anyPage) {
        if (!m_painter.begin(m_writer.get()))
            throw EFretcardError(kPdfFailed);
        m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_anyPage = true;
    } else if (!m_writer->newPage()) {
        throw EFretcardError(kPdfFailed);
    }
}

// The painter's unit one pattern pixel, its origin the pattern's top-left
// corner, for a tile showing `source`.
static void PlacePatternPixels(QPainter &painter, const QRect &source)
{
    Page::PlacePattern(painter);
    painter.translate(-QPointF(source.topLeft()));
}

// "\"Welcome Home\": row 1, column 2 of 1x4 · Overlap the pages …"
static QString TileText(const TPageTiling &tiling, const TTile &tile, const QString &name)
{
    return QStringLiteral("\"%1\": %2 · %3").arg(PatternNameText(name), TileLabel(tiling, tile), kHowToJoin);
}

void TTiledPdf::PaintTile(const TPageTiling &tiling, const TTile &tile, const TPatternPages &pattern)
{
    m_painter.save();
    pattern.paint(m_painter, tile.source);
    m_painter.restore();
    if (pattern.beside) {
        m_painter.save();
        pattern.beside(m_painter, tile.source.size());
        m_painter.restore();
    }
    if (!tiling.Tiled()) {
        if (pattern.framed)
            PictureOutline::Paint(m_painter, PatternToPdfPage().mapRect(QRectF(QPointF(0, 0), tile.source.size())),
                                  kUnitsPerCm);
        return;
    }
    m_painter.save();
    PlacePatternPixels(m_painter, tile.source);
    PaintMarks(m_painter, tiling, tile.source);
    m_painter.restore();
    PaintLabel(m_painter, TileText(tiling, tile, pattern.name), tiling.pageInches);
}

int TTiledPdf::AddPattern(const TPatternPages &pattern)
{
    const TPageTiling tiling = PlanPages(pattern.pixels, m_paper);
    for (const TTile &tile : tiling.tiles) {
        StartPage(tiling);
        PaintTile(tiling, tile, pattern);
    }
    return int(tiling.tiles.size());
}

void TTiledPdf::Finish()
{
    if (m_painter.isActive() && !m_painter.end())
        throw EFretcardError(kPdfFailed);
    m_writer.reset();
}

void ShiftToTile(QPainter &page, const QRect &source, QSize patternPixels)
{
    const QRect whole(QPoint(0, 0), patternPixels);
    constexpr int kEdgeRoom = 1;
    const QMargins room(source.left() == whole.left() ? kEdgeRoom : 0, source.top() == whole.top() ? kEdgeRoom : 0,
                        source.right() == whole.right() ? kEdgeRoom : 0,
                        source.bottom() == whole.bottom() ? kEdgeRoom : 0);
    const QRect clip = source.marginsAdded(room);
    const QTransform toPage = PatternToPdfPage();
    page.setClipRect(toPage.mapRect(QRectF(clip.topLeft() - source.topLeft(), clip.size())), Qt::IntersectClip);
    page.translate(-QPointF(source.topLeft()) * toPage.m11());
}

TPaintPattern PaintPicture(const QImage &picture)
{
    return [&picture](QPainter &page, const QRect &source) {
        PlacePatternPixels(page, source);
        page.setClipRect(source);
        // Only the tile's own pixels go into the file, so a long sign does
        // not store its whole picture on every page.
        page.drawImage(QRectF(source), source == picture.rect() ? picture : picture.copy(source));
    };
}
