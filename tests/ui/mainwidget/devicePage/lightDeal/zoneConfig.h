#pragma once

// A zone's lighting settings as the colour panel hands them over, for the
// lighting tests.

#include "xmlRecords.h"

#include <QColor>

inline colorInfoData zoneConfig(int type, const QColor &user, const QColor &background = QColor(0, 0, 0),
                                int direction = 0, bool fullColor = false, int speed = 2, int brightness = 4)
{
    colorInfoData info {};
    info.ledType = type;
    info.ledBrightness = brightness;
    info.ledSpeed = speed;
    info.ledModeR = user.red();
    info.ledModeG = user.green();
    info.ledModeB = user.blue();
    info.ledBgR = background.red();
    info.ledBgG = background.green();
    info.ledBgB = background.blue();
    info.ledDirection = direction;
    info.ledModeType = fullColor ? 1 : 0;
    return info;
}
