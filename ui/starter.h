#pragma once
// Starts another program without waiting for it, the way the Font Viewer
// button starts the font viewer.

#include "core/errors.h"

#include <QObject>
#include <QString>

enum TStartOperation { smOpen, smPrint, smExplore, smEdit, smProperties };
enum TStartOption { soSW_HIDE, soSW_SHOW, soSW_SHOWMINIMIZED, soSW_SHOWMAXIMIZED };

// A program that could not be started; the message says which and why.
class EStartError : public EFretcardError {
public:
    using EFretcardError::EFretcardError;
};

class TStarter : public QObject {
    Q_OBJECT
public:
    explicit TStarter(QObject *parent = nullptr);

    QString Command() const { return m_command; }
    void setCommand(const QString &command) { m_command = command; }
    QString Parameters() const { return m_parameters; }
    void setParameters(const QString &parameters) { m_parameters = parameters; }
    // The working folder of the started program; a bare Command is looked
    // for here first.
    QString DefaultDir() const { return m_defaultDir; }
    void setDefaultDir(const QString &folder) { m_defaultDir = folder; }
    TStartOperation StartOperation() const { return m_operation; }
    void setStartOperation(TStartOperation operation) { m_operation = operation; }
    TStartOption StartOption() const { return m_option; }
    void setStartOption(TStartOption option) { m_option = option; }
    bool Wait() const { return m_wait; }
    void setWait(bool wait) { m_wait = wait; }

    // Starts Command in DefaultDir and returns at once. Throws EStartError
    // when the program is missing or cannot be started; nothing is kept then.
    void Start();

    // The process id of the last program started, 0 before the first start.
    qint64 ProcessId() const { return m_processId; }

    // The program Start would run: Command found in DefaultDir, or on the
    // search path when DefaultDir is empty or the command is a path.
    QString ResolveProgram() const;

private:
    QString m_command;
    QString m_parameters;
    QString m_defaultDir;
    TStartOperation m_operation = smOpen;
    TStartOption m_option = soSW_SHOW;
    bool m_wait = false;
    qint64 m_processId = 0;
};

// Button7Click: starts the font viewer, whatever the current folder is.
void StartFontViewer(TStarter &starter);

// Starts the starter's Command, one of the program's own helpers, from the
// folder that holds it, which is also its working folder: the program's
// folder (a build keeps everything there), else the installed program's
// private folder, which keeps helpers off the search path.
void StartHelperProgram(TStarter &starter, const QString &programFolder);
