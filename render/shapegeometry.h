#pragma once
// The figure's cached geometry: points packed as 16-bit X (low) and Y (high).

#include "graphtypes.h"

#include <QList>
#include <QPoint>

class TTeeth;
class TShadow;
class TSimpleBevel;
class TBrush;

using TPointList = QList<quint32>;

// Coordinates are clamped to 0..65535 so that they survive the packing.
quint32 PackPoint(int x, int y);
QPoint UnpackPoint(quint32 packed);

// Rectangles, rounded rectangles and ellipses keep six points: the shadow
// figure (corner, far corner, corner size) and the blank (the same three).
// Polygon shapes keep their corners. Teeth, when active, follow the figure.
bool IsBoxShape(TShapeType shape);
int FigurePointCount(TShapeType shape);

// The figure in the box's own coordinates, placed as the shadow sees it: the
// blank is drawn from these points moved back by the shadow depth.
void BuildShapePoints(const TRect &box, TShapeType shape, const TTeeth *activeTeeth,
                      TPointList &points, const TShadow &shadow, const TSimpleBevel *bevel,
                      quint8 roundPercent, const TBrush &brush, bool square);

// The pen width the figure is outlined with (0 without outline).
int OutlineWidth(const TTeeth *activeTeeth, const TSimpleBevel *bevel);
