#include "app/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
constexpr char kSnapshotFileName[] = "xyz.bmp";
constexpr char kProbeFileTemplate[] = "fretcard-write-probe-XXXXXX";
} // namespace

bool CanCreateFilesIn(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QString::fromLatin1(kProbeFileTemplate)));
    return probe.open();
}

QString ChooseProgramFolder(const QString &executableFolder, const QString &perUserFolder,
                            const FolderWritableProbe &canWrite)
{
    if (canWrite(executableFolder))
        return executableFolder;
    QDir().mkpath(perUserFolder);
    return perUserFolder;
}

QString ProgramFolder()
{
    return ChooseProgramFolder(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                               CanCreateFilesIn);
}

QString SnapshotFilePath()
{
    return QDir(ProgramFolder()).filePath(QString::fromLatin1(kSnapshotFileName));
}
