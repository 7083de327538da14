#pragma once
// Effect settings with a position offset and a rotation angle.

#include "caption3d.h"

class TFxCaption : public T3DCaption {
public:
    static constexpr quint16 FullTurn = 360;

    TFxCaption() = default;
    TFxCaption(const TFxCaption &other);
    TFxCaption &operator=(const TFxCaption &) = delete;

    // Degrees counter-clockwise, 0..359; a full turn is stored as 0.
    quint16 Angle() const { return m_angle; }
    void setAngle(quint16 angle);
    // Pixels added to the left and top edges of the text rectangle; a
    // negative offset moves the text left or up.
    qint16 PosX() const { return m_posX; }
    void setPosX(qint16 x) { SetProperty(m_posX, x); }
    qint16 PosY() const { return m_posY; }
    void setPosY(qint16 y) { SetProperty(m_posY, y); }

    // Stores both offsets without telling anyone: used while painting.
    void SetPos(qint16 x, qint16 y);

    // Copies every value except Orientation, then reports one change.
    void Assign(const TFxCaption &other);

private:
    quint16 m_angle = 0;
    qint16 m_posX = 0;
    qint16 m_posY = 0;
};
