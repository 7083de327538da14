#include "export/patternmaker.h"

#include "export/exportoptions.h"
#include "render/basebar.h"
#include "render/basebargeometry.h"
#include "render/patternview.h"

#include <QPainterPath>

#include <cmath>

namespace {
const QString kCapital = QStringLiteral("H");
// Room enough to lay out any text before the blank is fitted to it.
constexpr int kLayoutRoom = ExportLimits::kMaxBlankSidePixels;
// The letters of a sign with a base bar reach this far into the bar, so that
// the two are one piece.
constexpr int kLettersIntoBaseBar = 5;

double CapitalHeightAt(TPatternMaker &maker, TPatternLook look, int pixelHeight)
{
    look.settings.Text = kCapital;
    look.settings.Multiline = false;
    look.settings.BlankWidth = kLayoutRoom;
    look.settings.BlankHeight = kLayoutRoom;
    look.fontPixelHeight = pixelHeight;
    maker.Show(look);
    return maker.TextBounds().height();
}
} // namespace

TPatternMaker::TPatternMaker() { PreparePatternView(m_view); }

void TPatternMaker::Show(const TPatternLook &look)
{
    ShowPattern(m_view, look.settings);
    m_base = look.settings.Base;
    if (look.fontPixelHeight)
        m_view.Caption()->Font()->setHeight(-*look.fontPixelHeight);
}

QImage TPatternMaker::ExportPicture()
{
    m_workImage.Picture() = m_view.Snapshot();
    if (m_base)
        DrawBaseBar(m_workImage, m_view.Height(), Qt::black);
    return m_workImage.Picture();
}

QRectF TPatternMaker::TextBounds()
{
    QRectF bounds;
    for (const TGlyphPiece &piece : m_view.CaptionGlyphs())
        bounds = bounds.united(piece.outline.boundingRect());
    return bounds;
}

int TPatternMaker::FontPixelHeightFor(const TPatternLook &look, double capitalPixels)
{
    // The outline grows with the font height in proportion; measure once,
    // then settle on the nearest whole height by looking at its neighbours.
    constexpr int kProbeHeight = 1000;
    const double probe = CapitalHeightAt(*this, look, kProbeHeight);
    if (probe <= 0)
        return -1;
    const int guess = std::max(1, int(std::lround(capitalPixels * kProbeHeight / probe)));
    int best = guess;
    double bestError = std::abs(CapitalHeightAt(*this, look, guess) - capitalPixels);
    for (int candidate : {guess - 2, guess - 1, guess + 1, guess + 2}) {
        if (candidate < 1)
            continue;
        const double error = std::abs(CapitalHeightAt(*this, look, candidate) - capitalPixels);
        if (error < bestError)
            best = candidate, bestError = error;
    }
    return best;
}

TPatternLook TPatternMaker::FittedAround(const TPatternLook &look, double margin)
{
    TPatternLook fitted = look;
    PatternSettings &s = fitted.settings;
    s.BlankWidth = kLayoutRoom;
    s.BlankHeight = kLayoutRoom;
    if (!s.Multiline) {
        s.HPos = 0;
        s.VPos = 0;
    }
    Show(fitted);
    const QRectF bounds = TextBounds();
    if (bounds.isEmpty())
        return look;
    const int marginPixels = int(std::lround(margin));
    if (s.Multiline) {
        // Multi-line text is centred both ways: equal room all round.
        s.BlankWidth = std::min(int(std::ceil(bounds.width())) + 2 * marginPixels, kLayoutRoom);
        s.BlankHeight = std::min(int(std::ceil(bounds.height())) + 2 * marginPixels, kLayoutRoom);
        // The lines are centred by their line boxes, not by their ink: grow
        // the blank until the narrower of the two vertical margins is full.
        Show(fitted);
        const QRectF placed = TextBounds();
        const double narrower = std::min(placed.top(), s.BlankHeight - placed.bottom());
        s.BlankHeight = std::min(s.BlankHeight + 2 * std::max(0, int(std::ceil(marginPixels - narrower))), kLayoutRoom);
        return fitted;
    }
    s.HPos = PatternRanges::HPos.Clamp(marginPixels - int(std::floor(bounds.left())));
    s.VPos = PatternRanges::VPos.Clamp(marginPixels - int(std::floor(bounds.top())));
    s.BlankWidth = int(std::ceil(bounds.right())) + s.HPos + marginPixels;
    Show(fitted);
    const int textBottom = int(std::ceil(TextBounds().bottom()));
    s.BlankHeight = s.Base ? textBottom + BaseBar::kTopAboveBottom - kLettersIntoBaseBar : textBottom + marginPixels;
    s.BlankWidth = std::min(s.BlankWidth, ExportLimits::kMaxBlankSidePixels);
    s.BlankHeight = std::min(s.BlankHeight, ExportLimits::kMaxBlankSidePixels);
    return fitted;
}
