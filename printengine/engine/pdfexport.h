#pragma once
// Writes a document as PDF: one PDF page per page, at the page's exact size
// and orientation, no margins, pictures stored losslessly.

#include "document.h"

#include <QIODevice>

namespace fretprint {

bool WritePdf(const Document &document, QIODevice *device);

enum class PdfFileResult {
    Written,
    NotCreated, // the file could not be opened, or not put in place
    DiskFull,   // the disk refused part of the content
};

// Through QSaveFile: a failed write leaves an existing file as it was.
PdfFileResult WritePdfFile(const Document &document, const QString &fileName);

// The status a document keeps after WritePdfFile answered `result`.
Status StatusAfter(PdfFileResult result);

} // namespace fretprint
