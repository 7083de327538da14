#include "cutlines/bridges.h"
#include "cutlines/cutwidths.h"
#include "cutlines/kerf.h"
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

TEST(StencilBridges, TieEveryIslandOfBoaToTheWoodWithStripsAsWideAsTheWidthAllAlong)
{
    TShapeControl view;
    const TCutLines lines = LettersOf(view, QStringLiteral("BOA"));
    EXPECT_EQ(IslandsPerPiece(lines.letters), (std::vector<int>{2, 1, 1}));

    const TBridgedCutLines bridged = WithStencilBridges(lines, BridgeWidth, 0, DefaultLeastWidthPixels);
    EXPECT_EQ(bridged.islandsNotBridged, 0);
    EXPECT_EQ(HoleCount(bridged.lines.letters), 0);
    EXPECT_EQ(NestedContours(bridged.lines.letters), 0);
    // Each island is held on two sides.
    EXPECT_EQ(bridged.bridges.size(), 8u);
    const QList<QByteArray> dxf = DxfNesting(bridged.lines).split(' ');
    ASSERT_EQ(dxf.size(), 2);
    EXPECT_EQ(dxf[0].toInt(), OuterCount(bridged.lines.letters));
    EXPECT_EQ(dxf[1].toInt(), 0) << "no CUT polyline inside another";

    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    const QJsonObject held = CheckBridges(lines, bridged.lines, BridgeWidth);
    EXPECT_EQ(held["bridges"].toInt(), 8);
    EXPECT_EQ(held["wood_parts"].toInt(), 1) << "every bridge survives an opening by its width less a pixel";
}

TEST(StencilBridges, OnAScriptNameStandingOnTheBarHoldWithoutCuttingIntoTheBar)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    TShapeControl view;
    SetUpScrollSaw(view, -10, 20);
    view.Caption()->setCaption(QStringLiteral("Madeline"));
    view.Caption()->Font()->setName(QStringLiteral("Dancing Script"));
    const TCutLines welded = BuildCutLines(PatternShapes(view, true));
    const TCutLines plain = CleanedForKerf(welded, DefaultKerfPixels, TCutStyle::Stencil);
    const TBridgedCutLines bridged = WithStencilBridges(plain, BridgeWidth, DefaultKerfPixels, DefaultLeastWidthPixels);
    EXPECT_GT(bridged.bridges.size(), 5u);

    const QJsonObject held = CheckBridges(plain, bridged.lines, BridgeWidth, *welded.baseBar);
    EXPECT_LT(held["in_bar"].toDouble(), 0.5) << "square pixels of the bar taken";
    EXPECT_EQ(held["apart_from_board"].toInt(), 0) << "every island an opening leaves is held";
    EXPECT_EQ(held["wood_parts"].toInt(), 1);
}

TEST(StencilBridges, GoRoundTheBaseBarWhereItWouldBeTheShortestWay)
{
    // A heavy ring standing on a thin bar: through the bar is the shortest way out.
    TCutLines lines = Square({60, 10, 60, 52}, {80, 30, 20, 28}, {200, 100});
    const QRectF bar(20, 60, 160, 10);
    lines.letters.front().points = QPolygonF(QRectF(60, 10, 60, 52)).united(QPolygonF(bar));
    lines.baseBar = bar;
    const TBridgedCutLines bridged = WithStencilBridges(lines, BridgeWidth, 0, DefaultLeastWidthPixels);
    EXPECT_EQ(bridged.islandsNotBridged, 0);
    ASSERT_FALSE(bridged.bridges.empty());
    const QImage after = Fill(bridged.lines.letters, lines.blankSize);
    for (int x = 20; x < 180; ++x)
        for (int y = 60; y < 70; ++y)
            ASSERT_TRUE(Ink(after, x, y)) << "the bar is whole at " << x << ", " << y;
}

