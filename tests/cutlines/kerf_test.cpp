// The blade's kerf: what the cut lines keep, weld and drop, checked on
// synthetic shapes and, read back by ezdxf and shapely, on real faces.
#include "cutlines/stencil.h"
#include "cutlines_test_support.h"

#include <gtest/gtest.h>

using namespace cuttest;

namespace {

TCutLines Shapes(std::initializer_list<QRectF> outers, std::initializer_list<QRectF> holes = {})
{
    TCutLines lines;
    lines.blankSize = QSize(100, 100);
    for (const QRectF &r : outers)
        lines.letters.push_back({QPolygonF(r), false});
    for (const QRectF &r : holes)
        lines.letters.push_back({QPolygonF(r), true});
    return lines;
}

int Holes(const std::vector<TCutContour> &contours) { return int(contours.size()) - OuterCount(contours); }

struct TFace {
    const char *name;
    int kern;
};
// A script face whose letters join and a serif face, both pulled together
// until their letters overlap.
constexpr TFace kFaces[] = {{"Dancing Script", -10}, {"Liberation Serif", -20}};

TCutLines OverlappingLetters(TShapeControl &view, const TFace &face, bool base)
{
    SetUpScrollSaw(view, face.kern, 20);
    view.Caption()->setCaption(QStringLiteral("Madeline Jorge"));
    view.Caption()->Font()->setName(QString::fromLatin1(face.name));
    return BuildCutLines(PatternShapes(view, base));
}

} // namespace

TEST(BladeKerf, WeldsGapsNarrowerThanItFillsNarrowHolesAndDropsNarrowWood)
{
    constexpr double kerf = DefaultKerfPixels;
    // Two blocks half a kerf apart, a sliver half a kerf wide, a hole half a kerf wide.
    const TCutLines cleaned = CleanedForKerf(Shapes({{10, 10, 20, 20}, {30 + kerf / 2, 10, 20, 20}, {10, 50, 30, kerf / 2}},
                                                    {{15, 15, kerf / 2, 10}}),
                                             kerf, TCutStyle::CutOut);
    EXPECT_EQ(OuterCount(cleaned.letters), 1) << "the blocks weld, the sliver goes";
    EXPECT_EQ(Holes(cleaned.letters), 0) << "the slit fills";
    EXPECT_FALSE(PathOf(cleaned.letters).intersects(QRectF(10, 50, 30, 1)));

    // Blocks a kerf and more apart stay two; the same shapes cut as a stencil
    // keep the letters' thin parts as wood and weld the wood across them.
    const TCutLines apart = CleanedForKerf(Shapes({{10, 10, 20, 20}, {30 + 2 * kerf, 10, 20, 20}}), kerf, TCutStyle::CutOut);
    EXPECT_EQ(OuterCount(apart.letters), 2);
    const TCutLines stencil = CleanedForKerf(Shapes({{10, 10, 40, 40}, {60, 10, 30, kerf / 2}}, {{20, 20, 20, 20}}), kerf,
                                             TCutStyle::Stencil);
    EXPECT_EQ(OuterCount(stencil.letters), 1) << "the thin letter is too narrow to saw out";
    EXPECT_EQ(Holes(stencil.letters), 1) << "the island is kept";
}

TEST(BladeKerf, ZeroKeepsTheContoursAsTheyAre)
{
    TShapeControl view;
    const TCutLines lines = OverlappingLetters(view, kFaces[0], true);
    TStencilSettings exact;
    exact.kerf = 0;
    const TCutLines finished = FinishCutLines(lines, exact).lines;
    ASSERT_EQ(finished.letters.size(), lines.letters.size());
    for (size_t i = 0; i < lines.letters.size(); ++i)
        EXPECT_EQ(finished.letters[i].points, lines.letters[i].points);
}

TEST(BladeKerf, ScriptAndSerifLettersLeaveSimpleRingsNoSpecksAndPiecesAKerfApart)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    QTemporaryDir dir;
    int faultsWithoutKerf = 0;
    for (const TFace &face : kFaces)
        for (const bool base : {false, true}) {
            const QString which = QStringLiteral("%1%2").arg(QString::fromLatin1(face.name), base ? " base" : "");
            TShapeControl view;
            const TCutLines lines = OverlappingLetters(view, face, base);
            const QJsonObject exact = cutcheck::Rings(WriteDxf(dir, which + " exact.dxf", lines), DefaultKerfPixels);
            const QJsonObject cut =
                cutcheck::Rings(WriteDxf(dir, which + ".dxf", FinishCutLines(lines, {}).lines), DefaultKerfPixels);
            ASSERT_FALSE(cut.isEmpty()) << qPrintable(which);
            EXPECT_GT(cut["rings"].toInt(), 5) << qPrintable(which);
            for (const char *fault : {"invalid", "small", "touching", "near"}) {
                EXPECT_EQ(cut[fault].toInt(), 0) << qPrintable(which) << ": " << fault;
                faultsWithoutKerf += exact[fault].toInt();
            }
            // Only slivers and specks go: the letters keep their wood.
            EXPECT_NEAR(cut["area"].toDouble(), exact["area"].toDouble(), exact["area"].toDouble() / 100)
                << qPrintable(which);
        }
    EXPECT_GT(faultsWithoutKerf, 0) << "the exact outlines do have what the kerf cleans";
}
