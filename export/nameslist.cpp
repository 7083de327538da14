#include "export/nameslist.h"

#include "export/codepoint.h"

#include <QStringDecoder>

namespace {
constexpr char kCommentMark = '#';
const QString kEscapedCommentMark = QStringLiteral("\\#");
constexpr qint64 kReadChunkBytes = 64 * 1024;
// Every character takes at most four bytes; the CR of a CR LF line end is
// no character.
constexpr qsizetype kMaxLineBytes = 4 * NamesList::kMaxNameCharacters + 1;
const QByteArray kUtf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Known from the bytes alone, also for a line too long to decode.
bool IsComment(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (!IsAsciiBlank(c))
            return c == kCommentMark;
    return false;
}

// Characters that end or break a line, or that nobody can see or cut.
bool IsControl(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

qsizetype CharacterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            ++count;
    return count;
}

QString ControlProblem(const QString &name)
{
    for (const char32_t c : name.toUcs4())
        if (IsControl(c))
            return QStringLiteral("it holds a control character (%1)").arg(CodePointText(c));
    return {};
}

QString TooLong()
{
    return QStringLiteral("it is longer than %L1 characters").arg(NamesList::kMaxNameCharacters);
}
} // namespace

std::optional<TNamesLine> NamesLineOf(qint64 number, const QByteArray &bytes, bool tooLong)
{
    if (IsComment(bytes))
        return std::nullopt;
    TNamesLine line;
    line.number = number;
    if (tooLong) {
        line.problem = TooLong();
        return line;
    }
    // Each line is decoded on its own: a sequence cut short at its end is an error.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        line.problem = QStringLiteral("it is not UTF-8 text");
        return line;
    }
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (CharacterCount(text) > NamesList::kMaxNameCharacters) {
        line.problem = TooLong();
        return line;
    }
    QString name = text.trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char(kCommentMark)))
        return std::nullopt;
    if (name.startsWith(kEscapedCommentMark))
        name.remove(0, 1);
    line.problem = ControlProblem(name);
    if (line.problem.isEmpty())
        line.name = name;
    return line;
}

TNamesReader::TNamesReader(QIODevice &device, QString source, qint64 maxBytes)
    : m_device(device), m_source(std::move(source)), m_maxBytes(maxBytes)
{
}

std::optional<TNamesLine> TNamesReader::Next()
{
    while (ReadLine()) {
        if (m_lineNumber == 1 && m_line.startsWith(kUtf8ByteOrderMark))
            m_line.remove(0, kUtf8ByteOrderMark.size());
        if (std::optional<TNamesLine> line = NamesLineOf(m_lineNumber, m_line, m_lineTooLong))
            return line;
    }
    return std::nullopt;
}

// The next line into m_line, holding no more of it than a name can take.
bool TNamesReader::ReadLine()
{
    m_line.clear();
    m_lineTooLong = false;
    bool any = false;
    for (;;) {
        if (m_position == m_chunk.size() && !Refill())
            break;
        any = true;
        const qsizetype end = m_chunk.indexOf('\n', m_position);
        const qsizetype stop = end < 0 ? m_chunk.size() : end;
        const qsizetype room = kMaxLineBytes - m_line.size();
        m_line.append(m_chunk.constData() + m_position, std::min(stop - m_position, room));
        m_lineTooLong = m_lineTooLong || stop - m_position > room;
        m_position = end < 0 ? stop : end + 1;
        if (end >= 0)
            break;
    }
    if (any)
        ++m_lineNumber;
    return any;
}

bool TNamesReader::Refill()
{
    const qint64 wanted = std::min(kReadChunkBytes, m_maxBytes + 1 - m_bytesRead);
    m_chunk.resize(qsizetype(wanted));
    const qint64 count = m_device.read(m_chunk.data(), wanted);
    if (count < 0)
        throw ENamesFileError(
            QStringLiteral("The names file %1 could not be read to its end: %2.").arg(m_source, m_device.errorString()));
    m_chunk.resize(qsizetype(count));
    m_position = 0;
    m_bytesRead += count;
    if (m_bytesRead > m_maxBytes)
        throw ENamesFileError(QStringLiteral("The names file %1 is larger than %2 MiB; the rest of it is not read.")
                                  .arg(m_source)
                                  .arg(m_maxBytes / (1024 * 1024)));
    return count > 0;
}
