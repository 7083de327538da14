#include "render_test_support.h"

#include "render/bmpfile.h"
#include "render/canvas.h"
#include "core/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

using namespace rendertest;

namespace {

bool OnBorder(int x, int y, int w, int h) { return x == 0 || y == 0 || x == w - 1 || y == h - 1; }

// Pixels the blank left untouched in one corner square of side `side`.
int UntouchedInCorner(const QImage &image, int side)
{
    return CountColour(image, Untouched, QRect(0, 0, side, side));
}

double ExpectedCornerCut(int roundSize)
{
    const double radius = roundSize / 2.0;
    return radius * radius * (1.0 - M_PI / 4.0);
}

// The figure's points as the view builds them for its size and settings.
TPointList FigureOf(TShapeControl &view)
{
    TPointList points;
    BuildShapePoints(TRect{0, 0, view.Width(), view.Height()}, view.Shape(), nullptr, points, *view.Shadow(),
                     view.Bevel(), view.RoundPercent(), *view.Brush(), view.Square());
    return points;
}

// A shown view, counting the changes it reports and the paint events it gets.
class WatchedView : public QObject {
public:
    WatchedView()
    {
        SetUpPatternView(view);
        view.OnChange = [this] { ++changes; };
        view.installEventFilter(this);
        view.show();
        Settle();
    }
    void Settle()
    {
        QCoreApplication::processEvents();
        changes = paints = 0;
    }
    int Paints()
    {
        QCoreApplication::processEvents();
        return paints;
    }

    TShapeControl view;
    int changes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int paints = 0;
};

} // namespace

TEST(PatternBlank, SquareCornersWithOutlineAreExact)
{
    TShapeControl view;
    SetUpPatternView(view);
    const QImage image = Render(view);
    for (int y = 0; y < 144; ++y)
        for (int x = 0; x < 960; ++x)
            ASSERT_EQ(Pixel(image, x, y), OnBorder(x, y, 960, 144) ? Black : White)
                << "at " << x << "," << y;
}

TEST(PatternBlank, WithoutOutlineLastColumnAndRowStayUnpainted)
{
    TShapeControl view;
    SetUpPatternView(view);
    view.Bevel()->setWidth(0);
    const QImage image = Render(view);
    EXPECT_EQ(CountColour(image, Black), 0);
    for (int y = 0; y < 144; ++y)
        for (int x = 0; x < 960; ++x)
            ASSERT_EQ(Pixel(image, x, y), (x == 959 || y == 143) ? Untouched : White)
                << "at " << x << "," << y;
}

TEST(PatternBlank, CornerEllipsesFollowTheShorterSide)
{
    struct Case {
        int width, height, percent, roundSize;
    };
    for (const Case c : {Case{960, 144, 33, 47}, Case{960, 144, 50, 72}, Case{960, 144, 100, 144},
                         Case{100, 300, 50, 50}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.percent);
        TShapeControl view;
        SetUpPatternView(view, c.width, c.height);
        view.setRoundPercent(quint8(c.percent));
        const QImage image = Render(view);
        const int half = c.roundSize / 2;
        // The cut-off area of each corner is that of an R x R ellipse quarter.
        const int cut = UntouchedInCorner(image, half + 1);
        EXPECT_NEAR(cut, ExpectedCornerCut(c.roundSize), half + 2);
        // All four corners alike; nothing untouched outside the corners.
        EXPECT_EQ(CountColour(image, Untouched), 4 * cut);
        // The outline still reaches the outermost rows and columns.
        EXPECT_EQ(BoundsOf(image, Black), QRect(0, 0, c.width, c.height));
        // The curve starts where the straight edge ends, symmetric for a circle.
        int firstInTopRow = 0;
        while (Pixel(image, firstInTopRow, 0) != Black)
            ++firstInTopRow;
        int firstInLeftColumn = 0;
        while (Pixel(image, 0, firstInLeftColumn) != Black)
            ++firstInLeftColumn;
        EXPECT_EQ(firstInTopRow, firstInLeftColumn);
        EXPECT_LT(firstInTopRow, half);
        EXPECT_GT(firstInTopRow, half / 2);
    }
}

