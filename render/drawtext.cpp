#include "drawtext.h"

#include "canvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace {
// How far a stroked outline reaches beyond the glyphs' ink: half the widest
// outline pen (its width is a byte) and a pixel of rounding either side.
constexpr qreal OutlinePenReach = 255 / 2 + 2;

// How many line heights from where a letter starts its ink may reach.
constexpr qreal LetterReachLines = 2;

// Lines without word breaking never wrap: they are as wide as they need.
constexpr qreal UnlimitedLineWidth = 1.0e7;

struct PreparedText {
    QString text;
    int acceleratorIndex = -1;
};

// Without DT_NOPREFIX, "&x" underlines x and "&&" is one ampersand.
PreparedText StripPrefixes(const QString &text)
{
    PreparedText result;
    result.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            result.text += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break;
        if (text[i + 1] != QLatin1Char('&') && result.acceleratorIndex < 0)
            result.acceleratorIndex = int(result.text.size());
        result.text += text[++i];
    }
    return result;
}

// Line ends break lines in multi-line text; a single line shows them as spaces.
QString NormaliseLineEnds(QString text, bool singleLine)
{
    text.replace(QLatin1String("\r\n"), QString(QLatin1Char('\n')));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), singleLine ? QChar(QLatin1Char(' ')) : QChar(QChar::LineSeparator));
    return text;
}

int HorizontalOffset(unsigned format, int areaWidth, int lineWidth)
{
    if (format & DT_RIGHT)
        return areaWidth - lineWidth;
    if (format & DT_CENTER)
        return (areaWidth - lineWidth) / 2;
    return 0;
}

// The ink of glyphs from one font, each distinct glyph looked up once: a
// long text repeats a few glyphs many times. The font's box of a glyph is
// quick to have and encloses its ink; the bounds of its outline are the ink
// itself.
class GlyphInk {
public:
    enum class Measure { FontBox, Outline };
    explicit GlyphInk(QRawFont font, Measure measure = Measure::FontBox)
        : m_font(std::move(font)), m_measure(measure)
    {
    }
    QRectF At(quint32 glyph, const QPointF &position)
    {
        auto ink = m_ink.find(glyph);
        if (ink == m_ink.end())
            ink = m_ink.insert(glyph, m_measure == Measure::Outline ? m_font.pathForGlyph(glyph).boundingRect()
                                                                    : m_font.boundingRect(glyph));
        return ink->translated(position);
    }

private:
    QRawFont m_font;
    Measure m_measure;
    QHash<quint32, QRectF> m_ink;
};

// Whether two rectangles touch, edges included: a glyph as thin as a hairline
// still counts.
bool Meet(const QRectF &a, const QRectF &b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The ink of every glyph a line shows, in the line's own coordinates.
QRectF LineInk(const QTextLine &line, GlyphInk::Measure measure = GlyphInk::Measure::FontBox)
{
    QRectF ink;
    for (const QGlyphRun &run : line.glyphRuns()) {
        GlyphInk glyphInk(run.rawFont(), measure);
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF glyph = glyphInk.At(glyphs[i], positions[i]);
            if (!glyph.isEmpty())
                ink |= glyph;
        }
    }
    return ink.translated(-line.position());
}

// The columns a line needs, from its pen start: its advance, widened to the
// ink of glyphs that a strong negative letter spacing pulls outside it (the
// advance may then even be negative). A measured block built from spans
// holds every letter whole.
struct LineSpan {
    int left = 0;
    int right = 0;
    int Width() const { return right - left; }
};

LineSpan SpanOf(const QTextLine &line, const std::optional<QRectF> &ink)
{
    qreal left = 0;
    qreal right = line.naturalTextWidth();
    if (ink && !ink->isEmpty()) {
        left = qMin(left, ink->left());
        right = qMax(right, ink->right());
    }
    return LineSpan{int(std::floor(left)), int(std::ceil(right))};
}

int VerticalOffset(unsigned format, int areaHeight, int textHeight)
{
    if (!(format & DT_SINGLELINE))
        return 0;
    if (format & DT_BOTTOM)
        return areaHeight - textHeight;
    if (format & DT_VCENTER)
        return (areaHeight - textHeight) / 2;
    return 0;
}
} // namespace

QFont WithLetterSpacing(const QFont &font, int extra)
{
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, extra);
    return spaced;
}

