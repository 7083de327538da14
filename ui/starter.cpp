#include "starter.h"

#include "core/privatefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString NativeProgramName(const QString &path)
{
#ifdef Q_OS_WIN
    if (QFileInfo(path).suffix().isEmpty())
        return path + QStringLiteral(".exe");
#endif
    return path;
}

bool IsBareName(const QString &command)
{
    return !command.contains(QLatin1Char('/')) && !command.contains(QLatin1Char('\\'));
}

// Points the starter at `folder` and tells whether its command is there.
bool FolderHoldsCommand(TStarter &starter, const QString &folder)
{
    starter.setDefaultDir(folder);
    return QFileInfo::exists(starter.ResolveProgram());
}

} // namespace

TStarter::TStarter(QObject *parent) : QObject(parent) {}

QString TStarter::ResolveProgram() const
{
    if (m_command.isEmpty())
        return {};
    if (IsBareName(m_command) && m_defaultDir.isEmpty())
        return QStandardPaths::findExecutable(m_command);
    return NativeProgramName(QDir(m_defaultDir).absoluteFilePath(m_command));
}

void TStarter::Start()
{
    if (m_operation != smOpen)
        throw EStartError(QStringLiteral("Cannot start \"%1\": only opening a program is supported")
                              .arg(m_command));
    if (m_wait)
        throw EStartError(QStringLiteral("Cannot start \"%1\" and wait for it").arg(m_command));

    const QString program = ResolveProgram();
    const QFileInfo info(program);
    if (program.isEmpty() || !info.exists()) {
        const QString where = m_defaultDir.isEmpty()
                                  ? QStringLiteral("on the search path")
                                  : QStringLiteral("in ") + QDir::toNativeSeparators(m_defaultDir);
        throw EStartError(QStringLiteral("Cannot start \"%1\": the program was not found %2")
                              .arg(m_command, where));
    }
    if (!info.isFile() || !info.isExecutable())
        throw EStartError(QStringLiteral("Cannot start \"%1\": %2 is not a program")
                              .arg(m_command, QDir::toNativeSeparators(program)));

    const QStringList arguments = QProcess::splitCommand(m_parameters);
    qint64 processId = 0;
    if (!QProcess::startDetached(program, arguments, m_defaultDir, &processId))
        throw EStartError(QStringLiteral("Cannot start \"%1\": the system refused to run %2")
                              .arg(m_command, QDir::toNativeSeparators(program)));
    // Only the last start is remembered; the earlier program runs on alone.
    m_processId = processId;
}

void StartFontViewer(TStarter &starter)
{
    StartHelperProgram(starter, QCoreApplication::applicationDirPath());
}

void StartHelperProgram(TStarter &starter, const QString &programFolder)
{
    const QString ownFolder = programFolder + QLatin1Char('/');
    const QString privateFolder = PrivateProgramFolder(programFolder) + QLatin1Char('/');
    // Where neither folder holds it, the message names the program's own.
    if (!FolderHoldsCommand(starter, ownFolder) && !FolderHoldsCommand(starter, privateFolder))
        starter.setDefaultDir(ownFolder);
    starter.Start();
}
