// The device page's one wait: what ends it, what it returns, and a new
// link's readiness on simulated devices that answer late or never.
#include "DDeviceKeyboardLink.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "devicePageWait.h"
#include "hidProtocolReports.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kLongMs = 5000;

class Emitter : public QObject
{
    Q_OBJECT
signals:
    void happened();
    void listCame(QList<hidStructInfo> list);
};

hidStructInfo recordAt(const QString &path)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.hidPath, path);
    return info;
}

hidStructInfo recordOf(const SimulatedDevice &device)
{
    hidStructInfo info = recordAt(device.path());
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidName, c.modelName);
    info.hidType = c.deviceType;
    return info;
}

} // namespace

class tst_DevicePageWait : public QObject
{
    Q_OBJECT

private slots:
    void endsOnTheAwaitedSignal()
    {
        Emitter emitter;
        devicePageWait wait(kLongMs);
        wait.endOn(&emitter, &Emitter::happened, devicePageWait::Done);
        int depth = -1;
        QTimer::singleShot(20, &emitter, [&] {
            depth = devicePageWait::running();
            emit emitter.happened();
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(wait.run(), devicePageWait::Done);
        QVERIFY(clock.elapsed() < kLongMs);
        QCOMPARE(depth, 1);
        QCOMPARE(devicePageWait::running(), 0);
        // Ended once: a later signal changes nothing.
        emit emitter.happened();
        QCOMPARE(wait.outcome(), devicePageWait::Done);
    }

    void endsAtItsLimit()
    {
        Emitter emitter;
        devicePageWait wait(80);
        wait.endOn(&emitter, &Emitter::happened, devicePageWait::Done);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(wait.run(), devicePageWait::TimedOut);
        QVERIFY(clock.elapsed() >= 79);
    }

    void endsWhenTheAwaitedObjectGoes()
    {
        auto *emitter = new Emitter;
        devicePageWait wait(kLongMs);
        wait.endOn(emitter, &Emitter::happened, devicePageWait::Done);
        wait.endWhenDestroyed(emitter);
        // Deleted at once (a deferred delete waits for the loop to end).
        QTimer::singleShot(10, &wait, [emitter] { delete emitter; });
        QCOMPARE(wait.run(), devicePageWait::Gone);

        // Nothing to wait for: over before it starts.
        devicePageWait none(kLongMs);
        none.endWhenDestroyed(nullptr);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(none.run(), devicePageWait::Gone);
        QVERIFY(clock.elapsed() < 1000);
        devicePageWait noSender(kLongMs);
        noSender.endOn(static_cast<Emitter *>(nullptr), &Emitter::happened, devicePageWait::Done);
        QCOMPARE(noSender.run(), devicePageWait::Gone);
    }

    // A device list that still holds the path lets the wait go on; one
    // without it ends the wait.
    void endsWhenAListLacksThePath()
    {
        Emitter emitter;
        devicePageWait wait(kLongMs);
        wait.endWhenListLacks(&emitter, &Emitter::listCame, QStringLiteral("/p/1"));
        QTimer::singleShot(10, &emitter, [&] {
            emit emitter.listCame({recordAt(QStringLiteral("/p/2")), recordAt(QStringLiteral("/p/1"))});
            QCOMPARE(wait.outcome(), devicePageWait::Pending);
            emit emitter.listCame({recordAt(QStringLiteral("/p/2"))});
        });
        QCOMPARE(wait.run(), devicePageWait::Gone);
    }

    // Timers and queued calls run during a wait, and a wait inside it ends
    // on its own.
    void eventsRunMeanwhile()
    {
        Emitter emitter;
        devicePageWait outer(kLongMs);
        outer.endOn(&emitter, &Emitter::happened, devicePageWait::Done);
        devicePageWait::Outcome inner = devicePageWait::Pending;
        int innerDepth = 0;
        QTimer::singleShot(0, &emitter, [&] {
            devicePageWait nested(30);
            QTimer::singleShot(0, &emitter, [&] { innerDepth = devicePageWait::running(); });
            inner = nested.run();
            QMetaObject::invokeMethod(&emitter, &Emitter::happened, Qt::QueuedConnection);
        });
        QCOMPARE(outer.run(), devicePageWait::Done);
        QCOMPARE(inner, devicePageWait::TimedOut);
        QCOMPARE(innerDepth, 2);
    }

    void linkReadiness_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("policy");
        QTest::addColumn<int>("outcome");
        const int late = SimAckPolicy::Late;
        const int never = SimAckPolicy::Never;
        const int immediate = SimAckPolicy::Immediate;
        QTest::newRow("keyboard") << "Quissaro" << int(HidCmd::SerialRead) << immediate << int(devicePageWait::Done);
        QTest::newRow("keyboard, late serial") << "Quissaro" << int(HidCmd::SerialRead) << late << int(devicePageWait::Done);
        QTest::newRow("keyboard, silent") << "Quissaro" << int(HidCmd::SerialRead) << never << int(devicePageWait::TimedOut);
        QTest::newRow("keyboard, no side list") << "Rosquine" << int(HidCmd::SideLightList) << never
                                                << int(devicePageWait::TimedOut);
        QTest::newRow("mouse, late lists") << "Bovelli" << int(HidCmd::MouseLightList) << late << int(devicePageWait::Done);
    }
    void linkReadiness()
    {
        QFETCH(QString, model);
        QFETCH(int, command);
        QFETCH(int, policy);
        QFETCH(int, outcome);
        auto backend = std::make_shared<SimulatedHidBackend>();
        auto device = backend->addDevice(SimulatedDeviceConfig::forModel(model));
        device->setAnswerPolicy(static_cast<unsigned char>(command),
                                policy == SimAckPolicy::Late ? SimAckPolicy::late(150)
                                : policy == SimAckPolicy::Never ? SimAckPolicy::never()
                                                                : SimAckPolicy::immediate());
        HidBackend::install(backend);
        DDeviceKeyboardLink link(1);
        link.openHidDevice(recordOf(*device));
        // A silent device is given little time; the others the page's own.
        devicePageWait wait(outcome == devicePageWait::TimedOut ? 400 : devicePageWait::kLinkReadyMs);
        wait.endOnLinkReady(&link);
        QCOMPARE(int(wait.run()), outcome);
        QCOMPARE(link.isInitFinished(), outcome == devicePageWait::Done);

        // Ready already: no wait at all.
        if (outcome == devicePageWait::Done) {
            devicePageWait again(kLongMs);
            again.endOnLinkReady(&link);
            QCOMPARE(again.outcome(), devicePageWait::Done);
        }
        HidBackend::install(nullptr);
    }

    // The device goes during the wait: its transport says so and the wait
    // ends at once; so does a link deleted meanwhile.
    void linkOrDeviceGoneMeanwhile()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        auto device = backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        device->setAnswerPolicy(HidCmd::SideLightList, SimAckPolicy::never());
        HidBackend::install(backend);

        DDeviceKeyboardLink link(1);
        link.openHidDevice(recordOf(*device));
        devicePageWait unplugged(kLongMs);
        unplugged.endOnLinkReady(&link);
        QTimer::singleShot(50, [device] { device->unplug(); });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(unplugged.run(), devicePageWait::Gone);
        QVERIFY(clock.elapsed() < kLongMs);
        // Lost before the wait starts.
        devicePageWait late(kLongMs);
        late.endOnLinkReady(&link);
        QCOMPARE(late.outcome(), devicePageWait::Gone);

        device->plug();
        auto *second = new DDeviceKeyboardLink(2);
        second->openHidDevice(recordOf(*device));
        devicePageWait deleted(kLongMs);
        deleted.endOnLinkReady(second);
        QTimer::singleShot(30, &deleted, [second] { delete second; });
        QCOMPARE(deleted.run(), devicePageWait::Gone);
        HidBackend::install(nullptr);
    }
};

QTEST_MAIN(tst_DevicePageWait)
#include "tst_devicepagewait.moc"
