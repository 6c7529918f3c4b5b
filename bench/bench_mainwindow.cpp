// The main window, offscreen: construction to first show without devices
// and with two simulated ones (Quissaro and Bovelli), a device's arrival to
// its home tile (the 300 ms gathering of a burst included), and the stop
// with a streaming device that answers nothing.

#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRuns = 7;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

int tiles(DMainWidget &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.homePage()->deviceListWidget()->findChildren<DHomeDeviceListItem *>().size();
}

DMainWidget::Hooks hooks(const std::shared_ptr<SimulatedHidBackend> &backend)
{
    DMainWidget::Hooks h;
    h.makeDeviceNotifier = [backend](QObject *parent) { return new SimulatedDeviceNotifier(backend, parent); };
    h.exitProcess = [](int) {};
    h.isSystemTrayAvailable = [] { return true; };
    return h;
}

double constructAndShow(const QStringList &models)
{
    auto backend = SimulatedHidBackend::fromModelList(models.join(QLatin1Char(',')));
    HidBackend::install(backend);
    QElapsedTimer t;
    t.start();
    auto window = std::make_unique<DMainWidget>(hooks(backend));
    window->show();
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    window.reset();
    HidBackend::install(nullptr);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    constructAndShow({}); // the data manager comes into being once
    std::vector<double> empty;
    std::vector<double> two;
    for (int i = 0; i < kRuns; ++i) {
        empty.push_back(constructAndShow({}));
        two.push_back(constructAndShow({QStringLiteral("Quissaro"), QStringLiteral("Bovelli")}));
    }
    std::printf("construct_to_show_no_device: %.1f ms\n", median(empty));
    std::printf("construct_to_show_quissaro_bovelli: %.1f ms\n", median(two));

    // Arrival to tile, and the stop.
    auto backend = SimulatedHidBackend::fromModelList(QStringLiteral("Quissaro,Bovelli"));
    HidBackend::install(backend);
    std::vector<double> arrival;
    std::vector<double> stop;
    for (int i = 0; i < kRuns; ++i) {
        auto window = std::make_unique<DMainWidget>(hooks(backend));
        window->show();
        auto mouse = backend->devicesOfModel(QStringLiteral("Bovelli")).first();
        mouse->unplug();
        waitFor([&] { return tiles(*window) == 1; }, 10000);
        QElapsedTimer t;
        t.start();
        mouse->plug();
        if (!waitFor([&] { return tiles(*window) == 2; }, 10000)) {
            std::fprintf(stderr, "the tile did not come back\n");
            return 1;
        }
        arrival.push_back(t.nsecsElapsed() / 1e6);

        auto keyboard = backend->devicesOfModel(QStringLiteral("Quissaro")).first();
        waitFor([&] { return window->devicePage()->getDeviceLinkMap().size() == 2; }, 10000);
        keyboard->setAnswerHandshake(false);
        keyboard->setAnswerIdentification(false);
        for (DDeviceKeyboardLink *link : window->devicePage()->getDeviceLinkMap())
            link->getHidInterface()->setLightStreaming(true);
        t.restart();
        window->onQuitApp();
        stop.push_back(t.nsecsElapsed() / 1e6);
        keyboard->setAnswerHandshake(true);
        keyboard->setAnswerIdentification(true);
    }
    std::printf("arrival_to_tile: %.1f ms\n", median(arrival));
    std::printf("arrival_to_tile_after_burst_gathering: %.1f ms\n", median(arrival) - 300.0);
    std::printf("stop_with_silent_streaming_device: %.1f ms\n", median(stop));
    HidBackend::install(nullptr);
    return 0;
}
