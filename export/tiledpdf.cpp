#include "export/tiledpdf.h"

#include "core/errors.h"
#include "printengine/pictureoutline.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>

namespace {
using namespace PageTiling;

// As Export PDF writes: fine enough that placing by centimetres never rounds
// a picture's edge, pictures stored losslessly, no margins.
constexpr int kPdfResolution = 1200;
constexpr double kUnitsPerPixel = double(kPdfResolution) / Units::kPixelsPerInch;
constexpr double kUnitsPerCm = kPdfResolution / Units::kCmPerInch;

// Alignment marks: a cross in a ring, in a colour no pattern uses.
const QColor kMarkColor(255, 0, 0);
constexpr double kMarkArmPixels = 12;
constexpr double kMarkRingPixels = 6;
constexpr double kMarkLinePixels = 0.5;
// The tile's label sits in the bottom margin.
constexpr double kLabelBaselineAboveBottomCm = 0.4;
constexpr int kLabelPointSize = 8;
const QString kLabelFace = QStringLiteral("DejaVu Sans");

const QString kPdfFailed = QStringLiteral("The PDF could not be made");

QPageLayout LayoutFor(const TPageTiling &tiling)
{
    const QSizeF portraitInches = tiling.landscape ? tiling.pageInches.transposed() : tiling.pageInches;
    // Exact points, never snapped to a "nearby" standard size.
    const QPageSize size(portraitInches * double(Units::kPointsPerInch), QPageSize::Point, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, tiling.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

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
    QFont font(kLabelFace);
    font.setPointSize(kLabelPointSize);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double baseline = pageInches.height() * kPdfResolution - kLabelBaselineAboveBottomCm * kUnitsPerCm;
    painter.drawText(QPointF(kMarginCm * kUnitsPerCm, baseline), label);
    painter.restore();
}
} // namespace

TTiledPdf::TTiledPdf(QIODevice *device, TPaper paper) : m_paper(paper)
{
    m_writer = std::make_unique<QPdfWriter>(device);
    m_writer->setResolution(kPdfResolution);
    m_writer->setCreator(QStringLiteral("fretcard-export"));
}

TTiledPdf::~TTiledPdf()
{
    if (m_painter.isActive())
        m_painter.end();
}

void TTiledPdf::StartPage(const TPageTiling &tiling)
{
    if (!m_writer->setPageLayout(LayoutFor(tiling)))
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
    painter.translate(kMarginCm * kUnitsPerCm, kTopMarginCm * kUnitsPerCm);
    painter.scale(kUnitsPerPixel, kUnitsPerPixel);
    painter.translate(-QPointF(source.topLeft()));
}

void TTiledPdf::PaintTile(const TPageTiling &tiling, const TTile &tile, const TPaintPattern &paint, bool framed)
{
    m_painter.save();
    paint(m_painter, tile.source);
    m_painter.restore();
    if (!tiling.Tiled()) {
        if (framed)
            PictureOutline::Paint(m_painter, QRectF(QPointF(kMarginCm * kUnitsPerCm, kTopMarginCm * kUnitsPerCm),
                                                  QSizeF(tile.source.size()) * kUnitsPerPixel),
                                  kUnitsPerCm);
        return;
    }
    m_painter.save();
    PlacePatternPixels(m_painter, tile.source);
    PaintMarks(m_painter, tiling, tile.source);
    m_painter.restore();
    PaintLabel(m_painter, TileLabel(tiling, tile), tiling.pageInches);
}

int TTiledPdf::AddPattern(QSize patternPixels, const TPaintPattern &paint, bool framed)
{
    const TPageTiling tiling = PlanPages(patternPixels, m_paper);
    for (const TTile &tile : tiling.tiles) {
        StartPage(tiling);
        PaintTile(tiling, tile, paint, framed);
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
    const QPointF corner(kMarginCm * kUnitsPerCm, kTopMarginCm * kUnitsPerCm);
    const QRect clip = source.marginsAdded(room);
    page.setClipRect(QRectF(corner + QPointF(clip.topLeft() - source.topLeft()) * kUnitsPerPixel,
                            QSizeF(clip.size()) * kUnitsPerPixel),
                     Qt::IntersectClip);
    page.translate(-QPointF(source.topLeft()) * kUnitsPerPixel);
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
