// CPU time and latencies of one transport thread against a simulated keyboard:
// idle for 5 s, then streaming a 10-packet frame every 30 ms for 5 s; the
// delay from queuing a command to its write, and from an input report's
// arrival to its read. Run against a simulated keyboard ("simulated") and
// against the real backend's hidraw connection on a socket pair whose other
// end plays the device ("hidraw").

#include "HidBackend.h"
#include "HidConnection.h"
#include "HidrawConnection.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "benchStats.h"
#include "lightingReports.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTimer>

#include <pthread.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <QFile>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kMeasureMs = 5000;
constexpr int kFrameIntervalMs = 30;
constexpr int kLatencySamples = 300;

// Context switches of a thread: every wake-up from a wait is one.
long long threadSwitches(long tid)
{
    QFile status(QStringLiteral("/proc/self/task/%1/status").arg(tid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    long long total = 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
            total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}

double threadCpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QList<hidReportData> frame(int number)
{
    hidRgb leds[kKeyGridCells];
    for (hidRgb &led : leds)
        led = {static_cast<unsigned char>(number & 0xFF), static_cast<unsigned char>(number >> 8), 0x5A};
    QList<hidReportData> packets = keyColorFramePackets(kColorFrameZoneKeys, leds, kKeyGridCells);
    packets += keyColorFramePackets(kColorFrameZoneSide, leds, 33);
    return packets;
}

// Frames written whole and in order: groups of 10 packets, keys 0..7 then
// side 0..1, all of one frame, frame numbers rising.
bool framesWholeAndInOrder(const QList<hidReportData> &packets, int *frames)
{
    *frames = packets.size() / 10;
    if (packets.size() % 10 != 0)
        return false;
    int last = -1;
    for (int f = 0; f < *frames; ++f) {
        const int number = packets.at(f * 10)[6] | (packets.at(f * 10)[7] << 8);
        if (number <= last)
            return false;
        last = number;
        for (int i = 0; i < 10; ++i) {
            const hidReportData &p = packets.at(f * 10 + i);
            const int zone = i < 8 ? 0 : 1;
            const int index = i < 8 ? i : i - 8;
            if (p[2] != zone || p[4] != index || (p[6] | (p[7] << 8)) != number)
                return false;
        }
    }
    return true;
}

// The device side of a run: what the transport wrote, and input on demand.
class BenchDevice
{
public:
    virtual ~BenchDevice() = default;
    virtual QString path() const = 0;
    virtual QList<SimulatedOutput> outputs() const = 0;
    virtual void clearOutputs() = 0;
    virtual void sendInput(const hidReportData &report) = 0;

    QList<hidReportData> outputReports(unsigned char command) const
    {
        QList<hidReportData> reports;
        for (const SimulatedOutput &o : outputs())
            if (o.report[kHidCommandByte] == command)
                reports.append(o.report);
        return reports;
    }
    bool waitForOutput(const hidReportData &report, Clock::time_point *when) const
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(1);
        while (Clock::now() < deadline) {
            for (const SimulatedOutput &o : outputs()) {
                if (o.report == report) {
                    *when = o.time;
                    return true;
                }
            }
            QThread::usleep(200);
        }
        return false;
    }
};

class SimulatedBenchDevice : public BenchDevice
{
public:
    explicit SimulatedBenchDevice(std::shared_ptr<SimulatedDevice> device) : m_device(std::move(device)) {}
    QString path() const override { return m_device->path(); }
    QList<SimulatedOutput> outputs() const override { return m_device->outputs(); }
    void clearOutputs() override { m_device->clearOutputs(); }
    void sendInput(const hidReportData &report) override { m_device->sendInput(report); }

private:
    std::shared_ptr<SimulatedDevice> m_device;
};

// One HidrawConnection on a socket pair; a thread on the other end records
// every report the transport writes.
class SocketPairBench : public HidBackend, public BenchDevice
{
public:
    SocketPairBench()
    {
        int fds[2] = {-1, -1};
        socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds);
        m_transportEnd = fds[0];
        m_deviceEnd = fds[1];
        m_reader = std::thread([this] {
            hidReportData report;
            while (::recv(m_deviceEnd, report.data(), report.size(), 0) > 0) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_outputs.append({report, Clock::now()});
            }
        });
    }
    ~SocketPairBench() override
    {
        ::shutdown(m_deviceEnd, SHUT_RDWR);
        m_reader.join();
        ::close(m_deviceEnd);
    }
    QList<HidDeviceEntry> enumerate() override { return {}; }
    std::unique_ptr<HidConnection> open(const QString &) override
    {
        const int fd = m_transportEnd;
        m_transportEnd = -1;
        return fd < 0 ? nullptr : std::make_unique<HidrawConnection>(fd);
    }
    QString errorText() const override { return {}; }
    QString path() const override { return QStringLiteral("/sys/devices/bench/1-1:1.2"); }
    QList<SimulatedOutput> outputs() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_outputs;
    }
    void clearOutputs() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_outputs.clear();
    }
    void sendInput(const hidReportData &report) override { ::send(m_deviceEnd, report.data(), report.size(), 0); }

private:
    int m_transportEnd = -1;
    int m_deviceEnd = -1;
    std::thread m_reader;
    mutable std::mutex m_mutex;
    QList<SimulatedOutput> m_outputs;
};

void print(const char *mode, const char *name, double value, const char *unit)
{
    std::printf("%s_%s: %.3f %s\n", mode, name, value, unit);
    std::fflush(stdout);
}

