#include "cutlines_test_support.h"

#include <QImageReader>
#include <QLineF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuttest;

namespace {

bool Ink(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// An ink pixel beside a blank one, or the other way round.
bool OnInkEdge(const QImage &image, int x, int y)
{
    const QRect r = image.rect();
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        if (r.contains(x + d.x(), y + d.y()) && Ink(image, x + d.x(), y + d.y()) != Ink(image, x, y))
            return true;
    return false;
}

bool NearInkEdge(const QImage &image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(x + dx, y + dy) && OnInkEdge(image, x + dx, y + dy))
                return true;
    return false;
}

QImage ExportedBitmap(TShapeControl &view)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pattern.bmp"));
    view.SaveToBitmapFile(file);
    return QImageReader(file).read().convertToFormat(QImage::Format_RGB32);
}

// Two segments cross when each one's ends lie strictly on both sides of the other.
bool Cross(const QLineF &a, const QLineF &b)
{
    auto side = [](const QLineF &l, QPointF p) {
        return (l.x2() - l.x1()) * (p.y() - l.y1()) - (l.y2() - l.y1()) * (p.x() - l.x1());
    };
    return side(a, b.p1()) * side(a, b.p2()) < 0 && side(b, a.p1()) * side(b, a.p2()) < 0;
}

int Crossings(const std::vector<TCutContour> &contours)
{
    std::vector<QLineF> edges;
    for (const TCutContour &c : contours)
        for (qsizetype i = 0; i < c.points.size(); ++i)
            edges.emplace_back(c.points[i], c.points[(i + 1) % c.points.size()]);
    int crossings = 0;
    for (size_t i = 0; i < edges.size(); ++i) {
        const QRectF box = QRectF(edges[i].p1(), edges[i].p2()).normalized();
        for (size_t j = i + 1; j < edges.size(); ++j)
            if (QRectF(edges[j].p1(), edges[j].p2()).normalized().intersects(box) ||
                box.width() == 0 || box.height() == 0)
                crossings += Cross(edges[i], edges[j]) ? 1 : 0;
    }
    return crossings;
}

} // namespace

TEST(CutLines, FilledLettersMatchTheExportedBitmapUpToTheInkEdges)
{
    for (const int kern : {0, -20}) {
        TShapeControl view;
        SetUpScrollSaw(view, kern);
        const QImage bitmap = ExportedBitmap(view);
        const TCutLines lines = BuildCutLines(PatternShapes(view, false));
        const QImage filled = Fill(lines.letters, lines.blankSize);
        ASSERT_EQ(filled.size(), bitmap.size());
        int inked = 0, far = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                inked += Ink(bitmap, x, y) ? 1 : 0;
                if (Ink(bitmap, x, y) != Ink(filled, x, y) && !NearInkEdge(bitmap, x, y))
                    ++far;
            }
        EXPECT_GT(inked, 1000) << "kern " << kern;
        EXPECT_EQ(far, 0) << "kern " << kern;
    }
}

TEST(CutLines, PulledTogetherLettersWeldIntoPiecesThatNeverCross)
{
    TShapeControl view;
    SetUpScrollSaw(view);
    const TCutLines withBar = BuildCutLines(PatternShapes(view, true));
    EXPECT_EQ(OuterCount(withBar.letters), 1);

    const TCutLines letters = BuildCutLines(PatternShapes(view, false));
    EXPECT_LT(OuterCount(letters.letters), 11);
    EXPECT_GT(OuterCount(letters.letters), 0);
    EXPECT_EQ(Crossings(letters.letters), 0);
    EXPECT_EQ(Crossings(withBar.letters), 0);
}

// The cut lines take the picture's clip: the italic j's tail, which reaches
// left of where the text starts, is cut whole while it is on the blank.
TEST(CutLines, LetterReachingLeftOfTheTextStartIsCutWhole)
{
    TShapeControl view;
    SetUpScrollSaw(view, 0);
    view.Caption()->setCaption(QStringLiteral("jig"));
    view.Caption()->Font()->setName(QStringLiteral("Liberation Serif"));
    view.Caption()->Font()->setStyle(fsItalic);
    view.Caption()->FontFX()->SetPos(100, 20);
    const QRectF further = PathOf(BuildCutLines(PatternShapes(view, false)).letters).boundingRect();
    view.Caption()->FontFX()->SetPos(40, 20);
    const QRectF atForty = PathOf(BuildCutLines(PatternShapes(view, false)).letters).boundingRect();
    EXPECT_LT(atForty.left(), 40 - 5);
    const QRectF expected = further.translated(-60, 0);
    EXPECT_NEAR(atForty.left(), expected.left(), 0.01);
    EXPECT_NEAR(atForty.right(), expected.right(), 0.01);
    EXPECT_NEAR(atForty.top(), expected.top(), 0.01);
    EXPECT_NEAR(atForty.bottom(), expected.bottom(), 0.01);
}

// Three lines of big letters overhang the blank above and below: they are
// cut at its edges, as the picture is, and no cut line leaves the blank.
TEST(CutLines, ABlockTallerThanTheBlankIsCutAtItsEdges)
{
    TShapeControl view;
    SetUpScrollSaw(view, 0, 0);
    view.Caption()->setCaption(QStringLiteral("Walnut Cherry Maple"));
    view.Caption()->Font()->setSize(200);
    view.Caption()->setMultiLine(true);
    view.Caption()->setAlignment(agCenter);
    const QRectF letters = PathOf(BuildCutLines(PatternShapes(view, false)).letters).boundingRect();
    EXPECT_TRUE(QRectF(0, 0, 960, 144).contains(letters)) << letters.top() << " " << letters.bottom();
    EXPECT_EQ(letters.top(), 0);
    EXPECT_EQ(letters.bottom(), 144);
}

TEST(CutLines, BlankOutlineOnlyWithPageOutline)
{
    TShapeControl view;
    SetUpScrollSaw(view);
    EXPECT_TRUE(BuildCutLines(PatternShapes(view, false)).blank.empty());
    view.Bevel()->setWidth(1);
    view.setRoundPercent(33);
    const TCutLines lines = BuildCutLines(PatternShapes(view, false));
    ASSERT_EQ(lines.blank.size(), 1u);
    const QRectF box = lines.blank[0].points.boundingRect();
    EXPECT_NEAR(box.width(), 960, 1);
    EXPECT_NEAR(box.height(), 144, 1);
    // Rounded: the corner itself lies outside the cut line.
    EXPECT_FALSE(lines.blank[0].points.containsPoint(box.topLeft() + QPointF(2, 2), Qt::OddEvenFill));
}

TEST(CutLines, EmptyOrOffBlankTextGivesNoLetters)
{
    TShapeControl view;
    SetUpScrollSaw(view);
    view.Caption()->setCaption(QString());
    EXPECT_TRUE(BuildCutLines(PatternShapes(view, false)).letters.empty());
    view.Caption()->setCaption(QStringLiteral("Scroll Saw"));
    view.Caption()->FontFX()->SetPos(0, 400);
    EXPECT_TRUE(BuildCutLines(PatternShapes(view, false)).letters.empty());
}
