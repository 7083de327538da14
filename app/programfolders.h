#pragma once
// Where the program keeps its snapshot file and where its file dialogs
// start: the executable's folder when files can be created there, else a
// per-user folder. One rule for every caller, so the dialogs open where
// the snapshot actually is.

#include <QString>

#include <functional>

// Answers whether a new file can be created in `folder`.
using FolderWritableProbe = std::function<bool(const QString &folder)>;

// True when a file can really be created in `folder` (a throw-away file is
// created and removed): permission bits alone do not tell on every system.
bool CanCreateFilesIn(const QString &folder);

// The rule itself: `executableFolder` when `canWrite` says so, else
// `perUserFolder`, which is created when missing. When even that cannot be
// created it is still returned: the command that writes there reports the
// failure with the file's own name.
QString ChooseProgramFolder(const QString &executableFolder, const QString &perUserFolder,
                            const FolderWritableProbe &canWrite);

// The rule applied to this program: its executable's folder, else
// QStandardPaths::AppDataLocation.
QString ProgramFolder();

// The snapshot file "xyz.bmp" in ProgramFolder().
QString SnapshotFilePath();
