#include "FixedText.h"
#include "HidConnection.h"
#include "SimulatedHidBackend.h"
#include "bootloaderProtocol.h"
#include "firmwareImage.h"
#include "firmwareTransfer.h"
#include "hidTestHelpers.h"
#include "simulatedFirmwareImages.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>

namespace {

// An image of the given size whose byte i is i * 7 + 3.
QByteArray patternImage(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = static_cast<char>(i * 7 + 3);
    return image;
}

// A simulated device sent into its bootloader, and an open connection to it.
struct Bootloader
{
    std::shared_ptr<SimulatedHidBackend> backend = std::make_shared<SimulatedHidBackend>();
    std::shared_ptr<SimulatedDevice> device;
    std::unique_ptr<HidConnection> connection;

    explicit Bootloader(const QString &model = QStringLiteral("Quissaro"))
    {
        device = backend->addDevice(SimulatedDeviceConfig::forModel(model));
        device->enterBootloader();
        const QList<HidDeviceEntry> found = findBootloaders(*backend, -1);
        if (found.size() == 1)
            connection = backend->open(found.first().path);
    }
    int size() const { return device->config().bootloader.imageSize; }
    int transfer(const QByteArray &image, int answerMs = 500)
    {
        std::atomic<bool> stop{false};
        return runBootloaderTransfer(*connection, image, answerMs, stop, nullptr);
    }
};

} // namespace

// The bootloader protocol, the transfer, and the simulated bootloader.
class tst_Bootloader : public QObject
{
    Q_OBJECT

private slots:
    void blockCounts_data();
    void blockCounts();
    void blockReport();
    void answers_data();
    void answers();
    void endReportAndIds();
    void transferWritesTheImage();
    void transferFaults_data();
    void transferFaults();
    void stopEndsAWaitingTransfer();
    void searchFindsBootloadersByVendor();
    void deviceRestartsIntoItsBootloaderAndBack_data();
    void deviceRestartsIntoItsBootloaderAndBack();
    void incompleteImageLeavesABootloader();
    void ignoredEnterStaysTheDevice();
};

void tst_Bootloader::blockCounts_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("lastBytes");
    QTest::newRow("0x10000") << 0x10000 << 1366 << 16;
    QTest::newRow("0x8000") << 0x8000 << 683 << 32;
    QTest::newRow("0x7800") << 0x7800 << 640 << 48;
    QTest::newRow("one byte") << 1 << 1 << 1;
    QTest::newRow("empty") << 0 << 0 << 0;
}

void tst_Bootloader::blockCounts()
{
    QFETCH(int, size);
    QFETCH(int, blocks);
    QFETCH(int, lastBytes);
    QCOMPARE(bootloaderBlockCount(size), blocks);
    if (blocks == 0)
        return;
    QCOMPARE(bootloaderBlockLength(size, blocks - 1), lastBytes);
    QCOMPARE(bootloaderBlockLength(size, blocks), 0);
    const QByteArray image = patternImage(size);
    const hidReportData last = bootloaderBlockReport(reinterpret_cast<const unsigned char *>(image.constData()), size,
                                                     blocks - 1, 0xA1, 0xB2);
    QCOMPARE(last[0], 0x01);
    QCOMPARE(last[1], 0x0C);
    QCOMPARE(bootloaderReportIndex(last), blocks - 1);
    QCOMPARE(int(last[5]), lastBytes + 2);
    QCOMPARE(int(last[6 + lastBytes]), 0xA1);
    QCOMPARE(int(last[7 + lastBytes]), 0xB2);
    for (int i = 8 + lastBytes; i < kHidReportSize; ++i)
        QCOMPARE(int(last[i]), 0);
}

