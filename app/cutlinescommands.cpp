#include "app/cutlinescommands.h"

#include "app/exports.h"
#include "core/errors.h"
#include "core/safefile.h"
#include "cutlines/cutlinespage.h"
#include "ui/dialoghost.h"

#include <QPainter>
#include <QPrinter>

namespace {
const QString kPrinterNotStarted = QStringLiteral("The printer could not be started.");
const QString kPrintingFailed = QStringLiteral("The page could not be printed.");
} // namespace

void ExportCutLines(TExportWindow &window, const TCutLines &lines, const QString &filter,
                    const QString &extension, const TCutLinesWriter &write)
{
    const QString target = ChooseExportTarget(window, filter, extension);
    if (target.isEmpty())
        return;
    WriteFileSafely(target, [&](QIODevice *device) {
        // A writer that stopped without the disk saying why still must not
        // leave a half-written file behind.
        if (!write(lines, device))
            FileError::Raise(FileError::WriteFault);
    });
}

void PrintCutLines(TDialogHost &host, const TCutLines &lines)
{
    QPrinter printer(QPrinter::HighResolution);
    // The painter's origin is the paper's corner, not the printable area's:
    // the pattern lands 1 cm from the paper's edges, as in the PDF.
    printer.setFullPage(true);
    printer.setPageLayout(CutLinesPageLayout());
    if (!host.ExecutePrintDialog(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        throw EFretcardError(kPrinterNotStarted);
    PaintCutLinesPage(painter, lines);
    if (!painter.end())
        throw EFretcardError(kPrintingFailed);
}
