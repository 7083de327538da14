#include "app/cutlinescommands.h"

#include "app/exports.h"
#include "core/errors.h"
#include "core/safefile.h"
#include "cutlines/cutlinespage.h"
#include "page/page.h"
#include "ui/dialoghost.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {
const QString kPrinterNotStarted = QStringLiteral("The printer could not be started.");
const QString kPrintingFailed = QStringLiteral("The page could not be printed.");

// The painter's origin is the paper's corner, not the printable area's: the
// pattern lands where it does in the PDF.
void PutCutLinesPageOn(QPrinter &printer)
{
    QPageLayout layout = Page::PatternPageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    printer.setFullPage(true);
    printer.setPageLayout(layout);
}
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

void PrintCutLines(TDialogHost &host, const TCutLines &lines, const TLegend &legend)
{
    QPrinter printer(QPrinter::HighResolution);
    PutCutLinesPageOn(printer);
    if (!host.ExecutePrintDialog(printer))
        return;
    // Qt's print dialog hands a printer queue's own default paper and margins
    // over whatever it was given; the lines are laid out for this page.
    PutCutLinesPageOn(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        throw EFretcardError(kPrinterNotStarted);
    PaintCutLinesSheet(painter, lines, legend);
    if (!painter.end())
        throw EFretcardError(kPrintingFailed);
}
