// How long destroying a device link takes while its macro playback waits in a
// long delay, and how long a held playback takes to stop on release.

#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "benchLink.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kRuns = 20;
constexpr int kLongDelayMs = 60000;

macroItemInfo macroEvent(int delay, const char *type, int code, const char *explain)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, "1");
    fixedTextCopy(item.delay, QByteArray::number(delay));
    fixedTextCopy(item.type, type);
    fixedTextCopy(item.keyCode, QByteArray::number(code));
    fixedTextCopy(item.operateExplain, explain);
    return item;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("pardexProFile.xml"));
    xmlInterface xml;
    xml.createXmlFile(profile);
    xml.addProfile(profile, "1", "Profile 1", "", "", 0);
    xml.addBindMacro(profile, "1",
                     {macroEvent(0, "key", 5, "down"), macroEvent(0, "mouse", 513, "down"),
                      macroEvent(kLongDelayMs, "key", 5, "up")},
                     "1", "M");

    auto backend = std::make_shared<SimulatedHidBackend>();
    auto device = backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    HidBackend::install(backend);

    qint64 teardownTotalUs = 0;
    qint64 releaseTotalUs = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (int mode : {2, 4}) {
            auto link = openLink(*device, xml, profile);
            if (!link) {
                std::fprintf(stderr, "the simulated keyboard did not get ready\n");
                return 1;
            }
            device->clearOutputs();
            link->triggerMacro(mode, 1000, 1, true);
            waitFor([&] { return device->outputCount(0x13) >= 1; }, 5000);
            QElapsedTimer t;
            t.start();
            if (mode == 2) {
                link.reset();
                teardownTotalUs += t.nsecsElapsed() / 1000;
            } else {
                link->triggerMacro(4, 0, 1, false);
                releaseTotalUs += t.nsecsElapsed() / 1000;
                link.reset();
            }
        }
    }
    HidBackend::install(nullptr);
    std::printf("link_teardown_during_macro_delay: %.2f ms\n", teardownTotalUs / 1000.0 / kRuns);
    std::printf("held_macro_stop_on_release: %.2f ms\n", releaseTotalUs / 1000.0 / kRuns);
    return 0;
}
