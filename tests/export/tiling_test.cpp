// Signs larger than the page: tiled over as many pages as needed at 1:1,
// with alignment marks in the overlaps, so that the pages laid together by
// their marks continue every line across the seams.
#include "export_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <vector>

using namespace exporttest;

namespace {
constexpr QRgb kMarkRed = 0xFFFF0000;
constexpr QRgb kInk = 0xFF000000;
// Pixels around a mark that the mark covers on one page and not on the other.
constexpr int kMarkReach = 16;
// Below a 4 in sign's tiles lies their legend, an eighth of an inch down.
constexpr int kSignRows = 38 + 384 + 6;

bool IsMark(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

// The centre of every red mark on the page: one connected red shape each.
std::vector<QPointF> MarkCentres(const QImage &page)
{
    std::vector<QPointF> centres;
    std::vector<bool> seen(std::size_t(page.width()) * page.height());
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (seen[std::size_t(y) * page.width() + x] || !IsMark(page.pixel(x, y)))
                continue;
            double sumX = 0, sumY = 0;
            int count = 0;
            std::deque<QPoint> open{{x, y}};
            seen[std::size_t(y) * page.width() + x] = true;
            while (!open.empty()) {
                const QPoint p = open.front();
                open.pop_front();
                sumX += p.x(), sumY += p.y(), ++count;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (!page.rect().contains(q))
                            continue;
                        const std::size_t i = std::size_t(q.y()) * page.width() + q.x();
                        if (!seen[i] && IsMark(page.pixel(q))) {
                            seen[i] = true;
                            open.push_back(q);
                        }
                    }
            }
            centres.emplace_back(sumX / count, sumY / count);
        }
    return centres;
}

QPointF MeanOf(const std::vector<QPointF> &points, bool rightHalf, int pageWidth)
{
    QPointF sum;
    int count = 0;
    for (const QPointF &p : points)
        if ((p.x() > pageWidth / 2) == rightHalf)
            sum += p, ++count;
    return count ? sum / count : QPointF(-1, -1);
}

bool InkNear(const QImage &page, QPoint at)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (page.rect().contains(at + QPoint(dx, dy)) && page.pixel(at + QPoint(dx, dy)) == kInk)
                return true;
    return false;
}

bool NearAMark(const std::vector<QPointF> &marks, QPoint p)
{
    for (const QPointF &m : marks)
        if (std::abs(m.x() - p.x()) < kMarkReach && std::abs(m.y() - p.y()) < kMarkReach)
            return true;
    return false;
}

struct TSeamCheck {
    int inkCompared = 0;
    int unmatched = 0;
};

// Every ink pixel of `left`'s overlap (around its right-hand marks) lies
// within a pixel of ink on `right` once the two pages are laid together by
// the marks they share, and the other way round.
TSeamCheck CompareSeam(const QImage &left, const QImage &right)
{
    const std::vector<QPointF> leftMarks = MarkCentres(left);
    const std::vector<QPointF> rightMarks = MarkCentres(right);
    const QPointF seamOnLeft = MeanOf(leftMarks, true, left.width());
    const QPointF seamOnRight = MeanOf(rightMarks, false, right.width());
    const QPoint shift = (seamOnLeft - seamOnRight).toPoint();
    TSeamCheck check;
    const int strip = 20; // inside the half inch both pages print
    // Under the sign: each page's own legend and label.
    for (int y = 0; y < kSignRows; ++y)
        for (int x = int(seamOnLeft.x()) - strip; x <= int(seamOnLeft.x()) + strip; ++x) {
            const QPoint onLeft(x, y);
            const QPoint onRight = onLeft - shift;
            if (NearAMark(leftMarks, onLeft) || NearAMark(rightMarks, onRight))
                continue;
            if (left.pixel(onLeft) == kInk) {
                ++check.inkCompared;
                check.unmatched += !InkNear(right, onRight);
            }
            if (right.rect().contains(onRight) && right.pixel(onRight) == kInk)
                check.unmatched += !InkNear(left, onLeft);
        }
    return check;
}
} // namespace

