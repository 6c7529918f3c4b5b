#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Finds one of the read-only data files the program carries (device lists,
// layouts, defaults) by the one rule every reader follows: the folder
// "configDir" beside the executable when the default settings' userConfig flag
// is set, else a copy of ":/images/configDir/<name>" in a temporary folder,
// because the readers need a real file path. The copy lives as long as this
// object. When the copy fails, path() names a file that does not open and the
// reader reports its own failure.
class ReadOnlyDataFile
{
public:
    // relativeName may hold subfolders, e.g. "onboardDeviceConfig/X_DefMac.xml".
    explicit ReadOnlyDataFile(const QString &relativeName);
    // The same rule with the flag given, for code that runs without the data manager.
    ReadOnlyDataFile(const QString &relativeName, bool userConfig);

    QString path() const { return m_path; }

private:
    void resolve(const QString &relativeName, bool userConfig);

    std::unique_ptr<QTemporaryDir> m_tempDir;
    QString m_path;
};