void tst_Bootloader::blockReport()
{
    QByteArray image(0x10000, '\0');
    image[256 * 48] = 0x12;
    const auto *bytes = reinterpret_cast<const unsigned char *>(image.constData());
    const hidReportData b255 = bootloaderBlockReport(bytes, image.size(), 255, 1, 2);
    QCOMPARE(int(b255[3]), 0x00);
    QCOMPARE(int(b255[4]), 0xFF);
    const hidReportData b256 = bootloaderBlockReport(bytes, image.size(), 256, 1, 2);
    QCOMPARE(int(b256[3]), 0x01);
    QCOMPARE(int(b256[4]), 0x00);
    QCOMPARE(int(b256[5]), 50);
    QCOMPARE(int(b256[6]), 0xED); // 0x12 inverted
    QCOMPARE(int(b256[7]), 0xFF); // an uncovered byte
    const hidReportData b1365 = bootloaderBlockReport(bytes, image.size(), 1365, 1, 2);
    QCOMPARE(int(b1365[3]), 0x05);
    QCOMPARE(int(b1365[4]), 0x55);
    QCOMPARE(int(b1365[5]), 18);
}

void tst_Bootloader::answers_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("error");
    QTest::newRow("byte 2 = 0") << 0 << 2 << 0;
    QTest::newRow("byte 2 = 3") << 3 << 2 << 0;
    QTest::newRow("byte 2 = 0xFF") << 0xFF << 2 << 0;
    QTest::newRow("byte 2 = 1") << 1 << 2 << 102;
    QTest::newRow("byte 2 = 2") << 2 << 2 << 103;
    QTest::newRow("byte 1 = 1 is not looked at") << 1 << 1 << 0;
    QTest::newRow("byte 3 = 2 is not looked at") << 2 << 3 << 0;
}

void tst_Bootloader::answers()
{
    QFETCH(int, byte);
    QFETCH(int, offset);
    QFETCH(int, error);
    hidReportData answer{};
    answer[offset] = static_cast<unsigned char>(byte);
    QCOMPARE(bootloaderAnswerError(answer), error);
    if (error)
        QCOMPARE(bootloaderErrorLine(error), QStringLiteral("Upgrade failed ! ErrorCode[%1]").arg(error));
}

void tst_Bootloader::endReportAndIds()
{
    QCOMPARE(bootloaderEndReport(), reportOf({1, 0x0C, 0, 0xFF, 0xFF}));
    QCOMPARE(bootloaderErrorLine(104), QStringLiteral("Upgrade failed !  ErrorCode[104]"));
    QVERIFY(isBootloaderId(0x0416, 0x3F00));
    QVERIFY(isBootloaderId(0x0416, 0x3F02));
    QVERIFY(isBootloaderId(0x0C45, 0x6565));
    QVERIFY(isBootloaderId(0x0C45, 0x4560));
    QVERIFY(!isBootloaderId(0x0416, 0xC345));
    QVERIFY(!isBootloaderId(0x0C45, 0x3F00));
    QCOMPARE(bootloaderIds().size(), 4);
}

void tst_Bootloader::transferWritesTheImage()
{
    Bootloader b;
    QVERIFY(b.connection);
    const QByteArray image = patternImage(b.size());
    int lastTotal = 0;
    int calls = 0;
    std::atomic<bool> stop{false};
    const int code = runBootloaderTransfer(*b.connection, image, 500, stop, [&](int total, int done) {
        lastTotal = total;
        ++calls;
        QCOMPARE(done, calls);
    });
    QCOMPARE(code, 0);
    QCOMPARE(calls, 1366);
    QCOMPARE(lastTotal, 1366);
    QCOMPARE(b.device->flashedImage(), image);
    // One report per block, then the end report.
    const QList<hidReportData> sent = b.device->outputReports(HidCmd::BootloaderData);
    QCOMPARE(sent.size(), 1367);
    QCOMPARE(sent.last(), bootloaderEndReport());
    QCOMPARE(b.device->completedFlashes(), 1);
}

void tst_Bootloader::transferFaults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("blocksSent"); // block reports written, counting block 7
    QTest::newRow("answer 1") << int(SimBootloaderFault::AnswerOne) << 0 << 102 << 8;
    QTest::newRow("answer 2") << int(SimBootloaderFault::AnswerTwo) << 0 << 103 << 8;
    QTest::newRow("silence") << int(SimBootloaderFault::Silence) << 0 << 101 << 8;
    QTest::newRow("answer later than the limit") << int(SimBootloaderFault::HoldAnswer) << 400 << 101 << 8;
    QTest::newRow("answer late within the limit") << int(SimBootloaderFault::HoldAnswer) << 30 << 0 << 1366;
    QTest::newRow("failed write") << int(SimBootloaderFault::FailWrite) << 0 << 100 << 7;
    QTest::newRow("unplugged") << int(SimBootloaderFault::Unplug) << 0 << -99 << 8;
}

