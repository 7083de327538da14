#pragma once
// The rulers beside the preview, drawn at the preview's scale of 96 pixels
// to the inch: a short tick every tenth of an inch, a longer tick at each
// half inch, and a full line with its number at each inch.

#include "core/units.h"

#include <QImage>
#include <QWidget>

enum class TRulerOrientation { Horizontal, Vertical };

// Where tick `index` (counted in tenths of an inch) lies, in whole pixels.
int RulerTickOffset(int index);

// Length of the tick across the ruler: a tenth, a half inch or a full inch.
int RulerTickLength(int index, int rulerThickness);

// The ruler as a picture. A horizontal ruler starts at its left edge with its
// ticks rising from the bottom edge; a vertical one starts at its top edge
// with its ticks reaching in from the right edge.
QImage DrawRuler(TRulerOrientation orientation, QSize size);

class TRulerPicture : public QWidget {
public:
    TRulerPicture(TRulerOrientation orientation, QSize size, QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
