// An on-board download of ten macros of 40 events, from layer files of five
// configurations, to a simulated keyboard that acknowledges at once: the
// wall time from the click to the end, the planning alone, the pause the
// keyboard is given, and the GUI thread's CPU time.
#include "DOnboardPage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "SoftKeyboardButCustom.h"
#include "benchLink.h"
#include "onboardDownloadPlan.h"
#include "onboardDownloadSender.h"
#include "onboardLayerFiles.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1.0e6;
}

QList<macroItemInfo> macroEvents(int count)
{
    QList<macroItemInfo> items;
    for (int i = 0; i < count; ++i) {
        macroItemInfo item;
        std::memset(&item, 0, sizeof item);
        fixedTextCopy(item.mark, QByteArray::number(i / 2));
        fixedTextCopy(item.delay, "25");
        fixedTextCopy(item.type, "key");
        fixedTextCopy(item.keyCode, QByteArray::number(4 + i / 2));
        fixedTextCopy(item.operateExplain, i % 2 ? "up" : "down");
        items.append(item);
    }
    return items;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    xmlInterface store;
    const QString model = QStringLiteral("Quissaro");
    const QString defaultFile = dir.filePath(QStringLiteral("OnboardDefaultProFile.xml"));
    const QString fn1File = dir.filePath(QStringLiteral("OnboardFN1ProFile.xml"));
    const QString macroFile = dir.filePath(QStringLiteral("pardexMacro.xml"));
    for (const QString &path : {defaultFile, fn1File, macroFile})
        store.createXmlFile(path);
    onboardLayerFiles layers(&store, defaultFile, fn1File, model);
    for (int config = 1; config <= 5; ++config) {
        layers.addConfig(config);
        layers.applyFastLayout(0, config, onboardLayerFiles::Qwerty);
    }
    const int config = 3;
    for (int macro = 1; macro <= 10; ++macro) {
        store.addMacro(macroFile, QByteArray::number(macro), "Macro" + QByteArray::number(macro));
        store.addMacroItems(macroFile, macroEvents(40), QByteArray::number(macro));
        const QString file = macro <= 5 ? defaultFile : fn1File;
        const QByteArray key = QByteArray::number(3 + macro);
        store.deleteKeyInfo(file, QByteArray::number(config), key);
        store.addKeyInfo(file, QByteArray::number(config), key, "K", "1", "1", "1", QByteArray::number(macro));
    }

    DOnboardPage picture;
    picture.setModel(model, 104);
    QList<int> codes;
    for (SoftKeyboardButCustom *button : picture.getKeyButtonList())
        codes.append(button ? button->getKeyCode() : 0);

    auto backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(backend);
    std::shared_ptr<SimulatedDevice> device = backend->addDevice(SimulatedDeviceConfig::keyboard(model));
    xmlInterface linkStore;
    std::unique_ptr<DDeviceKeyboardLink> link = openLink(*device, linkStore, dir.filePath(QStringLiteral("p.xml")));
    if (!link) {
        std::fprintf(stderr, "the simulated keyboard did not get ready\n");
        return 1;
    }

    const double cpuStart = threadCpuMs();
    QElapsedTimer wall;
    wall.start();
    const onboardDownloadPlan plan =
        makeOnboardDownloadPlan(codes, {&store, defaultFile, fn1File, macroFile, config});
    const qint64 planMs = wall.elapsed();
    onboardDownloadSender sender(link->getHidInterface(), link.get(), plan);
    bool done = false;
    bool ok = false;
    QObject::connect(&sender, &onboardDownloadSender::sigFinished, [&](bool successful) {
        done = true;
        ok = successful;
    });
    sender.start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 wallMs = wall.elapsed();
    const double cpuMs = threadCpuMs() - cpuStart;
    if (!ok || plan.macroSlotsUsed != 10) {
        std::fprintf(stderr, "the download failed\n");
        return 1;
    }
    std::printf("download_wall: %lld ms\n", static_cast<long long>(wallMs));
    std::printf("download_pause: %d ms\n", onboardDownloadSender::kStorePauseMs);
    std::printf("download_plan: %lld ms\n", static_cast<long long>(planMs));
    std::printf("download_gui_cpu: %.1f ms\n", cpuMs);
    std::printf("download_reports: %d reports\n", static_cast<int>(plan.steps.size()));
    HidBackend::install(nullptr);
    return 0;
}
