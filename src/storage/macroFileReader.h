#pragma once

#include "importedFile.h"
#include "xmlRecords.h"

#include <QList>
#include <QString>

namespace tinyxml2 {
class XMLElement;
}

// Reads a macro file the user picked for import, trusting nothing in it: the
// file must be a store file of macros, and every event of the macro taken
// must be one the editor and the device link can play. The file is only read.
class macroFileReader
{
public:
    enum Result {
        Ok,
        NotMacroFile,  // unreadable, too large, not XML, or not a `Parameters` root
        InvalidEvents, // an event of the macro taken fails a check
    };

    // Larger files are refused before they are parsed.
    static constexpr qint64 MaxFileSize = importedFile::MaxSize;

    // The events of the macro with the highest index, in file order; none
    // when the file holds no macro. An event without a mark keeps an empty
    // one for the caller to fill. items is only filled on Ok.
    static Result readLastMacro(const QString &path, QList<macroItemInfo> &items);

    // The checks of one event element: type "key" or "mouse", operateExplain
    // "down" or "up", delay 0 to 65535 in decimal digits, keyCode an integer
    // and, for a mouse event, one of the six button messages.
    static bool isValidEvent(const tinyxml2::XMLElement &item);
};
