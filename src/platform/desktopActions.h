#pragma once

#include <QString>

// What a key binding may ask of the desktop: put a text on the clipboard (a
// bound text is typed as Ctrl+V) and open a program or document. The device
// link uses the system's by default; tests give it their own.
class desktopActions
{
public:
    virtual ~desktopActions() = default;

    virtual void setClipboardText(const QString &text) = 0;
    // Starts an executable, or opens a document, folder or URL with its
    // application; never through a shell. False when nothing could be started.
    virtual bool launchProgram(const QString &target) = 0;

    // The system's clipboard and launcher.
    static desktopActions *system();
};
