#include "shapegeometry.h"

#include "shapesettings.h"

#include <QtMath>
#include <algorithm>

namespace {
constexpr int CoordinateLimit = 0xFFFF;
constexpr int PercentScale = 100;
constexpr int StarPoints = 5;
constexpr double StarInnerRatio = 0.38;
constexpr double OctagonCutRatio = 0.29;

struct Box {
    int left, top, right, bottom;
    int lastX() const { return right - 1; }
    int lastY() const { return bottom - 1; }
    int midX() const { return (left + right - 1) / 2; }
    int midY() const { return (top + bottom - 1) / 2; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

void Append(TPointList &points, int x, int y) { points.append(PackPoint(x, y)); }

Box FigureBox(int width, int height, int depth, bool square)
{
    if (!square)
        return Box{depth, depth, width, height};
    const int dx = width > height ? (width - height) / 2 : 0;
    const int dy = width > height ? 0 : (height - width) / 2;
    return Box{depth + dx, depth + dy, width - dx, height - dy};
}

// Teeth take their depth from the figure on their side.
Box MakeRoomForTeeth(Box figure, const TTeeth *teeth)
{
    if (!teeth)
        return figure;
    const int size = std::min<int>(teeth->Size(), std::min(figure.width(), figure.height()) / 2);
    switch (teeth->Side()) {
    case tsTop: figure.top += size; break;
    case tsBottom: figure.bottom -= size; break;
    case tsLeft: figure.left += size; break;
    case tsRight: figure.right -= size; break;
    }
    return figure;
}

void AppendPolygon(TPointList &points, TShapeType shape, const Box &f)
{
    const int l = f.left, t = f.top, r = f.lastX(), b = f.lastY();
    const int cx = f.midX(), cy = f.midY();
    switch (shape) {
    case stTriangleUp: Append(points, cx, t); Append(points, r, b); Append(points, l, b); break;
    case stTriangleRight: Append(points, l, t); Append(points, r, cy); Append(points, l, b); break;
    case stTriangleDown: Append(points, l, t); Append(points, r, t); Append(points, cx, b); break;
    case stTriangleLeft: Append(points, r, t); Append(points, r, b); Append(points, l, cy); break;
    case stDiamond:
        Append(points, cx, t); Append(points, r, cy); Append(points, cx, b); Append(points, l, cy);
        break;
    case stComb: {
        const int quarter = (r - l) / 4;
        Append(points, l + quarter, t); Append(points, r - quarter, t); Append(points, r, cy);
        Append(points, r - quarter, b); Append(points, l + quarter, b); Append(points, l, cy);
        break;
    }
    case stOctagon: {
        const int cut = int(std::min(f.width(), f.height()) * OctagonCutRatio);
        Append(points, l + cut, t); Append(points, r - cut, t); Append(points, r, t + cut);
        Append(points, r, b - cut); Append(points, r - cut, b); Append(points, l + cut, b);
        Append(points, l, b - cut); Append(points, l, t + cut);
        break;
    }
    case stStar: {
        const double rx = (r - l) / 2.0, ry = (b - t) / 2.0;
        for (int i = 0; i < 2 * StarPoints; ++i) {
            const double ratio = i % 2 == 0 ? 1.0 : StarInnerRatio;
            const double angle = -M_PI / 2 + i * M_PI / StarPoints;
            Append(points, qRound(l + rx + rx * ratio * std::cos(angle)),
                   qRound(t + ry + ry * ratio * std::sin(angle)));
        }
        break;
    }
    default: break;
    }
}

// A zigzag from one end of the teeth side to the other, tips at the box edge.
void AppendTeeth(TPointList &points, const TTeeth &teeth, const Box &figure, const Box &outer)
{
    const int pitch = teeth.Pitch();
    const bool horizontal = teeth.Side() == tsTop || teeth.Side() == tsBottom;
    const int from = horizontal ? figure.left : figure.top;
    const int to = horizontal ? figure.lastX() : figure.lastY();
    int base = 0, tip = 0;
    switch (teeth.Side()) {
    case tsTop: base = figure.top; tip = outer.top; break;
    case tsBottom: base = figure.lastY(); tip = outer.lastY(); break;
    case tsLeft: base = figure.left; tip = outer.left; break;
    case tsRight: base = figure.lastX(); tip = outer.lastX(); break;
    }
    auto add = [&](int along, int across) {
        horizontal ? Append(points, along, across) : Append(points, across, along);
    };
    add(from, base);
    for (int start = from; start + pitch <= to + 1; start += pitch) {
        add(start + pitch / 2, tip);
        add(std::min(start + pitch, to), base);
    }
    add(to, base);
}
} // namespace

quint32 PackPoint(int x, int y)
{
    const auto clamp = [](int v) { return quint32(std::clamp(v, 0, CoordinateLimit)); };
    return clamp(x) | (clamp(y) << 16);
}

QPoint UnpackPoint(quint32 packed) { return QPoint(int(packed & 0xFFFF), int(packed >> 16)); }

bool IsBoxShape(TShapeType shape)
{
    return shape == stRectangle || shape == stRoundRect || shape == stEllipse;
}

int FigurePointCount(TShapeType shape)
{
    switch (shape) {
    case stRectangle:
    case stRoundRect:
    case stEllipse: return 6;
    case stTriangleUp:
    case stTriangleRight:
    case stTriangleDown:
    case stTriangleLeft: return 3;
    case stDiamond: return 4;
    case stComb: return 6;
    case stOctagon: return 8;
    case stStar: return 2 * StarPoints;
    }
    return 0;
}

int OutlineWidth(const TTeeth *activeTeeth, const TSimpleBevel *bevel)
{
    if (activeTeeth || !bevel)
        return 1;
    return bevel->Width();
}

void BuildShapePoints(const TRect &box, TShapeType shape, const TTeeth *activeTeeth,
                      TPointList &points, const TShadow &shadow, const TSimpleBevel *bevel,
                      quint8 roundPercent, [[maybe_unused]] const TBrush &brush, bool square)
{
    points.clear();
    const int depth = shadow.EffectiveDepth();
    const int q = OutlineWidth(activeTeeth, bevel) / 2;
    const int width = box.Width();
    const int height = box.Height();
    const Box outer = FigureBox(width, height, depth, square);
    const Box figure = MakeRoomForTeeth(outer, activeTeeth);
    if (IsBoxShape(shape)) {
        const int round = std::min(width - depth, height - depth) * roundPercent / PercentScale;
        const int cornerX = shape == stEllipse ? figure.width() : shape == stRectangle ? 0 : round;
        const int cornerY = shape == stEllipse ? figure.height() : shape == stRectangle ? 0 : round;
        Append(points, figure.left, figure.top);
        Append(points, figure.right, figure.bottom);
        Append(points, cornerX, cornerY);
        Append(points, figure.left + q, figure.top + q);
        Append(points, figure.right, figure.bottom);
        Append(points, cornerX + depth, cornerY + depth);
    } else {
        // A wide pen is centred on the polygon's edges: keep it inside the box.
        const int inset = OutlineWidth(activeTeeth, bevel) / 2;
        AppendPolygon(points, shape,
                      Box{figure.left + inset, figure.top + inset, figure.right - inset,
                          figure.bottom - inset});
    }
    if (activeTeeth)
        AppendTeeth(points, *activeTeeth, figure, outer);
}