void measure(const char *mode, BenchDevice *device)
{
    MainHidInterFace transport(1, QStringLiteral("Quissaro"));
    std::atomic<bool> haveClock{false};
    clockid_t cpuClock{};
    long tid = 0;
    QObject::connect(
        &transport, &QThread::started, &transport,
        [&] {
            pthread_getcpuclockid(pthread_self(), &cpuClock);
            tid = static_cast<long>(syscall(SYS_gettid));
            haveClock.store(true);
        },
        Qt::DirectConnection);

    std::mutex inputMutex;
    std::vector<Clock::time_point> inputRead(kLatencySamples);
    QObject::connect(
        &transport, &MainHidInterFace::sigHidDataArrived, &transport,
        [&](const QByteArray &report, int, int) {
            if (static_cast<unsigned char>(report.at(1)) != HidCmd::KeyState)
                return;
            const int sample = static_cast<unsigned char>(report.at(8)) | (static_cast<unsigned char>(report.at(9)) << 8);
            std::lock_guard<std::mutex> lock(inputMutex);
            if (sample < kLatencySamples)
                inputRead[sample] = Clock::now();
        },
        Qt::DirectConnection);

    transport.hidOpenPath(0, 0, device->path());
    transport.start();
    while (!haveClock.load())
        QThread::msleep(1);
    runEventLoop(300); // serial answer, first handshake

    // Idle.
    double cpu0 = threadCpuSeconds(cpuClock);
    long long switches0 = threadSwitches(tid);
    runEventLoop(kMeasureMs);
    double cpu1 = threadCpuSeconds(cpuClock);
    long long switches1 = threadSwitches(tid);
    print(mode, "idle_cpu", (cpu1 - cpu0) / (kMeasureMs / 1000.0) * 100.0, "%");
    print(mode, "idle_wakeups", (switches1 - switches0) / (kMeasureMs / 1000.0), "per_s");

    // Streaming: one keyboard frame offered every 30 ms.
    transport.setLightStreaming(true);
    device->clearOutputs();
    int offered = 0;
    QTimer frameTimer;
    frameTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frameTimer, &QTimer::timeout, [&] {
        for (const hidReportData &packet : frame(offered))
            transport.writeLightData(packet.data(), kHidReportSize);
        ++offered;
    });
    cpu0 = threadCpuSeconds(cpuClock);
    switches0 = threadSwitches(tid);
    frameTimer.start(kFrameIntervalMs);
    runEventLoop(kMeasureMs);
    frameTimer.stop();
    cpu1 = threadCpuSeconds(cpuClock);
    switches1 = threadSwitches(tid);
    runEventLoop(50);
    int written = 0;
    const bool whole = framesWholeAndInOrder(device->outputReports(HidCmd::ColorFrame), &written);
    print(mode, "streaming_cpu", (cpu1 - cpu0) / (kMeasureMs / 1000.0) * 100.0, "%");
    print(mode, "streaming_wakeups", (switches1 - switches0) / (kMeasureMs / 1000.0), "per_s");
    print(mode, "frames_offered", offered, "frames");
    print(mode, "frames_written", written, "frames");
    print(mode, "frames_whole_in_order", whole ? 1 : 0, "bool");
    transport.setLightStreaming(false);

    // Command latency: queue to write.
    std::vector<double> commandLatency;
    for (int i = 0; i < kLatencySamples; ++i) {
        QThread::usleep(1000 + QRandomGenerator::global()->bounded(4000));
        hidReportData report = hidReportFrame(HidCmd::Reset, 0, 0, 2);
        report[6] = static_cast<unsigned char>(i & 0xFF);
        report[7] = static_cast<unsigned char>(i >> 8);
        device->clearOutputs();
        const Clock::time_point queued = Clock::now();
        transport.writeHidData(report.data(), kHidReportSize);
        Clock::time_point writtenAt;
        if (device->waitForOutput(report, &writtenAt))
            commandLatency.push_back(std::chrono::duration<double, std::milli>(writtenAt - queued).count());
    }
    const Percentiles command = percentiles(commandLatency);
    print(mode, "command_latency_median", command.median, "ms");
    print(mode, "command_latency_p99", command.p99, "ms");
    print(mode, "command_latency_max", command.max, "ms");

    // Input latency: arrival at the device side to the transport's read.
    std::vector<Clock::time_point> sent(kLatencySamples);
    for (int i = 0; i < kLatencySamples; ++i) {
        QThread::usleep(1000 + QRandomGenerator::global()->bounded(4000));
        sent[i] = Clock::now();
        hidReportData key = hidReportFrame(HidCmd::KeyState, 0, 0, 8);
        key[8] = static_cast<unsigned char>(i & 0xFF);
        key[9] = static_cast<unsigned char>(i >> 8);
        device->sendInput(key);
    }
    QThread::msleep(100);
    std::vector<double> inputLatency;
    {
        std::lock_guard<std::mutex> lock(inputMutex);
        for (int i = 0; i < kLatencySamples; ++i) {
            if (inputRead[i] != Clock::time_point())
                inputLatency.push_back(std::chrono::duration<double, std::milli>(inputRead[i] - sent[i]).count());
        }
    }
    const Percentiles input = percentiles(inputLatency);
    print(mode, "input_reports_read", inputLatency.size(), "reports");
    print(mode, "input_latency_median", input.median, "ms");
    print(mode, "input_latency_p99", input.p99, "ms");
    print(mode, "input_latency_max", input.max, "ms");

    transport.hidClose();
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.hid.debug=false"));
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(backend);
        SimulatedBenchDevice device(backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro"))));
        measure("simulated", &device);
    }
    {
        auto pair = std::make_shared<SocketPairBench>();
        HidBackend::install(pair);
        measure("hidraw", pair.get());
    }
    HidBackend::install(nullptr);
    return 0;
}
