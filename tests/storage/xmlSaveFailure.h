#pragma once

// Makes file writes of this process fail for a while, the ways a user's
// save fails: a folder that may not be written, a full disk, and a disk so
// nearly full that a file may shrink but not grow.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/mount.h>
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

// Files of this process may be at most `bytes` long for a while: a save that
// keeps or shrinks a file of that size goes through, one that makes it
// larger fails (EFBIG), as on a disk with that little room left.
class NearlyFullDisk
{
public:
    explicit NearlyFullDisk(qint64 bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit tight = m_limit;
        tight.rlim_cur = rlim_t(bytes);
        ::setrlimit(RLIMIT_FSIZE, &tight);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }

    ~NearlyFullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, m_oldHandler);
    }

    static qint64 sizeOf(const QString &path) { return QFileInfo(path).size(); }

private:
    NearlyFullDisk(const NearlyFullDisk &) = delete;
    NearlyFullDisk &operator=(const NearlyFullDisk &) = delete;

    rlimit m_limit{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// A small tmpfs mounted on a folder, for a disk that is really full
// (ENOSPC). Mounting needs CAP_SYS_ADMIN: isMounted() says whether it worked.
class SmallDisk
{
public:
    SmallDisk(const QString &folder, int kilobytes)
        : m_folder(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }

    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }

    bool isMounted() const { return m_mounted; }

private:
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    QByteArray m_folder;
    bool m_mounted = false;
};

Q_DECLARE_METATYPE(SaveFailure)
