#include "caption3d.h"

void T3DCaption::CopyEffectValues(const T3DCaption &other)
{
    m_disabledStyle = other.m_disabledStyle;
    m_lightDepth = other.m_lightDepth;
    m_shadowDepth = other.m_shadowDepth;
    m_lightColor = other.m_lightColor;
    m_shadowColor = other.m_shadowColor;
    m_style = other.m_style;
    m_tracing = other.m_tracing;
}
