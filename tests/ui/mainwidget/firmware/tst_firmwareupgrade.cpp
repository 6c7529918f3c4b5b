#include "CbNotice.h"
#include "bootloaderProtocol.h"
#include "firmwareTestFixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>

namespace {

QStringList offeredModels(const QList<hidFirmwareInfo> &list)
{
    QStringList models;
    for (const hidFirmwareInfo &info : list)
        models.append(fixedText(info.modelName));
    return models;
}

bool showsComplete(UpdateFirmwareInfoItem *row)
{
    auto *stack = row->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    return stack->currentWidget() == row->findChild<QWidget *>(QStringLiteral("page_2"));
}

QByteArray carriedImage(const QString &model)
{
    const SimulatedDeviceConfig c = SimulatedDeviceConfig::forModel(model);
    return loadFirmwareImage(firmwareImagePath(model), c.bootloader.imageSize).image;
}

// Counts the GUI thread's timer ticks while an upgrade runs.
struct EventLoopProbe
{
    QTimer timer;
    int ticks = 0;
    EventLoopProbe()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start(10);
    }
};

enum Fault {
    NoFault,
    AnswerOneOnce,
    AnswerTwoOnce,
    AnswerOneAlways,
    SilenceAlways,
    HeldAnswerOnce,
    FailedWriteOnce,
    UnplugOnce,
    RefusedOpensTwice,
    RefusedOpensAlways,
    LateArrival,
    TwoBootloaders,
    BrokenImage,
};

} // namespace

Q_DECLARE_METATYPE(Fault)

// The firmware update's state and steps, end to end against the simulated
// devices and their bootloaders, without the main window.
class tst_FirmwareUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checkOffersNewerImages();
    void automaticCheckOpensOnce();
    void requestFromSettings();
    void requestFromSettingsReturnsOnceClosed();
    void brokenImageIsNeverOffered_data();
    void brokenImageIsNeverOffered();
    void upgradesEndToEnd_data();
    void upgradesEndToEnd();
    void bootloaderFaults_data();
    void bootloaderFaults();
    void ignoredEnterFailsAtTheLimit();
    void goneTransportFailsAtOnce();
    void replugReopensTheClosedDialog();
    void bootloaderWithNothingPendingIsLeftAlone();
    void arrivalDuringTransferIsLeftAlone();
    void quitMidTransferClosesTheBootloader();
};

void tst_FirmwareUpgrade::initTestCase()
{
    qRegisterMetaType<Fault>();
    QCOMPARE(firmwareTimeLimits().answerMs, 3000);
    QCOMPARE(firmwareTimeLimits().reachBootloaderMs, 15000);
    QCOMPARE(firmwareTimeLimits().searchRetryMs, 1000);
    QCOMPARE(firmwareTimeLimits().autoOpenMs, 1300);
    QCOMPARE(firmwareTimeLimits().bootloaderArrivalMs, 1000);
}

void tst_FirmwareUpgrade::checkOffersNewerImages()
{
    FirmwareFixture f({"Quissaro", "Ryzzmond", "Varrowen", "Bovelli"});
    QVERIFY(f.control->checkFirmwareUpgrade(0));
    // In path order; Varrowen's image is not newer.
    QCOMPARE(offeredModels(f.control->upgradeableList()), QStringList({"Quissaro", "Ryzzmond", "Bovelli"}));
    const hidFirmwareInfo first = f.control->upgradeableList().first();
    QCOMPARE(fixedText(first.newVersion), QStringLiteral("V1.00.10"));
    QCOMPARE(fixedText(first.firmwareVersion), QStringLiteral("V1.00.03"));
    QCOMPARE(fixedText(f.control->upgradeableList().at(2).newVersion), QStringLiteral("V1.00.02"));
}

void tst_FirmwareUpgrade::automaticCheckOpensOnce()
{
    FirmwareFixture f({"Quissaro"});
    QVERIFY(f.control->checkFirmwareUpgrade(0));
    QVERIFY(!f.dialog());
    QVERIFY(f.control->isAutoOpenScheduled());
    QVERIFY(f.control->checkFirmwareUpgrade(0)); // a second scan meanwhile
    QTRY_VERIFY(f.dialog());
    QVERIFY(f.control->overlay()->isVisible());
    QCOMPARE(f.control->overlay()->objectName(), QStringLiteral("widget"));
    QCOMPARE(f.control->overlay()->size(), f.window.size());
    QVERIFY(f.control->checkFirmwareUpgrade(0)); // while it is open
    // Nothing waits to open it again once it is closed.
    QVERIFY(!f.control->isAutoOpenScheduled());
    QTest::qWait(200);
    QCOMPARE(f.dialogRuns, 1);
    QCOMPARE(f.control->testNum(), 1);
    QCOMPARE(f.dialog()->rows().size(), 1);
}

