#pragma once

// A private home for the built program started as a separate process: its
// own folders, the environment that points it there, and its daily log.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class ProgramHome
{
public:
    ProgramHome()
    {
        QDir().mkpath(m_dir.filePath("runtime"));
        QFile::setPermissions(m_dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString appData() const { return m_dir.filePath(".local/share/velmora"); }

    // The system's environment with the home folders moved here.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir.path());
        env.insert("XDG_DATA_HOME", m_dir.filePath(".local/share"));
        env.insert("XDG_CONFIG_HOME", m_dir.filePath(".config"));
        env.insert("XDG_CACHE_HOME", m_dir.filePath(".cache"));
        env.insert("XDG_RUNTIME_DIR", m_dir.filePath("runtime"));
        return env;
    }

    // Every daily log file, run together.
    QByteArray log() const
    {
        QDir dir(appData() + "/LogCollect");
        QByteArray all;
        for (const QString &name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                all += f.readAll();
        }
        return all;
    }

private:
    QTemporaryDir m_dir;
};
