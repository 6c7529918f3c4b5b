#include "hidReportData.h"

#include <algorithm>
#include <cstring>

hidReportData hidReportFrame(unsigned char command, unsigned char byte2, unsigned char byte4,
                             unsigned char byte5)
{
    hidReportData report{};
    report[0] = kHidReportId;
    report[kHidCommandByte] = command;
    report[kHidZoneByte] = byte2;
    report[kHidPacketByte] = byte4;
    report[kHidLengthByte] = byte5;
    return report;
}

bool hidReportPut(hidReportData &report, int offset, const unsigned char *bytes, int count)
{
    if (offset < 0 || count < 0 || offset + count > kHidReportSize)
        return false;
    if (count > 0)
        std::memcpy(report.data() + offset, bytes, static_cast<std::size_t>(count));
    return true;
}

bool hidReportPutByte(hidReportData &report, int offset, int value)
{
    const unsigned char byte = hidLowByte(value);
    return hidReportPut(report, offset, &byte, 1);
}

bool hidReportPutValues(hidReportData &report, int offset, std::initializer_list<int> values)
{
    if (values.size() > static_cast<std::size_t>(kHidReportSize))
        return false;
    unsigned char bytes[kHidReportSize];
    int count = 0;
    for (int value : values)
        bytes[count++] = hidLowByte(value);
    return hidReportPut(report, offset, bytes, count);
}

unsigned char hidReportByte(const unsigned char *report, int length, int offset)
{
    if (!report || offset < 0 || offset >= std::min(length, kHidReportSize))
        return 0;
    return report[offset];
}

hidReportData hidReportFromBytes(const unsigned char *bytes, int length)
{
    hidReportData report{};
    if (bytes && length > 0)
        std::memcpy(report.data(), bytes, static_cast<std::size_t>(std::min(length, kHidReportSize)));
    return report;
}
