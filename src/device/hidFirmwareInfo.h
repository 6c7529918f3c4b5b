#pragma once

#include "FixedText.h"
#include "hidStructInfo.h"
#include "hidVersionInfo.h"

#include <QList>
#include <QMetaType>

// The identification of one attached device as the firmware check and the
// update dialog read it. Text fields are zero-filled and always terminated.
struct hidFirmwareInfo
{
    char chipFamily[64];      // identification field 0, e.g. "M252"
    char idCode1[64];         // field 1
    char idCode2[64];         // field 2
    char idCode3[64];         // field 3
    char modelName[128];      // field 4
    char firmwareVersion[64]; // field 5, e.g. "V1.00.03"
    char hidPath[256];
    char newVersion[64]; // the newer image's version; filled by the check
};

Q_DECLARE_METATYPE(hidFirmwareInfo)

// The record of one scanned identification; newVersion stays empty.
hidFirmwareInfo hidFirmwareInfoFromVersion(const hidVersionInfo &version);

// The records the check may offer: one per identification whose path the
// scan lists, and whose model name is the one the scan gave that device.
// Identifications of paths the scan dropped (or named otherwise) are left out.
QList<hidFirmwareInfo> firmwareCheckCandidates(const QList<hidVersionInfo> &versions,
                                               const QList<hidStructInfo> &devices);
