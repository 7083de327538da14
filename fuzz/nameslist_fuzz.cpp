// libFuzzer target for the names list and the file names made from it.
//
// The input is a names file. Beyond "no crash": every name the reader
// hands out is one a pattern can be made from (not blank, at most 1,000
// characters, no control character), lines come in order, and every file
// name made from the names is safe on every common file system and never
// given twice, whatever the case.
#include "export/filenaming.h"
#include "export/nameslist.h"

#include <QBuffer>
#include <QByteArray>
#include <QSet>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

// Far above what the fuzzer hands over: the cap is not what is tried here.
constexpr qint64 kMaxBytes = 1 << 24;
constexpr qsizetype kMaxStemBytes = 180;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckName(const QString &name)
{
    Require(!name.trimmed().isEmpty() && name == name.trimmed());
    Require(name.toUcs4().size() <= NamesList::kMaxNameCharacters);
    for (const char32_t c : name.toUcs4())
        Require(QChar::category(c) != QChar::Other_Control);
}

void CheckStem(const QString &stem)
{
    if (stem.isEmpty())
        return;
    Require(stem.toUtf8().size() <= kMaxStemBytes);
    for (const QChar c : stem)
        Require(c.unicode() >= 0x20 && !QStringLiteral("/\\:*?\"<>|").contains(c));
    Require(!stem.front().isSpace() && !stem.back().isSpace() && stem.back() != QLatin1Char('.'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    TNamesReader reader(device, QStringLiteral("fuzz"), kMaxBytes);
    TFileNamer namer;
    QSet<QString> given;
    qint64 lastLine = 0;
    while (const std::optional<TNamesLine> line = reader.Next()) {
        Require(line->number > lastLine);
        lastLine = line->number;
        Require(line->name.isEmpty() != line->problem.isEmpty());
        if (line->name.isEmpty())
            continue;
        CheckName(line->name);
        const QString stem = SafeFileStem(line->name);
        CheckStem(stem);
        if (stem.isEmpty())
            continue;
        const QString file = namer.Unique(stem).toCaseFolded();
        Require(!given.contains(file));
        given.insert(file);
    }
    return 0;
}
