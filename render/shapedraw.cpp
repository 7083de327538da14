#include "shapedraw.h"

#include "canvas.h"
#include "shaperaster.h"
#include "shapesettings.h"

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {
Qt::BrushStyle HatchFor(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::BDiagPattern;
    case bsBDiagonal: return Qt::FDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    case bsSolid: return Qt::SolidPattern;
    case bsClear: break;
    }
    return Qt::NoBrush;
}

// The brushes for the two fill passes: the background of a hatched brush
// (or none) and the brush itself.
struct FillBrushes {
    QBrush background;
    QBrush face;
};

FillBrushes BrushesFor(const ShapeDrawArgs &args)
{
    if (args.fillBitmap)
        return {QBrush(), QBrush(*args.fillBitmap)};
    const TBrush &brush = *args.brush;
    if (!brush.Bitmap().isNull())
        return {QBrush(), QBrush(brush.Bitmap())};
    const Qt::BrushStyle style = HatchFor(brush.Style());
    const QBrush face(ColorToQColor(brush.Color()), style);
    const bool hatched = style != Qt::SolidPattern && style != Qt::NoBrush;
    return {hatched ? QBrush(ColorToQColor(args.brushBackColor)) : QBrush(), face};
}

struct Outline {
    int width = 0;
    TSimpleBevelStyle style = sbNormal;
    TColor color = clBlack;
    TColor upperLeft = clBlack;
    TColor lowerRight = clBlack;
};

Outline OutlineFor(const ShapeDrawArgs &args)
{
    Outline outline;
    outline.width = args.bevel && args.bevel->Width() > 0 ? OutlineWidth(args.activeTeeth, args.bevel)
                                                          : 0;
    if (!args.bevel)
        return outline;
    outline.style = args.bevel->Style();
    outline.color = args.bevel->Color();
    // Inset: shadow above and left, light below and right; offset the other way.
    const bool inset = outline.style == sbInset;
    outline.upperLeft = inset ? args.bevel->ShadowColor() : args.bevel->LightColor();
    outline.lowerRight = inset ? args.bevel->LightColor() : args.bevel->ShadowColor();
    return outline;
}

// Two-coloured outlines split the figure's box along its rising diagonal.
template <typename DrawFn>
void DrawOutlineColours(QPainter &painter, const Outline &outline, const QRect &box, DrawFn draw)
{
    if (outline.style == sbNormal) {
        draw(ColorToQColor(outline.color));
        return;
    }
    const QPolygon upperLeft({box.topLeft(), box.topRight() + QPoint(1, 0), box.bottomLeft() + QPoint(0, 1)});
    const QPolygon lowerRight({box.topRight() + QPoint(1, 0), box.bottomRight() + QPoint(1, 1),
                               box.bottomLeft() + QPoint(0, 1)});
    for (const auto &[part, colour] : {std::pair{upperLeft, outline.upperLeft},
                                       std::pair{lowerRight, outline.lowerRight}}) {
        painter.save();
        painter.setClipRegion(QRegion(part), Qt::IntersectClip);
        draw(ColorToQColor(colour));
        painter.restore();
    }
}

void DrawBoxShadow(QPainter &painter, const ShapeDrawArgs &args)
{
    const TShadow &shadow = *args.shadow;
    const QPoint origin(args.rect.Left, args.rect.Top);
    const QPoint p0 = UnpackPoint((*args.points)[0]) + origin;
    const QPoint p1 = UnpackPoint((*args.points)[1]) + origin;
    const QPoint corner = UnpackPoint((*args.points)[2]);
    const SpanList spans = RoundRectSpans(p1.x() - p0.x(), p1.y() - p0.y(), corner.x(), corner.y());
    const Qt::BrushStyle style = shadow.Style() == hssTracing ? Qt::Dense4Pattern : Qt::SolidPattern;
    FillSpans(painter, spans, p0, QBrush(ColorToQColor(shadow.Color()), style));
}

