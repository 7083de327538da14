#include "cutlines/cutlinespage.h"

#include "core/units.h"
#include "render/pageplacement.h"

#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {
constexpr double PixelsPerInch = Units::kPixelsPerInch;
constexpr double StrokePoints = 0.5;
// The PDF's own unit grid: fine enough that rounding never shows in a cut.
constexpr int PdfResolution = 1200;

// The PDF writer does not report a device that refuses its bytes: this one
// passes them on and remembers whether every one was taken.
class WriteWatch : public QIODevice {
public:
    explicit WriteWatch(QIODevice &target) : m_target(target) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool Refused() const { return m_refused; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 written = m_target.write(data, length);
        m_refused = m_refused || written != length;
        return written;
    }

private:
    QIODevice &m_target;
    bool m_refused = false;
};
} // namespace

QPageLayout CutLinesPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Point);
}

void PaintCutLinesPage(QPainter &painter, const TCutLines &lines, const std::optional<QRectF> &source)
{
    const QPaintDevice &device = *painter.device();
    const double unitsPerPixelX = device.logicalDpiX() / PixelsPerInch;
    const double unitsPerPixelY = device.logicalDpiY() / PixelsPerInch;
    const QPointF corner(PagePlacement::kPictureLeftCm / Units::kCmPerInch * device.logicalDpiX(),
                         PagePlacement::kPictureTopCm / Units::kCmPerInch * device.logicalDpiY());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(corner);
    painter.scale(unitsPerPixelX, unitsPerPixelY);
    if (source) {
        painter.translate(-source->topLeft());
        painter.setClipRect(*source, Qt::IntersectClip);
    }
    QPen pen(Qt::black);
    pen.setCosmetic(false);
    pen.setWidthF(StrokePoints / Units::kPointsPerInch * PixelsPerInch);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ContoursPath(lines.letters));
    painter.drawPath(ContoursPath(lines.blank));
    painter.restore();
}

bool WriteCutLinesPdf(const TCutLines &lines, QIODevice *device)
{
    WriteWatch watch(*device);
    QPdfWriter pdf(&watch);
    pdf.setPageLayout(CutLinesPageLayout());
    pdf.setResolution(PdfResolution);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintCutLinesPage(painter, lines);
    return painter.end() && !watch.Refused();
}
