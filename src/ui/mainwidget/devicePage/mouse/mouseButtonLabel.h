#pragma once

#include "xmlRecords.h"

#include <QMap>
#include <QString>

class xmlInterface;

// The label of a mouse button on the buttons page: what the button's binding
// does, in the page's own words. Plain code; texts are translated in the
// context "DMousePage", except the modifier names of a combination.
class mouseButtonLabel
{
public:
    // Where the names a label needs come from.
    struct Sources
    {
        QMap<int, QString> keyNames; // usage code -> key caption
        xmlInterface *store = nullptr;
        QString macroFilePath;
        QString profilePath;
    };

    // The label of a binding; "Unknow" (translated) when its type or value
    // names nothing the page knows.
    static QString make(const customKeyInfo &record, const Sources &sources);

    // The page's own texts of the values of a type; "Unknow" for others.
    static QString multimediaText(int value);
    static QString mouseFunctionText(int value);
    static QString shortcutText(int value);
    // Empty for a mode that has no text.
    static QString macroModeText(int mode);
};