void DrawBoxFigure(TCanvas &canvas, const ShapeDrawArgs &args, int depth)
{
    QPainter &painter = *canvas.Painter();
    const QPoint origin(args.rect.Left - depth, args.rect.Top - depth);
    const QPoint topLeft = UnpackPoint((*args.points)[3]) + origin;
    const QPoint bottomRight = UnpackPoint((*args.points)[4]) + origin;
    const QPoint corner = UnpackPoint((*args.points)[5]) - QPoint(depth, depth);
    const int width = bottomRight.x() - topLeft.x();
    const int height = bottomRight.y() - topLeft.y();
    const Outline outline = OutlineFor(args);
    // Without a pen the fill stops one pixel short on the right and bottom.
    const int penless = outline.width > 0 ? 0 : 1;
    const SpanList fill = RoundRectSpans(width - penless, height - penless, corner.x(), corner.y());
    const FillBrushes brushes = BrushesFor(args);
    if (brushes.background.style() != Qt::NoBrush)
        FillSpans(painter, fill, topLeft, brushes.background);
    if (brushes.face.style() != Qt::NoBrush)
        FillSpans(painter, fill, topLeft, brushes.face);
    if (outline.width <= 0)
        return;
    const SpanList inner = ErodeSpans(fill, outline.width);
    DrawOutlineColours(painter, outline, QRect(topLeft, QSize(width, height)),
                       [&](const QColor &colour) { FillRing(painter, fill, inner, topLeft, colour); });
}

QPolygon PolygonFrom(const TPointList &points, int first, int count, QPoint offset)
{
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = first; i < first + count; ++i)
        polygon.append(UnpackPoint(points[i]) + offset);
    return polygon;
}

void FillAndOutlinePolygon(QPainter &painter, const QPolygon &polygon, const ShapeDrawArgs &args)
{
    const FillBrushes brushes = BrushesFor(args);
    painter.setPen(Qt::NoPen);
    for (const QBrush &brush : {brushes.background, brushes.face}) {
        if (brush.style() == Qt::NoBrush)
            continue;
        painter.setBrush(brush);
        painter.drawPolygon(polygon);
    }
    const Outline outline = OutlineFor(args);
    if (outline.width <= 0)
        return;
    painter.setBrush(Qt::NoBrush);
    DrawOutlineColours(painter, outline, polygon.boundingRect(), [&](const QColor &colour) {
        painter.setPen(QPen(colour, outline.width <= 1 ? 0 : outline.width));
        painter.drawPolygon(polygon);
    });
}

void DrawPolygonShadow(QPainter &painter, const QPolygon &polygon, const TShadow &shadow)
{
    const Qt::BrushStyle style = shadow.Style() == hssTracing ? Qt::Dense4Pattern : Qt::SolidPattern;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(ColorToQColor(shadow.Color()), style));
    painter.drawPolygon(polygon);
}

// The teeth band closes along the figure's edge and is filled like the figure.
void DrawTeeth(QPainter &painter, const ShapeDrawArgs &args, int depth)
{
    const int first = FigurePointCount(args.shape);
    const int count = int(args.points->size()) - first;
    if (count < 3)
        return;
    const QPoint blankOrigin(args.rect.Left - depth, args.rect.Top - depth);
    const QPolygon teeth = PolygonFrom(*args.points, first, count, blankOrigin);
    if (depth > 0 && args.shadow->Style() != hssNone)
        DrawPolygonShadow(painter, teeth.translated(depth, depth), *args.shadow);
    FillAndOutlinePolygon(painter, teeth, args);
}

void SelectOutlinePen(TCanvas &canvas, const ShapeDrawArgs &args)
{
    const Outline outline = OutlineFor(args);
    canvas.Pen().Visible = outline.width > 0;
    canvas.Pen().Color = outline.color;
    canvas.Pen().Width = qMax(1, outline.width);
}
} // namespace

void DrawShape(TCanvas &canvas, const ShapeDrawArgs &args)
{
    SelectOutlinePen(canvas, args);
    QPainter *painter = canvas.Painter();
    const int needed = FigurePointCount(args.shape);
    if (!painter || !args.points || args.points->size() < needed)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const int depth = args.shadow->EffectiveDepth();
    const QPoint origin(args.rect.Left, args.rect.Top);
    if (IsBoxShape(args.shape)) {
        if (depth > 0)
            DrawBoxShadow(*painter, args);
        DrawBoxFigure(canvas, args, depth);
    } else {
        const QPolygon figure = PolygonFrom(*args.points, 0, needed, origin);
        if (depth > 0)
            DrawPolygonShadow(*painter, figure, *args.shadow);
        FillAndOutlinePolygon(*painter, figure.translated(-depth, -depth), args);
    }
    if (args.activeTeeth)
        DrawTeeth(*painter, args, depth);
    painter->restore();
}
