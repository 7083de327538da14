#pragma once
// A picture control: shows an image at its natural size or stretched to the
// control, optionally inside a raised bevel, and reports clicks.

#include "ui/panel.h"

#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    QImage &Picture() { return m_picture; }
    const QImage &Picture() const { return m_picture; }
    // With AutoSize the control takes the size of every picture it is given.
    void setPicture(const QImage &picture);
    void setAutoSize(bool on) { m_autoSize = on; }
    void setStretch(bool on);
    void setBevelInner(TBevelCut cut);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
    TBevelCut m_bevelInner = TBevelCut::None;
};

// A caption drawn turned a quarter to the left, reading from bottom to top.
class TRotatedLabel : public QWidget {
public:
    TRotatedLabel(const QString &caption, QWidget *parent = nullptr);
    const QString &Caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
