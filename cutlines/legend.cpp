#include "cutlines/legend.h"

#include "cutlines/cuttexts.h"
#include "page/page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kLegendTextCharacters = 40;
constexpr int kLegendPointSize = 7;
const QString kLegendFace = QStringLiteral("DejaVu Sans");
const QString kOneInch = QStringLiteral("1 in");
constexpr double kSquarePixels = Units::kPixelsPerInch;
// Between the pattern and the legend, and between the square and the line.
constexpr double kGapPixels = Units::kPixelsPerInch / 8.0;
// The scale bar's end ticks, and where the bar runs in the top margin
// (as a share of the margin, from the pattern's top edge up).
constexpr double kTickPixels = Units::kPixelsPerInch / 16.0;
constexpr double kBarHeightInMargin = 0.3;
constexpr double kLinePoints = 0.5;

// Millimetres through the one length writer: inches of a length 25.4 times
// as long read as its millimetres.
QString MillimetresText(double pixels) { return InchesText(pixels * Units::kMmPerInch, 1, TDecimals::Trimmed); }

QString InchesOf(double pixels) { return InchesText(pixels, 2, TDecimals::Trimmed); }

} // namespace

// Never half a character made of two UTF-16 units.
QString PatternNameText(const QString &text)
{
    const QString line = text.simplified();
    if (line.size() <= kLegendTextCharacters)
        return line;
    const int cut = line.at(kLegendTextCharacters - 1).isHighSurrogate() ? kLegendTextCharacters - 1
                                                                         : kLegendTextCharacters;
    return line.left(cut) + QStringLiteral("…");
}

namespace {

// The page as the painter's device holds it, in pattern pixels.
QSizeF PagePixels(const QPaintDevice &device)
{
    return QSizeF(device.width() / double(device.logicalDpiX()) * Units::kPixelsPerInch,
                  device.height() / double(device.logicalDpiY()) * Units::kPixelsPerInch);
}

double CornerPixels() { return Page::kCornerCm / Units::kCmPerInch * Units::kPixelsPerInch; }

struct TLegendPainter {
    QPainter &page;
    QTransform toPage;
    double rightEdge; // in pattern pixels, where the page's right margin starts

    void Line(QPointF from, QPointF to) const { page.drawLine(toPage.map(from), toPage.map(to)); }

    // Text in the rectangle (pattern pixels), wrapped only when the page is too narrow for one line.
    void Text(const QRectF &box, const QString &text, int flags) const
    {
        page.drawText(toPage.mapRect(box), flags | Qt::TextWordWrap, text);
    }

    void SquareBelow(double top, const QString &line) const
    {
        const QRectF square(0, top, kSquarePixels, kSquarePixels);
        page.drawRect(toPage.mapRect(square));
        Text(square, kOneInch, Qt::AlignCenter);
        const double left = square.right() + kGapPixels;
        Text(QRectF(left, top, std::max(rightEdge - left, kSquarePixels), kSquarePixels), line,
             Qt::AlignLeft | Qt::AlignTop);
    }

    void ScaleBarAbove(const QString &line) const
    {
        const double bar = -CornerPixels() * kBarHeightInMargin;
        Line(QPointF(0, bar), QPointF(kSquarePixels, bar));
        for (const double x : {0.0, kSquarePixels})
            Line(QPointF(x, bar), QPointF(x, bar - kTickPixels));
        const double left = kSquarePixels + kGapPixels;
        const QRectF row(left, bar - CornerPixels(), rightEdge - left, CornerPixels());
        Text(row, kOneInch + QStringLiteral("   ") + line, Qt::AlignLeft | Qt::AlignBottom);
    }
};
} // namespace

int InsideCutCount(const TFinishedCutLines &finished, const TStencilSettings &settings)
{
    if (settings.drillHoles)
        return int(finished.lines.marks.drillHoles.size());
    return int(FindDrillHoles(finished.lines, CutStyleOf(settings), settings.drillDiameter, settings.kerf).size());
}

TLegend LegendOf(const QString &text, const TFinishedCutLines &finished, const TStencilSettings &settings)
{
    TLegend legend;
    legend.text = text;
    legend.blankPixels = finished.lines.blankSize;
    legend.kerf = settings.kerf;
    legend.drill = settings.drillDiameter;
    legend.insideCuts = InsideCutCount(finished, settings);
    return legend;
}

QString LegendLine(const TLegend &legend)
{
    const QSize blank = legend.blankPixels;
    return QStringLiteral("\"%1\" · blank %2 x %3 in (%4 x %5 mm) · kerf %6 · drill %7 · %8")
        .arg(PatternNameText(legend.text), InchesOf(blank.width()), InchesOf(blank.height()),
             MillimetresText(blank.width()), MillimetresText(blank.height()), WidthText(legend.kerf),
             WidthText(legend.drill),
             CountText(legend.insideCuts, QStringLiteral("inside cut"), QStringLiteral("inside cuts")));
}

QFont LegendFont()
{
    QFont font(kLegendFace);
    font.setPointSize(kLegendPointSize);
    return font;
}

void PaintLegend(QPainter &page, const TLegend &legend, QSizeF patternPixels)
{
    const QPaintDevice &device = *page.device();
    const QSizeF pagePixels = PagePixels(device);
    // In pattern pixels from the pattern's corner, which lies one margin in.
    const double roomBelow = pagePixels.height() - 2 * CornerPixels() - patternPixels.height() - kGapPixels;
    page.save();
    page.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(Qt::black);
    pen.setWidthF(kLinePoints / Units::kPointsPerInch * device.logicalDpiX());
    page.setPen(pen);
    page.setBrush(Qt::NoBrush);
    page.setFont(LegendFont());
    const TLegendPainter painter{page, Page::PatternToPage(device.logicalDpiX(), device.logicalDpiY()),
                                 pagePixels.width() - 2 * CornerPixels()};
    const QString line = LegendLine(legend);
    if (roomBelow >= kSquarePixels)
        painter.SquareBelow(patternPixels.height() + kGapPixels, line);
    else
        painter.ScaleBarAbove(line);
    page.restore();
}
