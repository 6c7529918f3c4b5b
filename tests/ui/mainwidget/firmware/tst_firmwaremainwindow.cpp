#include "../mainWindowFakes.h"
#include "CbNotice.h"
#include "DDeviceKeyboardLink.h"
#include "SettingsKeys.h"
#include "SimulatedDeviceNotifier.h"
#include "firmwareTestFixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>

namespace {

constexpr int kWaitMs = 15000;

// Stands in for the settings dialog: it asks for the check and shows the
// toast when nothing can be upgraded.
class FakeSettingsDialog : public QObject
{
    Q_OBJECT

public:
    int notices = 0;

signals:
    void sigFirmwareUpgradeCheck();

public slots:
    void showNoUpgradeNotice() { ++notices; }
};

bool showsComplete(UpdateFirmwareInfoItem *row)
{
    auto *stack = row->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    return stack->currentWidget() == row->findChild<QWidget *>(QStringLiteral("page_2"));
}

UpdateFirmwareInfoItem *rowOf(DMainWidget &window, const QString &model)
{
    DUpdateFirmwareDia *dialog = window.firmwareUpgrade()->dialog();
    if (!dialog)
        return nullptr;
    for (UpdateFirmwareInfoItem *row : dialog->rows()) {
        if (row->getHidName() == model)
            return row;
    }
    return nullptr;
}

void pressUpdate(UpdateFirmwareInfoItem *row)
{
    QTest::mouseClick(row->findChild<QPushButton *>(QStringLiteral("pushButton_Update")), Qt::LeftButton);
}

bool linkReady(DMainWidget &window, const QString &path)
{
    DDeviceKeyboardLink *link = window.devicePage()->getDeviceLinkMap().value(path);
    return link && link->isInitFinished();
}

QStringList offered(DMainWidget &window)
{
    QStringList models;
    for (const hidFirmwareInfo &info : window.firmwareUpgrade()->upgradeableList())
        models.append(fixedText(info.modelName));
    return models;
}

} // namespace

