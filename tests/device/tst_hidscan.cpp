// The scan-only transport: enumeration, matching, identification and the
// published lists, against simulated devices.

#include "DDataManager.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "hidTestHelpers.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>

Q_DECLARE_METATYPE(SimSerialMode)

namespace {
hidSupportInfo supportItem(const char *vid, const char *pid, int type, const char *nucName)
{
    hidSupportInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.hidType, type == 1 ? "mouse" : "keyboard");
    fixedTextCopy(item.Vid, vid);
    fixedTextCopy(item.Pid, pid);
    item.type = type;
    fixedTextCopy(item.nucName, nucName);
    return item;
}

// The rows of the shipped supported-device list.
QList<hidSupportInfo> shippedSupportList()
{
    return {supportItem("0416", "B23C", 0, "NUC121"), supportItem("0416", "C345", 0, "M252"),
            supportItem("0C45", "A21C", 1, "Bovelli")};
}

QStringList supportedNames()
{
    return {QStringLiteral("Quissaro"), QStringLiteral("Ryzzmond"), QStringLiteral("Rosquine"),
            QStringLiteral("Rulvarro"), QStringLiteral("Varrowen"), QStringLiteral("Bovelli")};
}

QStringList names(const QList<hidStructInfo> &list)
{
    QStringList result;
    for (const hidStructInfo &info : list)
        result.append(fixedText(info.hidName));
    return result;
}

QStringList paths(const QList<hidStructInfo> &list)
{
    QStringList result;
    for (const hidStructInfo &info : list)
        result.append(fixedText(info.hidPath));
    return result;
}
} // namespace

class tst_HidScan : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startScanListsSupportedInterfaces();
    void startScanPublishesVersionsAndFirmwareMap();
    void pathTooLongForTheRecordIsSkipped();
    void identificationAnswers_data();
    void identificationAnswers();
    void staleDateAnswersAreRetriedWithinABound();
    void openFailuresAreRetriedFourTimes();
    void arrivalIdentifiesEveryNewPath();
    void removalDropsEveryGonePath();
    void replugKeepsThePath();
    void supportListFromDataManager();
    void scanOnWorkerThreadWhileListIsRead();

private:
    std::unique_ptr<MainHidInterFace> scanner();

    std::shared_ptr<SimulatedHidBackend> m_backend;
};

void tst_HidScan::init()
{
    m_backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(m_backend);
}

void tst_HidScan::cleanup()
{
    HidBackend::install(nullptr);
    m_backend.reset();
}

std::unique_ptr<MainHidInterFace> tst_HidScan::scanner()
{
    auto scan = std::make_unique<MainHidInterFace>(0, QStringLiteral("mainThread"));
    scan->setSupportHidList(shippedSupportList());
    scan->setHidNameList(supportedNames());
    return scan;
}

void tst_HidScan::startScanListsSupportedInterfaces()
{
    auto keyboard = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    SimulatedDeviceConfig other = SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro"));
    other.vendorId = 0x1234; // not in the supported list
    auto foreign = m_backend->addDevice(other);
    auto mouse = m_backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));

    auto scan = scanner();
    QSignalSpy done(scan.get(), &MainHidInterFace::sigGetHidListSuccessful);
    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(done.count(), 1);
    QVERIFY(!scan->isScanning());

    // Only interface 2 of supported ids, in path order.
    const QList<hidStructInfo> list = scan->getHidInfoList();
    QCOMPARE(paths(list), QStringList({keyboard->path(), mouse->path()}));
    QCOMPARE(names(list), QStringList({QStringLiteral("Quissaro"), QStringLiteral("Bovelli")}));
    QCOMPARE(list.at(0).vid, 0x0416);
    QCOMPARE(list.at(0).pid, 0xC345);
    QCOMPARE(list.at(0).hidType, 0);
    QCOMPARE(fixedText(list.at(0).manufacturer), QStringLiteral("Velmora"));
    QCOMPARE(fixedText(list.at(0).product), QStringLiteral("Quissaro Keyboard"));
    QCOMPARE(fixedText(list.at(0).infoText), QStringLiteral("M25201KBQS"));
    QCOMPARE(list.at(1).vid, 0x0C45);
    QCOMPARE(list.at(1).hidType, 1);
    QCOMPARE(fixedText(list.at(1).infoText), QStringLiteral("Bovelli01MSBV"));
    QCOMPARE(foreign->openCount(), 0);

    // A device whose model is not supported is not listed.
    m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Unknownia")));
    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(names(scan->getHidInfoList()), QStringList({QStringLiteral("Quissaro"), QStringLiteral("Bovelli")}));
}

