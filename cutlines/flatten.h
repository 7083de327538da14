#pragma once
// Painter paths as closed polylines no farther from the true curves than a
// given distance.

#include <QPainterPath>
#include <QPolygonF>
#include <vector>

// Every subpath of `path` as a closed polyline (first point not repeated);
// curves are split finely enough that no point of a curve lies farther than
// `tolerance` from the polyline.
std::vector<QPolygonF> FlattenPath(const QPainterPath &path, qreal tolerance);
