#include "loosepieces.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/cuttexts.h"

namespace {
constexpr int Outside = -1;

double AreaOf(const QPolygonF &points) { return CutPaths::AreaOf(CutPaths::ToPath(points)); }

// A point of the contour between two corners, where no other contour can
// lie, since none touches it.
QPointF OnContour(const QPolygonF &points) { return (points[0] + points[1]) / 2; }

// For each contour, the contour it lies directly inside, or Outside.
std::vector<int> ParentsOf(const std::vector<TCutContour> &contours)
{
    std::vector<QRectF> bounds;
    bounds.reserve(contours.size());
    for (const TCutContour &c : contours)
        bounds.push_back(c.points.boundingRect());
    std::vector<int> parents(contours.size(), Outside);
    for (size_t i = 0; i < contours.size(); ++i) {
        const QPointF probe = OnContour(contours[i].points);
        double smallest = 0;
        for (size_t j = 0; j < contours.size(); ++j) {
            if (j == i || !bounds[j].contains(bounds[i]))
                continue;
            const double size = bounds[j].width() * bounds[j].height();
            if (parents[i] != Outside && size >= smallest)
                continue;
            if (contours[j].points.containsPoint(probe, Qt::OddEvenFill))
                parents[i] = int(j), smallest = size;
        }
    }
    return parents;
}

// One piece: the contour around it (Outside for the board round the
// letters) and the contours of what it encloses.
struct TPiece {
    int outer = Outside;
    std::vector<size_t> contours;
    double area = 0;
};

std::vector<TPiece> PiecesOf(const TCutLines &lines, TCutStyle style)
{
    const std::vector<TCutContour> &contours = lines.letters;
    const std::vector<int> parents = ParentsOf(contours);
    // Cut-out style keeps what outer contours enclose; stencil style the
    // board and what holes enclose.
    const bool keepsHoles = style == TCutStyle::Stencil;
    std::vector<TPiece> pieces;
    std::vector<int> pieceOf(contours.size(), -1);
    if (keepsHoles)
        pieces.push_back({Outside, {}, double(lines.blankSize.width()) * lines.blankSize.height()});
    for (size_t i = 0; i < contours.size(); ++i)
        if (contours[i].hole == keepsHoles) {
            pieceOf[i] = int(pieces.size());
            pieces.push_back({int(i), {i}, AreaOf(contours[i].points)});
        }
    for (size_t i = 0; i < contours.size(); ++i) {
        if (contours[i].hole == keepsHoles)
            continue;
        const int parent = parents[i];
        const int piece = parent == Outside ? (keepsHoles ? 0 : -1) : pieceOf[size_t(parent)];
        if (piece < 0)
            continue;
        pieces[size_t(piece)].contours.push_back(i);
        pieces[size_t(piece)].area -= AreaOf(contours[i].points);
    }
    return pieces;
}

size_t MainPiece(const std::vector<TPiece> &pieces, const TCutLines &lines, TCutStyle style)
{
    if (style == TCutStyle::CutOut && lines.baseBar) {
        // The piece whose wood holds the bar's middle.
        const QPointF bar = lines.baseBar->center();
        for (size_t p = 0; p < pieces.size(); ++p) {
            int around = 0;
            for (size_t c : pieces[p].contours)
                around += lines.letters[c].points.containsPoint(bar, Qt::OddEvenFill) ? 1 : 0;
            if (around % 2 == 1)
                return p;
        }
    }
    size_t largest = 0;
    for (size_t p = 1; p < pieces.size(); ++p)
        if (pieces[p].area > pieces[largest].area)
            largest = p;
    return largest;
}
} // namespace

TLoosePieces FindLoosePieces(const TCutLines &lines, TCutStyle style)
{
    TLoosePieces loose;
    const std::vector<TPiece> pieces = PiecesOf(lines, style);
    if (pieces.empty())
        return loose;
    const size_t main = MainPiece(pieces, lines, style);
    for (size_t p = 0; p < pieces.size(); ++p) {
        if (p == main)
            continue;
        ++loose.count;
        loose.contours.insert(loose.contours.end(), pieces[p].contours.begin(), pieces[p].contours.end());
    }
    return loose;
}

QString LoosePiecesText(int count)
{
    return CountText(count, QStringLiteral("loose piece"), QStringLiteral("loose pieces"));
}
