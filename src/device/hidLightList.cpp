#include "hidLightList.h"

static bool isLightListMarker(unsigned char byte)
{
    return byte == kLightListMarkerA || byte == kLightListMarkerB;
}

int parseLightList(const hidReportData &report, int start, lightTypeListInfo &list)
{
    list = lightTypeListInfo();
    const unsigned char *bytes = report.data();
    int i = start < kHidPayloadOffset ? kHidPayloadOffset : start;
    while (i < kHidReportSize && !isLightListMarker(bytes[i]))
        list.lightTypeList.append(bytes[i++]);
    if (i >= kHidReportSize)
        return kHidReportSize;
    while (i < kHidReportSize && isLightListMarker(bytes[i]))
        ++i;
    list.speedMax = hidReportByte(bytes, kHidReportSize, i++);
    list.brightnessMax = hidReportByte(bytes, kHidReportSize, i++);
    return i < kHidReportSize ? i : kHidReportSize;
}

void parseMouseLightLists(const hidReportData &report, lightTypeListInfo &around,
                          lightTypeListInfo &scroll, lightTypeListInfo &logo)
{
    int next = parseLightList(report, kHidPayloadOffset, around);
    if (next >= kHidReportSize) {
        scroll = lightTypeListInfo();
        logo = lightTypeListInfo();
        return;
    }
    next = parseLightList(report, next, scroll);
    if (next >= kHidReportSize) {
        logo = lightTypeListInfo();
        return;
    }
    parseLightList(report, next, logo);
}
