#include "core/filenames.h"

QString NameWithoutExtension(const QString &chosen, const QString &extension)
{
    if (chosen.endsWith(extension, Qt::CaseSensitive))
        return chosen.left(chosen.size() - extension.size());
    return chosen;
}

QString TargetFileName(const QString &chosen, const QString &extension)
{
    return NameWithoutExtension(chosen, extension) + extension;
}
