#include "ui/ornaments.h"

#include <QFont>
#include <QPainter>

namespace {
const QColor kOrnamentInk(0, 0, 128);
const QColor kOrnamentAccent(0, 128, 128);
const QColor kCoinFace(218, 165, 32);
const QColor kCoinRim(139, 101, 8);
const QColor kPictureBackground(0, 128, 128);
constexpr int kRings = 3;
constexpr int kRingSpacing = 4;

// Maps the flourish drawn for the top-left corner onto `corner`.
QTransform CornerTransform(int size, Qt::Corner corner)
{
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    QTransform transform;
    transform.translate(right ? size - 1 : 0, bottom ? size - 1 : 0);
    transform.scale(right ? -1 : 1, bottom ? -1 : 1);
    return transform;
}
} // namespace

QImage DrawCornerOrnament(int size, Qt::Corner corner)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(CornerTransform(size, corner));
    painter.setPen(QPen(kOrnamentInk, 2));
    painter.drawLine(1, 1, size - 2, 1);
    painter.drawLine(1, 1, 1, size - 2);
    painter.setPen(QPen(kOrnamentAccent, 1));
    for (int ring = 1; ring <= kRings; ++ring) {
        const int radius = ring * kRingSpacing;
        painter.drawArc(QRect(1 - radius, 1 - radius, 2 * radius, 2 * radius), 270 * 16, 90 * 16);
    }
    painter.drawLine(QPoint(kRings * kRingSpacing, kRings * kRingSpacing), QPoint(size / 2, size / 2));
    painter.setBrush(kOrnamentInk);
    painter.drawEllipse(QPoint(size / 2, size / 2), 2, 2);
    return image;
}

QImage DrawDonationPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPictureBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int diameter = qMin(size.width(), size.height()) - 12;
    const QRect coin(QPoint((size.width() - diameter) / 2, (size.height() - diameter) / 2),
                     QSize(diameter, diameter));
    painter.setPen(QPen(kCoinRim, 3));
    painter.setBrush(kCoinFace);
    painter.drawEllipse(coin);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(diameter / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kCoinRim);
    painter.drawText(coin, Qt::AlignCenter, QStringLiteral("$5"));
    return image;
}
