// Blade-entry holes, read back from the DXF by ezdxf and checked against
// the waste with shapely.
#include "cutlines/stencil.h"
#include "cutlines_test_support.h"

#include <QJsonArray>
#include <cmath>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuttest;

namespace {

// A hundredth of a pixel: what rounding to the file's digits may move a point.
constexpr double SlackInches = 0.01 / 96;

TCutLines Boa8(TShapeControl &view)
{
    SetUpScrollSaw(view, 0, 10);
    view.setHeight(240);
    view.Caption()->setCaption(QStringLiteral("BOA 8"));
    view.Caption()->Font()->setSize(120);
    return BuildCutLines(PatternShapes(view, false));
}

TStencilSettings WithDrill(bool bridges, double drill = DefaultDrillPixels)
{
    TStencilSettings settings;
    settings.bridges = bridges;
    settings.drillHoles = true;
    settings.drillDiameter = drill;
    return settings;
}

// "drill FILE STYLE W H KERF": circles, inside_cuts, cuts_with_one, in_waste, radii, spare.
QJsonObject CheckDrill(const TFinishedCutLines &finished, const TStencilSettings &settings)
{
    QTemporaryDir dir;
    const QSize blank = finished.lines.blankSize;
    return cutcheck::Run({QStringLiteral("drill"), WriteDxf(dir, QStringLiteral("drill.dxf"), finished.lines),
                          settings.bridges ? QStringLiteral("stencil") : QStringLiteral("cutout"),
                          cutcheck::Inches(blank.width()), cutcheck::Inches(blank.height()),
                          cutcheck::Inches(settings.kerf)});
}

// Every circle clears the cut lines by its radius and the kerf exactly
// when its cut is not flagged.
void ExpectClearOrFlagged(const QJsonObject &check, const std::vector<TDrillHole> &holes)
{
    const QJsonArray spare = check["spare"].toArray();
    ASSERT_EQ(spare.size(), qsizetype(holes.size()));
    for (size_t i = 0; i < holes.size(); ++i)
        EXPECT_EQ(spare[qsizetype(i)].toDouble() >= -SlackInches, !holes[i].tooSmall)
            << "hole " << i << " spare " << spare[qsizetype(i)].toDouble() * 96 << " px";
}

} // namespace

TEST(DrillHoles, OneInEachCounterOfBoa8WhereTheWasteIsWidest)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    TShapeControl view;
    const TStencilSettings settings = WithDrill(false);
    const TFinishedCutLines finished = FinishCutLines(Boa8(view), settings);
    const std::vector<TDrillHole> &holes = finished.lines.marks.drillHoles;
    EXPECT_EQ(holes.size(), 6u) << "B twice, O, A, 8 twice";
    EXPECT_EQ(TooSmallCount(holes), 0);

    const QJsonObject check = CheckDrill(finished, settings);
    EXPECT_EQ(check["circles"].toInt(), 6);
    EXPECT_EQ(check["inside_cuts"].toInt(), 6);
    EXPECT_EQ(check["cuts_with_one"].toInt(), 6);
    EXPECT_EQ(check["in_waste"].toInt(), 6);
    EXPECT_EQ(check["radii"].toArray(), QJsonArray{1 / 32.0}) << "the drill's radius in inches";
    ExpectClearOrFlagged(check, holes);
}

TEST(DrillHoles, OneInEachLetterOpeningOfTheStencil)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    TShapeControl view;
    const TStencilSettings settings = WithDrill(true);
    const TFinishedCutLines finished = FinishCutLines(Boa8(view), settings);
    const std::vector<TDrillHole> &holes = finished.lines.marks.drillHoles;
    // The bridges split the openings of B, O, A and 8: more than one each.
    EXPECT_GT(holes.size(), 4u);
    EXPECT_EQ(size_t(OuterCount(finished.lines.letters)), holes.size());

    const QJsonObject check = CheckDrill(finished, settings);
    EXPECT_EQ(check["inside_cuts"].toInt(), int(holes.size()));
    EXPECT_EQ(check["cuts_with_one"].toInt(), int(holes.size()));
    EXPECT_EQ(check["in_waste"].toInt(), int(holes.size()));
    ExpectClearOrFlagged(check, holes);
}

TEST(DrillHoles, ACutTooNarrowForTheDrillAndTwoKerfsIsFlaggedAndCounted)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    TShapeControl view;
    // Half an inch: too large for the counters of B, A and 8, not for the O's.
    const TStencilSettings settings = WithDrill(false, 48);
    const TFinishedCutLines finished = FinishCutLines(Boa8(view), settings);
    const std::vector<TDrillHole> &holes = finished.lines.marks.drillHoles;
    ASSERT_EQ(holes.size(), 6u);
    EXPECT_EQ(TooSmallCount(holes), 5);
    ExpectClearOrFlagged(CheckDrill(finished, settings), holes);

    EXPECT_EQ(TooSmallForDrillText(2, DefaultDrillPixels), QStringLiteral("2 inside cuts too small for a 0.0625 in drill"));
    EXPECT_EQ(TooSmallForDrillText(1, 48), QStringLiteral("1 inside cut too small for a 0.5 in drill"));
}

TEST(DrillHoles, ALongSlotHasItsHoleOnItsMiddleLineAndTheRingRoundItInItsWidestCorner)
{
    // A slot 920 by 30 pixels, equally wide all along, in a frame of wood.
    TCutLines lines;
    lines.blankSize = QSize(960, 80);
    lines.letters = {{QPolygonF(QRectF(10, 10, 940, 60)), false}, {QPolygonF(QRectF(20, 25, 920, 30)), true}};
    const std::vector<TDrillHole> holes = FindDrillHoles(lines, TCutStyle::CutOut, DefaultDrillPixels, DefaultKerfPixels);
    ASSERT_EQ(holes.size(), 1u);
    EXPECT_NEAR(holes[0].clearance, 15, CutTolerancePixels);
    EXPECT_NEAR(holes[0].centre.y(), 40, CutTolerancePixels);
    EXPECT_FALSE(holes[0].tooSmall);
    // In stencil style the slot is wood and the frame's ring round it the
    // waste, widest in a corner: a circle touching both outer edges and the
    // slot's corner, 15 and 10 pixels in from them.
    const std::vector<TDrillHole> ring = FindDrillHoles(lines, TCutStyle::Stencil, DefaultDrillPixels, DefaultKerfPixels);
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_NEAR(ring[0].clearance, 25 - std::sqrt(300.0), CutTolerancePixels);
}
