#pragma once
// The cut-line commands: Export Cut Lines PDF, Export SVG and Export DXF ask
// for the file the way Export BMP and Export PDF do and write it safely;
// Print Cut Lines prints the cut-line page at full scale. None of them
// changes the window's caption.

#include "cutlines/cutlines.h"
#include "cutlines/legend.h"

#include <QString>
#include <functional>

class QIODevice;
class TDialogHost;
class TExportWindow;

inline const QString kSvgExtension = QStringLiteral(".svg");
inline const QString kDxfExtension = QStringLiteral(".dxf");
inline const QString kSvgFilter = QStringLiteral("SVG file|*.svg");
inline const QString kDxfFilter = QStringLiteral("DXF file|*.dxf");

// Writes the cut lines to an open device; false when it could not.
using TCutLinesWriter = std::function<bool(const TCutLines &, QIODevice *)>;

// The save dialog with `filter`, the extension rule and the overwrite
// question; then `write` fills the chosen file through the safe writer.
// Failures are thrown with the classic file-error messages.
void ExportCutLines(TExportWindow &window, const TCutLines &lines, const QString &filter,
                    const QString &extension, const TCutLinesWriter &write);

// The print dialog, preset to the cut-line page (landscape letter); on Print
// the page goes to the chosen printer at 1:1, nothing scaled to fit, with
// the legend the cut-line PDF carries.
void PrintCutLines(TDialogHost &host, const TCutLines &lines, const TLegend &legend);