void tst_HidScan::startScanPublishesVersionsAndFirmwareMap()
{
    auto keyboard = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    auto mouse = m_backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
    auto scan = scanner();
    scan->getHidList(MainHidInterFace::ScanStart);

    const QList<hidVersionInfo> versions = scan->getVersionInfoList();
    QCOMPARE(versions.size(), 2);
    QCOMPARE(fixedText(versions.at(0).field1), QStringLiteral("M252"));
    QCOMPARE(fixedText(versions.at(0).field2), QStringLiteral("01"));
    QCOMPARE(fixedText(versions.at(0).field3), QStringLiteral("KB"));
    QCOMPARE(fixedText(versions.at(0).field4), QStringLiteral("QS"));
    QCOMPARE(fixedText(versions.at(0).field5), QStringLiteral("Quissaro"));
    QCOMPARE(fixedText(versions.at(0).reserved), QString());
    QCOMPARE(fixedText(versions.at(0).version), QStringLiteral("V1.00.03"));
    QCOMPARE(fixedText(versions.at(0).path), keyboard->path());

    // Running identification numbers make the keys; the date is converted.
    QMap<QString, QString> expected;
    expected.insert(QStringLiteral("1-M25201KBQS,Quissaro"), QStringLiteral("V1.00.03---2024/3/7 10:20:30"));
    expected.insert(QStringLiteral("2-Bovelli01MSBV,Bovelli"), QStringLiteral("V1.00.01---2024/3/7 10:20:30"));
    QCOMPARE(scan->getFirmwareInfoMap(), expected);

    // A second start scan identifies again, with the next numbers.
    scan->getHidList(MainHidInterFace::ScanStart);
    QVERIFY(scan->getFirmwareInfoMap().contains(QStringLiteral("3-M25201KBQS,Quissaro")));
    QCOMPARE(scan->getFirmwareInfoMap().size(), 2);
    Q_UNUSED(mouse)
}

void tst_HidScan::pathTooLongForTheRecordIsSkipped()
{
    // Cut to fit the record, the path would name no device: the interface is
    // left out rather than listed unopenable, and the others are still listed.
    SimulatedDeviceConfig deep = SimulatedDeviceConfig::keyboard(QStringLiteral("Rosquine"));
    deep.busPath = QStringLiteral("/sys/devices/") + QString(250, QLatin1Char('h'));
    auto unreachable = m_backend->addDevice(deep);
    auto keyboard = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));

    auto scan = scanner();
    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(paths(scan->getHidInfoList()), QStringList{keyboard->path()});
    QCOMPARE(unreachable->openCount(), 0);
}

