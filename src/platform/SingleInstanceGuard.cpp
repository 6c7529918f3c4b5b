#include "SingleInstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString runtimeFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &name)
    : SingleInstanceGuard(name, runtimeFolder())
{
}

SingleInstanceGuard::SingleInstanceGuard(const QString &name, const QString &folder)
    : m_path(QDir(folder).filePath(name + QStringLiteral(".lock")))
{
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    // The file stays: removing it would let a third process lock a new file
    // while a second still waits on the old one.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstanceGuard::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    // Close-on-exec: programs started from here must not inherit the lock.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
