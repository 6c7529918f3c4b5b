// The main window and the devices: rescans after arrivals and removals, the
// bootloader path, the tiles following plug and unplug, and the stop that
// leaves every device sane.
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "HidConnection.h"
#include "MainHidInterFace.h"
#include "SettingsKeys.h"
#include "hidProtocolReports.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"
#include "ui_DHomePage.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <condition_variable>
#include <mutex>

namespace {

constexpr int kWaitMs = 5000;
// Longer than a burst of device events.
constexpr int kPastBurstMs = 450;

// Enumeration held at a gate, so a scan can be kept running.
class GatedBackend : public HidBackend
{
public:
    explicit GatedBackend(std::shared_ptr<SimulatedHidBackend> inner)
        : m_inner(std::move(inner))
    {
    }
    QList<HidDeviceEntry> enumerate() override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_entered;
        m_cond.wait(lock, [this] { return m_open; });
        lock.unlock();
        return m_inner->enumerate();
    }
    std::unique_ptr<HidConnection> open(const QString &path) override { return m_inner->open(path); }
    QString errorText() const override { return m_inner->errorText(); }

    void setOpen(bool open)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = open;
        m_cond.notify_all();
    }
    int entered()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_entered;
    }

private:
    std::shared_ptr<SimulatedHidBackend> m_inner;
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_open = true;
    int m_entered = 0;
};

// Counts the firmware seams.
class CountingWindow : public DMainWidget
{
public:
    using DMainWidget::DMainWidget;
    void checkFirmwareUpgrade(bool) override { ++checks; }
    void ontheHidIntoFirmwareUpgrade() override { ++bootloaderSearches; }
    int checks = 0;
    int bootloaderSearches = 0;
};

int tileCount(DMainWidget &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.homePage()->deviceListWidget()->findChildren<DHomeDeviceListItem *>().size();
}

bool allLinksReady(DMainWidget &window, int count)
{
    return QTest::qWaitFor(
        [&window, count] {
            const auto links = window.devicePage()->getDeviceLinkMap();
            if (links.size() != count)
                return false;
            for (DDeviceKeyboardLink *link : links) {
                if (!link->isInitFinished())
                    return false;
            }
            return true;
        },
        kWaitMs);
}

constexpr int kKeyboardVid = 0x0416;
constexpr int kKeyboardPid = 0xC345;
constexpr unsigned char kUsageA = 4;

} // namespace

class tst_MainWindowDevices : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_simulated;
    std::shared_ptr<GatedBackend> m_gate;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
    FakeWindowParts m_parts;

