#pragma once

// Mouse setting payloads: DPI levels (0x41), zone lighting (0x42), report rate
// (0x46) and button assignment (0x47).

#include "hidBindingCodes.h"
#include "hidEncodeResult.h"
#include "hidReportData.h"
#include "xmlRecords.h"

#include <QList>

constexpr int kDpiMin = 200;
constexpr int kDpiMax = 5000;
constexpr int kDpiStep = 100;
// Six bytes per level from byte 7 and an end mark: nine levels fill the report.
constexpr int kMouseDpiMaxLevels = 9;
constexpr int kMouseZoneAround = 0;
constexpr int kMouseZoneScroll = 1;
constexpr int kMouseZoneLogo = 2;
// Button slots of the 0x47 report.
constexpr int kMouseSlotMiddle = 0;
constexpr int kMouseSlotRight = 1;
constexpr int kMouseSlotForward = 2;
constexpr int kMouseSlotBack = 3;
constexpr int kMouseSlotDpi = 4;
// Event bytes the four 0x47 reports of a macro can carry: 50 events.
constexpr int kMouseMacroMaxEvents = 50;

// The device's code of a DPI value; a value off the table is clamped to
// 200..5000 and rounded to the nearest step of 100.
int mouseDpiCode(int dpi);

// 0x41: active level (1 to 5, 6 the sniper level) and the levels in order.
// More than nine levels are refused.
hidEncodeResult mouseDpiReport(int activeLevel, const QList<dpiConfigInfo> &levels,
                               hidReportData &report);

// 0x42: zone 0 Around, 1 Scroll, 2 Logo; linkOn is the Scroll/Logo link status.
// Any other zone carries bytes 6 to 14 only (15 to 19 zero).
hidReportData mouseZoneLightReport(int zone, const colorInfoData &info, bool linkOn);

// 0x46: rate index 0..3 (125, 250, 500, 1000 Hz); interval 0 for any other.
hidReportData mouseReportRateReport(int rateIndex);

// 0x47: the reports that assign `binding` to the button in `slot`. A macro
// binding takes its events from `macroEvents` and ends with the end report.
// Kinds without a mouse encoding give NothingToSend; macros over 50 events
// TooManyEvents.
hidEncodeResult mouseKeyReports(int slot, const customKeyInfo &binding,
                                const QList<hidMacroEvent> &macroEvents, QList<hidReportData> &reports);
