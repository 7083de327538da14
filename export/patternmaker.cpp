#include "export/patternmaker.h"

#include "export/exportoptions.h"
#include "render/basebar.h"
#include "render/basebargeometry.h"
#include "render/patternview.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const QString kCapital = QStringLiteral("H");
// Room enough to lay out any text before the blank is fitted to it.
constexpr int kLayoutRoom = ExportLimits::kMaxBlankSidePixels;
// The letters of a sign with a base bar reach this far into the bar, so that
// the two are one piece.
constexpr int kLettersIntoBaseBar = 5;
// Ink measured twice of the same lines differs by less than this.
constexpr double kSameInk = 0.5;
// Centred lines that wrap in a blank fitted to their ink, or that no
// whole-pixel shift centres, get more room a pixel at a time, at most this
// many times.
constexpr int kMaxWidenings = 64;

double CapitalHeightAt(TPatternMaker &maker, TPatternLook look, int pixelHeight)
{
    look.settings.Text = kCapital;
    look.settings.Multiline = false;
    look.settings.BlankWidth = kLayoutRoom;
    look.settings.BlankHeight = kLayoutRoom;
    look.fontPixelHeight = pixelHeight;
    maker.Show(look);
    return maker.TextInk().height();
}

bool SameSize(const QRectF &a, const QRectF &b)
{
    return std::abs(a.width() - b.width()) < kSameInk && std::abs(a.height() - b.height()) < kSameInk;
}

// The whole-pixel shift that leaves about as much room before ink from
// `from` to `to` as after it, in a blank `side` long, with all of the ink
// inside; nothing when no whole-pixel shift keeps it all inside.
std::optional<int> CentringShift(int side, double from, double to)
{
    const int least = int(std::ceil(-from));
    const int most = int(std::floor(side - to));
    if (least > most)
        return std::nullopt;
    return std::clamp(int(std::lround((side - from - to) / 2)), least, most);
}

} // namespace

TPatternMaker::TPatternMaker() { PreparePatternView(m_view); }

void TPatternMaker::Show(const TPatternLook &look)
{
    ShowPattern(m_view, look.settings);
    m_base = look.settings.Base;
    TCaption *caption = m_view.Caption();
    if (look.fontPixelHeight)
        caption->Font()->setHeight(-*look.fontPixelHeight);
    if (look.textOffset) {
        // Centring both ways would put the lines back in the middle of
        // the blank; centred across and laid from the top, they keep the offset.
        if (look.settings.Multiline)
            caption->setAlignment(agTopCenter);
        caption->FontFX()->setPosX(qint16(look.textOffset->x()));
        caption->FontFX()->setPosY(qint16(look.textOffset->y()));
    }
}

QImage TPatternMaker::ExportPicture()
{
    m_workImage.Picture() = m_view.Snapshot();
    if (m_base)
        DrawBaseBar(m_workImage, m_view.Height(), Qt::black);
    return m_workImage.Picture();
}

QRectF TPatternMaker::TextInk() { return m_view.CaptionInk(); }

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

TPatternLook TPatternMaker::FittedAround(const TPatternLook &look, double margin, int minHeight)
{
    TPatternLook fitted = look;
    PatternSettings &s = fitted.settings;
    s.BlankWidth = kLayoutRoom;
    s.BlankHeight = kLayoutRoom;
    fitted.textOffset = QPoint(0, 0);
    Show(fitted);
    const QRectF free = TextInk();
    if (free.isNull())
        return look;

    // The blank's width first: where centred lines fall depends on it, and
    // they must not wrap where the room let them run on.
    s.BlankWidth = int(std::ceil(free.width() + 2 * margin));
    std::optional<int> dx;
    QRectF ink;
    for (int widening = 0;; ++widening) {
        Show(fitted);
        ink = TextInk();
        if (!s.Multiline || SameSize(ink, free))
            dx = CentringShift(s.BlankWidth, ink.left(), ink.right());
        if (dx || widening == kMaxWidenings)
            break;
        ++s.BlankWidth;
    }

    // Lines are laid from the top: their height is theirs, whatever the blank's.
    int dy = 0;
    if (s.Base) {
        // The letters stand on the bar: the margin above them, the bar below.
        dy = std::max(int(std::lround(margin - ink.top())), int(std::ceil(-ink.top())));
        s.BlankHeight = int(std::ceil(ink.bottom() + dy)) + BaseBar::kTopAboveBottom - kLettersIntoBaseBar;
        if (minHeight > s.BlankHeight) {
            dy += minHeight - s.BlankHeight;
            s.BlankHeight = minHeight;
        }
    } else {
        s.BlankHeight = std::max(int(std::ceil(ink.height() + 2 * margin)), minHeight);
        std::optional<int> centred;
        while (!(centred = CentringShift(s.BlankHeight, ink.top(), ink.bottom())))
            ++s.BlankHeight;
        dy = *centred;
    }
    // Ink that no shift keeps inside is left where it is, for the caller
    // to find cut off.
    fitted.textOffset = QPoint(dx.value_or(0), dy);
    Show(fitted);
    return fitted;
}
