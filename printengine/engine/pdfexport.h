#pragma once
// Writes a document as PDF: one PDF page per page, at the page's exact size
// and orientation, no margins, pictures stored losslessly.

#include "document.h"

#include <QIODevice>

namespace fretprint {

bool WritePdf(const Document &document, QIODevice *device);

// Through QSaveFile: a failed write leaves an existing file as it was.
bool WritePdfFile(const Document &document, const QString &fileName);

} // namespace fretprint
