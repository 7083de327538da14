#pragma once
// Permission tests need a user whom file modes bind. CI runs as root, for
// whom they do not, so while a guard lives the effective user is "nobody";
// the real user stays root, so the guard can switch back.

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
