#pragma once

// Makes every file write of this process fail for a while, the two ways a
// user's save fails: a folder that may not be written, and a full disk.

#include <QFile>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

enum class SaveFailure {
    ReadOnlyFolder,
    DiskFull,
};

class FailingSaves
{
public:
    FailingSaves(SaveFailure kind, const QString &folder)
        : m_kind(kind)
        , m_folder(QFile::encodeName(folder))
    {
        if (kind == SaveFailure::ReadOnlyFolder) {
            ::chmod(m_folder.constData(), 0555);
            // Root writes into any folder: give up that right meanwhile.
            setDacOverride(false);
        } else {
            ::getrlimit(RLIMIT_FSIZE, &m_limit);
            rlimit tight = m_limit;
            tight.rlim_cur = 1;
            ::setrlimit(RLIMIT_FSIZE, &tight);
            // A write past the limit fails with EFBIG instead of killing us.
            m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        }
    }

    ~FailingSaves()
    {
        if (m_kind == SaveFailure::ReadOnlyFolder) {
            setDacOverride(true);
            ::chmod(m_folder.constData(), 0755);
        } else {
            ::setrlimit(RLIMIT_FSIZE, &m_limit);
            std::signal(SIGXFSZ, m_oldHandler);
        }
    }

private:
    FailingSaves(const FailingSaves &) = delete;
    FailingSaves &operator=(const FailingSaves &) = delete;

    // Raises or drops CAP_DAC_OVERRIDE in this thread's effective set (kept
    // in the permitted set, so it can come back).
    static void setDacOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        const __u32 bit = 1u << CAP_DAC_OVERRIDE;
        if (on)
            data[0].effective |= data[0].permitted & bit;
        else
            data[0].effective &= ~bit;
        syscall(SYS_capset, &header, data);
    }

    SaveFailure m_kind;
    QByteArray m_folder;
    rlimit m_limit{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

Q_DECLARE_METATYPE(SaveFailure)
