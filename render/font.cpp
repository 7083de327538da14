#include "font.h"

#include "core/units.h"

#include <QFontMetricsF>
#include <cmath>

namespace {
const char *const DefaultFaceName = "MS Sans Serif";
constexpr int DefaultFontHeight = -11;
// Cell heights are converted to em sizes with the metrics of this probe size.
constexpr int ProbePixelSize = 1000;
} // namespace

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const long long adjusted = (product >= 0) == (c > 0) ? product + (c > 0 ? half : -half)
                                                         : product - (c > 0 ? half : -half);
    return static_cast<int>(adjusted / c);
}

TFont::TFont() : m_name(QString::fromLatin1(DefaultFaceName)), m_height(DefaultFontHeight) {}

TFont::TFont(const TFont &other) : TSettingsObject(other) { CopyValues(other); }

TFont &TFont::operator=(const TFont &other)
{
    Assign(other);
    return *this;
}

void TFont::CopyValues(const TFont &other)
{
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    m_charset = other.m_charset;
}

void TFont::Assign(const TFont &other)
{
    if (&other == this)
        return;
    CopyValues(other);
    Change();
}

int TFont::Size() const { return -MulDiv(m_height, Units::kPointsPerInch, Units::kPixelsPerInch); }

void TFont::setSize(int points) { setHeight(-MulDiv(points, Units::kPixelsPerInch, Units::kPointsPerInch)); }

QFont TFont::ToQFont() const
{
    QFont font(m_name);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Text on the pattern is spaced like the classic platform draws it:
    // without kerning pairs, letter spacing alone moves letters.
    font.setKerning(false);
    font.setBold(m_style & fsBold);
    font.setItalic(m_style & fsItalic);
    font.setUnderline(m_style & fsUnderline);
    font.setStrikeOut(m_style & fsStrikeOut);
    if (m_height < 0) {
        font.setPixelSize(-m_height);
    } else if (m_height > 0) {
        // A positive height is the whole cell: scale it to an em size.
        QFont probe = font;
        probe.setPixelSize(ProbePixelSize);
        const QFontMetricsF metrics(probe);
        const qreal cell = metrics.ascent() + metrics.descent();
        font.setPixelSize(qMax(1, qRound(m_height * ProbePixelSize / qMax<qreal>(cell, 1))));
    }
    return font;
}

void TFont::FromQFont(const QFont &font)
{
    BeginUpdate();
    setName(font.family());
    if (font.pixelSize() > 0)
        setHeight(-font.pixelSize());
    else
        setHeight(-qRound(font.pointSizeF() * Units::kPixelsPerInch / Units::kPointsPerInch));
    TFontStyles style = 0;
    if (font.bold()) style |= fsBold;
    if (font.italic()) style |= fsItalic;
    if (font.underline()) style |= fsUnderline;
    if (font.strikeOut()) style |= fsStrikeOut;
    setStyle(style);
    EndUpdate(true);
}
