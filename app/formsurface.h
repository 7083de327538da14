#pragma once
// The window's own surface (the client area below the menu). It fills itself
// with the window colour and reports every repaint of itself, which the
// window's paint handler reacts to. Repaints inside the panels stop at the
// panels, so they do not count.

#include <QPainter>
#include <QWidget>
#include <functional>

class TFormSurface : public QWidget {
public:
    TFormSurface(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    std::function<void()> OnPainted;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), m_color);
        if (OnPainted)
            OnPainted();
    }

private:
    QColor m_color;
};
