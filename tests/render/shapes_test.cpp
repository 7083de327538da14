#include "render_test_support.h"

#include "render/bmpfile.h"
#include "render/floodfill.h"

#include <QBuffer>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

constexpr int Margin = 12;

// Renders the view into a larger image so that anything drawn outside the
// view's bounds shows.
QImage RenderWithMargin(TShapeControl &view)
{
    QImage image(view.Width() + 2 * Margin, view.Height() + 2 * Margin, QImage::Format_RGB32);
    image.fill(Untouched);
    QPainter painter(&image);
    painter.translate(Margin, Margin);
    view.RenderTo(painter);
    return image;
}

void Baseline(TShapeControl &view)
{
    view.setWidth(120);
    view.setHeight(90);
    view.Shadow()->setStyle(hssNone);
    view.Bevel()->setWidth(1);
    view.Brush()->setColor(clWhite);
}

struct Variant {
    const char *name;
    std::function<void(TShapeControl &)> apply;
};

} // namespace

TEST(OtherFigures, EachPaintsInsideTheViewAndChangesThePicture)
{
    const std::vector<Variant> variants = {
        {"ellipse", [](TShapeControl &v) { v.setShape(stEllipse); }},
        {"round rect", [](TShapeControl &v) { v.setShape(stRoundRect); }},
        {"triangle up", [](TShapeControl &v) { v.setShape(stTriangleUp); }},
        {"triangle right", [](TShapeControl &v) { v.setShape(stTriangleRight); }},
        {"triangle down", [](TShapeControl &v) { v.setShape(stTriangleDown); }},
        {"triangle left", [](TShapeControl &v) { v.setShape(stTriangleLeft); }},
        {"diamond", [](TShapeControl &v) { v.setShape(stDiamond); }},
        {"comb", [](TShapeControl &v) { v.setShape(stComb); }},
        {"octagon", [](TShapeControl &v) { v.setShape(stOctagon); }},
        {"star", [](TShapeControl &v) { v.setShape(stStar); }},
        {"square", [](TShapeControl &v) { v.setSquare(true); }},
        {"solid shadow", [](TShapeControl &v) { v.Shadow()->setStyle(hssSolid); }},
        {"tracing shadow", [](TShapeControl &v) { v.Shadow()->setStyle(hssTracing); }},
        {"star with shadow", [](TShapeControl &v) { v.setShape(stStar); v.Shadow()->setStyle(hssSolid); }},
        {"inset bevel", [](TShapeControl &v) { v.Bevel()->setStyle(sbInset); v.Bevel()->setWidth(3); }},
        {"offset bevel", [](TShapeControl &v) { v.Bevel()->setStyle(sbOffset); v.Bevel()->setWidth(3); }},
        {"wide outline", [](TShapeControl &v) { v.Bevel()->setWidth(5); }},
        {"wide polygon outline", [](TShapeControl &v) { v.setShape(stDiamond); v.Bevel()->setWidth(4); }},
        {"hatched brush", [](TShapeControl &v) { v.Brush()->setStyle(bsDiagCross); }},
        {"teeth", [](TShapeControl &v) { v.setMode(scmTeethFast); }},
        {"teeth on the left", [](TShapeControl &v) { v.setMode(scmTeethFast); v.Teeth()->setSide(tsLeft); }},
        {"gradient fill", [](TShapeControl &v) { v.setMode(scmShapeFill); v.ShapeFill()->setStyle(sfGradient); }},
        {"teeth with fill", [](TShapeControl &v) { v.setMode(scmTeethFill); v.ShapeFill()->setStyle(sfGradient); }},
        {"clipped caption in fill", [](TShapeControl &v) {
             v.setMode(scmShapeFill);
             v.setCaptionClip(true);
             v.Caption()->setCaption(QStringLiteral("WWW"));
             v.Caption()->Font()->setSize(40);
         }},
    };
    TShapeControl reference;
    Baseline(reference);
    const QImage baseline = RenderWithMargin(reference);
    const QRect inside(Margin, Margin, 120, 90);
    for (const Variant &variant : variants) {
        SCOPED_TRACE(variant.name);
        TShapeControl view;
        Baseline(view);
        variant.apply(view);
        const QImage image = RenderWithMargin(view);
        EXPECT_NE(image, baseline);
        EXPECT_EQ(CountColour(image, Untouched), image.width() * image.height() -
                                                     inside.width() * inside.height() +
                                                     CountColour(image, Untouched, inside));
        EXPECT_LT(CountColour(image, Untouched, inside), inside.width() * inside.height());
    }
}

