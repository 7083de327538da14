#pragma once
// The decorative pictures of the window, drawn rather than stored so they
// stay crisp and small.

#include <QImage>

// A corner flourish for the settings panel: quarter rings and a diagonal
// that open towards the panel's inside from the given corner.
QImage DrawCornerOrnament(int size, Qt::Corner corner);

// The donation picture: a coin with its value on it.
QImage DrawDonationPicture(QSize size);
