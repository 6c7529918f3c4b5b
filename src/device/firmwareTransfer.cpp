#include "firmwareTransfer.h"

#include "HidConnection.h"
#include "bootloaderProtocol.h"

#include <QSet>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

// A read that cannot be interrupted waits at most this long before the stop
// flag is looked at again.
constexpr int kReadSliceMs = 50;

unsigned char fillerByte() { return static_cast<unsigned char>(std::rand() & 0xFF); }

// > 0 an answer, 0 none within the limit (or stopped), -1 the read failed.
int readAnswer(HidConnection &connection, hidReportData &answer, int limitMs, const std::atomic<bool> &stop)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || stop.load())
            return 0;
        answer.fill(0);
        const int n = connection.read(answer.data(), kHidReportSize,
                                      static_cast<int>(std::min<long long>(left, kReadSliceMs)));
        if (n != 0)
            return n;
    }
}

} // namespace

QList<HidDeviceEntry> findBootloaders(HidBackend &backend, int vendorId)
{
    QList<HidDeviceEntry> found;
    QSet<QString> paths;
    for (const HidDeviceEntry &entry : backend.enumerate()) {
        if (!isBootloaderId(entry.vendorId, entry.productId))
            continue;
        if (vendorId >= 0 && entry.vendorId != vendorId)
            continue;
        if (paths.contains(entry.path))
            continue;
        paths.insert(entry.path);
        found.append(entry);
    }
    return found;
}

int runBootloaderTransfer(HidConnection &connection, const QByteArray &image, int answerMs,
                          const std::atomic<bool> &stop, const std::function<void(int total, int done)> &progress)
{
    const int size = image.size();
    const auto *bytes = reinterpret_cast<const unsigned char *>(image.constData());
    const int blocks = bootloaderBlockCount(size);
    for (int index = 0; index < blocks; ++index) {
        if (stop.load())
            return kFirmwareTransferStopped;
        const unsigned char filler1 = fillerByte();
        const hidReportData report = bootloaderBlockReport(bytes, size, index, filler1, fillerByte());
        if (connection.write(report.data(), kHidReportSize) < 0)
            return BootloaderError::BlockWrite;
        if (progress)
            progress(blocks, index + 1);
        hidReportData answer{};
        if (readAnswer(connection, answer, answerMs, stop) <= 0)
            return stop.load() ? kFirmwareTransferStopped : BootloaderError::AnswerRead;
        const int error = bootloaderAnswerError(answer);
        if (error != BootloaderError::None)
            return error;
    }
    if (stop.load())
        return kFirmwareTransferStopped;
    const hidReportData end = bootloaderEndReport();
    if (connection.write(end.data(), kHidReportSize) < 0)
        return BootloaderError::EndWrite;
    return BootloaderError::None;
}
