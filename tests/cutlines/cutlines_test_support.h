#pragma once
// The pattern view the cut-line tests start from, and the contours as a picture.

#include "cutlines/cutlines.h"
#include "render/basebargeometry.h"
#include "render/patternview.h"
#include "render/render_test_support.h"

#include <QPainterPath>

namespace cuttest {

// "Scroll Saw" as the window shows it with Text Outline and Page Outline off.
inline void SetUpScrollSaw(TShapeControl &view, int kern = -20, int vpos = 20)
{
    rendertest::SetUpPatternView(view);
    view.Bevel()->setWidth(0);
    TCaption &caption = *view.Caption();
    caption.setCaption(QStringLiteral("Scroll Saw"));
    caption.setAlignment(agTopLeft);
    caption.Font()->setName(QStringLiteral("Fretcard Gothic"));
    caption.Font()->setSize(80);
    caption.Font()->setColor(clBlack);
    caption.FontFX()->setStyle(tdNone);
    caption.FontFX()->setLightDepth(0);
    caption.FontFX()->setShadowDepth(0);
    caption.FontFX()->setTracing(kern);
    caption.FontFX()->SetPos(0, qint16(vpos));
}

inline QRect BaseBarOf(const TShapeControl &view) { return BaseBar::Rectangle(view.Width(), view.Height()); }

inline QPainterPath PathOf(const std::vector<TCutContour> &contours)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const TCutContour &c : contours)
        path.addPolygon(c.points), path.closeSubpath();
    return path;
}

// The contours filled black on white, aliased, one pattern pixel per pixel.
inline QImage Fill(const std::vector<TCutContour> &contours, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(PathOf(contours), Qt::black);
    return image;
}

inline int OuterCount(const std::vector<TCutContour> &contours)
{
    int count = 0;
    for (const TCutContour &c : contours)
        count += c.hole ? 0 : 1;
    return count;
}

} // namespace cuttest