TEST(Tiling, ThirtyByFourInchSignOnLetterAndA4TheLinesMeetAcrossTheSeams)
{
    if (!HaveTools({"pdfinfo", "pdftoppm", "pdftotext"}))
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    // Letter lies landscape: 11 in less two 1 cm margins holds 980 pixels of
    // pattern, and each further page adds 980 - 48 of the 2880: 4 pages
    // (portrait would need 5). A4 landscape holds 1046, adding 998: 3 pages.
    const std::tuple<const char *, const char *, int> cases[] = {
        {"cutpdf", "letter", 4}, {"pdf", "letter", 4}, {"cutpdf", "a4", 3}};
    for (const auto &[format, paper, pages] : cases) {
        SCOPED_TRACE(std::string(format) + " on " + paper);
        const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(format, paper));
        // Letters cross every seam, and end inside the blank.
        const TRunResult run = RunExporter({"--text", "Welcome to the Lake House", "--size", "132", "--hpos", "60",
                                            "--vpos", "60", "--no-outline", "--blank", "30inx4in", "--format", format, "--page",
                                            paper, "--output", pdf});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        ASSERT_EQ(PageCount(pdf), pages);
        EXPECT_TRUE(PageSize(pdf).startsWith(QLatin1String(paper[0] == 'l' ? "792 x 612" : "842 x 595")))
            << PageSize(pdf).toStdString();
        const QString second = RunTool("pdftotext", {"-f", "2", "-l", "2", pdf, "-"});
        EXPECT_TRUE(second.contains(QStringLiteral("\"Welcome to the Lake House\": row 1, column 2 of 1x%1 · Overlap the "
                                                   "pages so the marks meet; print at 100 %").arg(pages)))
            << second.toStdString();

        std::vector<QImage> rendered;
        for (int page = 1; page <= pages; ++page)
            rendered.push_back(RenderPage(pdf, page, dir.filePath(QStringLiteral("p%1").arg(page))));
        // The blank's top and bottom outline, 4 in apart, on a page in the middle.
        const QImage &middle = rendered[1];
        std::vector<int> inkRows;
        for (int y = 0; y < kSignRows; ++y)
            if (middle.pixel(middle.width() / 2, y) == kInk)
                inkRows.push_back(y);
        ASSERT_FALSE(inkRows.empty());
        EXPECT_NEAR(inkRows.back() - inkRows.front(), 384, 1);
        for (int seam = 0; seam + 1 < pages; ++seam) {
            const TSeamCheck check = CompareSeam(rendered[seam], rendered[seam + 1]);
            EXPECT_GT(check.inkCompared, 100) << "seam " << seam + 1 << " crosses the blank and letters";
            EXPECT_EQ(check.unmatched, 0) << "seam " << seam + 1;
        }
    }
}

TEST(Tiling, APatternThatFitsStaysOnOnePageWithoutMarksOrLabel)
{
    if (!HaveTools({"pdfinfo", "pdftoppm", "pdftotext"}))
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("fits.pdf");
    ASSERT_EQ(RunExporter({"--blank", "10inx7.5in", "--format", "cutpdf", "--output", pdf}).exitCode, 0);
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_TRUE(MarkCentres(RenderPage(pdf, 1, dir.filePath("fits"))).empty());
    EXPECT_FALSE(RunTool("pdftotext", {pdf, "-"}).contains("row"));
    // A tall sign turns the page upright when that takes fewer pages: 18 in
    // is 1728 pixels, 980 + 932 upright, 740 + 692 + 692 across.
    const QString tall = dir.filePath("tall.pdf");
    ASSERT_EQ(RunExporter({"--blank", "7inx18in", "--format", "cutpdf", "--output", tall}).exitCode, 0);
    EXPECT_EQ(PageCount(tall), 2);
    EXPECT_TRUE(PageSize(tall).startsWith("612 x 792")) << PageSize(tall).toStdString();
}
