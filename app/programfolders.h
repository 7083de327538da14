#pragma once
// Where the program keeps its snapshot file and where its file dialogs
// start: the executable's folder when the program may keep files there,
// else a per-user folder. One rule for every caller, so the dialogs open
// where the snapshot actually is.

#include <QString>
#include <QStringList>

#include <functional>

// Answers whether the program may keep its files in `folder`.
using KeepFilesProbe = std::function<bool(const QString &folder)>;

// True when a file can really be created in `folder` (a throw-away file is
// created and removed): permission bits alone do not tell on every system.
bool CanCreateFilesIn(const QString &folder);

// The folders that belong to the system and its installers: /usr (with
// /usr/local), /opt and the like, or Program Files and Windows. An installed
// program's folder lies in one of them and is no place for its scratch
// files, even for a user who could write there.
QStringList SystemFolders();

// True when `folder` is one of `systemFolders` or lies inside one, with
// links resolved on both sides (/bin is a link to /usr/bin on many systems).
bool IsInsideSystemFolder(const QString &folder, const QStringList &systemFolders);

// The executable's folder may hold the program's files: it is no system
// folder, and files can be created there. The system folders are asked
// first, so no probe file is ever created in them.
bool MayKeepFilesIn(const QString &folder);

// The rule itself: `executableFolder` when `mayKeepFiles` says so, else
// `perUserFolder`, which is created when missing. When even that cannot be
// created it is still returned: the command that writes there reports the
// failure with the file's own name.
QString ChooseProgramFolder(const QString &executableFolder, const QString &perUserFolder,
                            const KeepFilesProbe &mayKeepFiles);

// The rule applied to this program: its executable's folder, else
// QStandardPaths::AppDataLocation.
QString ProgramFolder();

// The snapshot file "xyz.bmp" in ProgramFolder().
QString SnapshotFilePath();
