#include "hidFirmwareInfo.h"

#include <cstring>

hidFirmwareInfo hidFirmwareInfoFromVersion(const hidVersionInfo &version)
{
    hidFirmwareInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.chipFamily, fixedText(version.field1));
    fixedTextCopy(info.idCode1, fixedText(version.field2));
    fixedTextCopy(info.idCode2, fixedText(version.field3));
    fixedTextCopy(info.idCode3, fixedText(version.field4));
    fixedTextCopy(info.modelName, fixedText(version.field5));
    fixedTextCopy(info.firmwareVersion, fixedText(version.version));
    fixedTextCopy(info.hidPath, fixedText(version.path));
    return info;
}

QList<hidFirmwareInfo> firmwareCheckCandidates(const QList<hidVersionInfo> &versions,
                                               const QList<hidStructInfo> &devices)
{
    QList<hidFirmwareInfo> candidates;
    for (const hidVersionInfo &version : versions) {
        const QString path = fixedText(version.path);
        for (const hidStructInfo &device : devices) {
            if (fixedText(device.hidPath) == path) {
                if (fixedText(device.hidName) == fixedText(version.field5))
                    candidates.append(hidFirmwareInfoFromVersion(version));
                break;
            }
        }
    }
    return candidates;
}
