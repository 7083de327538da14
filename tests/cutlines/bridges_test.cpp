#include "cutlines/bridges.h"
#include "cutlines/cutwidths.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/fragile.h"
#include "cutlines_test_support.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuttest;

namespace {

constexpr int BridgeWidth = 6;

// `text` alone on a blank tall enough for its letters, kern 0.
TCutLines LettersOf(TShapeControl &view, const QString &text, int points = 120)
{
    SetUpScrollSaw(view, 0, 10);
    view.setHeight(240);
    view.Caption()->setCaption(text);
    view.Caption()->Font()->setSize(points);
    return BuildCutLines(PatternShapes(view, false));
}

int HoleCount(const std::vector<TCutContour> &contours)
{
    int holes = 0;
    for (const TCutContour &c : contours)
        holes += c.hole ? 1 : 0;
    return holes;
}

// The holes inside each outer contour, from left to right.
std::vector<int> IslandsPerPiece(const std::vector<TCutContour> &contours)
{
    std::vector<const TCutContour *> outers;
    for (const TCutContour &c : contours)
        if (!c.hole)
            outers.push_back(&c);
    std::sort(outers.begin(), outers.end(), [](auto *a, auto *b) {
        return a->points.boundingRect().left() < b->points.boundingRect().left();
    });
    std::vector<int> islands;
    for (const TCutContour *outer : outers) {
        int count = 0;
        for (const TCutContour &c : contours)
            count += c.hole && outer->points.containsPoint(c.points.first(), Qt::OddEvenFill) ? 1 : 0;
        islands.push_back(count);
    }
    return islands;
}

int NestedContours(const std::vector<TCutContour> &contours)
{
    int nested = 0;
    for (const TCutContour &inner : contours)
        for (const TCutContour &outer : contours)
            if (&inner != &outer && outer.points.containsPoint(inner.points.first(), Qt::OddEvenFill))
                ++nested;
    return nested;
}

bool Ink(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128;
}

struct TBridgeRows {
    int bridges = 0;
    int narrowestAcrossStroke = 1 << 30;
};

// The wood the bridges leave: letter pixels before, not after. Where a
// bridge crosses the stroke it has letter on both sides; its run there is
// its width.
TBridgeRows BridgesBetween(const QImage &before, const QImage &after)
{
    QImage seen(before.size(), QImage::Format_Mono);
    seen.fill(0);
    TBridgeRows rows;
    auto bridge = [&](int x, int y) { return Ink(before, x, y) && !Ink(after, x, y); };
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            if (!bridge(x, y) || seen.pixelIndex(x, y))
                continue;
            ++rows.bridges;
            std::vector<QPoint> todo{{x, y}};
            seen.setPixel(x, y, 1);
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (before.rect().contains(q) && bridge(q.x(), q.y()) && !seen.pixelIndex(q)) {
                        seen.setPixel(q, 1);
                        todo.push_back(q);
                    }
                }
            }
        }
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            if (!bridge(x, y) || bridge(x - 1, y))
                continue;
            int end = x;
            while (bridge(end + 1, y))
                ++end;
            if (Ink(after, x - 1, y) && Ink(after, end + 1, y))
                rows.narrowestAcrossStroke = std::min(rows.narrowestAcrossStroke, end - x + 1);
        }
    return rows;
}

// Counts, in a DXF read back by ezdxf, the CUT polylines lying inside
// another one; -1 when the file cannot be read.
const char *NestedInDxf = R"(
import sys, ezdxf
from ezdxf.math import is_point_in_polygon_2d, Vec2
doc = ezdxf.readfile(sys.argv[1])
rings = [[Vec2(p[0], p[1]) for p in e.get_points('xy')] for e in doc.modelspace() if e.dxf.layer == 'CUT']
print(len(rings), sum(1 for a in rings for b in rings if a is not b and is_point_in_polygon_2d(a[0], b) > 0))
)";

QByteArray DxfNesting(const TCutLines &lines)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bridged.dxf")));
    if (!file.open(QIODevice::WriteOnly) || !WriteCutLinesDxf(lines, &file))
        return {};
    file.close();
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(NestedInDxf), file.fileName()});
    python.waitForFinished(60000);
    return python.readAllStandardOutput().trimmed();
}

TCutLines Square(QRectF outer, QRectF hole, QSize blank)
{
    TCutLines lines;
    lines.blankSize = blank;
    lines.letters.push_back({QPolygonF(outer), false});
    lines.letters.push_back({QPolygonF(hole), true});
    return lines;
}

} // namespace

TEST(StencilBridges, TieEveryIslandOfBoaToTheWoodWithFullWidthStrips)
{
    TShapeControl view;
    const TCutLines lines = LettersOf(view, QStringLiteral("BOA"));
    EXPECT_EQ(IslandsPerPiece(lines.letters), (std::vector<int>{2, 1, 1}));

    const TCutLines bridged = WithStencilBridges(lines, BridgeWidth);
    EXPECT_EQ(HoleCount(bridged.letters), 0);
    EXPECT_EQ(NestedContours(bridged.letters), 0);
    const QList<QByteArray> dxf = DxfNesting(bridged).split(' ');
    ASSERT_EQ(dxf.size(), 2);
    EXPECT_EQ(dxf[0].toInt(), OuterCount(bridged.letters));
    EXPECT_EQ(dxf[1].toInt(), 0) << "no CUT polyline inside another";
    const TBridgeRows rows = BridgesBetween(Fill(lines.letters, lines.blankSize),
                                            Fill(bridged.letters, bridged.blankSize));
    // B: above its upper island, below its lower; O above and below; A above and below.
    EXPECT_GE(rows.bridges, 6);
    // Aliased filling may lose one pixel of the strip's six.
    EXPECT_GE(rows.narrowestAcrossStroke, BridgeWidth - 1);
    EXPECT_LE(rows.narrowestAcrossStroke, BridgeWidth + 1);
}