// The firmware update through the main window: its device events, its
// scanner and its device page, against the simulated devices.
class tst_FirmwareMainWindow : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    FakeWindowParts m_parts;

    std::shared_ptr<SimulatedDevice> device(const QString &model) const
    {
        return m_backend->devicesOfModel(model).value(0);
    }

    DMainWidget::Hooks hooks()
    {
        DMainWidget::Hooks h = m_parts.hooks(false);
        auto backend = m_backend;
        h.makeDeviceNotifier = [backend](QObject *parent) { return new SimulatedDeviceNotifier(backend, parent); };
        h.isSystemTrayAvailable = [] { return false; };
        return h;
    }

    // Short limits, but the window's own second from a bootloader's arrival
    // to its search: the rescan after the device left comes first.
    static firmwareTimeLimits windowTimeLimits()
    {
        firmwareTimeLimits limits = testTimeLimits();
        limits.bootloaderArrivalMs = firmwareTimeLimits().bootloaderArrivalMs;
        return limits;
    }

    // A window whose update dialog opens without a loop of its own.
    void prepare(DMainWidget &window)
    {
        window.firmwareUpgrade()->setDialogRunner([](DUpdateFirmwareDia *dialog) { dialog->show(); });
        window.firmwareUpgrade()->setTimeLimits(windowTimeLimits());
        window.show();
    }

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
        simulatedFirmwareImages::install();
    }

    void init()
    {
        m_parts = FakeWindowParts();
        m_backend = std::make_shared<SimulatedHidBackend>();
        for (const char *model : {"Quissaro", "Ryzzmond", "Bovelli", "Varrowen"})
            m_backend->addDevice(SimulatedDeviceConfig::forModel(QString::fromLatin1(model)));
        HidBackend::install(m_backend);
    }

    void cleanup()
    {
        HidBackend::install(nullptr);
        m_backend.reset();
    }

    // After the start-up scan the dialog opens 1300 ms later, once, over the
    // dimmed window, and runs its own loop until closed. Every row names its
    // device as the shipped model list has it; the mouse, which that list
    // does not carry, by its model name. A rescan meanwhile, before the
    // dialog opens or while it is open, opens nothing more.
    void automaticCheckOpensOnce_data()
    {
        QTest::addColumn<bool>("whileOpen");
        QTest::newRow("rescan before it opens") << false;
        QTest::newRow("rescan while it is open") << true;
    }

    void automaticCheckOpensOnce()
    {
        QFETCH(bool, whileOpen);
        QElapsedTimer clock;
        clock.start();
        DMainWidget window(hooks());
        firmwareUpgradeControl *control = window.firmwareUpgrade();
        window.show();
        bool replugged = false;
        bool closed = false;
        qint64 openedAfter = -1;
        bool overlayShown = false;
        QStringList names;
        // The dialog runs its own loop: it is watched from a timer inside it.
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            DUpdateFirmwareDia *dialog = control->dialog();
            const bool open = dialog && dialog->isVisible();
            if (!replugged && (open || (!whileOpen && control->isAutoOpenScheduled()))) {
                replugged = true;
                device("Varrowen")->unplug();
                device("Varrowen")->plug();
            }
            if (!open || closed)
                return;
            if (openedAfter < 0) {
                openedAfter = clock.elapsed();
                overlayShown = control->overlay()->isVisible();
                for (UpdateFirmwareInfoItem *row : dialog->rows())
                    names.append(row->findChild<QLabel *>(QStringLiteral("label_HidLikeName"))->text());
            }
            // Held open until the rescan's result has been checked.
            if (window.rescanCount() < 1 || window.isRescanRunning())
                return;
            closed = true;
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        });
        watcher.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(closed && !control->dialog(), kWaitMs);
        watcher.stop();
        QVERIFY(openedAfter >= 1300);
        QVERIFY(overlayShown);
        QCOMPARE(offered(window), QStringList({"Quissaro", "Ryzzmond", "Bovelli"}));
        QCOMPARE(names, QStringList({"Quarrodin", "Quelvane", "Bovelli"}));
        // One rescan, taken: nothing is left that could open a second dialog.
        QCOMPARE(window.rescanCount(), 1);
        QVERIFY(!window.isRescanRunning());
        QVERIFY(!control->isAutoOpenScheduled());
        QCOMPARE(control->testNum(), 1);
        QVERIFY(!control->overlay()->isVisible());
    }

    // The settings dialog's request: the dialog at once, or its toast.
    void requestFromTheSettingsDialog()
    {
        device("Quissaro")->unplug();
        device("Ryzzmond")->unplug();
        device("Bovelli")->unplug();
        DMainWidget window(hooks());
        prepare(window);
        FakeSettingsDialog settings;
        connect(&settings, &FakeSettingsDialog::sigFirmwareUpgradeCheck, &window, &DMainWidget::onFirmwareUpgradeCheck);
        emit settings.sigFirmwareUpgradeCheck();
        QCOMPARE(settings.notices, 1);
        QVERIFY(!window.firmwareUpgrade()->dialog());

        device("Quissaro")->plug();
        QTRY_VERIFY_WITH_TIMEOUT(offered(window).contains("Quissaro"), kWaitMs);
        QTRY_VERIFY(window.firmwareUpgrade()->dialog()); // the automatic check's
        QTest::mouseClick(window.firmwareUpgrade()->dialog()->findChild<QPushButton *>(QStringLiteral("pushButton_Close")),
                          Qt::LeftButton);
        QTRY_VERIFY(!window.firmwareUpgrade()->dialog());
        emit settings.sigFirmwareUpgradeCheck();
        QCOMPARE(settings.notices, 1);
        QVERIFY(window.firmwareUpgrade()->dialog()); // at once
        QVERIFY(!window.firmwareUpgrade()->overlay()->isVisible());
    }

    void upgradesEndToEnd_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("withoutSerial");
        QTest::newRow("M252 keyboard") << "Quissaro" << false;
        QTest::newRow("NUC121 keyboard, back without serial") << "Ryzzmond" << true;
        QTest::newRow("mouse, back without serial") << "Bovelli" << true;
    }

    // Update, the bootloader, "Complete", the image byte for byte, and the
    // device back on its path at the new version with its serial.
    void upgradesEndToEnd()
    {
        QFETCH(QString, model);
        QFETCH(bool, withoutSerial);
        auto d = device(model);
        SimBootloaderConfig boot = d->config().bootloader;
        boot.returnWithoutSerial = withoutSerial;
        d->setBootloaderConfig(boot);
        const QString path = d->path();

        DMainWidget window(hooks());
        prepare(window);
        QVERIFY(linkReady(window, path) || QTest::qWaitFor([&] { return linkReady(window, path); }, kWaitMs));
        const QString serial = window.devicePage()->getDeviceLinkMap().value(path)->getSerialNumber();
        QCOMPARE(serial.size(), 32);
        window.onFirmwareUpgradeCheck();
        UpdateFirmwareInfoItem *row = rowOf(window, model);
        QVERIFY(row);
        QSignalSpy succeeded(window.firmwareUpgrade(), &firmwareUpgradeControl::sigUpgradeSucceeded);
        pressUpdate(row);

        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, kWaitMs);
        QTRY_VERIFY(showsComplete(rowOf(window, model)));
        const QByteArray image =
            loadFirmwareImage(firmwareImagePath(model), boot.imageSize).image;
        QCOMPARE(d->flashedImage(), image);

        // Back on the same path, at the new version, with its old serial.
        QTRY_VERIFY_WITH_TIMEOUT(linkReady(window, path), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(window.devicePage()->getDeviceLinkMap().value(path)->getSerialNumber(), serial,
                                  kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromLatin1(d->serialNumber()), serial, kWaitMs);
        QVERIFY(d->firmwareVersion() != SimulatedDeviceConfig::forModel(model).identificationFields.value(5));
        // No longer offered.
        QTRY_VERIFY_WITH_TIMEOUT(!offered(window).contains(model), kWaitMs);
        QVERIFY(!offered(window).isEmpty());
    }

    // A device that fails stays a bootloader; plugged in again it is updated.
    void failedDeviceIsUpdatedWhenPluggedAgain()
    {
        auto d = device("Quissaro");
        SimBootloaderFault fault;
        fault.kind = SimBootloaderFault::AnswerTwo;
        fault.block = 4;
        fault.attempts = -1;
        d->setBootloaderFault(fault);
        DMainWidget window(hooks());
        prepare(window);
        QVERIFY(QTest::qWaitFor([&] { return linkReady(window, d->path()); }, kWaitMs));
        window.onFirmwareUpgradeCheck();
        QSignalSpy succeeded(window.firmwareUpgrade(), &firmwareUpgradeControl::sigUpgradeSucceeded);
        QSignalSpy failed(window.firmwareUpgrade(), &firmwareUpgradeControl::sigUpgradeFailed);
        pressUpdate(rowOf(window, "Quissaro"));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kWaitMs);
        QVERIFY(d->isBootloader());
        QTRY_VERIFY(window.firmwareUpgrade()->dialog()->notice()->isVisible());

        d->setBootloaderFault(SimBootloaderFault());
        d->unplug();
        d->plug();
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, kWaitMs);
        QVERIFY(!d->isBootloader() || QTest::qWaitFor([&] { return !d->isBootloader(); }, kWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(linkReady(window, d->path()), kWaitMs);
    }

    // A quit mid-transfer stops the worker and closes the bootloader first.
    void quitMidTransferClosesTheBootloader()
    {
        auto d = device("Quissaro");
        SimBootloaderFault fault;
        fault.kind = SimBootloaderFault::Silence;
        fault.block = 30;
        d->setBootloaderFault(fault);
        DMainWidget window(hooks());
        prepare(window);
        firmwareTimeLimits limits = windowTimeLimits();
        limits.answerMs = 60000;
        window.firmwareUpgrade()->setTimeLimits(limits);
        QVERIFY(QTest::qWaitFor([&] { return linkReady(window, d->path()); }, kWaitMs));
        window.onFirmwareUpgradeCheck();
        pressUpdate(rowOf(window, "Quissaro"));
        QTRY_COMPARE_WITH_TIMEOUT(d->outputCount(HidCmd::BootloaderData), 31, kWaitMs);
        QCOMPARE(d->openConnectionCount(), 1);
        QElapsedTimer clock;
        clock.start();
        window.onQuitApp();
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(m_parts.exits, QList<int>{0});
        QCOMPARE(d->openConnectionCount(), 0);
        QVERIFY(!window.firmwareUpgrade()->isTransferRunning());
        QVERIFY(d->isBootloader());
    }
};

QTEST_MAIN(tst_FirmwareMainWindow)
#include "tst_firmwaremainwindow.moc"
