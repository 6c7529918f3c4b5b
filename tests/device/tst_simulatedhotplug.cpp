// Hot-plug of the simulated devices: the events their plugs raise, and the
// FIFO through which a test outside the program plugs them.
#include "SimulatedControlFifo.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "hidDeviceIds.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

void writeToFifo(const QString &path, const QByteArray &text)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, text.constData(), text.size()), ssize_t(text.size()));
    ::close(fd);
}

} // namespace

class tst_SimulatedHotplug : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        m_keyboard = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        m_mouse = m_backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
    }
    void cleanup()
    {
        m_keyboard.reset();
        m_mouse.reset();
        m_backend.reset();
    }

    // As udev: one event per interface, ids as numbers, the HID name last in
    // the path.
    void plugRaisesOneEventPerInterface()
    {
        SimulatedDeviceNotifier notifier(m_backend);
        QVERIFY(notifier.start());
        QSignalSpy arrived(&notifier, &DeviceNotifier::deviceArrived);
        QSignalSpy removed(&notifier, &DeviceNotifier::deviceRemoved);

        m_mouse->unplug();
        m_mouse->unplug(); // already out: nothing more
        QVERIFY(removed.wait(2000));
        QTest::qWait(20);
        QCOMPARE(removed.count(), 2);
        QCOMPARE(arrived.count(), 0);
        QStringList paths;
        for (const QList<QVariant> &event : removed) {
            QCOMPARE(event.at(1).toInt(), 0x0C45);
            QCOMPARE(event.at(2).toInt(), 0xA21C);
            const hidDeviceIds fromPath = hidDeviceIds::fromSysfsPath(event.at(0).toString());
            QCOMPARE(fromPath.vendorId, 0x0C45);
            QCOMPARE(fromPath.productId, 0xA21C);
            paths.append(event.at(0).toString());
        }
        QVERIFY(paths.at(0).startsWith(m_mouse->path(SimulatedDevice::kOtherInterfaceNumber) + '/'));
        QVERIFY(paths.at(1).startsWith(m_mouse->path(SimulatedDevice::kInterfaceNumber) + '/'));

        m_mouse->plug();
        QTRY_COMPARE(arrived.count(), 2);
        QCOMPARE(arrived.first().at(0).toString(), paths.first());

        // A device added while the notifier listens is plugged in.
        m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Rosquine")));
        QTRY_COMPARE(arrived.count(), 4);
        QCOMPARE(arrived.last().at(1).toInt(), 0x0416);
    }

    // A plug on another thread reaches the notifier's thread queued.
    void eventsFromAnotherThreadAreQueued()
    {
        SimulatedDeviceNotifier notifier(m_backend);
        notifier.start();
        QThread *receivedOn = nullptr;
        connect(&notifier, &DeviceNotifier::deviceRemoved, this, [&receivedOn] { receivedOn = QThread::currentThread(); });
        std::thread plugger([this] { m_keyboard->unplug(); });
        plugger.join();
        QTRY_VERIFY(receivedOn);
        QCOMPARE(receivedOn, QThread::currentThread());
    }

    void noEventsBeforeStartOrAfterDestruction()
    {
        auto notifier = std::make_unique<SimulatedDeviceNotifier>(m_backend);
        QSignalSpy removed(notifier.get(), &DeviceNotifier::deviceRemoved);
        m_keyboard->unplug();
        QTest::qWait(50);
        QCOMPARE(removed.count(), 0);

        notifier->start();
        notifier.reset();
        m_keyboard->plug(); // must not reach the destroyed notifier
        QTest::qWait(50);
    }

    void controlLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("plug");
        QTest::addColumn<QString>("model");
        QTest::newRow("unplug") << QByteArray("unplug Bovelli") << true << false << "Bovelli";
        QTest::newRow("plug, blanks around") << QByteArray("  plug   Quissaro \r") << true << true << "Quissaro";
        QTest::newRow("no model") << QByteArray("unplug") << false << false << "";
        QTest::newRow("two models") << QByteArray("plug Bovelli Quissaro") << false << false << "";
        QTest::newRow("unknown word") << QByteArray("replug Bovelli") << false << false << "";
        QTest::newRow("upper case word") << QByteArray("PLUG Bovelli") << false << false << "";
    }
    void controlLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        QFETCH(bool, plug);
        QFETCH(QString, model);
        SimulatedControlFifo::Command command;
        QCOMPARE(SimulatedControlFifo::parseLine(line, &command), valid);
        if (valid) {
            QCOMPARE(command.plug, plug);
            QCOMPARE(command.model, model);
        }
    }

    // The FIFO is made when missing; lines may come in pieces and in one
    // write; garbage between them changes nothing.
    void fifoPlugsAndUnplugsByModel()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("control"));
        SimulatedControlFifo fifo(m_backend, path);
        QVERIFY(fifo.isOpen());
        struct stat info = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        QSignalSpy executed(&fifo, &SimulatedControlFifo::commandExecuted);

        writeToFifo(path, "unplug Bov");
        writeToFifo(path, "elli\nnonsense here\n");
        QTRY_COMPARE(executed.count(), 1);
        QVERIFY(!m_mouse->isPlugged());
        QVERIFY(m_keyboard->isPlugged());

        writeToFifo(path, "unplug Quissaro\nplug Bovelli\n");
        QTRY_COMPARE(executed.count(), 3);
        QVERIFY(m_mouse->isPlugged());
        QVERIFY(!m_keyboard->isPlugged());
        QCOMPARE(executed.last().at(0).toString(), QStringLiteral("plug Bovelli"));
    }

    void fifoRefusesAPlainFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plain"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SimulatedControlFifo fifo(m_backend, path);
        QVERIFY(!fifo.isOpen());
    }

    void fifoFromTheEnvironment()
    {
        QTemporaryDir dir;
        qunsetenv(SimulatedControlFifo::kEnvironmentVariable);
        QVERIFY(!SimulatedControlFifo::startFromEnvironment(m_backend, this));
        qputenv(SimulatedControlFifo::kEnvironmentVariable, QFile::encodeName(dir.filePath(QStringLiteral("c"))));
        std::unique_ptr<SimulatedControlFifo> fifo(SimulatedControlFifo::startFromEnvironment(m_backend, nullptr));
        qunsetenv(SimulatedControlFifo::kEnvironmentVariable);
        QVERIFY(fifo && fifo->isOpen());
        QVERIFY(!SimulatedControlFifo::startFromEnvironment(nullptr, this));
    }

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
};

QTEST_MAIN(tst_SimulatedHotplug)
#include "tst_simulatedhotplug.moc"
