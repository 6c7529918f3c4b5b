#pragma once

#include <QSet>
#include <QString>

// A save writes a temporary sibling of the file and renames it over the
// file; a process killed in between leaves the sibling behind, named after
// the file, a dot and six letters or digits (pardexProFile.xml.a1B2c3).
// Nothing else would ever remove them.
class xmlSaveLeftovers
{
public:
    // The first time the store touches the folder of filePath, removes the
    // leftovers of the store's own files there. The caller holds the store
    // lock, so none of the store's saves is running.
    static void tidyFolderOnce(const QString &filePath);

    static bool isLeftoverName(const QString &fileName);

private:
    static QSet<QString> &tidiedFolders();
};
