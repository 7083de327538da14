#pragma once
// The widths the cut lines work with, and what makes one unusable.

#include <QSize>
#include <QString>

// Why `pixels` cannot serve as the bridge width on a blank of `blank`
// pixels cut with a blade `kerf` wide, or an empty text when it can.
QString BridgeWidthProblem(double pixels, QSize blank, double kerf);
// The same for the least width of wood.
QString LeastWidthProblem(double pixels, QSize blank);
// The same for the drill that makes the blade-entry holes.
QString DrillSizeProblem(double pixels, QSize blank);
// The same for the blade's kerf, where the bridges are `bridgeWidth` wide.
// A kerf of 0 is allowed: it leaves the letters' outline exactly as it is.
QString KerfProblem(double pixels, QSize blank, double bridgeWidth);