void tst_FirmwareUpgrade::requestFromSettings()
{
    {
        FirmwareFixture f({"Varrowen"});
        int notices = 0;
        f.control->onFirmwareUpgradeCheck([&notices] { ++notices; });
        QCOMPARE(notices, 1);
        QVERIFY(!f.dialog());
        QVERIFY(!f.control->overlay());
    }
    {
        FirmwareFixture f({"Quissaro"});
        int notices = 0;
        f.control->onFirmwareUpgradeCheck([&notices] { ++notices; });
        QCOMPARE(notices, 0);
        QVERIFY(f.dialog()); // at once
        QCOMPARE(f.control->fromSettings(), 1);
        QVERIFY(!f.control->overlay()->isVisible()); // the settings dialog brings its own
    }
}

void tst_FirmwareUpgrade::requestFromSettingsReturnsOnceClosed()
{
    FirmwareFixture f({"Quissaro"}, true);
    bool closedByTimer = false;
    QTimer::singleShot(50, [&] {
        QVERIFY(f.dialog() && f.dialog()->isVisible());
        QTest::mouseClick(f.dialog()->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        closedByTimer = true;
    });
    f.control->onFirmwareUpgradeCheck(nullptr);
    QVERIFY(closedByTimer);
    QVERIFY(!f.dialog());
}

void tst_FirmwareUpgrade::brokenImageIsNeverOffered_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("reason");
    // The damage lies before, inside or after the identification block: a
    // reader that kept what it read before the damage would find an intact
    // identification in the last three.
    QTest::newRow("bad character inside the identification block")
        << QByteArray(":20FE20002C30312C") << QByteArray(":20FE20002G30312C") << "line \\d+: character";
    QTest::newRow("bad checksum after the identification block")
        << QByteArray("5623B0912E690\n") << QByteArray("5623B0912E691\n") << "line \\d+: bad checksum";
    QTest::newRow("data past the image") << QByteArray(":0400000500000000F7\n")
                                         << QByteArray(":020000040001F9\n:0100000001FE\n") << "line \\d+: data outside";
    QTest::newRow("no end record") << QByteArray(":00000001FF\n") << QByteArray() << "no end record";
}

// The version test reads a broken image as no image, and says why in the log.
void tst_FirmwareUpgrade::brokenImageIsNeverOffered()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, reason);
    FirmwareFixture f({"Quissaro"});
    QTemporaryDir dir;
    QFile original(firmwareImagePath(QStringLiteral("Quissaro")));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray text = original.readAll();
    QCOMPARE(text.count(from), 1);
    text.replace(from, to);
    QFile broken(dir.filePath(QStringLiteral("Quissaro.hex")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(text);
    broken.close();
    setFirmwareImageFolder(dir.path());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Firmware image .*/Quissaro\\.hex not offered: "
                                                                       "broken image, %1")
                                                            .arg(reason)));
    QVERIFY(!f.control->checkFirmwareUpgrade(0));
    QVERIFY(f.control->upgradeableList().isEmpty());
    QVERIFY(!f.control->isAutoOpenScheduled());
}

void tst_FirmwareUpgrade::upgradesEndToEnd_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("withoutSerial");
    QTest::newRow("M252 keyboard") << "Quissaro" << false;
    QTest::newRow("M252 keyboard, back without serial") << "Quissaro" << true;
    QTest::newRow("NUC121 keyboard") << "Ryzzmond" << false;
    QTest::newRow("mouse, back without serial") << "Bovelli" << true;
}

