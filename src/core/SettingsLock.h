#pragma once

#include <QString>

// QSettings writes a file under the lock "<file>.lock" and waits for that
// lock without end; QLockFile takes "<file>.lock.rmlock" to remove a stale
// lock, and a write goes through a temporary copy "<file>.XXXXXX". A
// program killed meanwhile leaves them behind, and an rmlock whose holder
// cannot be told keeps every later write waiting about 30 s. Settings are
// written on the GUI thread only, so no write may wait longer than a moment.
class SettingsLock
{
public:
    // The longest a write waits for a lock that a living process holds.
    static constexpr int kWaitMs = 200;

    // Removes the lock and the rmlock when no living process holds them and,
    // once such a lock was found, the temporary copies made while it was
    // held. A user's own file beside the settings (PardexConfig.ini.backup)
    // made at another time stays.
    static void removeStaleLeftovers(const QString &settingsPath);

    // Before a write: stale leftovers removed, true when the lock came free
    // within kWaitMs (or the folder holds no lock to wait for). False when
    // another process holds it longer: the caller writes nothing then.
    static bool isFreeForWrite(const QString &settingsPath);

    static QString lockPath(const QString &settingsPath);
    static QString removalLockPath(const QString &settingsPath);

private:
    // A lock file no living process holds: its process has ended, or it was
    // never filled in and is older than a moment.
    static bool isStale(const QString &lockFilePath);
    static bool removeStale(const QString &lockFilePath);
};
