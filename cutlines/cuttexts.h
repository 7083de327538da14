#pragma once
// How the window and the exporter word what they tell about the cut lines.

#include <QString>

// "0 loose pieces", "1 loose piece", "2 loose pieces".
QString CountText(int count, const QString &one, const QString &many);

// A width in pattern pixels as inches, as short as it is exact to a
// ten-thousandth: "0.5 in", "0.0625 in".
QString WidthText(double pixels);
