#include "export/filenaming.h"

#include <QRegularExpression>

namespace {
constexpr QChar kReplacement = QLatin1Char('_');
// Far below every file system's limit of 255 bytes, with room for a number
// and the ending, even when each character takes four bytes in UTF-8.
constexpr int kMaxStemBytes = 180;

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

QString CutToBytes(QString stem)
{
    while (stem.toUtf8().size() > kMaxStemBytes) {
        stem.chop(1);
        // Never leave half of a surrogate pair behind.
        if (!stem.isEmpty() && stem.back().isHighSurrogate())
            stem.chop(1);
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
    QString candidate = stem;
    for (int number = 2; m_used.contains(candidate.toCaseFolded()); ++number)
        candidate = QStringLiteral("%1-%2").arg(stem).arg(number);
    m_used.insert(candidate.toCaseFolded());
    return candidate;
}
