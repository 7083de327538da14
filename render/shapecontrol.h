#pragma once
// The pattern view: a windowless control that draws the blank (a figure
// with fill, outline and shadow) and has its caption drawn on top, on the
// screen and into snapshot bitmaps alike.

#include "canvas.h"
#include "caption.h"
#include "colors.h"
#include "graphtypes.h"
#include "shapegeometry.h"
#include "shapesettings.h"

#include <QImage>
#include <QPainterPath>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

enum TBoundsChange : quint8 { bcPosition = 1, bcSize = 2 };
using TBoundsChanges = quint8;

// Paints on its parent's surface, inside its own bounds: no native window,
// no background of its own unless it is made opaque.
class TWindowlessControl : public QWidget {
public:
    explicit TWindowlessControl(QWidget *parent = nullptr);

    // While loading, nothing paints and bounds changes are not reported.
    bool Loading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

protected:
    virtual void Paint(QPainter &canvas) = 0;
    virtual void BoundsChanged(TBoundsChanges changes) = 0;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    bool m_loading = false;
};

class TBaseControl : public TWindowlessControl {
public:
    explicit TBaseControl(QWidget *parent = nullptr) : TWindowlessControl(parent) {}

    // Suspends the repaints that changes ask for.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

private:
    int m_updateCount = 0;
};

class TBaseGraphicControl : public TBaseControl {
public:
    explicit TBaseGraphicControl(QWidget *parent = nullptr);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    // The back colour: painted under the figure only by an opaque control.
    TColor Color() const { return m_color; }
    void setColor(TColor color);

protected:
    virtual void ColorChanged() {}

private:
    bool m_transparent = true;
    TColor m_color = clWindow;
};

class TBaseShape : public TBaseGraphicControl {
public:
    static constexpr int DefaultSize = 30;
    static constexpr int MaxSize = 0xFFFF;

    explicit TBaseShape(QWidget *parent = nullptr);
    ~TBaseShape() override;

    int Width() const { return width(); }
    int Height() const { return height(); }
    void setWidth(int width);
    void setHeight(int height);

    TShapeType Shape() const { return m_shape; }
    void setShape(TShapeType shape);
    quint8 RoundPercent() const { return m_roundPercent; }
    void setRoundPercent(quint8 percent);
    bool Square() const { return m_square; }
    void setSquare(bool square);
    TColor BrushBackColor() const { return m_brushBackColor; }
    void setBrushBackColor(TColor color);
    bool CaptionClip() const { return m_captionClip; }
    void setCaptionClip(bool clip);

    TSimpleBevel *Bevel() { return &m_bevel; }
    TShadow *Shadow() { return &m_shadow; }
    TBrush *Brush() { return &m_brush; }
    TShapeFill *ShapeFill() { return &m_shapeFill; }
    TCaption *Caption() { return &m_caption; }
    void setBrush(const TBrush &brush) { m_brush.Assign(brush); }

    // Called after anything that changes the picture: a setting of the view
    // or of its caption, or its size. Drawings derived from the picture
    // rebuild themselves from here instead of on every repaint.
    std::function<void()> OnChange;

    // Paints the whole view onto a canvas whose origin is the view's top-left.
    void RenderTo(QPainter &canvas);
    // The caption's glyph outlines exactly as RenderTo lays them out, in the
    // view's pixels, with the rectangles the picture clips them to (never
    // beyond the view). Glyphs that cannot show may be left out.
    std::vector<TGlyphPiece> CaptionGlyphs();
    // The caption's letters one by one as RenderTo would lay them out with
    // `kern` extra pixels after every letter, wherever they lie. The view
    // keeps its own kern and tells no one: nothing is repainted.
    std::vector<TLetterShape> CaptionLettersAt(int kern);
    // Where the caption's glyph outlines lie as RenderTo lays them out, in
    // the view's pixels, including any the view's edges cut off; null
    // without ink.
    QRectF CaptionInk();
    // The blank's outline as RenderTo draws it: its box figure, moved back by
    // the shadow. Empty without a page outline or for a figure not a box.
    QPainterPath BlankOutline();
    // The view on white, exactly Width x Height pixels; a null image when
    // the view has no area. Throws EOutOfResources when no image can be had.
    QImage Snapshot();
    // Writes the snapshot as a 24-bit BMP.
    void SaveToBitmapFile(const QString &fileName);

    // Where the caption goes: inside the outline, clear of the shadow.
    TRect CaptionRect() const { return CaptionRectFor(ClientRect()); }

protected:
    TShapeControlMode Mode() const { return m_mode; }
    void setMode(TShapeControlMode mode);
    TTeeth *Teeth() { return &m_teeth; }

    void Paint(QPainter &canvas) override;
    void BoundsChanged(TBoundsChanges changes) override;
    void ShapeChanged(TSettingsObject *sender);
    void ColorChanged() override { ShapeChanged(nullptr); }
    virtual void DrawShapeCaption(TCanvas &canvas, const TRect &rect);
    virtual TRect GetShapeRect() const;
    virtual QString GetCaptionText() const { return m_caption.Caption(); }

private:
    template <typename T>
    void SetShapeProperty(T &field, T value);
    void RebuildGeometry();
    void PrepareFillBitmap();
    bool UsesFillBitmap() const;
    void RenderFillBitmap();
    void RequestRepaint();
    void ReportChange();
    TRect CaptionRectFor(const TRect &rect) const;
    TRect ClientRect() const { return TRect{0, 0, Width(), Height()}; }

    TShapeType m_shape = stRectangle;
    quint8 m_roundPercent = 33;
    bool m_square = false;
    TColor m_brushBackColor = clBtnFace;
    bool m_captionClip = false;
    TShapeControlMode m_mode = scmShapeFast;
    TSimpleBevel m_bevel;
    TShadow m_shadow;
    TBrush m_brush;
    TShapeFill m_shapeFill;
    TTeeth m_teeth;
    TCaption m_caption;
    TPointList m_shapePoints;
    bool m_geometryStale = true;
    QSize m_geometrySize;
    // The size the last change report went out for: a visible view hears of
    // one resize twice (from its setter and from Qt), and reports it once.
    QSize m_reportedSize;
    const TTeeth *m_activeTeeth = nullptr;
    std::unique_ptr<QImage> m_fillBitmap;
};

class TShapeControl : public TBaseShape {
public:
    explicit TShapeControl(QWidget *parent = nullptr) : TBaseShape(parent) {}

    using TBaseShape::Mode;
    using TBaseShape::setMode;
    using TBaseShape::Teeth;
};
