#include "pdfexport.h"

#include "pagepainter.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>

namespace fretprint {

bool WritePdf(const Document &document, QIODevice *device)
{
    QPdfWriter writer(device);
    writer.setResolution(PdfPage::kResolution);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("fretprint"));
    if (!writer.setPageLayout(document.pageLayout()))
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double unitsPerCm = PdfPage::kResolution / kCmPerInch;
    bool first = true;
    for (const Page &page : document.pages()) {
        if (!first && !writer.newPage())
            return false;
        first = false;
        PaintPage(painter, page, document.pageSizeCm(), unitsPerCm);
    }
    return painter.end();
}

PdfFileResult WritePdfFile(const Document &document, const QString &fileName)
{
    // The whole PDF is made in memory first and then written unbuffered, so
    // that a disk that fills up shows as a short write here; a buffered
    // QSaveFile would lose that failure in commit() and put a truncated file
    // in place of the old one. (The program's own guard against short writes
    // lives in its core/, which the engine does not link.)
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    if (!WritePdf(document, &buffer))
        return PdfFileResult::NotCreated;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return PdfFileResult::NotCreated;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return PdfFileResult::DiskFull;
    }
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? PdfFileResult::NotCreated : PdfFileResult::DiskFull;
    return PdfFileResult::Written;
}

Status StatusAfter(PdfFileResult result)
{
    switch (result) {
    case PdfFileResult::Written: return StatusOk;
    case PdfFileResult::DiskFull: return StatusDiskFull;
    case PdfFileResult::NotCreated: break;
    }
    return StatusWriteFailed;
}

} // namespace fretprint
