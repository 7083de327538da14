#pragma once
// Text effect settings: one of the 3-D styles, its depths and colours, and
// the letter spacing.

#include "colors.h"
#include "graphtypes.h"
#include "settingsobject.h"

class T3DCaption : public TSettingsObject {
public:
    T3DCaption() = default;
    T3DCaption(const T3DCaption &other) : TSettingsObject(other) { CopyEffectValues(other); }
    T3DCaption &operator=(const T3DCaption &) = delete;

    TDisabledStyle DisabledStyle() const { return m_disabledStyle; }
    void setDisabledStyle(TDisabledStyle style) { SetProperty(m_disabledStyle, style); }
    quint8 LightDepth() const { return m_lightDepth; }
    void setLightDepth(quint8 depth) { SetProperty(m_lightDepth, depth); }
    quint8 ShadowDepth() const { return m_shadowDepth; }
    void setShadowDepth(quint8 depth) { SetProperty(m_shadowDepth, depth); }
    TColor LightColor() const { return m_lightColor; }
    void setLightColor(TColor color) { SetProperty(m_lightColor, color); }
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor color) { SetProperty(m_shadowColor, color); }
    TThreeDStyle Style() const { return m_style; }
    void setStyle(TThreeDStyle style) { SetProperty(m_style, style); }
    TThreeDOrientation Orientation() const { return m_orientation; }
    void setOrientation(TThreeDOrientation orientation) { SetProperty(m_orientation, orientation); }
    // Extra pixels after every character; negative pulls letters together.
    qint32 Tracing() const { return m_tracing; }
    void setTracing(qint32 tracing) { SetProperty(m_tracing, tracing); }

protected:
    // Every value but the orientation, which belongs to the receiving caption.
    void CopyEffectValues(const T3DCaption &other);

private:
    TDisabledStyle m_disabledStyle = dsAuto;
    quint8 m_lightDepth = 1;
    quint8 m_shadowDepth = 1;
    TColor m_lightColor = clBtnHighlight;
    TColor m_shadowColor = clBtnShadow;
    TThreeDStyle m_style = tdNone;
    TThreeDOrientation m_orientation = toTopLeft;
    qint32 m_tracing = 0;
};
