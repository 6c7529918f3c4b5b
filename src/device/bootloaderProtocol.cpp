#include "bootloaderProtocol.h"

#include <algorithm>

namespace {
const bootloaderId kBootloaderIds[] = {{0x0416, 0x3F00}, {0x0416, 0x3F02}, {0x0C45, 0x6565}, {0x0C45, 0x4560}};
}

QList<bootloaderId> bootloaderIds()
{
    return QList<bootloaderId>(std::begin(kBootloaderIds), std::end(kBootloaderIds));
}

bool isBootloaderId(int vendorId, int productId)
{
    return std::any_of(std::begin(kBootloaderIds), std::end(kBootloaderIds), [=](const bootloaderId &id) {
        return id.vendorId == vendorId && id.productId == productId;
    });
}

int bootloaderBlockCount(int imageSize)
{
    if (imageSize <= 0)
        return 0;
    return imageSize / kBootloaderBlockBytes + (imageSize % kBootloaderBlockBytes ? 1 : 0);
}

int bootloaderBlockLength(int imageSize, int blockIndex)
{
    if (blockIndex < 0 || blockIndex >= bootloaderBlockCount(imageSize))
        return 0;
    return std::min(kBootloaderBlockBytes, imageSize - blockIndex * kBootloaderBlockBytes);
}

hidReportData bootloaderBlockReport(const unsigned char *image, int imageSize, int blockIndex,
                                    unsigned char filler1, unsigned char filler2)
{
    const int n = bootloaderBlockLength(imageSize, blockIndex);
    hidReportData report = hidReportFrame(HidCmd::BootloaderData, 0, 0, hidLowByte(n + kBootloaderFillerBytes));
    report[kBootloaderIndexHighByte] = hidLowByte(blockIndex >> 8);
    report[kBootloaderIndexLowByte] = hidLowByte(blockIndex);
    unsigned char data[kBootloaderBlockBytes + kBootloaderFillerBytes];
    for (int i = 0; i < n; ++i)
        data[i] = static_cast<unsigned char>(~image[blockIndex * kBootloaderBlockBytes + i]);
    data[n] = filler1;
    data[n + 1] = filler2;
    hidReportPut(report, kHidPayloadOffset, data, n + kBootloaderFillerBytes);
    return report;
}

hidReportData bootloaderEndReport()
{
    hidReportData report = hidReportFrame(HidCmd::BootloaderData);
    report[kBootloaderIndexHighByte] = 0xFF;
    report[kBootloaderIndexLowByte] = 0xFF;
    return report;
}

int bootloaderReportIndex(const hidReportData &report)
{
    return report[kBootloaderIndexHighByte] * 256 + report[kBootloaderIndexLowByte];
}

int bootloaderAnswerError(const hidReportData &answer)
{
    switch (answer[kBootloaderAnswerByte]) {
    case 1:
        return BootloaderError::AnswerOne;
    case 2:
        return BootloaderError::AnswerTwo;
    default:
        return BootloaderError::None;
    }
}

hidReportData bootloaderAnswerReport(int status)
{
    return hidReportFrame(HidCmd::BootloaderData, hidLowByte(status));
}

QString bootloaderErrorLine(int code)
{
    if (code == BootloaderError::EndWrite)
        return QStringLiteral("Upgrade failed !  ErrorCode[%1]").arg(code);
    return QStringLiteral("Upgrade failed ! ErrorCode[%1]").arg(code);
}