void tst_HidScan::identificationAnswers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("date");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QStringList>("versionFields");

    const QString noAnswer = QStringLiteral("Keyboard Name");
    QTest::newRow("six fields") << QByteArray("M252,01,KB,QS,Quissaro,V1.00.03") << true << true
                                << QStringLiteral("Quissaro") << true
                                << QStringList({"M252", "01", "KB", "QS", "Quissaro", "V1.00.03"});
    QTest::newRow("no date answer") << QByteArray("M252,01,KB,QS,Quissaro,V1.00.03") << true << false
                                    << QStringLiteral("Quissaro") << true
                                    << QStringList({"M252", "01", "KB", "QS", "Quissaro", "V1.00.03"});
    QTest::newRow("no answer") << QByteArray() << false << false << noAnswer << false << QStringList();
    QTest::newRow("five fields") << QByteArray("M252,01,KB,QS,Quissaro") << true << true << QStringLiteral("QS")
                                 << false << QStringList({"M252", "01", "KB", "QS", "Quissaro", ""});
    QTest::newRow("three fields") << QByteArray("M252,Quissaro,V1") << true << true << QStringLiteral("Quissaro")
                                  << true << QStringList({"M252", "Quissaro", "V1", "", "", ""});
    QTest::newRow("one field") << QByteArray("garbage") << true << true << QString() << false
                               << QStringList({"garbage", "", "", "", "", ""});
    QTest::newRow("empty text") << QByteArray("") << true << true << QString() << false
                                << QStringList({"", "", "", "", "", ""});
    // 58 bytes without a terminator: read up to byte 63 and no further.
    QTest::newRow("full payload") << QByteArray("M252,01,KB,QS,Quissaro,V").append(QByteArray(34, '9')) << true
                                  << true << QStringLiteral("Quissaro") << true
                                  << QStringList({"M252", "01", "KB", "QS", "Quissaro",
                                                  QString("V") + QString(34, QLatin1Char('9'))});
}

void tst_HidScan::identificationAnswers()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, answer);
    QFETCH(bool, date);
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QFETCH(QStringList, versionFields);

    auto device = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    device->setIdentificationText(text);
    device->setAnswerIdentification(answer);
    device->setAnswerDate(date);
    auto scan = scanner();
    QCOMPARE(scan->getHidDeviceInfo(device->path()), name);
    QCOMPARE(device->openConnectionCount(), 0);

    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(scan->getHidInfoList().size(), listed ? 1 : 0);
    const QList<hidVersionInfo> versions = scan->getVersionInfoList();
    QCOMPARE(versions.size(), versionFields.isEmpty() ? 0 : 1);
    if (!versionFields.isEmpty()) {
        const hidVersionInfo &v = versions.first();
        QCOMPARE(QStringList({fixedText(v.field1), fixedText(v.field2), fixedText(v.field3), fixedText(v.field4),
                              fixedText(v.field5), fixedText(v.version)}),
                 versionFields);
        const QString versionText = scan->getFirmwareInfoMap().value(
            scan->getFirmwareInfoMap().isEmpty() ? QString() : scan->getFirmwareInfoMap().firstKey());
        QCOMPARE(versionText.endsWith(QStringLiteral("---2024/3/7 10:20:30")), date);
    }
}

void tst_HidScan::staleDateAnswersAreRetriedWithinABound()
{
    auto device = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    device->setStaleDateAnswers(2);
    auto scan = scanner();
    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(names(scan->getHidInfoList()), QStringList{QStringLiteral("Quissaro")});
    QCOMPARE(device->outputCount(HidCmd::Identification), 3);

    // A device that never stops answering with a date: the scan still ends.
    auto stubborn = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Rosquine")));
    stubborn->setStaleDateAnswers(-1);
    QSignalSpy done(scan.get(), &MainHidInterFace::sigGetHidListSuccessful);
    scan->getHidList(MainHidInterFace::ScanArrival);
    QCOMPARE(done.count(), 1);
    QVERIFY(!scan->isScanning());
    QCOMPARE(stubborn->outputCount(HidCmd::Identification), 5);
    QCOMPARE(names(scan->getHidInfoList()), QStringList{QStringLiteral("Quissaro")});
}

void tst_HidScan::openFailuresAreRetriedFourTimes()
{
    auto device = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    auto scan = scanner();
    device->setFailOpen(3);
    QCOMPARE(scan->getHidDeviceInfo(device->path()), QStringLiteral("Quissaro"));
    device->setFailOpen(4);
    QCOMPARE(scan->getHidDeviceInfo(device->path()), QStringLiteral("Open error"));
    device->setFailOpen(-1);
    scan->getHidList(MainHidInterFace::ScanStart);
    QVERIFY(scan->getHidInfoList().isEmpty());
}