TextBlock::TextBlock(const QFont &font, const QString &text, const TRect &rect, unsigned format)
{
    const bool singleLine = format & DT_SINGLELINE;
    PreparedText prepared{NormaliseLineEnds(text, singleLine), -1};
    if (!(format & DT_NOPREFIX))
        prepared = StripPrefixes(prepared.text);
    m_layout.setFont(font);
    m_layout.setText(prepared.text);
    if (prepared.acceleratorIndex >= 0) {
        QTextLayout::FormatRange underline;
        underline.start = prepared.acceleratorIndex;
        underline.length = 1;
        underline.format.setFontUnderline(true);
        m_layout.setFormats({underline});
    }
    Lay(rect, format);
}

void TextBlock::Lay(const TRect &rect, unsigned format)
{
    const QFontMetrics metrics(m_layout.font());
    QTextOption option;
    const bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    if (format & DT_EXPANDTABS)
        option.setTabStopDistance(TabStopCharacters * metrics.averageCharWidth());
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);

    const int lineHeight = metrics.height();
    const qreal lineWidth = wrap ? qMax(0, rect.Width()) : UnlimitedLineWidth;
    std::vector<QTextLine> lines;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLeadingIncluded(false);
        line.setLineWidth(lineWidth);
        lines.push_back(line);
    }
    m_layout.endLayout();
    if (m_layout.text().isEmpty())
        lines.clear();

    // A single line keeps its pen start where its position puts it; the
    // lines of a block are measured and placed by everything they show.
    const bool widenToInk = !(format & DT_SINGLELINE);
    std::vector<std::optional<QRectF>> inks;
    std::vector<LineSpan> spans;
    int widest = 0;
    for (const QTextLine &line : lines) {
        inks.push_back(widenToInk ? std::optional(LineInk(line)) : std::nullopt);
        spans.push_back(SpanOf(line, inks.back()));
        widest = qMax(widest, spans.back().Width());
    }
    m_extent = QSize(widest, lineHeight * int(lines.size()));

    const int top = rect.Top + VerticalOffset(format, rect.Height(), m_extent.height());
    for (size_t i = 0; i < lines.size(); ++i) {
        const int left = rect.Left + HorizontalOffset(format, rect.Width(), spans[i].Width()) - spans[i].left;
        lines[i].setPosition(QPointF(left, top + int(i) * lineHeight));
        if (inks[i])
            inks[i]->translate(lines[i].position());
    }
    m_lineInk = std::move(inks);
}

void TextBlock::Draw(QPainter &painter, const QColor &color) const
{
    painter.setPen(color);
    m_layout.draw(&painter, QPointF(0, 0));
}

QPainterPath TextBlock::Outline(const std::optional<QRectF> &area, qreal reach) const
{
    const bool culling = area.has_value();
    const QRectF reached = culling ? area->adjusted(-reach, -reach, reach, reach) : QRectF();
    QPainterPath outline;
    for (size_t i = 0; i < m_lineInk.size(); ++i) {
        // A line whose ink is known to miss the area is not even looked at.
        const std::optional<QRectF> &lineInk = m_lineInk[i];
        if (culling && lineInk && !lineInk->isNull() && !Meet(reached, *lineInk))
            continue;
        for (const QGlyphRun &run : m_layout.lineAt(int(i)).glyphRuns()) {
            GlyphInk glyphInk(run.rawFont());
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g) {
                if (culling && !Meet(reached, glyphInk.At(glyphs[g], positions[g])))
                    continue;
                outline.addPath(run.rawFont().pathForGlyph(glyphs[g]).translated(positions[g]));
            }
        }
    }
    return outline;
}

QRectF TextBlock::Ink() const
{
    QRectF ink;
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        ink |= LineInk(line, GlyphInk::Measure::Outline).translated(line.position());
    }
    return ink;
}

namespace {
QPainterPath GlyphsOf(const QTextLine &line, int from, int length)
{
    QPainterPath outline;
    for (const QGlyphRun &run : line.glyphRuns(from, length)) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype g = 0; g < glyphs.size(); ++g)
            outline.addPath(run.rawFont().pathForGlyph(glyphs[g]).translated(positions[g]));
    }
    return outline;
}
} // namespace

