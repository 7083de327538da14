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

void TCanvas::AddToPath(const QPainterPath &outline, const QRect &clip)
{
    if (m_capturing) {
        m_captured.push_back({outline, m_clip ? clip.intersected(*m_clip) : clip});
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
