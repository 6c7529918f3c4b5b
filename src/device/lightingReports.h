#pragma once

// Payloads of the lighting reports: key and side effects (0x07, 0x08), custom
// per-key colours (0x09), colour-frame packets (0x0F, 0x48), light
// synchronisation (0x17), reset (0x14) and entering the bootloader (0x0B).

#include "hidEncodeResult.h"
#include "hidReportData.h"
#include "xmlRecords.h"

#include <QList>
#include <QString>

struct hidRgb
{
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
};

constexpr int kKeyGridRows = 6;
constexpr int kKeyGridColumns = 22;
constexpr int kKeyGridCells = kKeyGridRows * kKeyGridColumns; // 132
constexpr int kLedsPerColorPacket = 18;
constexpr int kColorBytesPerPacket = kLedsPerColorPacket * 3; // 54
constexpr int kMouseLedCount = 18;
// The most packets one colour frame has (a long side strip's keyboard).
constexpr int kColorFramePacketsMax = 11;
constexpr int kColorFrameZoneKeys = 0;
constexpr int kColorFrameZoneSide = 1;

// 0x07 from the key zone's record.
hidReportData ledEffectReport(const colorInfoData &info);
// 0x08 from the side zone's record.
hidReportData sideLedEffectReport(const colorInfoData &info);
// 0x07 switching the keyboard's lights on (0) or off (1): the stored key-zone
// item goes out as it is (neither the Static nor the full-colour rule), with
// byte 17 the new value.
hidReportData ledOnOffReport(const colorInfoData &item, int onOff);

// 0x09: eight packets of the 132 cell colours, row by row; scheme in byte 2.
QList<hidReportData> customKeyColorReports(int scheme, const hidRgb (&cells)[kKeyGridCells]);

// 0x0F: one packet of up to 18 LEDs (byteCount at most 54).
hidEncodeResult keyColorFrameReport(int zone, int packet, const unsigned char *rgb, int byteCount,
                                    hidReportData &report);
// A whole zone cut into 0x0F packets of 18 LEDs (the last one shorter).
QList<hidReportData> keyColorFramePackets(int zone, const hidRgb *leds, int ledCount);

// 0x48: the mouse's 18 LEDs in one report.
hidReportData mouseColorFrameReport(const hidRgb (&leds)[kMouseLedCount]);

// 0x17: byte 6 = 1 to start streaming, 0 to stop.
hidReportData lightSynchronizeReport(bool on);
// 0x14: reset the current profile or the device.
hidReportData resetReport();
// 0x0B: the device restarts as a bootloader.
hidReportData enterBootloaderReport();

// Keyboard models whose side strip has more than 36 LEDs: their colour frames
// carry a third side packet (11 packets instead of 10).
bool isLongSideStripModel(const QString &modelName);
// Packets of one frame on the light-frame queue for a device.
int colorFramePacketCount(int deviceType, const QString &modelName);
// Whether a packet offered to the light-frame queue may begin a frame: every
// packet but a key colour packet that continues a frame (side zone, or a
// packet number past 0). The queue starts collecting only at such a packet,
// so a frame whose head was dropped never merges with the next one.
bool canStartColorFrame(const unsigned char *packet, int length);
