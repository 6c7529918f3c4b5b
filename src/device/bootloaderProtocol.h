#pragma once

// The bootloader's side of a firmware update: its USB ids, the block and end
// reports that carry an image to it, and its answers. Plain functions: no I/O.
// Blocks are numbered from 0; block i carries image bytes 48i onwards, each
// inverted, in a report of command 0x0C with the index in bytes 3 and 4, the
// data length + 2 in byte 5 and two filler bytes after the data. The end
// report has index 0xFFFF. One answer follows each block; only its byte 2
// counts (1 and 2 refuse the block).

#include "hidReportData.h"

#include <QList>
#include <QString>

constexpr int kBootloaderBlockBytes = 48;
constexpr int kBootloaderFillerBytes = 2;
constexpr int kBootloaderIndexHighByte = 3;
constexpr int kBootloaderIndexLowByte = 4;
constexpr int kBootloaderEndIndex = 0xFFFF;
constexpr int kBootloaderAnswerByte = 2;

// Error codes of an attempt, as the debug lines name them.
namespace BootloaderError {
constexpr int None = 0;
constexpr int BlockWrite = 100;
constexpr int AnswerRead = 101;
constexpr int AnswerOne = 102;
constexpr int AnswerTwo = 103;
constexpr int EndWrite = 104;
} // namespace BootloaderError

struct bootloaderId
{
    int vendorId;
    int productId;
};

// 0416:3F00, 0416:3F02, 0C45:6565, 0C45:4560.
QList<bootloaderId> bootloaderIds();
bool isBootloaderId(int vendorId, int productId);

// Blocks of an image: its size / 48, plus one for a remainder.
int bootloaderBlockCount(int imageSize);
// Data bytes of block index: 48, or what is left for the last one; 0 outside.
int bootloaderBlockLength(int imageSize, int blockIndex);
// The report of block index of image[0..imageSize), with two filler bytes.
hidReportData bootloaderBlockReport(const unsigned char *image, int imageSize, int blockIndex,
                                    unsigned char filler1, unsigned char filler2);
hidReportData bootloaderEndReport();
// The block index of a 0x0C report (kBootloaderEndIndex for the end report).
int bootloaderReportIndex(const hidReportData &report);

// 0 when the answer accepts the block, else AnswerOne or AnswerTwo.
int bootloaderAnswerError(const hidReportData &answer);
// The bootloader's answer with byte 2 = status.
hidReportData bootloaderAnswerReport(int status);

// "Upgrade failed ! ErrorCode[c]" (with two blanks before ErrorCode for 104).
QString bootloaderErrorLine(int code);
