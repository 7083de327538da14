#include "export/pagetiling.h"

#include <cmath>

namespace {
using namespace PageTiling;

// How many tiles of `printable` pixels, each overlapping the last, cover `length`.
int TileCount(int length, int printable)
{
    if (length <= printable)
        return 1;
    const int step = printable - kOverlapPixels;
    return 1 + (length - printable + step - 1) / step;
}

struct TCounts {
    int rows;
    int columns;
};

TCounts CountsOn(QSize pattern, QSizeF pageInches)
{
    const QSize printable = PrintableArea(pageInches);
    return {TileCount(pattern.height(), printable.height()), TileCount(pattern.width(), printable.width())};
}

// The tile starts along one side and the overlap centres between them.
std::vector<int> Starts(int count, int printable)
{
    std::vector<int> starts;
    for (int i = 0; i < count; ++i)
        starts.push_back(i * (printable - kOverlapPixels));
    return starts;
}

std::vector<double> Seams(const std::vector<int> &starts)
{
    std::vector<double> seams;
    for (std::size_t i = 1; i < starts.size(); ++i)
        seams.push_back(starts[i] + kOverlapPixels / 2.0);
    return seams;
}
} // namespace

QSize PrintableArea(QSizeF pageInches)
{
    const double marginsInches = 2 * Page::kCornerCm / Units::kCmPerInch;
    return QSize(int(std::floor((pageInches.width() - marginsInches) * Units::kPixelsPerInch)),
                 int(std::floor((pageInches.height() - marginsInches) * Units::kPixelsPerInch)));
}

TPageTiling PlanPages(QSize patternPixels, TPaper paper)
{
    const QSizeF portrait = Page::PortraitInches(paper);
    const QSizeF landscape = portrait.transposed();
    const TCounts across = CountsOn(patternPixels, landscape);
    const TCounts upright = CountsOn(patternPixels, portrait);

    TPageTiling tiling;
    tiling.landscape = across.rows * across.columns <= upright.rows * upright.columns;
    tiling.pageInches = tiling.landscape ? landscape : portrait;
    const TCounts counts = tiling.landscape ? across : upright;
    tiling.rows = counts.rows;
    tiling.columns = counts.columns;

    const QSize printable = PrintableArea(tiling.pageInches);
    const std::vector<int> xs = Starts(counts.columns, printable.width());
    const std::vector<int> ys = Starts(counts.rows, printable.height());
    for (int row = 0; row < counts.rows; ++row)
        for (int column = 0; column < counts.columns; ++column) {
            const QRect piece(xs[column], ys[row], printable.width(), printable.height());
            tiling.tiles.push_back({row, column, piece.intersected(QRect(QPoint(0, 0), patternPixels))});
        }
    tiling.columnSeams = Seams(xs);
    tiling.rowSeams = Seams(ys);
    return tiling;
}

QString TileLabel(const TPageTiling &tiling, const TTile &tile)
{
    return QStringLiteral("row %1, column %2 of %3x%4")
        .arg(tile.row + 1)
        .arg(tile.column + 1)
        .arg(tiling.rows)
        .arg(tiling.columns);
}