private slots:
    void initTestCase()
    {
        // The version of an earlier run differs: every scan checks firmware.
        const QString userConfig =
            SettingsKeys::userConfigDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QDir(userConfig).removeRecursively();
        QDir().mkpath(userConfig);
        QSettings(SettingsKeys::userSettingsPath(userConfig), QSettings::IniFormat)
            .setValue(SettingsKeys::OldVersion, QStringLiteral("V_0.00.01"));
        QVERIFY(DDataManager::instance()->isVersionChanged());
    }

    void init()
    {
        m_parts = FakeWindowParts();
        m_simulated = std::make_shared<SimulatedHidBackend>();
        m_keyboard = m_simulated->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        m_mouse = m_simulated->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
        m_gate = std::make_shared<GatedBackend>(m_simulated);
        HidBackend::install(m_gate);
    }
    void cleanup()
    {
        m_gate->setOpen(true);
        HidBackend::install(nullptr);
        m_keyboard.reset();
        m_mouse.reset();
        m_gate.reset();
        m_simulated.reset();
    }

    // The events of one plug (one per interface) and of a second device
    // within the burst make one rescan; a burst that both adds and removes
    // scans as an arrival.
    void oneRescanPerBurst()
    {
        CountingWindow window(m_parts.hooks());
        QSignalSpy taken(&window, &DMainWidget::sigScanResultTaken);
        m_parts.notifier->arrive(kKeyboardVid, kKeyboardPid);
        m_parts.notifier->arrive(kKeyboardVid, kKeyboardPid);
        m_parts.notifier->leave(0x0C45, 0xA21C);
        QVERIFY(taken.wait(kWaitMs));
        QTest::qWait(kPastBurstMs);
        QCOMPARE(window.rescanCount(), 1);
        QCOMPARE(taken.count(), 1);
        QCOMPARE(m_parts.devicePage->insertCalls, QList<bool>{true});
        // Every completed scan checks firmware while the version changed.
        QCOMPARE(window.checks, 1);

        m_parts.notifier->leave(kKeyboardVid, kKeyboardPid);
        QVERIFY(taken.wait(kWaitMs));
        QCOMPARE(window.rescanCount(), 2);
        QCOMPARE(m_parts.devicePage->insertCalls, (QList<bool>{true, false}));
        QCOMPARE(window.checks, 2);
    }

    // Ids are compared as numbers: what a path says does not count.
    void foreignDevicesMakeNoRescan()
    {
        CountingWindow window(m_parts.hooks());
        m_parts.notifier->arrive(0x1234, 0x5678);
        m_parts.notifier->arrive(0x1416, kKeyboardPid, QStringLiteral("/sys/devices/x/0003:0416:C345.0001/hidraw/hidraw1"));
        m_parts.notifier->leave(kKeyboardVid, 0xC346);
        QTest::qWait(kPastBurstMs);
        QCOMPARE(window.rescanCount(), 0);
        QCOMPARE(window.bootloaderSearches, 0);
    }

    // Events during a scan are not lost: one follow-up scan, however many
    // bursts came meanwhile.
    void eventsDuringAScanMakeOneFollowUp()
    {
        CountingWindow window(m_parts.hooks());
        m_gate->setOpen(false);
        m_parts.notifier->arrive(kKeyboardVid, kKeyboardPid);
        QTRY_COMPARE_WITH_TIMEOUT(m_gate->entered(), 2, kWaitMs); // the start-up scan, then this one
        QVERIFY(window.isRescanRunning());

        m_parts.notifier->leave(0x0C45, 0xA21C);
        QTest::qWait(kPastBurstMs);
        m_parts.notifier->arrive(0x0C45, 0xA21C);
        QTest::qWait(kPastBurstMs);
        QCOMPARE(window.rescanCount(), 1);

        m_gate->setOpen(true);
        QTRY_COMPARE_WITH_TIMEOUT(window.rescanCount(), 2, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isRescanRunning(), kWaitMs);
        QTest::qWait(kPastBurstMs);
        QCOMPARE(window.rescanCount(), 2);
        QCOMPARE(m_gate->entered(), 3);
    }

    // A device in bootloader mode: the firmware path once, a second after
    // its arrival, whatever the number of its interfaces; no rescan.
    void bootloaderStartsTheFirmwarePathOnce()
    {
        CountingWindow window(m_parts.hooks());
        m_parts.notifier->arrive(0x0416, 0x3F00);
        m_parts.notifier->arrive(0x0416, 0x3F00);
        QTest::qWait(500);
        QCOMPARE(window.bootloaderSearches, 0);
        QTRY_COMPARE_WITH_TIMEOUT(window.bootloaderSearches, 1, kWaitMs);
        // Its removal does nothing.
        m_parts.notifier->leave(0x0416, 0x3F00);
        QTest::qWait(1100);
        QCOMPARE(window.bootloaderSearches, 1);
        QCOMPARE(window.rescanCount(), 0);
    }

    // The real road: simulated plugs, the device page and the home tiles.
    void tilesFollowUnplugAndReplug()
    {
        DMainWidget::Hooks hooks = m_parts.hooks(false);
        auto simulated = m_simulated;
        hooks.makeDeviceNotifier = [simulated](QObject *parent) { return new SimulatedDeviceNotifier(simulated, parent); };
        DMainWidget window(hooks);
        QCOMPARE(tileCount(window), 2);
        QVERIFY(allLinksReady(window, 2));

        m_mouse->unplug();
        QTRY_COMPARE_WITH_TIMEOUT(tileCount(window), 1, kWaitMs);
        QCOMPARE(window.devicePage()->getDeviceLinkMap().size(), 1);
        QCOMPARE(window.rescanCount(), 1);

        m_mouse->plug();
        QTRY_COMPARE_WITH_TIMEOUT(tileCount(window), 2, kWaitMs);
        QVERIFY(allLinksReady(window, 2));
        QCOMPARE(m_mouse->openConnectionCount(), 1);

        m_keyboard->unplug();
        m_mouse->unplug();
        QTRY_COMPARE_WITH_TIMEOUT(window.devicePage()->getHidDeviceList().size(), 0, kWaitMs);
        QCOMPARE(window.homePage()->form()->stackedWidget->currentIndex(), 1);
    }

    // Quit: streaming off, keys up, every device closed, exit code 0.
    void quitLeavesTheDevicesSane()
    {
        DMainWidget window(m_parts.hooks(false));
        window.show();
        QVERIFY(allLinksReady(window, 2));
        DDeviceKeyboardLink *keyboard = window.devicePage()->getDeviceLinkMap().value(m_keyboard->path());
        keyboard->getHidInterface()->setLightStreaming(true);
        m_keyboard->sendKeyState(0, {kUsageA});
        QVERIFY(QTest::qWaitFor([this] { return m_keyboard->outputCount(HidCmd::KeyState) > 0; }, kWaitMs));
        m_keyboard->clearOutputs();
        m_mouse->clearOutputs();
        const int stopLines = logCount("Stop collect log:");

        window.onQuitApp();
        window.onQuitApp(); // a second signal changes nothing
        QCOMPARE(m_parts.exits, QList<int>{0});
        QCOMPARE(logCount("Stop collect log:"), stopLines + 1);
        QCOMPARE(m_keyboard->openConnectionCount(), 0);
        QCOMPARE(m_mouse->openConnectionCount(), 0);
        const QList<hidReportData> sync = m_keyboard->outputReports(HidCmd::LightSynchronize);
        QCOMPARE(sync.size(), 1);
        QCOMPARE(sync.first()[kHidPayloadOffset], 0);
        const QList<hidReportData> keys = m_keyboard->outputReports(HidCmd::KeyState);
        QVERIFY(!keys.isEmpty());
        QCOMPARE(keys.last(), keyStateReport(std::array<unsigned char, 8>{}.data()));
        QCOMPARE(m_mouse->outputCount(HidCmd::LightSynchronize), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.trayIcon()->isVisible());
    }

    // A device that answers nothing does not hold the stop up.
    void quitWithASilentDevice()
    {
        DMainWidget window(m_parts.hooks(false));
        QVERIFY(allLinksReady(window, 2));
        m_keyboard->setAnswerHandshake(false);
        m_keyboard->setAnswerIdentification(false);
        window.devicePage()->getDeviceLinkMap().value(m_keyboard->path())->getHidInterface()->setLightStreaming(true);
        window.onQuitApp();
        QCOMPARE(m_parts.exits, QList<int>{0});
        QCOMPARE(m_keyboard->openConnectionCount(), 0);
    }

    // A close from the system releases the devices too, without the stop
    // line and without the exit (the event loop ends the program).
    void systemCloseReleasesTheDevices()
    {
        DMainWidget window(m_parts.hooks(false));
        window.show();
        QVERIFY(allLinksReady(window, 2));
        const int stopLines = logCount("Stop collect log:");
        QVERIFY(window.close());
        QVERIFY(m_parts.exits.isEmpty());
        QCOMPARE(logCount("Stop collect log:"), stopLines);
        QCOMPARE(m_keyboard->openConnectionCount(), 0);
        QVERIFY(!window.trayIcon()->isVisible());
        // No scan reaches the page after the release.
        m_parts.notifier = nullptr;
        QVERIFY(window.devicePage()->getDeviceLinkMap().isEmpty());
    }
};

QTEST_MAIN(tst_MainWindowDevices)
#include "tst_mainwindowdevices.moc"