void tst_FirmwareUpgrade::upgradesEndToEnd()
{
    QFETCH(QString, model);
    QFETCH(bool, withoutSerial);
    FirmwareFixture f({model, "Varrowen"});
    auto device = f.device(model);
    SimBootloaderConfig boot = device->config().bootloader;
    boot.returnWithoutSerial = withoutSerial;
    device->setBootloaderConfig(boot);
    const QString path = device->path();
    const QString serial = f.links.value(path)->getSerialNumber();
    QCOMPARE(serial.size(), 32);

    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy succeeded(f.control.get(), &firmwareUpgradeControl::sigUpgradeSucceeded);
    QSignalSpy failed(f.control.get(), &firmwareUpgradeControl::sigUpgradeFailed);
    f.pressUpdate(model);
    QVERIFY(f.control->isUpgradePending());
    QCOMPARE(f.control->imageName(), model + QStringLiteral(".hex"));
    QCOMPARE(f.control->imageSize(), boot.imageSize);
    QCOMPARE(f.upgradeInfo.size(), 1);
    QVERIFY(f.upgradeInfo.first().pending);
    QCOMPARE(f.upgradeInfo.first().path, path);
    QCOMPARE(f.upgradeInfo.first().serial, serial);

    EventLoopProbe probe;
    QVERIFY(f.bootloaderArrives());
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, kUpgradeWaitMs);
    QCOMPARE(failed.count(), 0);
    QVERIFY(probe.ticks > 0);
    QVERIFY(!f.control->isUpgradePending());
    QTRY_VERIFY(showsComplete(f.row(model)));
    // The row's current version is the one just written.
    const QString newVersion = f.row(model)->findChild<QLabel *>(QStringLiteral("label_NewVer"))->text();
    QVERIFY(!newVersion.isEmpty());
    QCOMPARE(f.row(model)->findChild<QLabel *>(QStringLiteral("label_OldVer"))->text(), newVersion);
    QTRY_VERIFY(f.dialog()->notice()->isVisible());
    QVERIFY(f.dialog()->isUpgradeFinished());
    // The bootloader holds the image byte for byte.
    QCOMPARE(device->flashedImage(), carriedImage(model));

    // Back on its path at the new version, with its serial.
    QVERIFY(f.deviceReturns(model));
    QVERIFY(f.links.contains(path));
    QTRY_COMPARE(f.links.value(path)->getSerialNumber(), serial);
    QTRY_COMPARE(QString::fromLatin1(device->serialNumber()), serial);
    QCOMPARE(f.row(model)->findChild<QLabel *>(QStringLiteral("label_OldVer"))->text(), device->firmwareVersion());
    QVERIFY(!f.page.pending);
    QVERIFY(!f.control->checkFirmwareUpgrade(0));
    QVERIFY(f.control->upgradeableList().isEmpty());
}

void tst_FirmwareUpgrade::bootloaderFaults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<int>("attempts");
    QTest::newRow("answer 1 once") << AnswerOneOnce << true << 2;
    QTest::newRow("answer 2 once") << AnswerTwoOnce << true << 2;
    QTest::newRow("answer held past the limit once") << HeldAnswerOnce << true << 2;
    QTest::newRow("write fails once") << FailedWriteOnce << true << 2;
    QTest::newRow("refused twice") << RefusedOpensTwice << true << 3;
    QTest::newRow("late arrival") << LateArrival << true << 1;
    QTest::newRow("answer 1 every time") << AnswerOneAlways << false << 5;
    QTest::newRow("silent every time") << SilenceAlways << false << 5;
    QTest::newRow("unplugged mid-transfer") << UnplugOnce << false << 5;
    QTest::newRow("refused every time") << RefusedOpensAlways << false << 5;
    QTest::newRow("two bootloaders") << TwoBootloaders << false << 5;
    QTest::newRow("broken image") << BrokenImage << false << 5;
}