TEST(StencilBridges, ReachBothIslandsOfEightAndBAndLeaveOpenLettersAlone)
{
    for (const char *text : {"8", "B"}) {
        TShapeControl view;
        const TCutLines lines = LettersOf(view, QString::fromLatin1(text));
        EXPECT_EQ(HoleCount(lines.letters), 2) << text;
        EXPECT_EQ(HoleCount(WithStencilBridges(lines, BridgeWidth, 0, DefaultLeastWidthPixels).lines.letters), 0) << text;
    }
    for (const char *text : {"i", "l"}) {
        TShapeControl view;
        const TCutLines lines = LettersOf(view, QString::fromLatin1(text));
        const TCutLines bridged = WithStencilBridges(lines, BridgeWidth, 0, DefaultLeastWidthPixels).lines;
        EXPECT_EQ(Fill(bridged.letters, bridged.blankSize), Fill(lines.letters, lines.blankSize)) << text;
    }
}

TEST(StencilBridges, StayOnTheBlankAndLeaveAnIslandThinnerThanThemWholeAndCounted)
{
    // A letter along the blank's top edge can only be bridged downwards.
    const TCutLines atTop = Square({20, 0, 60, 40}, {40, 10, 20, 20}, {100, 100});
    const TBridgedCutLines down = WithStencilBridges(atTop, BridgeWidth, 0, DefaultLeastWidthPixels);
    const QImage top = Fill(down.lines.letters, atTop.blankSize);
    EXPECT_EQ(HoleCount(down.lines.letters), 0);
    EXPECT_TRUE(Ink(top, 50, 5)) << "no strip runs off the blank";
    EXPECT_FALSE(Ink(top, 50, 35)) << "the strip below the island";

    const TCutLines pinhole = Square({20, 20, 60, 60}, {48, 48, 3, 3}, {100, 100});
    const TBridgedCutLines kept = WithStencilBridges(pinhole, BridgeWidth, 0, DefaultLeastWidthPixels);
    EXPECT_EQ(kept.islandsNotBridged, 1);
    EXPECT_EQ(Fill(kept.lines.letters, pinhole.blankSize), Fill(pinhole.letters, pinhole.blankSize));
    EXPECT_EQ(IslandsNotBridgedText(1, 48), QStringLiteral("1 island could not be bridged at 0.5 in"));
    EXPECT_EQ(IslandsNotBridgedText(2, BridgeWidth), QStringLiteral("2 islands could not be bridged at 0.0625 in"));
}

TEST(FragileSpots, SliversOfBoardBetweenPulledTogetherLettersNoneBetweenSpacedOnes)
{
    TShapeControl view;
    SetUpScrollSaw(view, -20, 20);
    view.Caption()->setCaption(QStringLiteral("Soso"));
    const TCutLines pulled = BuildCutLines(PatternShapes(view, false));
    const TFragileSpots stencil = FindFragileSpots(pulled, DefaultLeastWidthPixels, TCutStyle::Stencil);
    EXPECT_GT(stencil.count, 0);
    ASSERT_EQ(stencil.positions.size(), size_t(stencil.count));
    for (const QPointF &spot : stencil.positions)
        EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(pulled.blankSize)).contains(spot));
    // Cut out, the letters overlap broadly: the slivers are waste, no wood.
    EXPECT_EQ(FindFragileSpots(pulled, DefaultLeastWidthPixels, TCutStyle::CutOut).count, 0);

    SetUpScrollSaw(view, 0, 20);
    view.Caption()->setCaption(QStringLiteral("Soso"));
    const TFragileSpots spaced = FindFragileSpots(BuildCutLines(PatternShapes(view, false)), DefaultLeastWidthPixels, TCutStyle::Stencil);
    EXPECT_EQ(spaced.count, 0);
    EXPECT_TRUE(spaced.contours.empty());
}

