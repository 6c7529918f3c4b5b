#pragma once

#include "xmlRecords.h"

#include <QString>

class xmlInterface;

// One device's PC profile file as the profile panel changes it: every call
// goes through the store and says whether the store did all of it.
class pcProfileStore
{
public:
    pcProfileStore(xmlInterface *xml, const QString &profilePath);

    bool fileExists() const;
    // Ascending by index; empty when the file cannot be read.
    xmlIndexNameList profiles() const;
    bool hasProfile(int index) const;
    // The profile's record, cleared first: a missing profile gives empty texts.
    profileInfo info(const QString &index) const;
    static QString nameOf(const profileInfo &info) { return QString::fromUtf8(info.name); }
    static QString programOf(const profileInfo &info) { return QString::fromUtf8(info.proFileAppName); }

    // Removes the profile; a profile that is not there is already removed.
    bool removeProfile(const QString &index);
    bool addProfile(int index, const QString &name, int deviceType);
    // Name and program as UTF-8, the icon text cleared.
    bool setProfileTexts(const QString &index, const QString &name, const QString &program);
    // The profile anew with its index and name: every child at its default.
    bool recreateProfile(int index, int deviceType);
    bool setCurrentProfile(int index);

    // Appends a copy of the profile, index kept, to the file at destPath,
    // which is made when no regular file is there.
    bool exportProfile(const QString &index, const QString &destPath);

    enum class ImportResult { Imported, NotProfileFile, Failed };
    // Appends the source's last profile under this file's largest index + 1.
    // A source larger than importedFile::MaxSize is NotProfileFile.
    ImportResult importLastProfile(const QString &sourcePath);

private:
    xmlInterface *m_xml;
    QString m_path;
};