// Every fault ends in success or failure within the limits, with the GUI
// thread serving events; a failed device stays a bootloader and is updated
// when it is plugged in again.
void tst_FirmwareUpgrade::bootloaderFaults()
{
    QFETCH(Fault, fault);
    QFETCH(bool, succeeds);
    QFETCH(int, attempts);
    FirmwareFixture f({"Quissaro", "Rosquine"});
    auto device = f.device("Quissaro");
    auto other = f.device("Rosquine");
    SimBootloaderFault bf;
    bf.block = 5;
    SimBootloaderConfig boot = device->config().bootloader;
    QTemporaryDir brokenDir;
    switch (fault) {
    case AnswerOneOnce:
        bf.kind = SimBootloaderFault::AnswerOne;
        break;
    case AnswerTwoOnce:
        bf.kind = SimBootloaderFault::AnswerTwo;
        break;
    case AnswerOneAlways:
        bf.kind = SimBootloaderFault::AnswerOne;
        bf.attempts = -1;
        break;
    case SilenceAlways:
        bf.kind = SimBootloaderFault::Silence;
        bf.attempts = -1;
        break;
    case HeldAnswerOnce:
        bf.kind = SimBootloaderFault::HoldAnswer;
        bf.holdMs = 2000;
        break;
    case FailedWriteOnce:
        bf.kind = SimBootloaderFault::FailWrite;
        break;
    case UnplugOnce:
        bf.kind = SimBootloaderFault::Unplug;
        break;
    case LateArrival:
        boot.arrivalDelayMs = 800;
        device->setBootloaderConfig(boot);
        break;
    default:
        break;
    }
    device->setBootloaderFault(bf);

    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy attemptSpy(f.control.get(), &firmwareUpgradeControl::sigAttemptFinished);
    QSignalSpy succeeded(f.control.get(), &firmwareUpgradeControl::sigUpgradeSucceeded);
    QSignalSpy failed(f.control.get(), &firmwareUpgradeControl::sigUpgradeFailed);
    f.pressUpdate("Quissaro");
    if (fault != LateArrival)
        QTRY_VERIFY(device->isBootloader() && device->isPlugged());
    if (fault == RefusedOpensTwice)
        device->setFailOpen(2);
    if (fault == RefusedOpensAlways)
        device->setFailOpen(-1);
    if (fault == TwoBootloaders)
        other->enterBootloader();
    if (fault == BrokenImage) {
        QFile broken(brokenDir.filePath(QStringLiteral("Quissaro.hex")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(":020000001234B9\n:00000001FF\n");
        broken.close();
        setFirmwareImageFolder(brokenDir.path());
    }

    EventLoopProbe probe;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(f.bootloaderArrives());
    const firmwareTimeLimits limits = f.control->timeLimits();
    // Five attempts, each at most an answer's wait and a search's pause.
    const int bound = 5 * (limits.answerMs + limits.searchRetryMs) + 6000;
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count() + failed.count(), 1, bound);
    QCOMPARE(succeeded.count(), succeeds ? 1 : 0);
    QCOMPARE(attemptSpy.count(), attempts);
    QVERIFY(probe.ticks > clock.elapsed() / 100);
    QTRY_VERIFY(f.dialog()->isUpgradeFinished());
    if (fault == BrokenImage)
        QCOMPARE(device->outputCount(HidCmd::BootloaderData), 0);
    if (fault == TwoBootloaders) {
        QCOMPARE(device->bootloaderAttempts(), 0);
        QCOMPARE(other->bootloaderAttempts(), 0);
    }
    if (succeeds) {
        QCOMPARE(device->flashedImage(), carriedImage("Quissaro"));
        QVERIFY(f.deviceReturns("Quissaro"));
        return;
    }

    // Failed: still a bootloader, the upgrade still pending, Close works.
    QVERIFY(device->isBootloader());
    QVERIFY(f.control->isUpgradePending());
    QTRY_VERIFY(f.dialog()->notice()->isVisible());

    // Mended and plugged in again: fresh attempts update it.
    device->setBootloaderFault(SimBootloaderFault());
    device->setFailOpen(0);
    setFirmwareImageFolder(simulatedFirmwareImages::folder());
    if (fault == TwoBootloaders)
        f.backend->removeDevice(other);
    device->unplug();
    device->plug();
    QVERIFY(device->isBootloader());
    QVERIFY(f.bootloaderArrives());
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, kUpgradeWaitMs);
    QCOMPARE(device->flashedImage(), carriedImage("Quissaro"));
    QVERIFY(f.deviceReturns("Quissaro"));
    QTRY_VERIFY(showsComplete(f.row("Quissaro")));
}

void tst_FirmwareUpgrade::ignoredEnterFailsAtTheLimit()
{
    FirmwareFixture f({"Quissaro"});
    firmwareTimeLimits limits = testTimeLimits();
    limits.reachBootloaderMs = 300;
    f.control->setTimeLimits(limits);
    auto device = f.device("Quissaro");
    SimBootloaderConfig boot = device->config().bootloader;
    boot.ignoreEnter = true;
    device->setBootloaderConfig(boot);
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy failed(f.control.get(), &firmwareUpgradeControl::sigUpgradeFailed);
    f.pressUpdate("Quissaro");
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kUpgradeWaitMs);
    QVERIFY(f.dialog()->isUpgradeFinished());
    // It never reached the bootloader: nothing is kept for it.
    QVERIFY(!f.control->isUpgradePending());
    QVERIFY(!f.page.pending);
    QVERIFY(!device->isBootloader());
}

void tst_FirmwareUpgrade::goneTransportFailsAtOnce()
{
    FirmwareFixture f({"Quissaro"});
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy failed(f.control.get(), &firmwareUpgradeControl::sigUpgradeFailed);
    delete f.links.take(f.device("Quissaro")->path()); // the device page dropped it
    f.pressUpdate("Quissaro");
    QCOMPARE(failed.count(), 1);
    QVERIFY(f.dialog()->isUpgradeFinished());
    QVERIFY(!f.control->isUpgradePending());
    QVERIFY(!f.page.pending);
}

