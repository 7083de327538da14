#include "core/privatefolder.h"

#include <QDir>

namespace {
// The install rules give the path from the programs' folder to the private
// folder; a build without them uses the usual layout.
#ifdef FRETCARD_PRIVATE_FOLDER
constexpr char kFromProgramFolder[] = FRETCARD_PRIVATE_FOLDER;
#else
constexpr char kFromProgramFolder[] = "../lib/fretcard";
#endif
} // namespace

QString PrivateProgramFolder(const QString &programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QString::fromLatin1(kFromProgramFolder)));
}
