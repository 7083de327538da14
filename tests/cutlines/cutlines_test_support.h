#pragma once
// The pattern view the cut-line tests start from, and the contours as a picture.

#include "cutlines/cutlines.h"
#include "cutlines/dxfwriter.h"
#include "render/basebargeometry.h"
#include "render/patternview.h"
#include "render/render_test_support.h"
#include "support/cutlinescheck.h"

#include <QFile>
#include <QPainterPath>
#include <QTemporaryDir>

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

// The cut lines as a DXF file in `dir`; empty when it could not be written.
inline QString WriteDxf(const QTemporaryDir &dir, const QString &name, const TCutLines &lines)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !WriteCutLinesDxf(lines, &file))
        return {};
    return path;
}

// The bridged cut lines against the plain ones, read back by the checker:
// bridges, in_bar, wood_parts, apart_from_board.
inline QJsonObject CheckBridges(const TCutLines &plain, const TCutLines &bridged, double width,
                                std::optional<QRectF> bar = std::nullopt)
{
    QTemporaryDir dir;
    const double height = plain.blankSize.height();
    QStringList arguments{QStringLiteral("bridges"), WriteDxf(dir, QStringLiteral("plain.dxf"), plain),
                          WriteDxf(dir, QStringLiteral("bridged.dxf"), bridged), cutcheck::Inches(width),
                          cutcheck::Inches(plain.blankSize.width()), cutcheck::Inches(height)};
    // DXF counts y up from the blank's bottom edge.
    if (bar)
        arguments << cutcheck::Inches(bar->left()) << cutcheck::Inches(height - bar->bottom())
                  << cutcheck::Inches(bar->right()) << cutcheck::Inches(height - bar->top());
    return cutcheck::Run(arguments);
}

} // namespace cuttest
