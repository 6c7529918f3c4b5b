#include "deviceLightSender.h"

#include "MainHidInterFace.h"
#include "deviceLightLog.h"
#include "mouseReports.h"

deviceLightSender::deviceLightSender(MainHidInterFace *transport)
    : m_transport(transport)
{
}

bool deviceLightSender::queue(const hidReportData &report)
{
    return m_transport && m_transport->writeHidData(report.data(), kHidReportSize) >= 0;
}

namespace {
bool traced(bool ok, const char *what, int ledType)
{
    if (ok)
        qCDebug(lcDeviceLighting).noquote() << QStringLiteral("USB serial port [%1] Successful ... ledType:%2")
                                                   .arg(QLatin1String(what))
                                                   .arg(ledType);
    else
        qCWarning(lcDeviceLighting).noquote() << QStringLiteral("USB serial port [%1] Failed ...").arg(QLatin1String(what));
    return ok;
}
} // namespace

bool deviceLightSender::sendKeyEffect(const colorInfoData &record)
{
    return traced(queue(ledEffectReport(record)), "Write Led", record.ledType);
}

bool deviceLightSender::sendSideEffect(const colorInfoData &record)
{
    return traced(queue(sideLedEffectReport(record)), "Write Side Led", record.ledType);
}

bool deviceLightSender::sendMouseZone(int zone, const colorInfoData &record, bool linked)
{
    return traced(queue(mouseZoneLightReport(zone, record, linked)), "Write Mouse Light", record.ledType);
}

bool deviceLightSender::sendKeyLightsOnOff(const colorInfoData &item, int onOff)
{
    return traced(queue(ledOnOffReport(item, onOff)), "Write Led", item.ledType);
}

bool deviceLightSender::sendMouseLightsOnOff(const colorInfoData &item, int onOff)
{
    colorInfoData record = item;
    record.ledOpenOrClose = onOff;
    return traced(queue(mouseZoneLightReport(kMouseZoneAround, record, false)), "Write Led", item.ledType);
}

bool deviceLightSender::sendCustomColors(int slot, const hidRgb (&colors)[kKeyGridCells])
{
    for (const hidReportData &report : customKeyColorReports(slot, colors)) {
        if (!queue(report)) {
            // A device that refused one packet is gone; the rest would fail too.
            qCWarning(lcDeviceLighting).noquote() << "USB serial port [Write custom-Led] Failed ...";
            return false;
        }
    }
    return true;
}
