#include "export/nameslist.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {
constexpr QChar kCommentMark = QLatin1Char('#');
}

QStringList NamesFromBytes(const QByteArray &bytes, const QString &fileName)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw ENamesFileError(QStringLiteral("The names file %1 is not UTF-8 text.").arg(fileName));
    QStringList names;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView name = line.trimmed();
        if (!name.isEmpty() && !name.startsWith(kCommentMark))
            names.append(name.toString());
    }
    return names;
}

QStringList ReadNamesFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw ENamesFileError(QStringLiteral("The names file %1 does not exist.").arg(path));
    if (info.isDir())
        throw ENamesFileError(QStringLiteral("The names file %1 is a folder, not a text file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ENamesFileError(QStringLiteral("The names file %1 cannot be read: %2.").arg(path, file.errorString()));
    const QStringList names = NamesFromBytes(file.readAll(), path);
    if (file.error() != QFileDevice::NoError)
        throw ENamesFileError(QStringLiteral("The names file %1 cannot be read: %2.").arg(path, file.errorString()));
    if (names.isEmpty())
        throw ENamesFileError(QStringLiteral("The names file %1 holds no names.").arg(path));
    return names;
}
