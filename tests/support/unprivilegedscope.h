#pragma once
// Permission tests need a user whom file modes bind. CI runs as root, for
// whom they do not, so while a guard lives the effective user is "nobody";
// the real user stays root, so the guard can switch back.

#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <sys/types.h>
#include <unistd.h>

class UnprivilegedScope {
public:
    UnprivilegedScope()
    {
        if (geteuid() == 0)
            m_switched = seteuid(kNobody) == 0;
    }
    ~UnprivilegedScope()
    {
        if (m_switched)
            (void)!seteuid(0);
    }
    UnprivilegedScope(const UnprivilegedScope &) = delete;
    UnprivilegedScope &operator=(const UnprivilegedScope &) = delete;

    // False only when running as root and the switch failed.
    bool Active() const { return geteuid() != 0; }

private:
    static constexpr uid_t kNobody = 65534;
    bool m_switched = false;
};

// Below `parent` (which everyone may enter) a folder "readonly" that everyone
// may read but only its owner may write, holding "sign.frcd" with `contents`,
// which everyone may write. Returns the file's path: replacing it needs the
// folder, so an unprivileged save must fail and leave it as it is.
inline QString ReadOnlyFolderWithWritableFile(const QString &parent, const QByteArray &contents)
{
    const QString folder = parent + QStringLiteral("/readonly");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/sign.frcd");
    WriteBytes(path, contents);
    const auto everyoneReads = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(parent, everyoneReads | QFile::WriteOwner);
    QFile::setPermissions(path, everyoneReads | QFile::WriteOther);
    QFile::setPermissions(folder, everyoneReads);
    return path;
}
