#pragma once

#include <QList>
#include <QMetaType>

// A device's light-effect list for one zone, as answered to 0x0A, 0x02 or
// (three of them) 0x43.
struct lightTypeListInfo
{
    QList<int> lightTypeList; // effect ids in device order
    int speedMax = 0;
    int brightnessMax = 0;
};

Q_DECLARE_METATYPE(lightTypeListInfo)
