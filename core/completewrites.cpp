#include "core/completewrites.h"

#include <cerrno>

CompleteWritesOnly::CompleteWritesOnly(QIODevice &target) : m_target(target)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CompleteWritesOnly::writeData(const char *data, qint64 length)
{
    if (m_failed)
        return -1;
    errno = 0;
    const qint64 written = m_target.write(data, length);
    if (written == length)
        return written;
    m_failed = true;
    m_errno = errno;
    return -1;
}

std::optional<int> WriteCompletely(QIODevice &target, const std::function<void(QIODevice *)> &writeContent)
{
    CompleteWritesOnly checked(target);
    try {
        writeContent(&checked);
    } catch (...) {
        if (!checked.Failed())
            throw;
    }
    return checked.Failed() ? std::optional<int>(checked.FailureErrno()) : std::nullopt;
}
