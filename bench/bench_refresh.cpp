// Theme and language refresh of the main window with the device page open
// on a keyboard whose profile binds 150 keys (the customised-keys list
// shows a row for each), offscreen.

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DCustomEventListItem.h"
#include "DDevicePage.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "QtLinguist.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kBindings = 150;
constexpr int kRounds = 11;
constexpr int kThemeCount = 5;

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

// The keyboard's file before its first load: profile 1 binds 150 keys.
void writeProfileFile(const SimulatedDevice &device)
{
    xmlInterface xml;
    const QString folder = DDataManager::instance()->getUserConfigPath() + QLatin1Char('/')
        + device.config().modelName + QLatin1Char('/') + QString::fromLatin1(device.config().serial);
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/pardexProFile.xml");
    QFile::remove(file);
    xml.createXmlFile(file);
    xml.addProfile(file, "1", "Profile1", "", "", 0);
    colorInfoData light{};
    light.ledType = 2;
    for (int zone = 0; zone < 3; ++zone) {
        light.ledKeyboardOrSide = zone;
        xml.addLightInfo(file, "1", light);
    }
    for (int b = 0; b < kBindings; ++b)
        xml.addKeyInfo(file, "1", QByteArray::number(b + 1), "", "0", "0", "0", QByteArray::number(4 + b % 40));
    xml.setProfileIndex(file, 1);
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

    auto backend = SimulatedHidBackend::fromModelList(QStringLiteral("Quissaro"));
    HidBackend::install(backend);
    writeProfileFile(*backend->devices().first());

    DMainWidget::Hooks hooks;
    hooks.makeDeviceNotifier = [backend](QObject *parent) { return new SimulatedDeviceNotifier(backend, parent); };
    hooks.exitProcess = [](int) {};
    hooks.isSystemTrayAvailable = [] { return true; };
    DMainWidget window(hooks);
    window.show();
    window.onCurIndexChanged(DMainWidget::PageDevice);
    if (!waitFor([&] { return window.devicePage()->isDeviceLoaded(); }, 10000)) {
        std::fprintf(stderr, "the keyboard was not loaded\n");
        return 1;
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const int rows = window.devicePage()->findChildren<DCustomEventListItem *>().size();
    if (rows != kBindings) {
        std::fprintf(stderr, "the list shows %d rows, not %d\n", rows, kBindings);
        return 1;
    }

    std::vector<double> themes;
    for (int i = 0; i < kRounds; ++i) {
        const int theme = (i + 1) % kThemeCount;
        // Rows the last round replaced go as they would back in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QElapsedTimer clock;
        clock.start();
        DDataManager::instance()->loadThemeConfig(theme);
        window.onChangAppTheme(theme);
        QCoreApplication::processEvents();
        themes.push_back(clock.nsecsElapsed() / 1e6);
    }

    QtLinguist linguist;
    linguist.setTranslationDir(QStringLiteral(VELMORA_TRANSLATION_DIR));
    std::vector<double> languages;
    for (int i = 0; i < kRounds; ++i) {
        linguist.setLanguage(i % 2 ? QtLinguist::English : QtLinguist::German);
        QElapsedTimer clock;
        clock.start();
        window.omUpdataAllUI();
        QCoreApplication::processEvents();
        languages.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("mainwindow_theme_refresh_keyboard_150_bindings_median: %.1f ms\n", median(themes));
    std::printf("mainwindow_language_refresh_keyboard_150_bindings_median: %.1f ms\n", median(languages));
    window.onQuitApp();
    HidBackend::install(nullptr);
    return 0;
}
