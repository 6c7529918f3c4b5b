#pragma once

#include "xmlRecords.h"

#include <QString>

// The PC profile panel's plain rules: the index and name of a new profile,
// the file an export writes, the lengths the store keeps.
class pcProfileRules
{
public:
    // The store keeps at most this many bytes of UTF-8 name and program path.
    static constexpr int MaxNameBytes = 127;
    static constexpr int MaxProgramBytes = 255;

    // The largest index of the list (sorted ascending, as the store gives
    // it) plus one; 2 for an empty list, whose implied profile is 1.
    static int newProfileIndex(const xmlIndexNameList &profiles);
    // "Profile<index>".
    static QString newProfileName(int index);

    // One file-name component for an exported profile: "/" and control
    // characters become "_"; an empty, "." or ".." name becomes
    // "Profile<index>". ".xml" is appended.
    static QString exportFileName(const QString &name, const QString &index);
    // folder + "/" + exportFileName.
    static QString exportFilePath(const QString &folder, const QString &name, const QString &index);

    // Whether name and program path fit the store's fields whole.
    static bool fitsStore(const QString &name, const QString &programPath);
};