TEST(PatternBlank, FullRoundingOfTheShortSideGivesHalfCircles)
{
    TShapeControl view;
    SetUpPatternView(view);
    view.setRoundPercent(100);
    const QImage image = Render(view);
    // The left column is black only around the middle of the height.
    const QRect leftColumn = BoundsOf(image.copy(0, 0, 1, 144), Black);
    EXPECT_GE(leftColumn.top(), 62);
    EXPECT_LE(leftColumn.bottom(), 81);
    EXPECT_EQ(Pixel(image, 480, 72), White);
}

TEST(PatternBlank, OutlineIsOnePixelWideAndClosed)
{
    TShapeControl view;
    SetUpPatternView(view);
    view.setRoundPercent(50);
    const QImage image = Render(view);
    // Walking any row from outside, the inside is reached after exactly one
    // black pixel on each side.
    for (int y = 1; y < 143; ++y) {
        int x = 0;
        while (Pixel(image, x, y) == Untouched)
            ++x;
        ASSERT_EQ(Pixel(image, x, y), Black) << y;
        const int firstBlack = x;
        while (Pixel(image, x, y) == Black)
            ++x;
        ASSERT_EQ(Pixel(image, x, y), White) << y;
        ASSERT_LE(x - firstBlack, 8) << "arc rows may hold a few black pixels, row " << y;
    }
}

TEST(PatternBlank, CaptionRectangleFollowsTheOutline)
{
    TShapeControl view;
    SetUpPatternView(view);
    EXPECT_EQ(view.CaptionRect(), (TRect{1, 1, 959, 143}));
    view.Bevel()->setWidth(0);
    EXPECT_EQ(view.CaptionRect(), (TRect{0, 0, 960, 144}));
}

TEST(PatternBlank, OpaqueViewFillsItsColourUnderTheFigure)
{
    TShapeControl view;
    SetUpPatternView(view, 200, 100);
    view.setRoundPercent(50);
    view.setTransparent(false);
    const QImage image = Render(view);
    EXPECT_EQ(CountColour(image, Untouched), 0);
    EXPECT_EQ(Pixel(image, 0, 0), qRgb(160, 160, 164));
}

TEST(PatternViewChanges, CaptionChangesAreReportedAndRepainted)
{
    WatchedView watched;
    TShapeControl &view = watched.view;
    view.Caption()->setCaption(QStringLiteral("Oak"));
    view.Caption()->Font()->setSize(40);
    view.Caption()->FontFX()->setStyle(tdOutline);
    view.Caption()->FontFX()->setTracing(-20);
    EXPECT_EQ(watched.changes, 4);
    EXPECT_GT(watched.Paints(), 0);
}

TEST(PatternViewChanges, SameValuesNeitherReportNorRepaint)
{
    WatchedView watched;
    TShapeControl &view = watched.view;
    view.setTransparent(true);
    watched.Settle();
    view.setShape(stRoundRect);
    view.setRoundPercent(0);
    view.setSquare(false);
    view.setBrushBackColor(clBtnFace);
    view.setCaptionClip(false);
    view.setMode(scmShapeFast);
    view.Bevel()->setWidth(1);
    view.Caption()->setCaption(QString());
    view.Caption()->FontFX()->setPosX(0);
    EXPECT_EQ(watched.changes, 0);
    EXPECT_EQ(watched.Paints(), 0);
}

TEST(PatternViewChanges, EveryDrawingChangeIsReportedButNotRepaintedWhileUpdating)
{
    WatchedView watched;
    TShapeControl &view = watched.view;
    view.setRoundPercent(20);
    view.Bevel()->setWidth(0);
    EXPECT_EQ(watched.changes, 2);
    EXPECT_GT(watched.Paints(), 0);
    watched.Settle();
    view.BeginUpdate();
    view.setRoundPercent(30);
    view.EndUpdate();
    EXPECT_EQ(watched.changes, 1);
    EXPECT_EQ(watched.Paints(), 0);
}

TEST(PatternViewChanges, LoadingPaintsNothingAndDefersBounds)
{
    TShapeControl view;
    SetUpPatternView(view, 50, 40);
    view.setLoading(true);
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(Untouched);
    view.render(&image);
    EXPECT_EQ(CountColour(image, Untouched), 50 * 40);
}

