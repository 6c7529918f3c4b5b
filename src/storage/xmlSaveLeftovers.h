#pragma once

#include <QSet>
#include <QString>

// A save writes a temporary sibling of the file and renames it over the
// file; a process killed in between leaves the sibling behind. Its name is
// the file's, the store's own marker and six letters or digits
// (pardexProFile.xml.velmora-save-a1B2c3), so that only the store's own
// temporaries are ever taken for leftovers: a user's pardexMacro.xml.backup
// is not one. Nothing else would ever remove them.
class xmlSaveLeftovers
{
public:
    // The marker between the file's name and the random letters.
    static const char *const kMarker;
    static constexpr int kRandomLength = 6;

    // A fresh temporary name beside filePath.
    static QString temporaryNameFor(const QString &filePath);

    // The first time the store touches the folder of filePath, removes the
    // leftovers of the store's own files there. The caller holds the store
    // lock, so none of the store's saves is running.
    static void tidyFolderOnce(const QString &filePath);

    static bool isLeftoverName(const QString &fileName);

private:
    static QSet<QString> &tidiedFolders();
};
