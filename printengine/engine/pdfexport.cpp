#include "pdfexport.h"

#include "pagepainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace fretprint {
namespace {

// High enough that placing by centimetres never rounds a picture's edge.
constexpr int kPdfResolution = 1200;

QPageLayout LayoutFor(const Document &document)
{
    const QSizeF paperCm = document.paperSizeCm();
    const QSizeF portraitPoints(paperCm.width() / kCmPerInch * kPointsPerInch,
                                paperCm.height() / kCmPerInch * kPointsPerInch);
    // Exact points, never snapped to a "nearby" standard size.
    QPageSize size(portraitPoints, QPageSize::Point, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, document.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

bool WritePdf(const Document &document, QIODevice *device)
{
    QPdfWriter writer(device);
    writer.setResolution(kPdfResolution);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("fretprint"));
    if (!writer.setPageLayout(LayoutFor(document)))
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double unitsPerCm = kPdfResolution / kCmPerInch;
    bool first = true;
    for (const Page &page : document.pages()) {
        if (!first && !writer.newPage())
            return false;
        first = false;
        PaintPage(painter, page, document.pageSizeCm(), unitsPerCm);
    }
    return painter.end();
}

bool WritePdfFile(const Document &document, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!WritePdf(document, &file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace fretprint
