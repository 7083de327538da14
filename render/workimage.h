#pragma once
// The hidden work image: every export loads the freshly written snapshot into
// it, draws the optional base bar on it and saves it where it has to go.
//
// It keeps one drawing surface for the whole run. The pen is a black, solid,
// one-pixel line and never changes; the brush starts solid white and keeps
// whatever style and colour the last base bar left in it, so a later bar's
// interior starts from that colour.

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QString>

class QIODevice;

class TWorkImage {
public:
    TWorkImage();

    // Replaces the picture by the bitmap in `path`; the image takes the
    // bitmap's size. Throws EInOutError when the file cannot be read and
    // EFretcardError when it holds no valid bitmap. An empty file (what the
    // view writes when it has no area) gives an empty picture.
    void LoadFromFile(const QString &path);
    void LoadFromDevice(QIODevice *device);

    // Writes the picture as a 24-bit bitmap, through QSaveFile so that a
    // failed write leaves the file as it was. Throws EInOutError.
    void SaveToFile(const QString &path) const;
    void SaveToDevice(QIODevice *device) const;

    const QImage &Picture() const { return m_picture; }
    QImage &Picture() { return m_picture; }
    int Width() const { return m_picture.width(); }
    int Height() const { return m_picture.height(); }

    QPen Pen() const;
    const QBrush &Brush() const { return m_brush; }
    void SetBrush(const QBrush &brush) { m_brush = brush; }

private:
    QImage m_picture;
    QBrush m_brush;
};
