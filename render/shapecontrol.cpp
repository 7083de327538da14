#include "shapecontrol.h"

#include "bmpfile.h"
#include "canvas.h"
#include "core/errors.h"
#include "core/safefile.h"
#include "shapedraw.h"

#include <QLinearGradient>
#include <functional>
#include <utility>
#include <QPaintEvent>
#include <QPainter>

// --- TWindowlessControl -----------------------------------------------------

TWindowlessControl::TWindowlessControl(QWidget *parent) : QWidget(parent)
{
    // The parent's background shows through wherever the view paints nothing.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_DontCreateNativeAncestors);
}

void TWindowlessControl::paintEvent(QPaintEvent *)
{
    if (m_loading)
        return;
    QPainter painter(this);
    Paint(painter);
}

void TWindowlessControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_loading)
        BoundsChanged(bcSize);
}

void TWindowlessControl::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_loading)
        BoundsChanged(bcPosition);
}

// --- TBaseControl -----------------------------------------------------------

void TBaseControl::EndUpdate()
{
    if (m_updateCount > 0)
        --m_updateCount;
}

// --- TBaseGraphicControl ----------------------------------------------------

TBaseGraphicControl::TBaseGraphicControl(QWidget *parent) : TBaseControl(parent) {}

void TBaseGraphicControl::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    ColorChanged();
}

void TBaseGraphicControl::setColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    ColorChanged();
}

// --- TBaseShape -------------------------------------------------------------

TBaseShape::TBaseShape(QWidget *parent) : TBaseGraphicControl(parent)
{
    QWidget::resize(DefaultSize, DefaultSize);
    const auto changed = [this](TSettingsObject *sender) { ShapeChanged(sender); };
    m_bevel.OnChange = changed;
    m_shadow.OnChange = changed;
    m_brush.OnChange = changed;
    m_shapeFill.OnChange = changed;
    m_teeth.OnChange = changed;
    m_caption.setAlignment(agCenter);
    m_caption.setUseOwnText(false);
    m_caption.OnChange = changed;
}

TBaseShape::~TBaseShape()
{
    for (TSettingsObject *owned : std::initializer_list<TSettingsObject *>{
             &m_bevel, &m_shadow, &m_brush, &m_shapeFill, &m_teeth, &m_caption})
        owned->OnChange = nullptr;
}

void TBaseShape::setWidth(int width)
{
    width = std::clamp(width, 0, MaxSize);
    if (width == Width())
        return;
    QWidget::resize(width, Height());
    // A hidden widget gets its resize event only when shown: report now.
    if (!Loading())
        BoundsChanged(bcSize);
}

void TBaseShape::setHeight(int height)
{
    height = std::clamp(height, 0, MaxSize);
    if (height == Height())
        return;
    QWidget::resize(Width(), height);
    if (!Loading())
        BoundsChanged(bcSize);
}

template <typename T>
void TBaseShape::SetShapeProperty(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    ShapeChanged(nullptr);
}

void TBaseShape::setShape(TShapeType shape) { SetShapeProperty(m_shape, shape); }
void TBaseShape::setRoundPercent(quint8 percent) { SetShapeProperty(m_roundPercent, percent); }
void TBaseShape::setSquare(bool square) { SetShapeProperty(m_square, square); }
void TBaseShape::setBrushBackColor(TColor color) { SetShapeProperty(m_brushBackColor, color); }
void TBaseShape::setCaptionClip(bool clip) { SetShapeProperty(m_captionClip, clip); }
void TBaseShape::setMode(TShapeControlMode mode) { SetShapeProperty(m_mode, mode); }

void TBaseShape::ShapeChanged(TSettingsObject *sender)
{
    const bool teethMode = m_mode == scmTeethFast || m_mode == scmTeethFill;
    m_activeTeeth = teethMode ? &m_teeth : nullptr;
    if (sender != &m_caption)
        RebuildGeometry();
    PrepareFillBitmap();
    ReportChange();
    if (UpdateCount() == 0)
        RequestRepaint();
}

void TBaseShape::ReportChange()
{
    m_reportedSize = size();
    if (OnChange)
        OnChange();
}

void TBaseShape::RequestRepaint()
{
    if (Transparent())
        update();
    else
        repaint();
}

void TBaseShape::BoundsChanged(TBoundsChanges changes)
{
    if (!(changes & bcSize))
        return;
    m_geometryStale = true;
    if (size() != m_reportedSize)
        ReportChange();
}

void TBaseShape::RebuildGeometry()
{
    BuildShapePoints(ClientRect(), m_shape, m_activeTeeth, m_shapePoints, m_shadow, &m_bevel,
                     m_roundPercent, m_brush, m_square);
    m_geometrySize = size();
    m_geometryStale = false;
}

bool TBaseShape::UsesFillBitmap() const
{
    return m_mode == scmShapeFill || m_mode == scmTeethFill;
}

void TBaseShape::PrepareFillBitmap()
{
    m_fillBitmap.reset();
    if (UsesFillBitmap())
        m_fillBitmap = std::make_unique<QImage>();
}

TRect TBaseShape::GetShapeRect() const { return ClientRect(); }

void TBaseShape::Paint(QPainter &canvas)
{
    if (Loading())
        return;
    RenderTo(canvas);
}

