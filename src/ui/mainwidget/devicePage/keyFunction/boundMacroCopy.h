#pragma once

#include <QByteArray>
#include <QString>

class xmlInterface;

// The copy of a macro that a PC profile keeps under its `bindMacro` for the
// device link's player, which finds it by its name "Macro<index>".
class boundMacroCopy
{
public:
    static QByteArray nameOf(const QByteArray &macroIndex);

    // The profile's copy of the macro becomes the macro file's events, in one
    // save: when the save fails the old copy stays. False when it was not
    // stored.
    static bool refresh(xmlInterface &xml, const QString &profilePath, const QByteArray &profile,
                        const QString &macroFilePath, const QByteArray &macroIndex);
};
