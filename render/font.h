#pragma once
// A font description with pixel height, style bits and colour; the caption
// and the canvas each hold one.

#include "colors.h"
#include "settingsobject.h"

#include <QFont>
#include <QString>

enum TFontStyle : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = quint8;

constexpr quint8 ANSI_CHARSET = 0;
constexpr quint8 DEFAULT_CHARSET = 1;

class TFont : public TSettingsObject {
public:
    TFont();
    TFont(const TFont &other);
    TFont &operator=(const TFont &other);

    QString Name() const { return m_name; }
    void setName(const QString &name) { SetProperty(m_name, name); }
    // Pixels; negative gives the character height without internal leading.
    int Height() const { return m_height; }
    void setHeight(int height) { SetProperty(m_height, height); }
    // Points at 96 pixels per inch; reading back rounds to nearest.
    int Size() const;
    void setSize(int points);
    TFontStyles Style() const { return m_style; }
    void setStyle(TFontStyles style) { SetProperty(m_style, style); }
    TColor Color() const { return m_color; }
    void setColor(TColor color) { SetProperty(m_color, color); }
    quint8 Charset() const { return m_charset; }
    void setCharset(quint8 charset) { SetProperty(m_charset, charset); }

    // Copies every value and reports one change.
    void Assign(const TFont &other);

    // Pixel-sized and aliased, so that the screen's DPI never changes the
    // pattern and outlines stay crisp.
    QFont ToQFont() const;
    // Takes face, pixel height and style from a Qt font (e.g. a font dialog's).
    void FromQFont(const QFont &font);

private:
    void CopyValues(const TFont &other);

    QString m_name;
    int m_height;
    TFontStyles m_style = 0;
    TColor m_color = clWindowText;
    quint8 m_charset = DEFAULT_CHARSET;
};

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);
