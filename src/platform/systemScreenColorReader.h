#pragma once

#include "screenColorReader.h"

#include <QByteArray>

// Reads the screen through the X server: a 1 x 1 grab of the root window on
// the screen holding the point. Anywhere else it refuses without grabbing:
// Wayland and offscreen have no root window to read, and under a Wayland
// session an XWayland root window is not what the user sees. The first
// refusal of a run is logged.
class systemScreenColorReader : public screenColorReader
{
public:
    screenPixelResult readPixel(const QPoint &globalPos) const override;

    // Why a session with this Qt platform plugin and these environment
    // values cannot be read; empty when it can.
    static QString refusalReason(const QString &platformName, const QByteArray &waylandDisplay,
                                 const QByteArray &sessionType);
    // The same for the running process.
    static QString currentRefusalReason();
};
