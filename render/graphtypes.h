#pragma once
// Enumerations and the rectangle type shared by the view and its caption.

#include <QRect>
#include <QtGlobal>

enum TAlignment : quint8 {
    agTopLeft, agTopCenter, agTopRight,
    agCenterLeft, agCenter, agCenterRight,
    agBottomLeft, agBottomCenter, agBottomRight
};

enum TThreeDStyle : quint8 {
    tdNone, tdSunken, tdRaised, tdSunkenShadow, tdRaisedShadow,
    tdPColorSunken, tdPColorRaised, tdShadow, tdOutline, tdExtrude, tdExtrudeEnh
};

enum TThreeDOrientation : quint8 { toBottomLeft, toBottomRight, toTopLeft, toTopRight };

enum TDisabledStyle : quint8 { dsAuto, dsStandard, ds3d, dsNone };

enum TShapeType : quint8 {
    stRectangle, stRoundRect, stEllipse,
    stTriangleUp, stTriangleRight, stTriangleDown, stTriangleLeft,
    stDiamond, stComb, stOctagon, stStar
};

enum TShapeControlMode : quint8 { scmShapeFast, scmShapeFill, scmTeethFast, scmTeethFill };

enum TShadowStyle : quint8 { hssNone, hssSolid, hssTracing };

enum TSimpleBevelStyle : quint8 { sbNormal, sbInset, sbOffset };

enum TFillStyle : quint8 { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };

enum TTileMode : quint8 { tmTile, tmStretch, tmCenter };

enum TBrushStyle : quint8 {
    bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};

enum TTeethSide : quint8 { tsTop, tsBottom, tsLeft, tsRight };

// Flags handed to DrawCaption, one bit per member.
enum TCaptionDrawFlag : quint16 {
    dfDisabled = 1 << 0,
    dfEnabled = 1 << 1,
    dfSunkenWhenDisabled = 1 << 2,
    dfClipped = 1 << 3,
    dfShowAccel = 1 << 4,
};
using TCaptionDrawFlags = quint16;

// Left, top, right, bottom; right and bottom are exclusive. Empty when
// right <= left or bottom <= top.
struct TRect {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;

    constexpr qint32 Width() const { return Right - Left; }
    constexpr qint32 Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    void Offset(int dx, int dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    friend constexpr bool operator==(const TRect &, const TRect &) = default;
};