std::vector<TLetterShape> TextBlock::Letters(const QRectF &area) const
{
    std::vector<TLetterShape> letters;
    const QString text = m_layout.text();
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    int word = 0;
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        // A letter's ink lies within a few line heights of where it starts.
        const qreal reach = LetterReachLines * line.height();
        const QRectF reached = area.adjusted(-reach, -reach, reach, reach);
        const std::optional<QRectF> &lineInk = m_lineInk[std::size_t(i)];
        ++word;
        if (lineInk && !lineInk->isNull() && !Meet(reached, *lineInk))
            continue;
        const double baseline = line.position().y() + line.ascent();
        const int end = line.textStart() + line.textLength();
        bool reachedArea = false;
        graphemes.setPosition(line.textStart());
        for (int start = line.textStart(); start < end;) {
            const int next = std::min(end, qMax(start + 1, int(graphemes.toNextBoundary())));
            const QString letter = text.mid(start, next - start);
            const qreal x = line.cursorToX(start);
            const bool near = x >= reached.left() && x <= reached.right();
            // Letters run on in one direction: once past the area, the
            // rest of the line is too.
            if (!near && reachedArea)
                break;
            reachedArea = reachedArea || near;
            if (letter.trimmed().isEmpty())
                ++word;
            else if (near)
                letters.push_back({GlyphsOf(line, start, next - start), letter, word, baseline});
            start = next;
        }
    }
    return letters;
}

// A caption keeps its measured block and its drawn text: two layouts.
constexpr size_t CachedLayouts = 2;

struct TextLayoutCache::Entry {
    QFont font;
    QString text;
    TRect rect;
    unsigned format;
    TextBlock block;

    bool Holds(const QFont &f, const QString &t, const TRect &r, unsigned fm) const
    {
        return format == fm && rect == r && font == f && text == t;
    }
};

TextLayoutCache::TextLayoutCache() = default;
TextLayoutCache::~TextLayoutCache() = default;

const TextBlock &TextLayoutCache::Block(const QFont &font, const QString &text, const TRect &rect,
                                        unsigned format)
{
    auto found = std::find_if(m_entries.begin(), m_entries.end(),
                              [&](const auto &entry) { return entry->Holds(font, text, rect, format); });
    if (found == m_entries.end()) {
        if (m_entries.size() == CachedLayouts)
            m_entries.erase(m_entries.begin());
        m_entries.push_back(std::unique_ptr<Entry>(
            new Entry{font, text, rect, format, TextBlock(font, text, rect, format)}));
        return m_entries.back()->block;
    }
    std::rotate(found, found + 1, m_entries.end());
    return m_entries.back()->block;
}

int DrawTextEx(TCanvas &canvas, const QString &text, TRect &rect, unsigned format,
               const std::optional<TRect> &shownArea)
{
    std::optional<TextBlock> unkept;
    TextLayoutCache *layouts = canvas.Layouts();
    const TextBlock &block = layouts ? layouts->Block(canvas.EffectiveFont(), text, rect, format)
                                     : unkept.emplace(canvas.EffectiveFont(), text, rect, format);
    if (format & DT_CALCRECT) {
        rect.Right = rect.Left + block.Extent().width();
        rect.Bottom = rect.Top + block.Extent().height();
        return block.Extent().height();
    }
    if (rect.IsEmpty() || text.isEmpty())
        return block.Extent().height();
    if (canvas.MeasuringInk()) {
        canvas.AddInk(block.Ink());
        return block.Extent().height();
    }
    const QRect clip = shownArea.value_or(rect).ToQRect();
    if (canvas.CapturingLetters()) {
        canvas.AddLetters(block.Letters(canvas.ShowablePart(clip)));
        return block.Extent().height();
    }
    if (canvas.PathOpen()) {
        // Glyphs wholly off the shown area are left out: a long text would
        // otherwise cost for every letter it has, not for those that show.
        canvas.AddToPath(block.Outline(canvas.ShowablePart(clip), OutlinePenReach), clip);
        return block.Extent().height();
    }
    QPainter *painter = canvas.Painter();
    if (!painter)
        return block.Extent().height();
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    if (canvas.ClipRect())
        painter->setClipRect(*canvas.ClipRect(), Qt::IntersectClip);
    block.Draw(*painter, ColorToQColor(canvas.Font().Color()));
    painter->restore();
    return block.Extent().height();
}
