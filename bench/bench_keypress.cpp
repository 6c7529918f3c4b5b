// A key press in the PC mode, end to end: from the simulated keyboard's
// input report to the link writing the answering report, for a key bound to
// a key combination in the last of ten full profiles.

#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "benchLink.h"
#include "benchStats.h"
#include "benchStoreFiles.h"
#include "hidProtocolReports.h"
#include "xmlFileStamp.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPresses = 2000;
constexpr int kAnswerWaitMs = 2000;
constexpr unsigned char kKeyA = 4;
// Left Ctrl and left Alt with D.
constexpr unsigned char kCombinationModifiers = 0x05;
constexpr unsigned char kKeyD = 7;
const QByteArray kCombination = "5,7";
const QByteArray kProfile = QByteArray::number(benchStoreFiles::kProfiles);

hidReportData keyState(unsigned char modifiers, unsigned char key)
{
    const unsigned char state[8] = {modifiers, 0, key, 0, 0, 0, 0, 0};
    return keyStateReport(state);
}

// How a run looks the key up.
struct Scenario
{
    const char *name;        // null: a run that is not printed
    const char *profilePath; // "": the link has no profile and passes keys on
    bool touchFile;          // the profile changed since the last press
    hidReportData answer;
};

// Milliseconds from each press to the report that answers it. Runs beside
// the GUI thread, which only runs its event loop, as in the program.
std::vector<double> pressLatencies(SimulatedDevice &device, const Scenario &scenario)
{
    const hidReportData released = keyState(0, 0);
    const auto answeredAt = [&device](const hidReportData &answer, Clock::time_point *at) {
        if (!device.waitForOutput(
                [&](const QList<hidReportData> &reports) { return reports.contains(answer); }, kAnswerWaitMs))
            return false;
        for (const SimulatedOutput &out : device.outputs()) {
            if (out.report == answer)
                *at = out.time;
        }
        return true;
    };
    const timespec now[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
    std::vector<double> latencies;
    for (int i = 0; i < kPresses; ++i) {
        if (scenario.touchFile)
            ::utimensat(AT_FDCWD, scenario.profilePath, now, 0);
        device.clearOutputs();
        const Clock::time_point sent = Clock::now();
        device.sendKeyState(0, {kKeyA});
        Clock::time_point answer;
        if (!answeredAt(scenario.answer, &answer))
            break;
        latencies.push_back(std::chrono::duration<double, std::milli>(answer - sent).count());
        device.clearOutputs();
        device.sendKeyState(0, {});
        if (!answeredAt(released, &answer))
            break;
        // A fast typist's pace would make the run too long.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return latencies;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString profiles = dir.filePath(QStringLiteral("pardexProFile.xml"));
    xmlInterface store;
    benchStoreFiles::writeProfiles(store, profiles);
    store.deleteKeyInfo(profiles, kProfile, QByteArray::number(kKeyA));
    store.addKeyInfo(profiles, kProfile, QByteArray::number(kKeyA), "A", "2", "1", "1", kCombination);

    auto backend = std::make_shared<SimulatedHidBackend>();
    auto device = backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    HidBackend::install(backend);
    auto link = openLink(*device, store, profiles);
    if (!link) {
        std::fprintf(stderr, "the simulated keyboard did not get ready\n");
        return 1;
    }
    link->setCurProFileIndex(benchStoreFiles::kProfiles);
    // Key presses come long after the profile was last saved.
    QThread::msleep(xmlFileStamp::kRecentWindowNs / 1'000'000 + 100);

    const QByteArray path = profiles.toLocal8Bit();
    // A first run is slower whatever it does (threads and caches waking
    // up): it is not printed. The cold run comes last, as it leaves the file
    // just changed.
    const Scenario scenarios[] = {
        {nullptr, path.constData(), false, keyState(kCombinationModifiers, kKeyD)},
        {"keypress_combination_warm", path.constData(), false, keyState(kCombinationModifiers, kKeyD)},
        // The same press without the store: what the transport and the
        // event loops take.
        {"keypress_without_store", "", false, keyState(0, kKeyA)},
        {"keypress_combination_cold", path.constData(), true, keyState(kCombinationModifiers, kKeyD)},
    };
    int status = 0;
    for (const Scenario &scenario : scenarios) {
        link->setProFileInfo(&store, scenario.profilePath);
        std::vector<double> latencies;
        std::thread driver([&] {
            latencies = pressLatencies(*device, scenario);
            QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
        });
        app.exec();
        driver.join();
        if (int(latencies.size()) != kPresses) {
            std::fprintf(stderr, "press %zu got no answer\n", latencies.size() + 1);
            status = 1;
            break;
        }
        if (!scenario.name)
            continue;
        const Percentiles p = percentiles(latencies);
        std::printf("%s_median: %.3f ms\n", scenario.name, p.median);
        std::printf("%s_p99: %.3f ms\n", scenario.name, p.p99);
        std::printf("%s_max: %.3f ms\n", scenario.name, p.max);
    }
    link.reset();
    HidBackend::install(nullptr);
    return status;
}
