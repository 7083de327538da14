#pragma once
// Plain window-toolkit pieces of the main window: a bevelled panel with an
// optional centred caption, an etched frame, and a filled rectangle shape.
// Each paints itself completely, so a repaint inside a panel never reaches
// the window's own surface beneath it.

#include <QColor>
#include <QString>
#include <QWidget>

enum class TBevelCut { None, Raised, Lowered };

class TPanel : public QWidget {
public:
    explicit TPanel(QWidget *parent = nullptr);

    void setColor(const QColor &color);
    void setBevelOuter(TBevelCut cut);
    void setBevelWidth(int width);
    void setCaption(const QString &caption);
    const QString &Caption() const { return m_caption; }
    int BevelWidth() const { return m_bevelCut == TBevelCut::None ? 0 : m_bevelWidth; }
    QColor Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    TBevelCut m_bevelCut = TBevelCut::Raised;
    int m_bevelWidth = 1;
    QString m_caption;
};

// A lowered etched rectangle: a shadow line with a highlight line inside.
class TEtchedFrame : public QWidget {
public:
    explicit TEtchedFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A rectangle filled with a brush and outlined with a pen; a pen width of 0
// still draws the thinnest line, in the pen's colour.
class TShape : public QWidget {
public:
    explicit TShape(QWidget *parent = nullptr);

    void setBrushColor(const QColor &color);
    void setPenColor(const QColor &color);
    QColor BrushColor() const { return m_brush; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_brush = Qt::white;
    QColor m_pen = Qt::black;
};

// Draws the raised or lowered bevel of `width` pixels along the inside of `rect`.
class QPainter;
void DrawBevel(QPainter &painter, QRect rect, TBevelCut cut, int width);

// The fixed classic colours of bevels, independent of the desktop theme.
QColor BevelHighlightColor();
QColor BevelShadowColor();
