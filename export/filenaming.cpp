#include "export/filenaming.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
constexpr QChar kReplacement = QLatin1Char('_');
// Far below every file system's limit of 255 bytes, with room for a number
// and the ending, even when each character takes four bytes in UTF-8.
constexpr int kMaxStemBytes = 180;
// The second file of a name is "Ann-2".
constexpr int kFirstRepeatNumber = 2;

bool Unsafe(QChar c)
{
    static const QString reserved = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || reserved.contains(c) || c.category() == QChar::Other_Format;
}

bool IsDeviceName(const QString &stem)
{
    static const QRegularExpression devices(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])(\\..*)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return devices.match(stem).hasMatch();
}

// The longest start of `stem` that takes at most kMaxStemBytes in UTF-8,
// never ending inside a surrogate pair; counted in one pass, so that a very
// long name costs no more than reading it.
QString CutToBytes(const QString &stem)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < stem.size(); ++i) {
        const char16_t unit = stem.at(i).unicode();
        const bool pair = QChar::isHighSurrogate(unit) && i + 1 < stem.size() && stem.at(i + 1).isLowSurrogate();
        // A lone surrogate is written as the three bytes of U+FFFD.
        const int size = pair ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
        if (bytes + size > kMaxStemBytes)
            return stem.left(i);
        bytes += size;
        if (pair)
            ++i;
    }
    return stem;
}

QString TrimBlanksAndDots(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    const auto dropped = [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); };
    while (first < last && dropped(text.at(first)))
        ++first;
    while (last > first && dropped(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}
} // namespace

QString SafeFileStem(const QString &name)
{
    QString stem;
    stem.reserve(name.size());
    for (QChar c : name)
        stem.append(Unsafe(c) ? kReplacement : c);
    stem = TrimBlanksAndDots(CutToBytes(TrimBlanksAndDots(stem)));
    if (stem.count(kReplacement) == stem.size())
        return {};
    if (IsDeviceName(stem))
        stem.prepend(kReplacement);
    return stem;
}

QString TFileNamer::Unique(const QString &stem)
{
    const QString key = stem.toCaseFolded();
    if (!m_used.contains(key)) {
        m_used.insert(key);
        return stem;
    }
    // Numbering goes on where it stopped for this stem, so that a list of
    // one name repeated costs no more per name than a list of different ones.
    int &number = m_nextNumber[key];
    number = std::max(number, kFirstRepeatNumber);
    QString candidate;
    do
        candidate = QStringLiteral("%1-%2").arg(stem).arg(number++);
    while (m_used.contains(candidate.toCaseFolded()));
    m_used.insert(candidate.toCaseFolded());
    return candidate;
}