void tst_Bootloader::transferFaults()
{
    QFETCH(int, kind);
    QFETCH(int, holdMs);
    QFETCH(int, code);
    QFETCH(int, blocksSent);
    Bootloader b;
    QVERIFY(b.connection);
    SimBootloaderFault fault;
    fault.kind = static_cast<SimBootloaderFault::Kind>(kind);
    fault.block = 7;
    fault.holdMs = holdMs;
    b.device->setBootloaderFault(fault);
    QElapsedTimer clock;
    clock.start();
    const int result = b.transfer(patternImage(b.size()), 150);
    QVERIFY(clock.elapsed() < 2000);
    if (code == -99) // the report or the answer fails, as the unplug lands
        QVERIFY2(result == 100 || result == 101, qPrintable(QString::number(result)));
    else
        QCOMPARE(result, code);
    QCOMPARE(b.device->outputCount(HidCmd::BootloaderData), blocksSent + (code == 0 ? 1 : 0));
    QCOMPARE(b.device->completedFlashes(), code == 0 ? 1 : 0);
}

void tst_Bootloader::stopEndsAWaitingTransfer()
{
    Bootloader b;
    SimBootloaderFault fault;
    fault.kind = SimBootloaderFault::Silence;
    fault.block = 3;
    b.device->setBootloaderFault(fault);
    std::atomic<bool> stop{false};
    QElapsedTimer clock;
    clock.start();
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.store(true);
    });
    const int code = runBootloaderTransfer(*b.connection, patternImage(b.size()), 60000, stop, nullptr);
    stopper.join();
    QCOMPARE(code, kFirmwareTransferStopped);
    QVERIFY(clock.elapsed() < 5000);
}

void tst_Bootloader::searchFindsBootloadersByVendor()
{
    SimulatedHidBackend backend;
    auto keyboard = backend.addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
    auto mouse = backend.addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli")));
    QVERIFY(findBootloaders(backend, -1).isEmpty());
    keyboard->enterBootloader();
    mouse->enterBootloader();
    const QList<HidDeviceEntry> keyboards = findBootloaders(backend, 0x0416);
    QCOMPARE(keyboards.size(), 1);
    QCOMPARE(keyboards.first().productId, 0x3F00);
    QCOMPARE(keyboards.first().path, keyboard->path(SimulatedDevice::kBootloaderInterfaceNumber));
    const QList<HidDeviceEntry> mice = findBootloaders(backend, 0x0C45);
    QCOMPARE(mice.size(), 1);
    QCOMPARE(mice.first().productId, 0x6565);
    QCOMPARE(findBootloaders(backend, -1).size(), 2);
    // A second keyboard bootloader.
    backend.addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Rosquine")))->enterBootloader();
    QCOMPARE(findBootloaders(backend, 0x0416).size(), 2);
}

void tst_Bootloader::deviceRestartsIntoItsBootloaderAndBack_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("withoutSerial");
    QTest::newRow("M252 keyboard") << "Quissaro" << false;
    QTest::newRow("NUC121 keyboard, back without serial") << "Ryzzmond" << true;
    QTest::newRow("mouse") << "Bovelli" << false;
}