TEST(StencilBridges, ReachBothIslandsOfEightAndBAndLeaveOpenLettersAlone)
{
    for (const char *text : {"8", "B"}) {
        TShapeControl view;
        const TCutLines lines = LettersOf(view, QString::fromLatin1(text));
        EXPECT_EQ(HoleCount(lines.letters), 2) << text;
        EXPECT_EQ(HoleCount(WithStencilBridges(lines, BridgeWidth).letters), 0) << text;
    }
    for (const char *text : {"i", "l"}) {
        TShapeControl view;
        const TCutLines lines = LettersOf(view, QString::fromLatin1(text));
        const TCutLines bridged = WithStencilBridges(lines, BridgeWidth);
        EXPECT_EQ(Fill(bridged.letters, bridged.blankSize), Fill(lines.letters, lines.blankSize)) << text;
    }
}

TEST(StencilBridges, StayOnTheBlankAndReachIslandsNarrowerThanThemselves)
{
    // A letter along the blank's top edge can only be bridged downwards.
    const TCutLines atTop = Square({20, 0, 60, 40}, {40, 10, 20, 20}, {100, 100});
    const QImage top = Fill(WithStencilBridges(atTop, BridgeWidth).letters, atTop.blankSize);
    EXPECT_EQ(HoleCount(WithStencilBridges(atTop, BridgeWidth).letters), 0);
    EXPECT_TRUE(Ink(top, 50, 5)) << "no strip runs off the blank";
    EXPECT_FALSE(Ink(top, 50, 35)) << "the strip below the island";

    const TCutLines pinhole = Square({20, 20, 60, 60}, {48, 48, 3, 3}, {100, 100});
    const TCutLines bridged = WithStencilBridges(pinhole, BridgeWidth);
    EXPECT_EQ(HoleCount(bridged.letters), 0);
    EXPECT_EQ(NestedContours(bridged.letters), 0);
}

TEST(FragileSpots, SliversWhereLettersArePulledTogetherNoneAtKernZero)
{
    TShapeControl view;
    SetUpScrollSaw(view, -20, 20);
    const QRect bar = BaseBarOf(view);
    const TFragileSpots pulled = FindFragileSpots(BuildCutLines(PatternShapes(view, true)), DefaultLeastWidthPixels);
    int amongLetters = 0;
    for (const TCutContour &c : pulled.contours)
        amongLetters += !c.hole && c.points.boundingRect().bottom() < bar.top() ? 1 : 0;
    EXPECT_GT(amongLetters, 0);
    EXPECT_GE(pulled.count, amongLetters);

    SetUpScrollSaw(view, 0, 20);
    const TFragileSpots spaced = FindFragileSpots(BuildCutLines(PatternShapes(view, false)), DefaultLeastWidthPixels);
    EXPECT_EQ(spaced.count, 0);
    EXPECT_TRUE(spaced.contours.empty());
}

TEST(FragileSpots, ABridgeExactlyTheLeastWidthHoldsANarrowerOneDoesNot)
{
    // Two pieces of wood joined by a neck: the letters cut a 6-wide bridge.
    TCutLines lines;
    lines.blankSize = QSize(100, 60);
    auto withNeck = [&](double neck) {
        lines.letters = {{QPolygonF(QRectF(40, 0, 20, 30 - neck / 2)), false},
                         {QPolygonF(QRectF(40, 30 + neck / 2, 20, 30 - neck / 2)), false}};
        return FindFragileSpots(lines, DefaultLeastWidthPixels);
    };
    EXPECT_EQ(withNeck(6).count, 0);
    const TFragileSpots narrow = withNeck(4);
    ASSERT_EQ(narrow.count, 1);
    const QRectF spot = narrow.contours.front().points.boundingRect();
    EXPECT_NEAR(spot.center().y(), 30, 0.5);
    EXPECT_NEAR(spot.height(), 4, 0.5);
}

TEST(CutWidths, RefuseZeroNegativeAndWiderThanTheBlank)
{
    const QSize blank(960, 144);
    EXPECT_EQ(BridgeWidthProblem(6, blank), QString());
    EXPECT_EQ(LeastWidthProblem(144, blank), QString());
    EXPECT_EQ(BridgeWidthProblem(0, blank), QStringLiteral("The bridge width must be more than zero"));
    EXPECT_EQ(LeastWidthProblem(-1, blank), QStringLiteral("The least width of wood must be more than zero"));
    EXPECT_EQ(BridgeWidthProblem(145, blank), QStringLiteral("The bridge width must not be wider than the blank"));
}
