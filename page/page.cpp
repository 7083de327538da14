#include "page/page.h"

#include "core/units.h"

#include <QPaintDevice>
#include <QPainter>

namespace Page {

Paper::TPaperFormat FormatOf(TPaper paper) { return paper == TPaper::A4 ? Paper::PAPER_A4 : Paper::PAPER_LETTER; }

QSizeF PortraitCm(TPaper paper)
{
    const Paper::Size size = Paper::SizeOf(FormatOf(paper));
    return QSizeF(size.widthCm, size.heightCm);
}

QSizeF PortraitInches(TPaper paper) { return PortraitCm(paper) / Units::kCmPerInch; }

QPageLayout Layout(TPaper paper, bool landscape) { return PdfPage::ExactLayout(PortraitCm(paper), landscape); }

QPageLayout PatternPageLayout() { return Layout(kPatternPaper, kPatternLandscape); }

QTransform PatternToPage(double dpiX, double dpiY)
{
    return QTransform(dpiX / Units::kPixelsPerInch, 0, 0, dpiY / Units::kPixelsPerInch,
                      kCornerCm / Units::kCmPerInch * dpiX, kCornerCm / Units::kCmPerInch * dpiY);
}

void PlacePattern(QPainter &page)
{
    const QPaintDevice &device = *page.device();
    const QTransform toPage = PatternToPage(device.logicalDpiX(), device.logicalDpiY());
    page.translate(toPage.dx(), toPage.dy());
    page.scale(toPage.m11(), toPage.m22());
}

} // namespace Page
