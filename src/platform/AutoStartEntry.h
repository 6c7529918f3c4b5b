#pragma once

#include <QString>

// Start with the desktop session: an XDG autostart entry
// "<config>/autostart/<application name>.desktop" whose command line is the
// program followed by " --AutoUp", which makes the program start hidden when
// AutoStart/isAutoStart is on.
class AutoStartEntry
{
public:
    static constexpr char AutoUpArgument[] = "--AutoUp";

    static QString filePath();
    static bool isInstalled();
    // Writes the entry for the program atomically (a failed write leaves any
    // old entry whole).
    static bool install(const QString &program);
    static bool remove();

    // The entry's Exec value: the program, quoted as desktop entries require, then " --AutoUp".
    static QString execLine(const QString &program);
    // The whole entry file.
    static QByteArray desktopEntry(const QString &program);

private:
    AutoStartEntry() = delete;
};
