#pragma once
// The settings objects a shape view owns: brush, outline bevel, drop
// shadow, fill source and teeth.

#include "colors.h"
#include "graphtypes.h"
#include "settingsobject.h"

#include <QImage>

class TBrush : public TSettingsObject {
public:
    TColor Color() const { return m_color; }
    // Giving a hollow brush a colour makes it solid again.
    void setColor(TColor color);
    TBrushStyle Style() const { return m_style; }
    void setStyle(TBrushStyle style) { SetProperty(m_style, style); }
    QImage Bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &bitmap);
    void Assign(const TBrush &other);

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = bsSolid;
    QImage m_bitmap;
};

class TSimpleBevel : public TSettingsObject {
public:
    static constexpr quint8 MaxWidth = 50;

    quint8 Width() const { return m_width; }
    void setWidth(quint8 width) { SetProperty(m_width, qMin(width, MaxWidth)); }
    TSimpleBevelStyle Style() const { return m_style; }
    void setStyle(TSimpleBevelStyle style) { SetProperty(m_style, style); }
    TColor Color() const { return m_color; }
    void setColor(TColor color) { SetProperty(m_color, color); }
    TColor LightColor() const { return m_lightColor; }
    void setLightColor(TColor color) { SetProperty(m_lightColor, color); }
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor color) { SetProperty(m_shadowColor, color); }

private:
    quint8 m_width = 2;
    TSimpleBevelStyle m_style = sbNormal;
    TColor m_color = clBlack;
    TColor m_lightColor = clBtnHighlight;
    TColor m_shadowColor = clBtnShadow;
};

class TShadow : public TSettingsObject {
public:
    static constexpr quint8 MaxDepth = 40;

    TShadowStyle Style() const { return m_style; }
    void setStyle(TShadowStyle style) { SetProperty(m_style, style); }
    quint8 Depth() const { return m_depth; }
    void setDepth(quint8 depth) { SetProperty(m_depth, qMin(depth, MaxDepth)); }
    TColor Color() const { return m_color; }
    void setColor(TColor color) { SetProperty(m_color, color); }
    // The depth the figure gives way to: 0 without a shadow.
    int EffectiveDepth() const { return m_style == hssNone ? 0 : m_depth; }

private:
    TShadowStyle m_style = hssSolid;
    quint8 m_depth = 6;
    TColor m_color = clBtnShadow;
};

class TShapeFill : public TSettingsObject {
public:
    TFillStyle Style() const { return m_style; }
    void setStyle(TFillStyle style) { SetProperty(m_style, style); }
    TTileMode TileMode() const { return m_tileMode; }
    void setTileMode(TTileMode mode) { SetProperty(m_tileMode, mode); }
    QImage Bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &bitmap);
    // A vertical gradient from the start colour at the top to the end colour.
    TColor GradientStart() const { return m_gradientStart; }
    void setGradientStart(TColor color) { SetProperty(m_gradientStart, color); }
    TColor GradientEnd() const { return m_gradientEnd; }
    void setGradientEnd(TColor color) { SetProperty(m_gradientEnd, color); }

private:
    TFillStyle m_style = sfBrush;
    TTileMode m_tileMode = tmTile;
    QImage m_bitmap;
    TColor m_gradientStart = clWhite;
    TColor m_gradientEnd = clBtnShadow;
};

class TTeeth : public TSettingsObject {
public:
    TTeethSide Side() const { return m_side; }
    void setSide(TTeethSide side) { SetProperty(m_side, side); }
    // Depth of a tooth in pixels.
    quint8 Size() const { return m_size; }
    void setSize(quint8 size) { SetProperty(m_size, size); }
    // Distance from one tooth tip to the next.
    quint8 Pitch() const { return m_pitch; }
    void setPitch(quint8 pitch) { SetProperty(m_pitch, qMax<quint8>(pitch, 2)); }

private:
    TTeethSide m_side = tsBottom;
    quint8 m_size = 8;
    quint8 m_pitch = 16;
};
