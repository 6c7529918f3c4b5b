#include "SettingsLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

namespace {

// A lock's holder writes its process, program and machine into the file
// right after making it: one still unreadable after this long was left by a
// program killed in between.
const qint64 kUnfilledLockMs = 1000;
// A temporary copy of a write cut short was made just after its lock.
const qint64 kCopyBeforeLockMs = 2000;
const qint64 kCopyAfterLockMs = 60000;
// QSaveFile's temporary copy: the file's name, a dot and six letters or digits.
const int kCopySuffixLength = 6;

bool isProcessAlive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

bool isCopySuffix(const QStringRef &suffix)
{
    if (suffix.size() != kCopySuffixLength)
        return false;
    for (const QChar c : suffix) {
        if (!c.isLetterOrNumber() || c.unicode() > 0x7f)
            return false;
    }
    return true;
}

void removeLeftover(const QString &path)
{
    if (QFile::remove(path))
        qWarning().noquote() << QStringLiteral("---------- removed %1, left by a settings write that was cut short ----------")
                                    .arg(path);
}

} // namespace

QString SettingsLock::lockPath(const QString &settingsPath)
{
    return settingsPath + QStringLiteral(".lock");
}

QString SettingsLock::removalLockPath(const QString &settingsPath)
{
    return lockPath(settingsPath) + QStringLiteral(".rmlock");
}

bool SettingsLock::isStale(const QString &lockFilePath)
{
    const QFileInfo info(lockFilePath);
    if (!info.exists())
        return false;
    qint64 pid = 0;
    QString host;
    QString program;
    if (!QLockFile(lockFilePath).getLockInfo(&pid, &host, &program))
        return qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > kUnfilledLockMs;
    // Another machine's process cannot be looked at.
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    // This process holds no settings lock between its writes: one naming it
    // was left by an earlier process of the same number.
    return pid == QCoreApplication::applicationPid() || !isProcessAlive(pid);
}

bool SettingsLock::removeStale(const QString &lockFilePath)
{
    if (!isStale(lockFilePath))
        return false;
    removeLeftover(lockFilePath);
    return true;
}

void SettingsLock::removeStaleLeftovers(const QString &settingsPath)
{
    const QDateTime lockTime = QFileInfo(lockPath(settingsPath)).lastModified();
    removeStale(removalLockPath(settingsPath));
    if (!removeStale(lockPath(settingsPath)))
        return;

    const QFileInfo settings(settingsPath);
    const QString prefix = settings.fileName() + QLatin1Char('.');
    const QDir folder = settings.dir();
    const QStringList names = folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (!isCopySuffix(name.midRef(prefix.size())))
            continue;
        const qint64 sinceLock = lockTime.msecsTo(QFileInfo(folder.filePath(name)).lastModified());
        if (sinceLock >= -kCopyBeforeLockMs && sinceLock <= kCopyAfterLockMs)
            removeLeftover(folder.filePath(name));
    }
}

bool SettingsLock::isFreeForWrite(const QString &settingsPath)
{
    removeStaleLeftovers(settingsPath);
    // QSettings makes a missing folder itself; it holds no lock yet.
    if (!QFileInfo(settingsPath).absoluteDir().exists())
        return true;
    QLockFile probe(lockPath(settingsPath));
    // Only a holder that has ended makes a lock stale, never its age.
    probe.setStaleLockTime(0);
    if (probe.tryLock(kWaitMs)) {
        probe.unlock();
        return true;
    }
    // A folder that cannot be written is QSettings' to report.
    if (probe.error() != QLockFile::LockFailedError)
        return true;
    qWarning().noquote() << QStringLiteral("---------- settings not written: %1 is held by another process ----------")
                                .arg(lockPath(settingsPath));
    return false;
}
