// Show Cut Lines on the real main window: what a grab of the window shows,
// checked against the ink of the exported bitmap.
#include "app/fretcard1.h"

#include "app/cutlinesoverlay.h"
#include "render/patternview.h"
#include "ui/commandguard.h"
#include "ui/lineoverlay.h"

#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kBlack = 0xFF000000;
// Where the pattern view's top-left lies on the window's surface.
constexpr QPoint kViewOnSurface(4 + 35, 8 + 45);

class CutLinesOverlayTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};
    QTemporaryDir target;

    void TearDown() override { EXPECT_TRUE(host.AllAnswersUsed()); }

    // The view's area of a real grab of the window's surface.
    QImage GrabView()
    {
        const QRect area(kViewOnSurface, QSize(form.ScrollBar2->Position(), form.ScrollBar3->Position()));
        return form.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area);
    }

    QImage ExportBitmap(const QString &name)
    {
        host.QueueFileName(target.filePath(name));
        form.Button2->click();
        return QImage(target.filePath(name + ".bmp"), "bmp").convertToFormat(QImage::Format_RGB32);
    }
};

std::vector<QPoint> PixelsOf(const QImage &image, QRgb color)
{
    std::vector<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color)
                found.emplace_back(x, y);
    return found;
}

bool IsInk(const QImage &image, QPoint p) { return image.valid(p) && image.pixel(p) == kBlack; }

// How far a line may lie from the ink's edge: one pixel of rounding, and one
// more at the tip of a slit between welded letters too narrow to leave a
// pixel of its own.
constexpr int kEdgeTolerance = 2;

// A pixel on the border between ink and no ink lies near `p`.
bool NearInkEdge(const QImage &ink, QPoint p)
{
    for (int dy = -kEdgeTolerance; dy <= kEdgeTolerance; ++dy)
        for (int dx = -kEdgeTolerance; dx <= kEdgeTolerance; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (!ink.valid(q))
                continue;
            for (QPoint step : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)})
                if (IsInk(ink, q) != IsInk(ink, q + step))
                    return true;
        }
    return false;
}

// Red lines on the screen, every one on an edge of the exported ink, and
// not one red pixel in the file.
void ExpectRedLinesOnTheInkEdges(const QImage &screen, const QImage &exported)
{
    ASSERT_EQ(screen.size(), exported.size());
    const std::vector<QPoint> red = PixelsOf(screen, kRed);
    EXPECT_GT(red.size(), 1000u) << "the letters' and the blank's outlines";
    int away = 0;
    for (QPoint p : red)
        away += NearInkEdge(exported, p) ? 0 : 1;
    EXPECT_EQ(away, 0) << "red pixels off the ink's edges";
    EXPECT_TRUE(PixelsOf(exported, kRed).empty()) << "the export shows no cut lines";
}

TEST_F(CutLinesOverlayTest, TheCutLinesFollowThePatternOnScreenOnlyAndGoWhenSwitchedOff)
{
    form.CheckBox2->setChecked(false); // solid letters: their edges are the ink's edges
    EXPECT_TRUE(PixelsOf(GrabView(), kRed).empty());

    form.ShowCutLines1->trigger();
    ASSERT_TRUE(form.ShowCutLines1->isChecked());
    ExpectRedLinesOnTheInkEdges(GrabView(), ExportBitmap("plain"));
    // The blank's right and bottom edges show just outside it.
    const QImage surface = form.centralWidget()->grab().toImage();
    EXPECT_EQ(surface.pixel(kViewOnSurface + QPoint(960, 72)), kRed);
    EXPECT_EQ(surface.pixel(kViewOnSurface + QPoint(480, 144)), kRed);

    // Letters pulled into one another and onto the base bar: the lines move
    // with them, and the bar's outline shows over the black bar.
    form.ScrollBar7->setPosition(-20);
    form.ScrollBar4->setPosition(20);
    form.CheckBox3->setChecked(true);
    const QImage welded = GrabView();
    ExpectRedLinesOnTheInkEdges(welded, ExportBitmap("welded"));
    const int barBottom = welded.height() - 5;
    EXPECT_EQ(welded.pixel(welded.width() / 2, barBottom), kRed);
    EXPECT_EQ(welded.pixel(welded.width() / 2, barBottom - 15), kBlack) << "the bar itself";

    form.ShowCutLines1->trigger();
    EXPECT_TRUE(PixelsOf(GrabView(), kRed).empty());
}
} // namespace

