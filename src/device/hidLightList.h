#pragma once

#include "hidReportData.h"
#include "lightTypeListInfo.h"

// Light-list answers (0x0A, 0x02 and each of the three lists of 0x43): effect
// ids until a marker byte 0xA5 or 0x5A, the markers skipped, then the speed
// maximum and the brightness maximum. Nothing is read past byte 63.

constexpr unsigned char kLightListMarkerA = 0xA5;
constexpr unsigned char kLightListMarkerB = 0x5A;

// Parses one list starting at byte `start`; returns the byte after it (64 when
// the scan reached the end of the report).
int parseLightList(const hidReportData &report, int start, lightTypeListInfo &list);

// The mouse's Around, Scroll and Logo lists, back to back from byte 6.
void parseMouseLightLists(const hidReportData &report, lightTypeListInfo &around,
                          lightTypeListInfo &scroll, lightTypeListInfo &logo);
