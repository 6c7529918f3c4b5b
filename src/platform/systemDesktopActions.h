#pragma once

#include "desktopActions.h"

// The desktop services of the running session: Qt's clipboard, QProcess for
// executables and QDesktopServices for everything else.
class systemDesktopActions : public desktopActions
{
public:
    void setClipboardText(const QString &text) override;
    bool launchProgram(const QString &target) override;
};
