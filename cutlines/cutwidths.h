#pragma once
// The widths the bridges and the fragile-spot check work with, and what
// makes one unusable.

#include <QSize>
#include <QString>

// Why `pixels` cannot serve as the bridge width on a blank of `blank`
// pixels, or an empty text when it can.
QString BridgeWidthProblem(double pixels, QSize blank);
// The same for the least width of wood.
QString LeastWidthProblem(double pixels, QSize blank);
