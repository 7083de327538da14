#include "ui/rulers.h"

#include <QFont>
#include <QPainter>

namespace {
constexpr int kTicksPerInch = 10;
constexpr int kTicksPerHalfInch = 5;
constexpr int kNumberPixelSize = 9;
constexpr int kNumberGap = 2;
const QColor kRulerBackground(255, 255, 255);
const QColor kRulerInk(0, 0, 0);

QFont NumberFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kNumberPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawNumber(QPainter &painter, TRulerOrientation orientation, int offset, int inch)
{
    const QString text = QString::number(inch);
    const int ascent = painter.fontMetrics().ascent();
    if (orientation == TRulerOrientation::Horizontal)
        painter.drawText(offset + kNumberGap, ascent, text);
    else
        painter.drawText(kNumberGap, offset + kNumberGap + ascent, text);
}
} // namespace

int RulerTickOffset(int index)
{
    // 9.6 px per tenth never lands on a half pixel, so rounding is plain.
    return (index * Units::kPixelsPerInch * 2 + kTicksPerInch) / (2 * kTicksPerInch);
}

int RulerTickLength(int index, int rulerThickness)
{
    if (index % kTicksPerInch == 0)
        return rulerThickness;
    if (index % kTicksPerHalfInch == 0)
        return rulerThickness / 2;
    return rulerThickness / 4;
}

QImage DrawRuler(TRulerOrientation orientation, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kRulerBackground);
    QPainter painter(&image);
    painter.setPen(kRulerInk);
    painter.setFont(NumberFont());

    const bool horizontal = orientation == TRulerOrientation::Horizontal;
    const int length = horizontal ? size.width() : size.height();
    const int thickness = horizontal ? size.height() : size.width();
    for (int index = 0; RulerTickOffset(index) < length; ++index) {
        const int at = RulerTickOffset(index);
        const int tick = RulerTickLength(index, thickness);
        if (horizontal)
            painter.drawLine(at, thickness - tick, at, thickness - 1);
        else
            painter.drawLine(thickness - tick, at, thickness - 1, at);
        if (index > 0 && index % kTicksPerInch == 0)
            DrawNumber(painter, orientation, at, index / kTicksPerInch);
    }
    return image;
}

TRulerPicture::TRulerPicture(TRulerOrientation orientation, QSize size, QWidget *parent)
    : QWidget(parent), m_picture(DrawRuler(orientation, size))
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRulerPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
