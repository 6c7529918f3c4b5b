#pragma once

// A full disk for the scope's life: every write into a regular file fails
// (EFBIG) while reads go on, also for root, which read-only folders do not
// stop. The process ignores SIGXFSZ meanwhile, so a write only fails.

#include <csignal>
#include <sys/resource.h>

class fullDiskScope
{
public:
    fullDiskScope()
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        if (m_active) {
            rlimit full = m_previous;
            full.rlim_cur = 0;
            m_active = setrlimit(RLIMIT_FSIZE, &full) == 0;
        }
    }
    ~fullDiskScope()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    fullDiskScope(const fullDiskScope &) = delete;
    fullDiskScope &operator=(const fullDiskScope &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
    bool m_active = false;
};
