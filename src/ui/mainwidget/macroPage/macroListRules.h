#pragma once

#include "xmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The rules of the macro list: new indexes, names of new and imported
// macros, and the file name an export writes. Plain code, no widgets.
class macroListRules
{
public:
    // The longest name, in UTF-8 bytes, that every reader of the macro file
    // keeps whole (the mouse page's labels read 47).
    static constexpr int MaxNameBytes = 47;

    // The indexes of a macro list, as numbers.
    static QList<int> indexesOf(const xmlIndexNameList &list);
    // The lowest index of 1 or more that no macro has.
    static int freeIndex(const QList<int> &indexes);
    // One past the highest index; 1 for an empty list.
    static int nextIndex(const QList<int> &indexes);
    // "Macro%1".
    static QString defaultName(int index);

    // A name as the store keeps it: at most MaxNameBytes, cut on a
    // character boundary.
    static QByteArray cappedName(const QString &name);
    // The imported file's name up to its first "."; "Macro%1" when that is
    // empty; capped.
    static QByteArray importName(const QString &filePath, int index);
    // One file-name component for an exported macro, without ".xml": path
    // separators and control characters become "_", and an empty, "." or ".."
    // name becomes "Macro%1".
    static QString exportFileName(const QString &name, int index);
};
