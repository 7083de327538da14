// libFuzzer target for the cut lines.
//
// Each input is a pattern: six setting bytes (face, size, kern, switches,
// kerf, bridge width) and the text. Beyond "no crash", the finished cut
// lines must be what a blade can follow: every contour a simple ring that
// touches no other, none enclosing less than the kerf squared, every
// bridge wood of its full width from end to end, clear of the base bar, and
// every drill hole in the waste, as far from the cut lines as it claims.
#include "cutlines/clipperpaths.h"
#include "cutlines/segments.h"
#include "cutlines/stencil.h"
#include "render/patternview.h"
#include "render/fontsubstitution.h"
#include "render/shapecontrol.h"

#include <QApplication>
#include <QLineF>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>

namespace {
using namespace CutPaths;

constexpr std::array kFaces{"DejaVu Sans", "Liberation Serif", "Dancing Script", "DejaVu Serif"};
constexpr int kSettingBytes = 6;
// Longer texts only run off the blank; short ones keep each run quick.
constexpr std::size_t kLongestText = 24;
constexpr int kBlankWidth = 480;
constexpr int kBlankHeight = 144;
// What rounding to the polygon library's grid may move a point by.
constexpr double kSlack = 4.0 / Scale;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

struct TInput {
    QString face, text;
    int points = 0, kern = 0;
    bool base = false, outline = false;
    TStencilSettings settings;
};

TInput InputOf(const std::uint8_t *data, std::size_t size)
{
    TInput input;
    input.face = QString::fromLatin1(kFaces[data[0] % kFaces.size()]);
    input.points = 10 + data[1] % 111;
    input.kern = int(data[2] % 61) - 40;
    input.base = data[3] & 1;
    input.settings.bridges = data[3] & 2;
    input.outline = data[3] & 4;
    // Kerf 0 to 3 px, bridge width from the kerf to 24 px.
    input.settings.kerf = (data[4] % 13) / 4.0;
    input.settings.bridgeWidth = std::max(input.settings.kerf, 1.0 + (data[5] % 93) / 4.0);
    input.settings.drillHoles = true;
    input.settings.shadeWaste = true;
    const auto text = reinterpret_cast<const char *>(data + kSettingBytes);
    input.text = QString::fromUtf8(text, qsizetype(std::min(size - kSettingBytes, kLongestText)));
    return input;
}

TShapeControl &View()
{
    static std::unique_ptr<TShapeControl> view;
    if (!view)
        view = std::make_unique<TShapeControl>();
    return *view;
}

TCutLines WeldedCutLines(const TInput &input)
{
    TShapeControl &view = View();
    view.setShape(stRoundRect);
    view.Shadow()->setStyle(hssNone);
    view.Bevel()->setWidth(input.outline ? 1 : 0);
    view.setRoundPercent(0);
    view.setWidth(kBlankWidth);
    view.setHeight(kBlankHeight);
    TCaption &caption = *view.Caption();
    caption.setCaption(input.text);
    caption.setAlignment(agTopLeft);
    caption.Font()->setName(input.face);
    caption.Font()->setSize(input.points);
    caption.FontFX()->setStyle(tdNone);
    caption.FontFX()->setLightDepth(0);
    caption.FontFX()->setShadowDepth(0);
    caption.FontFX()->setTracing(input.kern);
    return BuildCutLines(PatternShapes(view, input.base));
}

// --- Rings that touch nothing ----------------------------------------------

struct TEdge {
    QPointF a, b;
    std::size_t ring, index, ringSize;
};

double SegmentDistance(const TEdge &e, const TEdge &f)
{
    auto pointTo = [](QPointF p, QPointF a, QPointF b) {
        const QPointF d = b - a;
        const double squared = QPointF::dotProduct(d, d);
        const double t = squared > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / squared, 0.0, 1.0) : 0.0;
        return QLineF(p, a + t * d).length();
    };
    auto side = [](QPointF p, QPointF q, QPointF r) {
        return (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
    };
    if (side(e.a, e.b, f.a) * side(e.a, e.b, f.b) < 0 && side(f.a, f.b, e.a) * side(f.a, f.b, e.b) < 0)
        return 0;
    return std::min({pointTo(e.a, f.a, f.b), pointTo(e.b, f.a, f.b), pointTo(f.a, e.a, e.b), pointTo(f.b, e.a, e.b)});
}

bool Neighbours(const TEdge &e, const TEdge &f)
{
    if (e.ring != f.ring)
        return false;
    const std::size_t gap = e.index > f.index ? e.index - f.index : f.index - e.index;
    return gap <= 1 || gap == e.ringSize - 1;
}

// No two edges come nearer than the slack, but for neighbours on one ring.
void RequireRingsApart(const std::vector<TCutContour> &contours)
{
    constexpr double cell = 4.0;
    std::map<std::pair<int, int>, std::vector<TEdge>> cells;
    for (std::size_t r = 0; r < contours.size(); ++r) {
        const QPolygonF &points = contours[r].points;
        Require(points.size() >= 3);
        for (qsizetype i = 0; i < points.size(); ++i) {
            const TEdge edge{points[i], points[(i + 1) % points.size()], r, std::size_t(i), std::size_t(points.size())};
            const QRectF box = QRectF(edge.a, edge.b).normalized().adjusted(-kSlack, -kSlack, kSlack, kSlack);
            for (int y = int(std::floor(box.top() / cell)); y <= int(std::floor(box.bottom() / cell)); ++y)
                for (int x = int(std::floor(box.left() / cell)); x <= int(std::floor(box.right() / cell)); ++x) {
                    std::vector<TEdge> &here = cells[{x, y}];
                    for (const TEdge &other : here)
                        if (!Neighbours(edge, other))
                            Require(SegmentDistance(edge, other) > kSlack);
                    here.push_back(edge);
                }
        }
    }
}

// --- No specks, bridges that hold -----------------------------------------

double Area(const CL::Paths &paths)
{
    double area = 0;
    for (const CL::Path &path : paths)
        area += CL::Area(path);
    return std::abs(area) / (Scale * Scale);
}

void RequireNoSpecks(const std::vector<TCutContour> &contours, double kerf)
{
    if (kerf <= 0)
        return;
    for (const TCutContour &contour : contours)
        Require(AreaOf(ToPath(contour.points)) >= kerf * kerf - kSlack);
}

// The bridge as wood: its strip with a disc at either end, a hair narrower.
CL::Paths Footprint(const TBridge &bridge)
{
    CL::ClipperOffset offset;
    offset.AddPath({ToInt(bridge.from), ToInt(bridge.to)}, CL::jtRound, CL::etOpenRound);
    CL::Paths footprint;
    offset.Execute(footprint, double(ToIntLength(bridge.width / 2 - 2 * CutTolerancePixels)));
    return footprint;
}

void RequireBridgesHold(const TFinishedCutLines &finished)
{
    const CL::Paths letters = RegionOf(finished.lines.letters);
    for (const TBridge &bridge : finished.bridges) {
        const CL::Paths footprint = Footprint(bridge);
        // Wood all along and at both ends: no letter left inside.
        Require(Area(Combine(footprint, letters, CL::ctIntersection)) < 0.01);
        if (finished.lines.baseBar)
            Require(Area(Combine(footprint, {RectanglePath(*finished.lines.baseBar)}, CL::ctIntersection)) == 0);
        Require(QRectF(QPointF(0, 0), QSizeF(finished.lines.blankSize)).contains(bridge.to));
    }
}

// Every drill hole lies in the shaded waste, with as much room round it as
// it claims, and is flagged exactly when the drill and a kerf each side do
// not fit.
void RequireDrillHolesInWaste(const TFinishedCutLines &finished, const TStencilSettings &settings)
{
    const QPainterPath waste = ContoursPath(finished.lines.marks.waste);
    for (const TDrillHole &hole : finished.lines.marks.drillHoles) {
        Require(hole.clearance >= 0);
        Require(hole.tooSmall == (hole.clearance < settings.drillDiameter / 2 + settings.kerf));
        if (hole.clearance <= kSlack)
            continue;
        Require(waste.contains(hole.centre));
        for (const TCutContour &contour : finished.lines.letters) {
            const QPolygonF &ring = contour.points;
            for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
                Require(Distance(hole.centre, Closest(ring[j], ring[i], hole.centre)) >= hole.clearance - kSlack);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    InstallFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < kSettingBytes)
        return 0;
    const TInput input = InputOf(data, size);
    const TFinishedCutLines finished = FinishCutLines(WeldedCutLines(input), input.settings);
    const std::vector<TCutContour> &letters = finished.lines.letters;
    Require(finished.islandsNotBridged >= 0 && finished.loose.count >= 0);
    for (std::size_t contour : finished.loose.contours)
        Require(contour < letters.size());
    RequireBridgesHold(finished);
    RequireDrillHolesInWaste(finished, input.settings);
    // Without a kerf the outline stays exactly as the letters draw it.
    if (input.settings.kerf > 0) {
        RequireRingsApart(letters);
        RequireNoSpecks(letters, input.settings.kerf);
    }
    return 0;
}
