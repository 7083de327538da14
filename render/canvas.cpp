#include "canvas.h"

#include <QPainter>
#include <QPen>

TCanvas::TCanvas(QPainter *painter) : m_painter(painter)
{
    m_font.OnChange = [this](TSettingsObject *) { m_fontStale = true; };
}

const QFont &TCanvas::EffectiveFont()
{
    if (m_fontStale) {
        m_effectiveFont = m_font.ToQFont();
        m_effectiveFont.setLetterSpacing(QFont::AbsoluteSpacing, m_characterExtra);
        m_fontStale = false;
    }
    return m_effectiveFont;
}

void TCanvas::SetBrushColor(TColor color)
{
    m_brushColor = color;
    m_brushHollow = false;
}

void TCanvas::SetTextCharacterExtra(int extra)
{
    if (extra != m_characterExtra) {
        m_characterExtra = extra;
        m_fontStale = true;
    }
}

void TCanvas::BeginPath()
{
    m_path = QPainterPath();
    m_pathClip = QRect();
    m_pathOpen = true;
}

void TCanvas::AddLetters(std::vector<TLetterShape> letters)
{
    m_letters.insert(m_letters.end(), std::make_move_iterator(letters.begin()),
                     std::make_move_iterator(letters.end()));
}

void TCanvas::BeginCapture(const QRect &surface)
{
    m_capturing = true;
    m_captureSurface = surface;
}

namespace {
// The device's area in the painter's coordinates, when it can be known; a
// device that counts fewer pixels than it shows is taken at its larger size.
std::optional<QRectF> DeviceArea(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    bool invertible = false;
    const QTransform toPainter = painter.combinedTransform().inverted(&invertible);
    if (!device || !invertible)
        return std::nullopt;
    const qreal enlarge = 1 / qMin(qreal(1), device->devicePixelRatioF());
    return toPainter.mapRect(QRectF(0, 0, device->width() * enlarge, device->height() * enlarge));
}
} // namespace

QRectF TCanvas::ShowablePart(const QRect &area) const
{
    QRectF part = m_clip ? area.intersected(*m_clip) : area;
    if (m_capturing)
        return part.intersected(m_captureSurface);
    const std::optional<QRectF> device = m_painter ? DeviceArea(*m_painter) : std::nullopt;
    return device ? part.intersected(*device) : part;
}

void TCanvas::AddToPath(const QPainterPath &outline, const QRect &clip)
{
    if (m_measuringInk) {
        AddInk(outline.boundingRect());
        return;
    }
    if (m_capturing) {
        const QRect onSurface = clip.intersected(m_captureSurface);
        m_captured.push_back({outline, m_clip ? onSurface.intersected(*m_clip) : onSurface});
        return;
    }
    m_path.addPath(outline);
    m_pathClip = m_pathClip.united(clip);
}

void TCanvas::StrokePath()
{
    if (m_painter && m_pen.Visible && !m_path.isEmpty() && m_pathClip.isValid()) {
        m_painter->save();
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setClipRect(m_pathClip, Qt::IntersectClip);
        if (m_clip)
            m_painter->setClipRect(*m_clip, Qt::IntersectClip);
        // Width 0 and 1 are both the one-pixel cosmetic line.
        QPen pen(ColorToQColor(m_pen.Color), m_pen.Width <= 1 ? 0 : m_pen.Width);
        pen.setJoinStyle(Qt::MiterJoin);
        m_painter->strokePath(m_path, pen);
        m_painter->restore();
    }
    m_path = QPainterPath();
    m_pathClip = QRect();
}
