#pragma once
// PDF pages of patterns at exactly 1:1, on the page Export PDF uses when the
// pattern fits and tiled over several pages when it does not. The caller
// paints each tile's part of the pattern; the tiles' alignment marks and
// labels are painted here.

#include "export/pagetiling.h"

#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <memory>

class QImage;
class QIODevice;

// Paints the part `source` (in pattern pixels) of the pattern on a page
// whose painter has its origin at the paper's top-left corner, in device
// units at the device's resolution; the part's top-left corner goes where
// the pattern's own corner would go on a page of its own.
using TPaintPattern = std::function<void(QPainter &page, const QRect &source)>;

// Paints what goes beside the pattern on each of its pages (the cut lines'
// legend), on the page as TPaintPattern gets it, given the size of the part
// of the pattern the page shows.
using TPaintBeside = std::function<void(QPainter &page, QSize partPixels)>;

// One pattern to lay onto pages.
struct TPatternPages {
    QSize pixels;
    // What its tiles' labels name it by: its text.
    QString name;
    TPaintPattern paint;
    TPaintBeside beside; // may be empty
    // Export PDF's thin frame around a pattern that fits on one page (never
    // around tiles: it would cross the seams).
    bool framed = false;
};

class TTiledPdf {
public:
    // Writes to `device`, open for writing, as the pages are made, so that a
    // long list never has to sit in memory.
    TTiledPdf(QIODevice *device, TPaper paper);
    ~TTiledPdf();
    TTiledPdf(const TTiledPdf &) = delete;
    TTiledPdf &operator=(const TTiledPdf &) = delete;

    // The pattern's pages. Returns the number of pages added.
    int AddPattern(const TPatternPages &pattern);

    // Ends the document. Throws EFretcardError when Qt could not make it.
    void Finish();

private:
    void StartPage(const TPageTiling &tiling);
    void PaintTile(const TPageTiling &tiling, const TTile &tile, const TPatternPages &pattern);

    TPaper m_paper;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    bool m_anyPage = false;
};

// For content painted as a whole pattern on a page of its own: shifts the
// painter so that `source` lands where the pattern's corner would, and clips
// it to the tile. Where the tile's edge is the pattern's own, the clip leaves
// room for a line drawn on that edge, so the blank's outline is never cut in half.
void ShiftToTile(QPainter &page, const QRect &source, QSize patternPixels);

// Paints `picture` pixel for pixel, without smoothing, as a TPaintPattern;
// `picture` must outlive the returned function.
TPaintPattern PaintPicture(const QImage &picture);