TEST(OtherFigures, ShadowFallsBelowRightOfTheBlank)
{
    TShapeControl view;
    Baseline(view);
    view.Shadow()->setStyle(hssSolid);
    view.Shadow()->setColor(clNavy);
    const QImage image = Render(view);
    const QRect shadow = BoundsOf(image, qRgb(0, 0, 128));
    EXPECT_EQ(shadow.bottomRight(), QPoint(119, 89));
    EXPECT_EQ(BoundsOf(image, Black), QRect(0, 0, 114, 84));
}

TEST(BmpFile, WritesBottomUpPaddedRowsBehindTheHeaders)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9));
    image.setPixel(1, 1, qRgb(10, 11, 12));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteBmp(image, &buffer);
    const QByteArray bytes = buffer.data();
    ASSERT_EQ(bytes.size(), 54 + 2 * 8);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    auto u32 = [&](int at) { return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
                                    quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24; };
    EXPECT_EQ(u32(2), 70u);
    EXPECT_EQ(u32(10), 54u);
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u32(18), 2u);
    EXPECT_EQ(u32(22), 2u);
    EXPECT_EQ(quint8(bytes[28]), 24);
    EXPECT_EQ(u32(30), 0u);
    EXPECT_EQ(u32(34), 16u);
    EXPECT_EQ(u32(38), 3780u);
    EXPECT_EQ(u32(42), 3780u);
    // Bottom row first, blue-green-red, padded to four bytes.
    EXPECT_EQ(bytes.mid(54, 8), QByteArray("\x09\x08\x07\x0c\x0b\x0a\x00\x00", 8));
    EXPECT_EQ(bytes.mid(62, 8), QByteArray("\x03\x02\x01\x06\x05\x04\x00\x00", 8));
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadBmp(&buffer).convertToFormat(QImage::Format_RGB32), image);
}

TEST(BmpFile, EmptyImageWritesNothing)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteBmp(QImage(), &buffer);
    EXPECT_TRUE(buffer.data().isEmpty());
}

TEST(FloodFill, FillsInsideTheBorderOnly)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(2, 2, 10, 10); // border on 2..12
    painter.end();
    FloodFillBorder(image, QPoint(5, 5), Black, Red);
    EXPECT_EQ(CountColour(image, Red), 9 * 9);
    EXPECT_EQ(BoundsOf(image, Red), QRect(3, 3, 9, 9));
    // On the border: nothing.
    FloodFillBorder(image, QPoint(2, 2), Black, 0xFF00FF00);
    EXPECT_EQ(CountColour(image, 0xFF00FF00), 0);
    FloodFillBorder(image, QPoint(50, 50), Black, 0xFF00FF00);
}

TEST(FloodFill, LargeWindingAreaDoesNotExhaustTheStack)
{
    QImage image(2000, 2000, QImage::Format_RGB32);
    image.fill(White);
    // Comb-shaped walls force many separate runs.
    for (int x = 1; x < 2000; x += 2)
        for (int y = (x / 2) % 2 ? 0 : 1; y < 1999 + ((x / 2) % 2 ? 0 : 1); ++y)
            image.setPixel(x, y, Black);
    FloodFillBorder(image, QPoint(0, 0), Black, Red);
    EXPECT_EQ(CountColour(image, Red) + CountColour(image, Black), 2000 * 2000);
}
