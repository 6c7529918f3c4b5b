#pragma once

#include <QString>

// Keeps a second copy of the program from starting: an exclusive flock() on
// "<name>.lock" in the user's runtime folder. The kernel drops the lock when
// the process ends in any way, so a crashed or killed instance never locks the
// user out (a shared-memory segment would outlive it).
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString &name);
    SingleInstanceGuard(const QString &name, const QString &folder);
    ~SingleInstanceGuard();

    // True when this process now holds the lock (or already did); false when
    // another process holds it or the lock file cannot be opened.
    bool tryAcquire();
    bool isAcquired() const { return m_fd >= 0; }
    QString lockFilePath() const { return m_path; }

private:
    Q_DISABLE_COPY(SingleInstanceGuard)

    QString m_path;
    int m_fd = -1;
};
