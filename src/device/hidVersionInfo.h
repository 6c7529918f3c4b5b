#pragma once

#include "FixedText.h"

#include <QList>
#include <QMetaType>

// The full identification of one interface, as the firmware check reads it:
// the six comma-separated fields of the 0x0D answer (a missing field stays
// empty) and the device path.
struct hidVersionInfo
{
    char field1[64]; // chip family
    char field2[64];
    char field3[64];
    char field4[64];
    char field5[64]; // model name
    char reserved[64];
    char version[64]; // sixth field: firmware version text
    char path[320];
};

Q_DECLARE_METATYPE(hidVersionInfo)
