#include "fxcaption.h"

TFxCaption::TFxCaption(const TFxCaption &other)
    : T3DCaption(other), m_angle(other.m_angle), m_posX(other.m_posX), m_posY(other.m_posY)
{
}

void TFxCaption::setAngle(quint16 angle)
{
    SetProperty(m_angle, angle == FullTurn ? quint16(0) : angle);
}

void TFxCaption::SetPos(qint16 x, qint16 y)
{
    BeginUpdate();
    setPosX(x);
    setPosY(y);
    EndUpdate(false);
}

void TFxCaption::Assign(const TFxCaption &other)
{
    if (&other == this)
        return;
    CopyEffectValues(other);
    m_angle = other.m_angle;
    m_posX = other.m_posX;
    m_posY = other.m_posY;
    Change();
}
