#pragma once
// The paper a pattern goes on at 1:1, in one place: the papers, the page
// Print and Export PDF use, the corner the pattern starts at, the PDF's
// resolution and the one transform from pattern pixels to the page. Print,
// Export PDF, the cut-line page and the exporter's tiled pages all lay out
// their pages with it.

#include "printengine/protocol/papersizes.h"
#include "printengine/protocol/pdfpage.h"

#include <QPageLayout>
#include <QSizeF>
#include <QTransform>

class QPainter;

enum class TPaper { Letter, A4 };

namespace Page {
// The pattern's top-left corner lies this far from the paper's top and left
// edges; a tile of a larger pattern keeps the same margin on every side.
inline constexpr double kCornerCm = 1.0;
inline constexpr int kPdfResolution = PdfPage::kResolution;

// The page Print, Export PDF and the cut-line page put a pattern on.
inline constexpr TPaper kPatternPaper = TPaper::Letter;
inline constexpr bool kPatternLandscape = true;

// The paper's number in the engine's list of paper formats.
Paper::TPaperFormat FormatOf(TPaper paper);
// The paper standing upright, width first.
QSizeF PortraitCm(TPaper paper);
QSizeF PortraitInches(TPaper paper);

// The paper in its orientation at its exact size, without margins: a
// painter's origin is the paper's top-left corner (a printer needs
// QPrinter::setFullPage(true)).
QPageLayout Layout(TPaper paper, bool landscape);
// Landscape letter: the page of Print, Export PDF and the cut lines.
QPageLayout PatternPageLayout();

// Pattern pixels to the device units of a page of `dpiX` by `dpiY` units per
// inch, at 1:1, the pattern's corner kCornerCm from the paper's.
QTransform PatternToPage(double dpiX, double dpiY);
// Makes the painter's unit one pattern pixel and its origin the pattern's
// corner on its device's page, on top of what the painter already does.
void PlacePattern(QPainter &page);
} // namespace Page