void tst_FirmwareUpgrade::replugReopensTheClosedDialog()
{
    FirmwareFixture f({"Quissaro"});
    auto device = f.device("Quissaro");
    SimBootloaderFault bf;
    bf.kind = SimBootloaderFault::AnswerTwo;
    bf.block = 2;
    bf.attempts = -1;
    device->setBootloaderFault(bf);
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy succeeded(f.control.get(), &firmwareUpgradeControl::sigUpgradeSucceeded);
    QSignalSpy failed(f.control.get(), &firmwareUpgradeControl::sigUpgradeFailed);
    f.pressUpdate("Quissaro");
    QVERIFY(f.bootloaderArrives());
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kUpgradeWaitMs);
    QTest::mouseClick(f.dialog()->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
    QTRY_VERIFY(!f.dialog());

    device->setBootloaderFault(SimBootloaderFault());
    device->unplug();
    device->plug();
    QVERIFY(f.bootloaderArrives());
    QVERIFY(f.dialog());
    QCOMPARE(f.dialogRuns, 2);
    // The transfer runs on its own thread and may already have ended here:
    // the new dialog's outcome is the success below, not the old failure.
    QCOMPARE(f.dialog()->currentRow()->getHidPath(), device->path());
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, kUpgradeWaitMs);
    QCOMPARE(failed.count(), 1);
    QTRY_VERIFY(showsComplete(f.row("Quissaro")));
}

void tst_FirmwareUpgrade::bootloaderWithNothingPendingIsLeftAlone()
{
    FirmwareFixture f({"Quissaro"});
    auto device = f.device("Quissaro");
    device->enterBootloader();
    const int opens = device->openCount();
    QVERIFY(f.bootloaderArrives());
    QTest::qWait(100);
    QCOMPARE(device->openCount(), opens);
    QVERIFY(!f.dialog());
    QVERIFY(device->isBootloader());
}

void tst_FirmwareUpgrade::arrivalDuringTransferIsLeftAlone()
{
    FirmwareFixture f({"Quissaro"});
    auto device = f.device("Quissaro");
    SimBootloaderFault bf;
    bf.kind = SimBootloaderFault::HoldAnswer;
    bf.block = 3;
    bf.holdMs = 300;
    device->setBootloaderFault(bf);
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy succeeded(f.control.get(), &firmwareUpgradeControl::sigUpgradeSucceeded);
    QSignalSpy attempts(f.control.get(), &firmwareUpgradeControl::sigAttemptFinished);
    f.pressUpdate("Quissaro");
    QVERIFY(f.bootloaderArrives());
    QTRY_VERIFY(f.control->isTransferRunning() && device->outputCount(HidCmd::BootloaderData) >= 4);
    const int opens = device->openCount();
    f.control->resetFirmwareRetry();
    f.control->ontheHidIntoFirmwareUpgrade();
    QCOMPARE(device->openCount(), opens);
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, kUpgradeWaitMs);
    QCOMPARE(attempts.count(), 1);
}

void tst_FirmwareUpgrade::quitMidTransferClosesTheBootloader()
{
    FirmwareFixture f({"Quissaro"});
    auto device = f.device("Quissaro");
    SimBootloaderFault bf;
    bf.kind = SimBootloaderFault::Silence;
    bf.block = 20;
    device->setBootloaderFault(bf);
    firmwareTimeLimits limits = testTimeLimits();
    limits.answerMs = 60000;
    f.control->setTimeLimits(limits);
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy succeeded(f.control.get(), &firmwareUpgradeControl::sigUpgradeSucceeded);
    QSignalSpy failed(f.control.get(), &firmwareUpgradeControl::sigUpgradeFailed);
    f.pressUpdate("Quissaro");
    QVERIFY(f.bootloaderArrives());
    QTRY_COMPARE(device->outputCount(HidCmd::BootloaderData), 21);
    QCOMPARE(device->openConnectionCount(), 1);
    QElapsedTimer clock;
    clock.start();
    f.control->stop();
    // Not the minute the bootloader's answer is given, even on a busy machine.
    QVERIFY(clock.elapsed() < limits.answerMs / 4);
    QVERIFY(!f.control->isTransferRunning());
    QCOMPARE(device->openConnectionCount(), 0);
    QVERIFY(device->isBootloader());
    QTest::qWait(50);
    QCOMPARE(succeeded.count() + failed.count(), 0);
}

QTEST_MAIN(tst_FirmwareUpgrade)
#include "tst_firmwareupgrade.moc"