TEST(FragileSpots, AWiderLeastWidthNeverFlagsLess)
{
    struct TName {
        const char *text, *face;
        int kern;
    };
    // A script name, and a sans one whose spots a width-bound filter once dropped.
    for (const TName &name : {TName{"Madeline", "Dancing Script", -10}, TName{"Theodore", "DejaVu Sans", -30}}) {
        TShapeControl view;
        SetUpScrollSaw(view, name.kern, 20);
        view.Caption()->setCaption(QString::fromLatin1(name.text));
        view.Caption()->Font()->setName(QString::fromLatin1(name.face));
        const TCutLines lines =
            CleanedForKerf(BuildCutLines(PatternShapes(view, true)), DefaultKerfPixels, TCutStyle::CutOut);
        // Shoelace areas, to a hundredth of a square pixel.
        constexpr double Rounding = 0.01;
        double flagged = 0;
        for (int width = 1; width <= 10; ++width) {
            double area = 0;
            for (const TCutContour &c : FindFragileSpots(lines, width, TCutStyle::CutOut).contours) {
                double twice = 0;
                for (qsizetype i = 0; i < c.points.size(); ++i) {
                    const QPointF p = c.points[i], q = c.points[(i + 1) % c.points.size()];
                    twice += p.x() * q.y() - q.x() * p.y();
                }
                area += (c.hole ? -1 : 1) * std::abs(twice) / 2;
            }
            EXPECT_GE(area, flagged - Rounding) << name.text << " at " << width << " px";
            flagged = area;
        }
        EXPECT_GT(flagged, 50) << name.text << ": strokes narrower than 10 px";
    }
}

TEST(FragileSpots, ABridgeExactlyTheLeastWidthHoldsANarrowerOneDoesNot)
{
    // Two pieces of wood joined by a neck: the letters cut a 6-wide bridge.
    TCutLines lines;
    lines.blankSize = QSize(100, 60);
    auto withNeck = [&](double neck) {
        lines.letters = {{QPolygonF(QRectF(40, 0, 20, 30 - neck / 2)), false},
                         {QPolygonF(QRectF(40, 30 + neck / 2, 20, 30 - neck / 2)), false}};
        return FindFragileSpots(lines, DefaultLeastWidthPixels, TCutStyle::Stencil);
    };
    EXPECT_EQ(withNeck(6).count, 0);
    const TFragileSpots narrow = withNeck(4);
    ASSERT_EQ(narrow.count, 1);
    const QRectF spot = narrow.contours.front().points.boundingRect();
    EXPECT_NEAR(spot.center().y(), 30, 0.5);
    EXPECT_NEAR(spot.height(), 4, 0.5);
}

TEST(CutWidths, RefuseWidthsNoBladeOrBlankCanTake)
{
    const QSize blank(960, 144);
    const double kerf = DefaultKerfPixels;
    EXPECT_EQ(BridgeWidthProblem(6, blank, kerf), QString());
    EXPECT_EQ(LeastWidthProblem(144, blank), QString());
    EXPECT_EQ(KerfProblem(0, blank, 6), QString()) << "no kerf: the exact outline";
    EXPECT_EQ(BridgeWidthProblem(0, blank, kerf), QStringLiteral("The bridge width must be more than zero"));
    EXPECT_EQ(LeastWidthProblem(-1, blank), QStringLiteral("The least width of wood must be more than zero"));
    EXPECT_EQ(BridgeWidthProblem(145, blank, kerf),
              QStringLiteral("The bridge width must not be wider than the blank's shorter side"));
    EXPECT_EQ(BridgeWidthProblem(0.5, blank, kerf),
              QStringLiteral("The bridge width must not be narrower than the blade kerf, 0.01 in"));
    EXPECT_EQ(KerfProblem(-0.1, blank, 6), QStringLiteral("The blade kerf must not be less than zero"));
    EXPECT_EQ(KerfProblem(9.6, blank, 6),
              QStringLiteral("The blade kerf must not be wider than the bridge width, 0.0625 in"));
}