void tst_Bootloader::deviceRestartsIntoItsBootloaderAndBack()
{
    QFETCH(QString, model);
    QFETCH(bool, withoutSerial);
    simulatedFirmwareImages::install();
    SimulatedHidBackend backend;
    auto device = backend.addDevice(SimulatedDeviceConfig::forModel(model));
    SimBootloaderConfig bootConfig = device->config().bootloader;
    bootConfig.returnWithoutSerial = withoutSerial;
    device->setBootloaderConfig(bootConfig);
    const QString devicePath = device->path();
    const SimulatedDeviceConfig before = device->config();

    {
        std::unique_ptr<HidConnection> normal = backend.open(devicePath);
        QVERIFY(normal);
        const hidReportData enter = hidReportFrame(HidCmd::EnterBootloader);
        QVERIFY(normal->write(enter.data(), kHidReportSize) > 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(device->isBootloader() && device->isPlugged(), 2000);
    const QList<HidDeviceEntry> found = findBootloaders(backend, before.vendorId);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().vendorId, before.bootloader.vendorId);
    QCOMPARE(found.first().productId, before.bootloader.productId);
    QVERIFY(!backend.open(devicePath)); // the device's own interface is gone

    const firmwareChipInfo chip = firmwareChipForFamily(before.identificationFields.value(0), {"Bovelli"});
    const firmwareImageLoad load = loadFirmwareImage(firmwareImagePath(model), chip.imageSize);
    QVERIFY(load.ok());
    {
        std::unique_ptr<HidConnection> connection = backend.open(found.first().path);
        QVERIFY(connection);
        std::atomic<bool> stop{false};
        QCOMPARE(runBootloaderTransfer(*connection, load.image, 500, stop, nullptr), 0);
    }
    QCOMPARE(device->flashedImage(), load.image);
    QTRY_VERIFY_WITH_TIMEOUT(!device->isBootloader() && device->isPlugged(), 2000);
    const QString newVersion =
        firmwareIdentificationFields(firmwareIdentificationText(load.image, chip)).value(kFirmwareVersionField);
    QCOMPARE(device->firmwareVersion(), newVersion);
    QVERIFY(newVersion != before.identificationFields.value(5));
    QCOMPARE(device->path(), devicePath);
    QCOMPARE(device->config().vendorId, before.vendorId);
    QCOMPARE(device->config().productId, before.productId);
    QVERIFY(backend.open(devicePath));
    QCOMPARE(device->serialNumber().isEmpty(), withoutSerial);
    setFirmwareImageFolder(QString());
}

void tst_Bootloader::incompleteImageLeavesABootloader()
{
    Bootloader b;
    const QByteArray image = patternImage(b.size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(image.constData());
    for (int i = 0; i < 10; ++i) {
        const hidReportData block = bootloaderBlockReport(bytes, image.size(), i, 0, 0);
        QVERIFY(b.connection->write(block.data(), kHidReportSize) > 0);
        hidReportData answer{};
        QVERIFY(b.connection->read(answer.data(), kHidReportSize, 500) > 0);
        QCOMPARE(int(answer[2]), 0);
    }
    // A block out of turn is refused.
    const hidReportData skipped = bootloaderBlockReport(bytes, image.size(), 12, 0, 0);
    b.connection->write(skipped.data(), kHidReportSize);
    hidReportData answer{};
    QVERIFY(b.connection->read(answer.data(), kHidReportSize, 500) > 0);
    QCOMPARE(int(answer[2]), 1);
    const hidReportData end = bootloaderEndReport();
    b.connection->write(end.data(), kHidReportSize);
    QTest::qWait(60);
    QVERIFY(b.device->isBootloader());
    QCOMPARE(b.device->completedFlashes(), 0);
    // Still a bootloader after a re-plug.
    b.device->unplug();
    b.device->plug();
    QVERIFY(b.device->isBootloader());
    QCOMPARE(findBootloaders(*b.backend, -1).size(), 1);
}

void tst_Bootloader::ignoredEnterStaysTheDevice()
{
    SimulatedHidBackend backend;
    auto device = backend.addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
    SimBootloaderConfig config = device->config().bootloader;
    config.ignoreEnter = true;
    device->setBootloaderConfig(config);
    std::unique_ptr<HidConnection> normal = backend.open(device->path());
    const hidReportData enter = hidReportFrame(HidCmd::EnterBootloader);
    QVERIFY(normal->write(enter.data(), kHidReportSize) > 0);
    QTest::qWait(80);
    QVERIFY(!device->isBootloader());
    QVERIFY(device->isPlugged());
    QVERIFY(findBootloaders(backend, -1).isEmpty());
}

QTEST_GUILESS_MAIN(tst_Bootloader)
#include "tst_bootloader.moc"