void tst_HidScan::arrivalIdentifiesEveryNewPath()
{
    auto first = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    auto scan = scanner();
    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(first->openCount(), 1);

    // Two devices arrive before one arrival scan: both are identified.
    auto second = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Rosquine")));
    auto third = m_backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
    auto unsupported = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Unknownia")));
    scan->getHidList(MainHidInterFace::ScanArrival);
    QCOMPARE(names(scan->getHidInfoList()),
             QStringList({QStringLiteral("Quissaro"), QStringLiteral("Rosquine"), QStringLiteral("Bovelli")}));
    QCOMPARE(first->openCount(), 1); // known devices are not asked again
    QCOMPARE(scan->getVersionInfoList().size(), 4);
    QCOMPARE(scan->getFirmwareInfoMap().size(), 4);
    Q_UNUSED(second)
    Q_UNUSED(third)
    Q_UNUSED(unsupported)
}

void tst_HidScan::removalDropsEveryGonePath()
{
    auto a = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    auto b = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Rosquine")));
    auto c = m_backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
    auto scan = scanner();
    scan->getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(scan->getHidInfoList().size(), 3);

    a->unplug();
    c->unplug();
    scan->getHidList(MainHidInterFace::ScanRemoval);
    QCOMPARE(paths(scan->getHidInfoList()), QStringList{b->path()});
    QCOMPARE(scan->getVersionInfoList().size(), 1);
    QCOMPARE(fixedText(scan->getVersionInfoList().first().path), b->path());
    QCOMPARE(scan->getFirmwareInfoMap().size(), 1);
    QCOMPARE(b->openCount(), 1);
}

void tst_HidScan::replugKeepsThePath()
{
    auto device = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    auto scan = scanner();
    scan->getHidList(MainHidInterFace::ScanStart);
    const QString path = fixedText(scan->getHidInfoList().first().hidPath);
    const QString node = device->nodePath();

    device->unplug();
    scan->getHidList(MainHidInterFace::ScanRemoval);
    QVERIFY(scan->getHidInfoList().isEmpty());
    device->plug();
    QVERIFY(device->nodePath() != node);
    scan->getHidList(MainHidInterFace::ScanArrival);
    QCOMPARE(paths(scan->getHidInfoList()), QStringList{path});

    // The path still opens the device.
    MainHidInterFace transport(1, QStringLiteral("Quissaro"));
    QCOMPARE(transport.hidOpenPath(0, 0, path), 0);
    transport.hidClose();
}

void tst_HidScan::supportListFromDataManager()
{
    DDataManager::instance()->setSupportHidList({supportItem("0c45", "a21c", 1, "Bovelli")});
    m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    m_backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
    MainHidInterFace scan(0, QStringLiteral("mainThread"));
    scan.setHidNameList(supportedNames());
    scan.getHidList(MainHidInterFace::ScanStart);
    QCOMPARE(names(scan.getHidInfoList()), QStringList{QStringLiteral("Bovelli")});
    DDataManager::instance()->setSupportHidList({});
}

void tst_HidScan::scanOnWorkerThreadWhileListIsRead()
{
    for (const QString &model : supportedNames())
        m_backend->addDevice(SimulatedDeviceConfig::forModel(model));
    auto scan = scanner();
    std::atomic<int> done{0};
    connect(scan.get(), &MainHidInterFace::sigGetHidListSuccessful, this, [&done] { ++done; },
            Qt::DirectConnection);
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        scan->getHidList(MainHidInterFace::ScanStart);
        finished.store(true);
    });
    // The published list is either the old or the new one, never half of one.
    while (!finished.load()) {
        const int size = scan->getHidInfoList().size();
        QVERIFY(size == 0 || size == supportedNames().size());
    }
    worker.join();
    QCOMPARE(done.load(), 1);
    QCOMPARE(scan->getHidInfoList().size(), supportedNames().size());
}

QTEST_GUILESS_MAIN(tst_HidScan)
#include "tst_hidscan.moc"
