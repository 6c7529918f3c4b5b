#include "lightingReports.h"

#include "hidStructInfo.h"

#include <QStringList>

namespace {
constexpr unsigned char kKeyEffectLength = 0x0E;
constexpr unsigned char kSideEffectLength = 0x0D;
constexpr unsigned char kMouseFrameLength = 54;
constexpr unsigned char kSwitchLength = 1;
constexpr int kCustomColorPackets = 8;
constexpr int kEffectModeTypeByte = 16;
constexpr int kEffectColorFirstByte = 9;
constexpr int kSideEffectWithOwnColours = 3;
constexpr int kKeyboardFramePackets = 10;
constexpr int kLongStripFramePackets = kColorFramePacketsMax;
constexpr int kMouseFramePackets = 2;

bool keyEffectKeepsColours(int effect)
{
    switch (effect) {
    case 5: case 6: case 7: case 8: case 9: case 11: case 12:
        return true;
    default:
        return false;
    }
}

hidReportData plainEffectReport(unsigned char command, unsigned char length, const colorInfoData &info,
                                int modeType, int onOff)
{
    hidReportData report = hidReportFrame(command, 0, 0, length);
    hidReportPutValues(report, kHidPayloadOffset,
                       {info.ledType, info.ledBrightness, info.ledSpeed, info.ledModeR, info.ledModeG,
                        info.ledModeB, info.ledBgR, info.ledBgG, info.ledBgB, info.ledDirection, modeType, onOff});
    return report;
}

hidReportData effectReport(unsigned char command, unsigned char length, const colorInfoData &info,
                           bool keepColours)
{
    const int modeType = hidLowByte(info.ledType) == 0 ? 0 : info.ledModeType;
    hidReportData report = plainEffectReport(command, length, info, modeType, info.ledOpenOrClose);
    if (!keepColours && report[kEffectModeTypeByte] == 1) {
        // Full-colour effects take their colours from the device's own table.
        const unsigned char fullColour[6] = {0xFF, 0, 0, 0, 0, 0};
        hidReportPut(report, kEffectColorFirstByte, fullColour, 6);
    }
    return report;
}
} // namespace

hidReportData ledEffectReport(const colorInfoData &info)
{
    return effectReport(HidCmd::KeyLightEffect, kKeyEffectLength, info,
                        keyEffectKeepsColours(hidLowByte(info.ledType)));
}

hidReportData sideLedEffectReport(const colorInfoData &info)
{
    return effectReport(HidCmd::SideLightEffect, kSideEffectLength, info,
                        hidLowByte(info.ledType) == kSideEffectWithOwnColours);
}

hidReportData ledOnOffReport(const colorInfoData &item, int onOff)
{
    return plainEffectReport(HidCmd::KeyLightEffect, kKeyEffectLength, item, item.ledModeType, onOff);
}

QList<hidReportData> customKeyColorReports(int scheme, const hidRgb (&cells)[kKeyGridCells])
{
    QList<hidReportData> reports;
    for (int packet = 0; packet < kCustomColorPackets; ++packet) {
        const int first = packet * kLedsPerColorPacket;
        const int count = qMin(kLedsPerColorPacket, kKeyGridCells - first);
        hidReportData report = hidReportFrame(HidCmd::CustomKeyColors, hidLowByte(scheme), hidLowByte(packet),
                                              hidLowByte(count * 3));
        for (int i = 0; i < count; ++i) {
            const hidRgb &c = cells[first + i];
            hidReportPutValues(report, kHidPayloadOffset + i * 3, {c.r, c.g, c.b});
        }
        reports.append(report);
    }
    return reports;
}

hidEncodeResult keyColorFrameReport(int zone, int packet, const unsigned char *rgb, int byteCount,
                                    hidReportData &report)
{
    if (byteCount < 0 || byteCount > kColorBytesPerPacket)
        return hidEncodeResult::TooManyBytes;
    report = hidReportFrame(HidCmd::ColorFrame, hidLowByte(zone), hidLowByte(packet), hidLowByte(byteCount));
    hidReportPut(report, kHidPayloadOffset, rgb, byteCount);
    return hidEncodeResult::Ok;
}

QList<hidReportData> keyColorFramePackets(int zone, const hidRgb *leds, int ledCount)
{
    QList<hidReportData> packets;
    for (int first = 0, packet = 0; first < ledCount; first += kLedsPerColorPacket, ++packet) {
        const int count = qMin(kLedsPerColorPacket, ledCount - first);
        unsigned char rgb[kColorBytesPerPacket];
        for (int i = 0; i < count; ++i) {
            rgb[i * 3] = leds[first + i].r;
            rgb[i * 3 + 1] = leds[first + i].g;
            rgb[i * 3 + 2] = leds[first + i].b;
        }
        hidReportData report;
        keyColorFrameReport(zone, packet, rgb, count * 3, report);
        packets.append(report);
    }
    return packets;
}

hidReportData mouseColorFrameReport(const hidRgb (&leds)[kMouseLedCount])
{
    hidReportData report = hidReportFrame(HidCmd::MouseColorFrame, 0, 0, kMouseFrameLength);
    for (int i = 0; i < kMouseLedCount; ++i)
        hidReportPutValues(report, kHidPayloadOffset + i * 3, {leds[i].r, leds[i].g, leds[i].b});
    return report;
}

hidReportData lightSynchronizeReport(bool on)
{
    hidReportData report = hidReportFrame(HidCmd::LightSynchronize, 0, 0, kSwitchLength);
    hidReportPutByte(report, kHidPayloadOffset, on ? 1 : 0);
    return report;
}

hidReportData resetReport()
{
    hidReportData report = hidReportFrame(HidCmd::Reset, 0, 0, 0);
    hidReportPutByte(report, kHidPayloadOffset, 1);
    return report;
}

hidReportData enterBootloaderReport() { return hidReportFrame(HidCmd::EnterBootloader); }

bool isLongSideStripModel(const QString &modelName)
{
    static const QStringList kLongStripModels = {
        QStringLiteral("Urrasque"), QStringLiteral("Wolvarne"), QStringLiteral("Avelorn"),
        QStringLiteral("Rulvarro"), QStringLiteral("Varrowen")};
    return kLongStripModels.contains(modelName);
}

bool canStartColorFrame(const unsigned char *packet, int length)
{
    if (!packet || length <= kHidPacketByte)
        return true;
    if (packet[kHidCommandByte] != HidCmd::ColorFrame)
        return true;
    return packet[kHidZoneByte] == kColorFrameZoneKeys && packet[kHidPacketByte] == 0;
}

int colorFramePacketCount(int deviceType, const QString &modelName)
{
    if (deviceType == kHidTypeMouse)
        return kMouseFramePackets;
    return isLongSideStripModel(modelName) ? kLongStripFramePackets : kKeyboardFramePackets;
}
