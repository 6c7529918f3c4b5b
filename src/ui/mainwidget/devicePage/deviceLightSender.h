#pragma once

#include "lightingReports.h"
#include "xmlRecords.h"

#include <QPointer>

class MainHidInterFace;

// Queues the device page's lighting reports on the selected device's
// transport. Every send says whether the transport took all its reports;
// without a transport (none selected, or it went away) nothing is queued.
class deviceLightSender
{
public:
    explicit deviceLightSender(MainHidInterFace *transport);

    // 0x07 of the key zone's record.
    bool sendKeyEffect(const colorInfoData &record);
    // 0x08 of the side lights' record.
    bool sendSideEffect(const colorInfoData &record);
    // 0x42 of a mouse zone; linked: the zone follows the Around zone.
    bool sendMouseZone(int zone, const colorInfoData &record, bool linked);
    // The stored zone-0 item with the lights switched on (0) or off (1):
    // 0x07 for a keyboard, the Around zone's 0x42 for the mouse.
    bool sendKeyLightsOnOff(const colorInfoData &item, int onOff);
    bool sendMouseLightsOnOff(const colorInfoData &item, int onOff);
    // The eight 0x09 reports of the 132 cell colours for a slot.
    bool sendCustomColors(int slot, const hidRgb (&colors)[kKeyGridCells]);

private:
    bool queue(const hidReportData &report);

    QPointer<MainHidInterFace> m_transport;
};