namespace {
TEST_F(CutLinesOverlayTest, LoosePiecesAreOutlinedInBlueAndCountedInThePreviewsTip)
{
    // Without the bar, every letter but the largest falls off on its own.
    form.CheckBox2->setChecked(false);
    form.CheckBox4->setChecked(false);
    const QString ownTip = form.PatternView()->toolTip();
    form.ShowCutLines1->trigger();
    const QImage apart = GrabView();
    EXPECT_GT(PixelsOf(apart, kBlue).size(), 500u);
    EXPECT_GT(PixelsOf(apart, kRed).size(), 100u) << "the largest piece stays red";
    EXPECT_EQ(form.PatternView()->toolTip(), ownTip + "\n8 loose pieces") << "Scroll Saw: nine letters";

    // Pulled together onto the bar, they are one piece.
    form.ScrollBar7->setPosition(-20);
    form.ScrollBar4->setPosition(20);
    form.CheckBox3->setChecked(true);
    EXPECT_TRUE(PixelsOf(GrabView(), kBlue).empty());
    EXPECT_EQ(form.PatternView()->toolTip(), ownTip + "\n0 loose pieces");
}
} // namespace

namespace {
// The smallest letters in lines filling the largest blank, on the bar: too
// much for the window to build while it waits.
PatternSettings SmallLetters(int kern)
{
    PatternSettings pattern;
    pattern.FontSize = 10;
    pattern.BlankHeight = 289;
    pattern.Multiline = true;
    pattern.Base = true;
    pattern.Kern = kern;
    pattern.Text.clear();
    for (int line = 0; line < 20; ++line)
        pattern.Text += QStringLiteral("Walnut Cherry Maple Oak Ash Elm Birch Walnut Cherry Maple Oak Ash Elm Birch ");
    return pattern;
}

std::vector<QPolygonF> LettersThenBlank(const TCutLines &lines)
{
    std::vector<QPolygonF> polylines;
    for (const auto *contours : {&lines.letters, &lines.blank})
        for (const TCutContour &contour : *contours)
            polylines.push_back(contour.points);
    return polylines;
}

// A debug or sanitized build takes seconds for two such builds.
constexpr int kBuildTimeoutMs = 120000;
constexpr int kEventWaitMs = 50;

// Lets the window's events run until the overlay shows the pattern's own lines.
bool WaitUntilUpToDate(const TCutLinesOverlay &overlay)
{
    const QDeadlineTimer deadline(kBuildTimeoutMs);
    while (!overlay.UpToDate() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kEventWaitMs);
    return overlay.UpToDate();
}

TEST(CutLinesOverlayAside, ALargePatternsChangesReturnAtOnceAndOnlyTheNewestLinesShow)
{
    QWidget panel;
    auto *view = new TShapeControl(&panel);
    PreparePatternView(*view);
    ShowPattern(*view, SmallLetters(0));
    TScriptedDialogHost host;
    TCommandGuard guard(host, QStringLiteral("Overlay"));
    TCutLinesOverlay overlay(*view, [] { return true; }, [] { return TStencilSettings(); }, guard);
    std::vector<TOverlayCutLines> shown;
    overlay.OnShown = [&shown](const TOverlayCutLines &lines) { shown.push_back(lines); };

    // Switched on, then two Kern steps while the first build runs: each
    // handler returns with nothing built, and only the last pattern's lines
    // ever show.
    overlay.setShown(true);
    ShowValue(*view, SmallLetters(1), TShownValue::Kern);
    ShowValue(*view, SmallLetters(2), TShownValue::Kern);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(overlay.Layer().Lines().empty());
    ASSERT_TRUE(WaitUntilUpToDate(overlay));

    const TOverlayCutLines newest = OverlayCutLines(PatternShapes(*view, true), TStencilSettings());
    ASSERT_EQ(shown.size(), 1u) << "the lines of the earlier patterns never show";
    EXPECT_EQ(shown[0].finished.lines.letters.size(), newest.finished.lines.letters.size());
    EXPECT_EQ(overlay.Layer().Lines(), LettersThenBlank(newest.finished.lines));
    EXPECT_GT(overlay.Layer().Lines().size(), 1000u) << "the small letters' contours";

    // Closed while a build runs: the window waits for it and is gone safely.
    ShowValue(*view, SmallLetters(3), TShownValue::Kern);
    EXPECT_FALSE(overlay.UpToDate());
}
} // namespace
