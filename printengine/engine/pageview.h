#pragma once
// The scrolling content of the preview: rulers, the paper and what is on it,
// at 96 logical pixels to the inch times the zoom.

#include "document.h"

#include <QWidget>

#include <functional>

namespace fretprint {

inline constexpr int kRulerThickness = 24;
inline constexpr int kPaperMargin = 16;

class PageView : public QWidget {
public:
    explicit PageView(QWidget *parent = nullptr);

    void setDocument(const Document *document) { m_document = document; }
    void setPageIndex(int index) { m_pageIndex = index; }
    void setZoom(double zoom) { m_zoom = zoom; }
    void refresh(); // after any change: size and repaint

    double pixelsPerCm() const;
    // Where the paper's top-left corner is drawn, in this widget.
    QPoint paperOrigin() const;

    QSize sizeHint() const override;

    // Keys the preview acts on; the answer says whether it did.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> keyHandler;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintRulers(QPainter &painter, QSize pagePixels) const;
    QSize pagePixels() const;

    const Document *m_document = nullptr;
    int m_pageIndex = 0;
    double m_zoom = 1.0;
};

} // namespace fretprint