void TBaseShape::RenderFillBitmap()
{
    const TRect shapeRect = GetShapeRect();
    QImage bitmap(qMax(1, shapeRect.Width()), qMax(1, shapeRect.Height()),
                  QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    QPainter painter(&bitmap);
    const QRect area = bitmap.rect();
    switch (m_shapeFill.Style()) {
    case sfNone: break;
    case sfBrush: painter.fillRect(area, ColorToQColor(m_brush.Color())); break;
    case sfGradient: {
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, ColorToQColor(m_shapeFill.GradientStart()));
        gradient.setColorAt(1, ColorToQColor(m_shapeFill.GradientEnd()));
        painter.fillRect(area, gradient);
        break;
    }
    case sfBrushBitmap:
    case sfBitmap:
    case sfBitmapList: {
        const QImage source = m_shapeFill.Style() == sfBrushBitmap ? m_brush.Bitmap()
                                                                   : m_shapeFill.Bitmap();
        if (source.isNull())
            painter.fillRect(area, ColorToQColor(m_brush.Color()));
        else if (m_shapeFill.TileMode() == tmStretch)
            painter.drawImage(area, source);
        else if (m_shapeFill.TileMode() == tmCenter)
            painter.drawImage(area.center() - source.rect().center(), source);
        else
            painter.fillRect(area, QBrush(source));
        break;
    }
    }
    if (m_captionClip) {
        TCanvas canvas(&painter);
        DrawShapeCaption(canvas, ClientRect());
    }
    painter.end();
    *m_fillBitmap = bitmap;
}

void TBaseShape::RenderTo(QPainter &painter)
{
    if (m_geometryStale || m_geometrySize != size())
        RebuildGeometry();
    const TRect client = ClientRect();
    if (!Transparent())
        painter.fillRect(client.ToQRect(), ColorToQColor(Color()));
    PrepareFillBitmap();
    if (m_fillBitmap)
        RenderFillBitmap();
    TCanvas canvas(&painter);
    ShapeDrawArgs args;
    args.rect = client;
    args.shape = m_shape;
    args.brushBackColor = m_brushBackColor;
    args.color = Color();
    args.fillBitmap = m_fillBitmap.get();
    args.shadow = &m_shadow;
    args.bevel = &m_bevel;
    args.brush = &m_brush;
    args.points = &m_shapePoints;
    args.activeTeeth = m_activeTeeth;
    DrawShape(canvas, args);
    // In the bitmap modes a clipped caption is already part of the fill.
    if (!(m_fillBitmap && m_captionClip))
        DrawShapeCaption(canvas, client);
}

TRect TBaseShape::CaptionRectFor(const TRect &rect) const
{
    const int bevel = m_bevel.Width();
    const int depth = m_shadow.EffectiveDepth();
    TRect captionRect{rect.Left + bevel, rect.Top + bevel, rect.Right - bevel - depth,
                      rect.Bottom - bevel - depth};
    captionRect.Offset(bevel - captionRect.Left, bevel - captionRect.Top);
    return captionRect;
}

void TBaseShape::DrawShapeCaption(TCanvas &canvas, const TRect &rect)
{
    const TCaptionDrawFlags flags = isEnabled() ? dfEnabled : dfDisabled;
    m_caption.DrawCaption(canvas, GetCaptionText(), CaptionRectFor(rect), flags, Color(), 0);
}

std::vector<TGlyphPiece> TBaseShape::CaptionGlyphs()
{
    TCanvas canvas;
    canvas.BeginCapture(ClientRect().ToQRect());
    DrawShapeCaption(canvas, ClientRect());
    return canvas.Captured();
}

std::vector<TLetterShape> TBaseShape::CaptionLettersAt(int kern)
{
    // The caption's kern is swapped only while its letters are laid out,
    // with its report to the view held back, and put back however the
    // layout ends.
    struct TKernSwap {
        TCaption &caption;
        const qint32 shown = caption.FontFX()->Tracing();
        std::function<void(TSettingsObject *)> report = std::exchange(caption.OnChange, nullptr);
        ~TKernSwap()
        {
            caption.FontFX()->setTracing(shown);
            caption.OnChange = std::move(report);
        }
    } swap{m_caption};
    m_caption.FontFX()->setTracing(kern);
    TCanvas canvas;
    canvas.BeginLetterCapture();
    DrawShapeCaption(canvas, ClientRect());
    return canvas.TakeLetters();
}

QRectF TBaseShape::CaptionInk()
{
    TCanvas canvas;
    canvas.BeginInkMeasure();
    DrawShapeCaption(canvas, ClientRect());
    return canvas.MeasuredInk();
}

QPainterPath TBaseShape::BlankOutline()
{
    if (m_bevel.Width() <= 0 || !IsBoxShape(m_shape))
        return {};
    TPointList points;
    BuildShapePoints(ClientRect(), m_shape, nullptr, points, m_shadow, &m_bevel, m_roundPercent, m_brush, m_square);
    constexpr int BlankTopLeft = 3, BlankBottomRight = 4, BlankCorner = 5;
    const int depth = m_shadow.EffectiveDepth();
    const QPointF back(depth, depth);
    const QPointF topLeft = QPointF(UnpackPoint(points[BlankTopLeft])) - back;
    const QPointF bottomRight = QPointF(UnpackPoint(points[BlankBottomRight])) - back;
    const QPointF corner = QPointF(UnpackPoint(points[BlankCorner])) - back;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(topLeft, bottomRight), corner.x() / 2, corner.y() / 2);
    return outline;
}

QImage TBaseShape::Snapshot()
{
    if (Width() <= 0 || Height() <= 0)
        return {};
    QImage snapshot(Width(), Height(), QImage::Format_RGB32);
    if (snapshot.isNull())
        throw EOutOfResources();
    snapshot.fill(Qt::white);
    {
        QPainter painter(&snapshot);
        RenderTo(painter);
    }
    return snapshot;
}

void TBaseShape::SaveToBitmapFile(const QString &fileName)
{
    const QImage snapshot = Snapshot();
    WriteFileSafely(fileName, [&snapshot](QIODevice *device) { WriteBmp(snapshot, device); });
}
