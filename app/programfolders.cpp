#include "app/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
constexpr char kSnapshotFileName[] = "xyz.bmp";
constexpr char kProbeFileTemplate[] = "fretcard-write-probe-XXXXXX";

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// A path as the file system knows it, with links resolved where it exists,
// and with '/' separators.
QString ResolvedPath(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

// Whole names only: /usrdata is not inside /usr.
bool IsSameOrInside(const QString &path, const QString &folder)
{
    return path.compare(folder, kPathCase) == 0 || path.startsWith(folder + u'/', kPathCase);
}
} // namespace

bool CanCreateFilesIn(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QString::fromLatin1(kProbeFileTemplate)));
    return probe.open();
}

QStringList SystemFolders()
{
#if defined(Q_OS_WIN)
    QStringList folders;
    for (const char *variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty())
            folders << folder;
    }
    return folders;
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("/Applications"), QStringLiteral("/Library"), QStringLiteral("/System"),
            QStringLiteral("/usr"), QStringLiteral("/opt"), QStringLiteral("/bin"), QStringLiteral("/sbin")};
#else
    return {QStringLiteral("/usr"), QStringLiteral("/opt"), QStringLiteral("/bin"), QStringLiteral("/sbin"),
            QStringLiteral("/lib"), QStringLiteral("/lib64")};
#endif
}

bool IsInsideSystemFolder(const QString &folder, const QStringList &systemFolders)
{
    if (folder.isEmpty())
        return false;
    const QString path = ResolvedPath(folder);
    for (const QString &systemFolder : systemFolders)
        if (IsSameOrInside(path, ResolvedPath(systemFolder)))
            return true;
    return false;
}

bool MayKeepFilesIn(const QString &folder)
{
    return !IsInsideSystemFolder(folder, SystemFolders()) && CanCreateFilesIn(folder);
}

QString ChooseProgramFolder(const QString &executableFolder, const QString &perUserFolder,
                            const KeepFilesProbe &mayKeepFiles)
{
    if (mayKeepFiles(executableFolder))
        return executableFolder;
    QDir().mkpath(perUserFolder);
    return perUserFolder;
}

QString ProgramFolder()
{
    return ChooseProgramFolder(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                               MayKeepFilesIn);
}

QString SnapshotFilePath()
{
    return QDir(ProgramFolder()).filePath(QString::fromLatin1(kSnapshotFileName));
}