TEST(PatternViewDefaults, ClassDefaults)
{
    TShapeControl view;
    EXPECT_EQ(view.Width(), 30);
    EXPECT_EQ(view.Height(), 30);
    EXPECT_EQ(view.Shape(), stRectangle);
    EXPECT_EQ(view.RoundPercent(), 33);
    EXPECT_EQ(view.Bevel()->Width(), 2);
    EXPECT_EQ(view.Shadow()->Style(), hssSolid);
    EXPECT_EQ(view.Shadow()->Depth(), 6);
    EXPECT_EQ(view.Color(), clWindow);
    EXPECT_EQ(view.BrushBackColor(), clBtnFace);
    EXPECT_EQ(view.Brush()->Color(), clWhite);
    EXPECT_EQ(view.Caption()->Alignment(), agCenter);
    EXPECT_TRUE(view.Transparent());
    EXPECT_FALSE(view.testAttribute(Qt::WA_NativeWindow));
}

TEST(PatternGeometry, RoundRectKeepsSixPackedPoints)
{
    TShapeControl view;
    SetUpPatternView(view);
    view.setRoundPercent(33);
    const TPointList points = FigureOf(view);
    ASSERT_EQ(points.size(), 6);
    const QList<QPoint> expected{{0, 0}, {960, 144}, {47, 47}, {0, 0}, {960, 144}, {47, 47}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(UnpackPoint(points[i]), expected[i]) << i;
    EXPECT_EQ(points[1], 960u | (144u << 16));
}

TEST(PatternGeometry, ShadowAndSquareMoveTheFigure)
{
    TShapeControl view;
    view.setShape(stRoundRect);
    view.setWidth(100);
    view.setHeight(60);
    view.setSquare(true);
    view.Bevel()->setWidth(3);
    // Depth 6, dx 20, q 1, R = min(94, 54) * 33 / 100 = 17.
    const QList<QPoint> expected{{26, 6}, {80, 60}, {17, 17}, {27, 7}, {80, 60}, {23, 23}};
    const TPointList points = FigureOf(view);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(UnpackPoint(points[i]), expected[i]) << i;
}

TEST(Snapshot, ResizeThenSaveGivesNewSizeAndGeometry)
{
    QTemporaryDir dir;
    TShapeControl view;
    SetUpPatternView(view);
    Render(view);
    view.setWidth(500);
    view.setHeight(200);
    const QString path = dir.filePath(QStringLiteral("xyz.bmp"));
    view.SaveToBitmapFile(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 54 + 500 * 3 * 200);
    const QImage image = ReadBmp(&file);
    ASSERT_EQ(image.size(), QSize(500, 200));
    EXPECT_EQ(Pixel(image, 499, 100), Black);
    EXPECT_EQ(Pixel(image, 250, 199), Black);
    EXPECT_EQ(Pixel(image, 498, 198), White);
}

TEST(Snapshot, OutsideRoundedCornersIsWhite)
{
    QTemporaryDir dir;
    TShapeControl view;
    SetUpPatternView(view);
    view.setRoundPercent(50);
    const QString path = dir.filePath(QStringLiteral("xyz.bmp"));
    view.SaveToBitmapFile(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage image = ReadBmp(&file);
    EXPECT_EQ(Pixel(image, 0, 0), White);
    EXPECT_EQ(Pixel(image, 959, 143), White);
    EXPECT_EQ(CountColour(image, qRgb(160, 160, 164)), 0);
}

TEST(Snapshot, ZeroSizedViewWritesAnEmptyFile)
{
    QTemporaryDir dir;
    TShapeControl view;
    view.setWidth(0);
    const QString path = dir.filePath(QStringLiteral("xyz.bmp"));
    view.SaveToBitmapFile(path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 0);
}

TEST(Snapshot, UncreatableFileRaisesCannotCreate)
{
    QTemporaryDir dir;
    TShapeControl view;
    const QString path = dir.filePath(QStringLiteral("missing/xyz.bmp"));
    try {
        view.SaveToBitmapFile(path);
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot create file ") + path);
    }
    EXPECT_FALSE(QFile::exists(path));
}
