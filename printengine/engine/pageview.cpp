#include "pageview.h"

#include "pagepainter.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

namespace fretprint {
namespace {

const QColor kDeskColor(128, 128, 128);
const QColor kShadowColor(64, 64, 64);
const QColor kRulerColor(240, 240, 240);
const QColor kRulerTickColor(0, 0, 0);
constexpr int kShadowOffset = 4;
constexpr int kMajorTick = 10;
constexpr int kMinorTick = 4;

} // namespace

PageView::PageView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PageView::pixelsPerCm() const { return EngineAbi::kPicturePixelsPerInch / kCmPerInch * m_zoom; }

QSize PageView::pagePixels() const
{
    if (!m_document)
        return {};
    const QSizeF cm = m_document->pageSizeCm();
    return QSizeF(cm.width() * pixelsPerCm(), cm.height() * pixelsPerCm()).toSize();
}

QPoint PageView::paperOrigin() const
{
    const int ruler = m_document && m_document->settings().rulers ? kRulerThickness : 0;
    const int margin = m_document && m_document->settings().paperView ? kPaperMargin : 0;
    return {ruler + margin, ruler + margin};
}

QSize PageView::sizeHint() const
{
    const QPoint origin = paperOrigin();
    const int margin = m_document && m_document->settings().paperView ? kPaperMargin : 0;
    return pagePixels() + QSize(origin.x() + margin, origin.y() + margin);
}

void PageView::refresh()
{
    resize(sizeHint());
    update();
}

void PageView::keyPressEvent(QKeyEvent *event)
{
    if (keyHandler && keyHandler(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool paperView = m_document && m_document->settings().paperView;
    painter.fillRect(rect(), paperView ? kDeskColor : QColor(Qt::white));
    if (!m_document)
        return;
    const QSize page = pagePixels();
    const QPoint origin = paperOrigin();
    if (paperView)
        painter.fillRect(QRect(origin + QPoint(kShadowOffset, kShadowOffset), page), kShadowColor);
    painter.fillRect(QRect(origin, page), Qt::white);

    const auto &pages = m_document->pages();
    if (m_pageIndex >= 0 && m_pageIndex < static_cast<int>(pages.size())) {
        painter.save();
        painter.translate(origin);
        painter.setClipRect(QRect(QPoint(0, 0), page));
        const PreviewSettings &settings = m_document->settings();
        PagePaintOptions options;
        options.grid = settings.gridVisible;
        options.gridInFront = settings.gridMode != 0;
        options.gridStepCm = settings.rulersMeasure == 1 ? kGridStepInchCm : kGridStepCm;
        PaintPage(painter, pages[m_pageIndex], m_document->pageSizeCm(), pixelsPerCm(), options);
        painter.restore();
    }
    if (m_document->settings().rulers)
        paintRulers(painter, page);
}

// Ticks every millimetre (cm rulers) or every eighth of an inch, numbered at
// each whole unit, counted from the paper's corner.
void PageView::paintRulers(QPainter &painter, QSize page) const
{
    const bool inches = m_document->settings().rulersMeasure == 1;
    const double unitPixels = inches ? pixelsPerCm() * kCmPerInch : pixelsPerCm();
    const int ticksPerUnit = inches ? 8 : 10;
    const QPoint origin = paperOrigin();

    painter.fillRect(QRect(0, 0, width(), kRulerThickness), kRulerColor);
    painter.fillRect(QRect(0, 0, kRulerThickness, height()), kRulerColor);
    painter.setPen(kRulerTickColor);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);

    const int unitsAcross = static_cast<int>(page.width() / unitPixels);
    const int unitsDown = static_cast<int>(page.height() / unitPixels);
    for (int tick = 0; tick <= unitsAcross * ticksPerUnit; ++tick) {
        const int x = origin.x() + qRound(tick * unitPixels / ticksPerUnit);
        const bool major = tick % ticksPerUnit == 0;
        painter.drawLine(x, kRulerThickness - (major ? kMajorTick : kMinorTick), x, kRulerThickness - 1);
        if (major)
            painter.drawText(x + 2, 10, QString::number(tick / ticksPerUnit));
    }
    for (int tick = 0; tick <= unitsDown * ticksPerUnit; ++tick) {
        const int y = origin.y() + qRound(tick * unitPixels / ticksPerUnit);
        const bool major = tick % ticksPerUnit == 0;
        painter.drawLine(kRulerThickness - (major ? kMajorTick : kMinorTick), y, kRulerThickness - 1, y);
        if (major)
            painter.drawText(2, y + 10, QString::number(tick / ticksPerUnit));
    }
}

} // namespace fretprint
