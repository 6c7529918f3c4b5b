// Speed of choosing a device on the device page: selecting and loading a
// ready keyboard whose profile file holds 10 profiles of 150 bindings, the
// store's share of it, and each theme or language refresh.

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kProfiles = 10;
constexpr int kBindings = 150;
constexpr int kRounds = 11;
constexpr int kThemeCount = 5;

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

hidStructInfo recordOf(const SimulatedDevice &device)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, c.modelName);
    info.hidType = c.deviceType;
    return info;
}

// The keyboard's file before its first load: many profiles, many bindings.
void writeLargeProfileFile(xmlInterface &xml, const SimulatedDevice &device)
{
    const QString model = device.config().modelName;
    const QString folder = DDataManager::instance()->getUserConfigPath() + QLatin1Char('/') + model
        + QLatin1Char('/') + QString::fromLatin1(device.config().serial);
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/pardexProFile.xml");
    QFile::remove(file);
    xml.createXmlFile(file);
    for (int p = 1; p <= kProfiles; ++p) {
        const QByteArray profile = QByteArray::number(p);
        xml.addProfile(file, profile, "Profile" + profile, "", "", 0);
        colorInfoData light{};
        light.ledType = 2;
        for (int zone = 0; zone < 3; ++zone) {
            light.ledKeyboardOrSide = zone;
            xml.addLightInfo(file, profile, light);
        }
        for (int b = 0; b < kBindings; ++b)
            xml.addKeyInfo(file, profile, QByteArray::number(b + 1), "", "0", "0", "0", QByteArray::number(4 + b % 40));
    }
    xml.setProfileIndex(file, 1);
}

// The store reads one keyboard load makes, alone.
double storeReadsOnce(xmlInterface &xml, const QString &file)
{
    QElapsedTimer clock;
    clock.start();
    xmlIndexNameList profiles;
    xml.getProfileList(file, profiles);
    const int index = xml.getProfileIndex(file);
    const QByteArray profile = QByteArray::number(index);
    xml.getLightUsingIndex(file, profile, 0);
    xml.getLightUsingIndex(file, profile, 1);
    xml.getLightOpenOrClose(file, profile);
    xml.getLightSynchronizeStatus(file, profile);
    QList<QByteArray> codes;
    xml.getKeyCodeList(file, profile, codes);
    profileInfo header{};
    xml.getProfileInfo(file, profile, header);
    colorInfoData light{};
    xml.getLightInfo(file, profile, 0, 2, light);
    xml.getLightInfo(file, profile, 1, 2, light);
    xml.getLightSynchronizeStatus(file, profile);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

void benchDevicePageAttach()
{
    auto backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(backend);
    auto first = backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
    auto second = backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Rosquine")));
    {
        xmlInterface xml;
        writeLargeProfileFile(xml, *first);
        writeLargeProfileFile(xml, *second);
        DDevicePage page;
        page.resize(1200, 790);
        page.setMacroFileAndXmlInterface(
            (DDataManager::instance()->getUserConfigPath() + QStringLiteral("/macro.xml")).toLocal8Bit().constData(),
            &xml);
        page.loadHidDeviceList({recordOf(*first), recordOf(*second)});
        // Both links ready: only the selection and the load are timed.
        for (DDeviceKeyboardLink *link : page.getDeviceLinkMap()) {
            QElapsedTimer wait;
            wait.start();
            while (!link->isInitFinished() && wait.elapsed() < 3000)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        std::vector<double> selections;
        for (int i = 0; i < kRounds; ++i) {
            const auto &device = i % 2 ? first : second;
            QElapsedTimer clock;
            clock.start();
            page.onHomePageDeviceItemClicked(device->path());
            selections.push_back(clock.nsecsElapsed() / 1e6);
        }
        print("devicepage_select_and_load_keyboard_10x150_median", median(selections), "ms");
        std::vector<double> store;
        for (int i = 0; i < kRounds; ++i)
            store.push_back(storeReadsOnce(xml, page.proFilePath()));
        print("devicepage_load_store_reads_median", median(store), "ms");

        std::vector<double> themes;
        std::vector<double> languages;
        for (int i = 0; i < kRounds; ++i) {
            // Each round goes to another theme, as a user's change does; rows
            // the last round replaced go as they would back in the event loop.
            DDataManager::instance()->loadThemeConfig((i + 1) % kThemeCount);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QElapsedTimer clock;
            clock.start();
            page.changeAppTheme();
            themes.push_back(clock.nsecsElapsed() / 1e6);
            clock.restart();
            page.retranslateAllUI();
            languages.push_back(clock.nsecsElapsed() / 1e6);
        }
        print("devicepage_theme_refresh_median", median(themes), "ms");
        print("devicepage_language_refresh_median", median(languages), "ms");
        page.closeAllDevices();
    }
    HidBackend::install(nullptr);
}
