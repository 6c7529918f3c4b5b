// The hot-plug layer: ids of a HID interface from udev's words, the monitor's
// event handling, the factory, and the termination signals.
#include "DeviceNotifier.h"
#include "TerminationSignalNotifier.h"
#include "UdevDeviceNotifier.h"
#include "hidDeviceIds.h"

#include <QSignalSpy>
#include <QtTest>

#include <csignal>

Q_DECLARE_METATYPE(hidDeviceIds)

namespace {

hidDeviceIds ids(int vendor, int product)
{
    hidDeviceIds i;
    i.vendorId = vendor;
    i.productId = product;
    return i;
}

const QString kKeyboardNode = QStringLiteral(
    "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.2/0003:0416:C345.000A/hidraw/hidraw4");

class NamedNotifier : public DeviceNotifier
{
public:
    using DeviceNotifier::DeviceNotifier;
    bool start() override { return true; }
};

} // namespace

class tst_DeviceNotifier : public QObject
{
    Q_OBJECT

private slots:
    void hidIdProperty_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::newRow("usb") << QByteArray("0003:00000416:0000C345") << 0x0416 << 0xC345;
        QTest::newRow("lower case") << QByteArray("0003:00000c45:0000a21c") << 0x0C45 << 0xA21C;
        QTest::newRow("bluetooth bus") << QByteArray("0005:0000046D:0000B01A\n") << 0x046D << 0xB01A;
        QTest::newRow("two fields") << QByteArray("00000416:0000C345") << -1 << -1;
        QTest::newRow("not hex") << QByteArray("0003:0000041G:0000C345") << -1 << -1;
        QTest::newRow("id over 16 bits") << QByteArray("0003:00010416:0000C345") << -1 << -1;
        QTest::newRow("too long") << QByteArray("0003:000000416:0000C345") << -1 << -1;
        QTest::newRow("empty") << QByteArray() << -1 << -1;
    }
    void hidIdProperty()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, vendor);
        QFETCH(int, product);
        const hidDeviceIds parsed = hidDeviceIds::fromHidIdProperty(value);
        QCOMPARE(parsed.vendorId, vendor);
        QCOMPARE(parsed.productId, product);
    }

    void sysfsPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::newRow("hidraw node") << kKeyboardNode << 0x0416 << 0xC345;
        QTest::newRow("hid device itself")
            << QStringLiteral("/sys/devices/pci0000:00/usb1/1-3/1-3:1.0/0003:0C45:A21C.0001") << 0x0C45 << 0xA21C;
        // Interface folders look alike ("1-3:1.2") but are not HID names.
        QTest::newRow("usb interface only") << QStringLiteral("/sys/devices/pci0000:00/usb1/1-3/1-3:1.2") << -1 << -1;
        QTest::newRow("no number after the dot")
            << QStringLiteral("/sys/devices/usb1/1-3/1-3:1.2/0003:0416:C345./hidraw/hidraw4") << -1 << -1;
        QTest::newRow("empty") << QString() << -1 << -1;
    }
    void sysfsPath()
    {
        QFETCH(QString, path);
        QFETCH(int, vendor);
        QFETCH(int, product);
        const hidDeviceIds parsed = hidDeviceIds::fromSysfsPath(path);
        QCOMPARE(parsed.vendorId, vendor);
        QCOMPARE(parsed.productId, product);
    }

    // One event in, at most one signal out; malformed events are dropped.
    void monitorEvents_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QString>("path");
        QTest::addColumn<hidDeviceIds>("parentIds");
        QTest::addColumn<int>("arrivals");
        QTest::addColumn<int>("removals");
        QTest::addColumn<int>("vendor");

        const QString bare = QStringLiteral("/sys/devices/virtual/misc/hidraw9");
        QTest::newRow("add with the parent's ids") << QByteArray("add") << bare << ids(0x0C45, 0xA21C) << 1 << 0 << 0x0C45;
        // The parent's ids win over a name in the path.
        QTest::newRow("parent over path") << QByteArray("add") << kKeyboardNode << ids(0x1234, 0x5678) << 1 << 0 << 0x1234;
        QTest::newRow("add, ids from the path") << QByteArray("add") << kKeyboardNode << hidDeviceIds() << 1 << 0 << 0x0416;
        QTest::newRow("add without ids") << QByteArray("add") << bare << hidDeviceIds() << 0 << 0 << -1;
        QTest::newRow("remove, ids from the path")
            << QByteArray("remove") << kKeyboardNode << hidDeviceIds() << 0 << 1 << 0x0416;
        QTest::newRow("remove without ids") << QByteArray("remove") << bare << hidDeviceIds() << 0 << 0 << -1;
        QTest::newRow("change") << QByteArray("change") << kKeyboardNode << ids(0x0416, 0xC345) << 0 << 0 << -1;
        QTest::newRow("no action") << QByteArray() << kKeyboardNode << ids(0x0416, 0xC345) << 0 << 0 << -1;
        QTest::newRow("no path") << QByteArray("add") << QString() << ids(0x0416, 0xC345) << 0 << 0 << -1;
    }
    void monitorEvents()
    {
        QFETCH(QByteArray, action);
        QFETCH(QString, path);
        QFETCH(hidDeviceIds, parentIds);
        QFETCH(int, arrivals);
        QFETCH(int, removals);
        QFETCH(int, vendor);

        UdevDeviceNotifier notifier;
        QSignalSpy arrived(&notifier, &DeviceNotifier::deviceArrived);
        QSignalSpy removed(&notifier, &DeviceNotifier::deviceRemoved);
        notifier.handleEvent(action, path, parentIds);
        QCOMPARE(arrived.count(), arrivals);
        QCOMPARE(removed.count(), removals);
        QSignalSpy &spy = arrivals ? arrived : removed;
        if (!spy.isEmpty()) {
            QCOMPARE(spy.first().at(0).toString(), path);
            QCOMPARE(spy.first().at(1).toInt(), vendor);
        }
    }

    // Once sysfs is gone a removal has only its path; the ids the arrival
    // carried are used for it.
    void removalUsesTheIdsOfItsArrival()
    {
        const QString node = QStringLiteral("/sys/devices/virtual/misc/hidraw9");
        UdevDeviceNotifier notifier;
        QSignalSpy removed(&notifier, &DeviceNotifier::deviceRemoved);
        notifier.handleEvent("add", node, ids(0x0C45, 0xA21C));
        notifier.handleEvent("remove", node, hidDeviceIds());
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first().at(1).toInt(), 0x0C45);
        QCOMPARE(removed.first().at(2).toInt(), 0xA21C);
        // Used once: a second removal of the same node has no ids left.
        notifier.handleEvent("remove", node, hidDeviceIds());
        QCOMPARE(removed.count(), 1);
    }

    // Starting needs no udev daemon; where the system refuses, start says so.
    void monitorStartsOrRefuses()
    {
        UdevDeviceNotifier notifier;
        const bool started = notifier.start();
        QCOMPARE(notifier.start(), started);
    }

    void factoryChoosesTheNotifier()
    {
        QObject parent;
        DeviceNotifier *plain = DeviceNotifier::create(&parent);
        QVERIFY(qobject_cast<UdevDeviceNotifier *>(plain));
        QCOMPARE(plain->parent(), &parent);

        DeviceNotifier::setFactory([](QObject *p) -> DeviceNotifier * { return new NamedNotifier(p); });
        DeviceNotifier *installed = DeviceNotifier::create(&parent);
        DeviceNotifier::setFactory(nullptr);
        QVERIFY(!qobject_cast<UdevDeviceNotifier *>(installed));
        QVERIFY(qobject_cast<UdevDeviceNotifier *>(DeviceNotifier::create(&parent)));
    }

    void terminationSignalsArriveOnTheEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void terminationSignalsArriveOnTheEventLoop()
    {
        QFETCH(int, signalNumber);
        TerminationSignalNotifier notifier;
        QVERIFY(notifier.isActive());
        QSignalSpy spy(&notifier, &TerminationSignalNotifier::terminationRequested);
        ::raise(signalNumber);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.first().at(0).toInt(), signalNumber);
    }

    void oneTerminationNotifierAtATime()
    {
        TerminationSignalNotifier first;
        TerminationSignalNotifier second;
        QVERIFY(first.isActive());
        QVERIFY(!second.isActive());
    }
};

QTEST_MAIN(tst_DeviceNotifier)
#include "tst_devicenotifier.moc"
