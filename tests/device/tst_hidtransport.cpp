// The per-device transport and the report builder, against simulated devices.

#include "DDeviceHidCmdSend.h"
#include "HidBackend.h"
#include "HidConnection.h"
#include "HidrawConnection.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "hidProtocolReports.h"
#include "lightingReports.h"
#include "hidTestHelpers.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kWaitMs = 5000;

hidReportData colorPacket(int zone, int index)
{
    unsigned char rgb[54];
    for (int i = 0; i < 54; ++i)
        rgb[i] = static_cast<unsigned char>(index * 16 + i);
    hidReportData packet;
    keyColorFrameReport(zone, index, rgb, 54, packet);
    return packet;
}

// The packets of one keyboard frame: 8 key packets, then the side packets.
QList<hidReportData> keyboardFrame(int sidePackets)
{
    QList<hidReportData> frame;
    for (int i = 0; i < 8; ++i)
        frame.append(colorPacket(kColorFrameZoneKeys, i));
    for (int i = 0; i < sidePackets; ++i)
        frame.append(colorPacket(kColorFrameZoneSide, i));
    return frame;
}

hidReportData command(unsigned char cmd, unsigned char marker)
{
    hidReportData report = hidReportFrame(cmd, 0, 0, 1);
    report[kHidPayloadOffset] = marker;
    return report;
}

// Offers packets to the light-frame queue, in order.
void offerPackets(MainHidInterFace &transport, const QList<hidReportData> &packets)
{
    for (const hidReportData &packet : packets)
        transport.writeLightData(packet.data(), kHidReportSize);
}

// Output reports other than the periodic handshake.
QList<hidReportData> withoutHandshakes(const QList<hidReportData> &reports)
{
    QList<hidReportData> result;
    for (const hidReportData &r : reports) {
        if (r[kHidCommandByte] != HidCmd::ShakeHands)
            result.append(r);
    }
    return result;
}
// A backend whose one interface is a HidrawConnection on one end of a
// socket pair; the test plays the device on the other end.
class SocketPairBackend : public HidBackend
{
public:
    SocketPairBackend()
    {
        int fds[2];
        if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) == 0) {
            m_transportEnd = fds[0];
            m_deviceEnd = fds[1];
        }
    }
    ~SocketPairBackend() override
    {
        if (m_deviceEnd >= 0)
            ::close(m_deviceEnd);
        if (m_transportEnd >= 0)
            ::close(m_transportEnd);
    }
    QList<HidDeviceEntry> enumerate() override { return {}; }
    std::unique_ptr<HidConnection> open(const QString &) override
    {
        if (m_transportEnd < 0)
            return nullptr;
        const int fd = m_transportEnd;
        m_transportEnd = -1;
        return std::make_unique<HidrawConnection>(fd);
    }
    QString errorText() const override { return {}; }

    int deviceEnd() const { return m_deviceEnd; }
    // Reads one report the transport wrote, waiting up to timeoutMs.
    bool receive(hidReportData &report, int timeoutMs)
    {
        timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
        setsockopt(m_deviceEnd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        report.fill(0);
        return ::recv(m_deviceEnd, report.data(), report.size(), 0) > 0;
    }
    void send(const hidReportData &report) { ::send(m_deviceEnd, report.data(), report.size(), 0); }
    void hangUp()
    {
        ::close(m_deviceEnd);
        m_deviceEnd = -1;
    }

private:
    int m_transportEnd = -1;
    int m_deviceEnd = -1;
};
} // namespace

class tst_HidTransport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openQueuesSerialRequestAndStartsHandshake();
    void openFailureLeavesTransportClosed();
    void writeHidDataCopiesOnlyWhatWasGiven();
    void commandsGoBeforeLightPackets();
    void frameCollection_data();
    void frameCollection();
    void frameTailOnEmptyQueueIsNotCollected();
    void streamingOffDropsPacketsButCommandsFlow();
    void clearRequestEmptiesQueueAfterNextPacket();
    void clearLightFrameQueueDropsWaitingFrame();
    void serialAnswerRaisesBothSignalsWithOwnCopies();
    void inputReportsArriveInOrder();
    void closeWhileStreamingWritesNothingAfterwards();
    void destroyingAnOpenTransportClosesTheDevice();
    void reopeningAnOpenTransportClosesItFirst();
    void unpluggedDeviceReportsLightWriteErrors();
    void unplugIsReportedOncePerOpen();
    void nonInterruptibleBackendStillDelivers();
    void hidrawConnectionWaitsAndWakes();
    void transportOverHidrawConnection();
    void builderQueuesReports();
    void builderOnClosedTransportQueuesNothing();

private:
    std::unique_ptr<MainHidInterFace> openTransport(const QString &name,
                                                    const std::shared_ptr<SimulatedDevice> &device,
                                                    bool startThread = true);
    // The keyboard's transport, open with light streaming on, its thread not started.
    std::unique_ptr<MainHidInterFace> streamingKeyboardTransport();

    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_keyboard;
};

void tst_HidTransport::init()
{
    m_backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(m_backend);
    m_keyboard = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
}

void tst_HidTransport::cleanup()
{
    HidBackend::install(nullptr);
    m_keyboard.reset();
    m_backend.reset();
}

std::unique_ptr<MainHidInterFace> tst_HidTransport::openTransport(const QString &name,
                                                                  const std::shared_ptr<SimulatedDevice> &device,
                                                                  bool startThread)
{
    auto transport = std::make_unique<MainHidInterFace>(1, name);
    if (transport->hidOpenPath(0, 0, device->path()) != 0)
        return nullptr;
    if (startThread)
        transport->start();
    return transport;
}

std::unique_ptr<MainHidInterFace> tst_HidTransport::streamingKeyboardTransport()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard, false);
    if (transport)
        transport->setLightStreaming(true);
    return transport;
}

void tst_HidTransport::openQueuesSerialRequestAndStartsHandshake()
{
    MainHidInterFace transport(1, QStringLiteral("Quissaro"));
    QSignalSpy opened(&transport, &MainHidInterFace::sigOpenHidSuccessful);
    QCOMPARE(transport.hidOpenPath(0x0416, 0xC345, m_keyboard->path()), 0);
    QVERIFY(transport.isHidOpen());
    QCOMPARE(opened.count(), 1);
    transport.start();

    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 1, kWaitMs));
    QCOMPARE(m_keyboard->outputReports().first(), serialRequestReport());

    // The handshake follows every 700 ms; byte 6 follows the PC-mode flag.
    QTRY_VERIFY_WITH_TIMEOUT(m_keyboard->outputCount(HidCmd::ShakeHands) >= 1, kWaitMs);
    QCOMPARE(m_keyboard->outputReports(HidCmd::ShakeHands).last(), shakeHandsReport(true));
    QVERIFY(transport.shakeHandsRunNum() >= 1);

    transport.setPcMode(false);
    m_keyboard->clearOutputs();
    QTRY_VERIFY_WITH_TIMEOUT(m_keyboard->outputCount(HidCmd::ShakeHands) >= 1, kWaitMs);
    const hidReportData onboard = m_keyboard->outputReports(HidCmd::ShakeHands).last();
    QCOMPARE(onboard[kHidLengthByte], static_cast<unsigned char>(1));
    QCOMPARE(onboard[kHidPayloadOffset], static_cast<unsigned char>(1));

    transport.hidClose();
    QCOMPARE(transport.shakeHandsRunNum(), 0);
    QVERIFY(!transport.isSerialReceived());
    // Closed: the handshake stops.
    m_keyboard->clearOutputs();
    QTest::qWait(900);
    QCOMPARE(m_keyboard->outputCount(HidCmd::ShakeHands), 0);
}

void tst_HidTransport::openFailureLeavesTransportClosed()
{
    m_keyboard->setFailOpen(-1);
    MainHidInterFace transport(1, QStringLiteral("Quissaro"));
    QSignalSpy opened(&transport, &MainHidInterFace::sigOpenHidSuccessful);
    QCOMPARE(transport.hidOpenPath(0, 0, m_keyboard->path()), -1);
    QVERIFY(!transport.isHidOpen());
    QCOMPARE(opened.count(), 0);
    const hidReportData report = command(HidCmd::Reset, 1);
    QCOMPARE(transport.writeHidData(report.data(), kHidReportSize), -1);
    QCOMPARE(transport.writeLightData(report.data(), kHidReportSize), -1);
    QCOMPARE(transport.hidOpenPath(0, 0, QStringLiteral("/sys/devices/none")), -1);
    QCOMPARE(transport.hidClose(), 0);
}

void tst_HidTransport::writeHidDataCopiesOnlyWhatWasGiven()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 1, kWaitMs));

    // A short report: the bytes past its length must not leak from the buffer.
    unsigned char buffer[kHidReportSize];
    std::memset(buffer, 0xEE, sizeof buffer);
    buffer[0] = kHidReportId;
    buffer[1] = HidCmd::Reset;
    buffer[2] = 0x07;
    QCOMPARE(transport->writeHidData(buffer, 3), 0);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::Reset, 1, kWaitMs));
    hidReportData expected{};
    expected[0] = kHidReportId;
    expected[1] = HidCmd::Reset;
    expected[2] = 0x07;
    QCOMPARE(m_keyboard->outputReports(HidCmd::Reset).first(), expected);
    QCOMPARE(transport->writeHidData(nullptr, 64), -1);
}

void tst_HidTransport::commandsGoBeforeLightPackets()
{
    auto transport = streamingKeyboardTransport();
    QVERIFY(transport);
    const QList<hidReportData> frame = keyboardFrame(2);
    for (const hidReportData &packet : frame)
        QCOMPARE(transport->writeLightData(packet.data(), kHidReportSize), 0);
    const hidReportData first = command(HidCmd::LightSynchronize, 1);
    const hidReportData second = command(HidCmd::KeyLightEffect, 2);
    transport->writeHidData(first.data(), kHidReportSize);
    transport->writeHidData(second.data(), kHidReportSize);
    transport->start();

    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::ColorFrame, 10, kWaitMs));
    const QList<hidReportData> written = withoutHandshakes(m_keyboard->outputReports());
    QList<hidReportData> expected = {serialRequestReport(), first, second};
    expected += frame;
    QCOMPARE(written, expected);
}

void tst_HidTransport::frameCollection_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("frameMode");
    QTest::addColumn<int>("framePackets");
    QTest::newRow("keyboard, 10 packets") << QStringLiteral("Rosquine") << 0 << 10;
    QTest::newRow("long side strip, 11 packets") << QStringLiteral("Urrasque") << 0 << 11;
    QTest::newRow("Wolvarne") << QStringLiteral("Wolvarne") << 0 << 11;
    QTest::newRow("Avelorn") << QStringLiteral("Avelorn") << 0 << 11;
    QTest::newRow("Rulvarro") << QStringLiteral("Rulvarro") << 0 << 11;
    QTest::newRow("Varrowen") << QStringLiteral("Varrowen") << 0 << 11;
    QTest::newRow("mouse, 2 reports") << QStringLiteral("Bovelli") << 1 << 2;
}

void tst_HidTransport::frameCollection()
{
    QFETCH(QString, model);
    QFETCH(int, frameMode);
    QFETCH(int, framePackets);
    auto device = m_backend->addDevice(SimulatedDeviceConfig::forModel(model));
    auto transport = openTransport(model, device, false);
    QVERIFY(transport);
    transport->setFrameMode(frameMode);
    transport->setLightStreaming(true);

    // One whole frame is taken; a packet offered while it waits is lost.
    QList<hidReportData> frame;
    for (int i = 0; i < framePackets; ++i)
        frame.append(colorPacket(i < 8 ? 0 : 1, i % 8));
    for (const hidReportData &packet : frame)
        QCOMPARE(transport->writeLightData(packet.data(), kHidReportSize), 0);
    const hidReportData extra = colorPacket(1, 7);
    QCOMPARE(transport->writeLightData(extra.data(), kHidReportSize), 0);

    transport->start();
    auto lightPackets = [&device] {
        QList<hidReportData> packets;
        for (const hidReportData &r : device->outputReports())
            if (r[kHidCommandByte] == HidCmd::ColorFrame)
                packets.append(r);
        return packets;
    };
    QVERIFY(device->waitForOutputCount(HidCmd::ColorFrame, framePackets, kWaitMs));
    QTest::qWait(50);
    QCOMPARE(lightPackets(), frame);

    // Once the queue is empty, the next frame is collected again.
    offerPackets(*transport, frame);
    QVERIFY(device->waitForOutputCount(HidCmd::ColorFrame, 2 * framePackets, kWaitMs));
    QCOMPARE(lightPackets().mid(framePackets), frame);
}

void tst_HidTransport::frameTailOnEmptyQueueIsNotCollected()
{
    // The queue empties while the engine is halfway through offering a frame:
    // the rest of that frame must not start a frame of its own, or the device
    // would get the tail of one frame glued to the head of the next.
    auto transport = streamingKeyboardTransport();
    QVERIFY(transport);
    const QList<hidReportData> frame = keyboardFrame(2);
    offerPackets(*transport, frame.mid(3));
    offerPackets(*transport, frame);

    transport->start();
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::ColorFrame, 10, kWaitMs));
    QTest::qWait(50);
    QCOMPARE(m_keyboard->outputReports(HidCmd::ColorFrame), frame);
}

void tst_HidTransport::streamingOffDropsPacketsButCommandsFlow()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    QVERIFY(!transport->isLightStreaming());
    for (const hidReportData &packet : keyboardFrame(2))
        QCOMPARE(transport->writeLightData(packet.data(), kHidReportSize), 0);
    const hidReportData report = command(HidCmd::KeyLightEffect, 9);
    QCOMPARE(transport->writeHidData(report.data(), kHidReportSize), 0);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));
    // Turning streaming on later does not revive the dropped packets.
    transport->setLightStreaming(true);
    QTest::qWait(50);
    QCOMPARE(m_keyboard->outputCount(HidCmd::ColorFrame), 0);
}

void tst_HidTransport::clearRequestEmptiesQueueAfterNextPacket()
{
    auto transport = streamingKeyboardTransport();
    QVERIFY(transport);
    const QList<hidReportData> frame = keyboardFrame(2);
    offerPackets(*transport, frame);
    transport->requestClearLightFrames();
    transport->start();

    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::ColorFrame, 1, kWaitMs));
    QTest::qWait(50);
    QCOMPARE(m_keyboard->outputReports(HidCmd::ColorFrame), QList<hidReportData>{frame.first()});

    // The request is used up: the next frame goes out whole.
    offerPackets(*transport, frame);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::ColorFrame, 11, kWaitMs));
    QCOMPARE(m_keyboard->outputReports(HidCmd::ColorFrame).mid(1), frame);
}

void tst_HidTransport::clearLightFrameQueueDropsWaitingFrame()
{
    auto transport = streamingKeyboardTransport();
    QVERIFY(transport);
    const QList<hidReportData> frame = keyboardFrame(2);
    offerPackets(*transport, frame);
    transport->clearLightFrameQueue();
    // Collection starts afresh with the next packet offered.
    offerPackets(*transport, frame);
    transport->start();
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::ColorFrame, 10, kWaitMs));
    QTest::qWait(50);
    QCOMPARE(m_keyboard->outputReports(HidCmd::ColorFrame), frame);
}

void tst_HidTransport::serialAnswerRaisesBothSignalsWithOwnCopies()
{
    MainHidInterFace transport(7, QStringLiteral("Quissaro"));
    TransportSignals emitted(&transport);
    QCOMPARE(transport.hidOpenPath(0, 0, m_keyboard->path()), 0);
    transport.start();

    QTRY_COMPARE_WITH_TIMEOUT(emitted.serials().size(), std::size_t(1), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(emitted.reports().size() >= 1, kWaitMs);
    QVERIFY(transport.isSerialReceived());
    const TransportSignals::Serial serial = emitted.serials().front();
    QCOMPARE(serial.transport, &transport);
    QCOMPARE(serial.name, QStringLiteral("Quissaro"));
    const QByteArray serialReport = serial.bytes;
    QCOMPARE(serialReport.size(), kHidReportSize);
    QCOMPARE(static_cast<unsigned char>(serialReport.at(1)), HidCmd::SerialRead);
    QCOMPARE(serialAnswerText(hidReportFromBytes(reinterpret_cast<const unsigned char *>(serialReport.constData()),
                                                 serialReport.size())),
             m_keyboard->config().serial);

    const TransportSignals::Report data = emitted.reports().front();
    QCOMPARE(data.bytes, serialReport);
    QCOMPARE(data.length, kHidReportSize);
    QCOMPARE(data.deviceIndex, 7);
    // Each receiver owns its copy: changing one leaves the other alone.
    QByteArray mine = data.bytes;
    mine[1] = 0;
    QCOMPARE(static_cast<unsigned char>(emitted.serials().front().bytes.at(1)), HidCmd::SerialRead);
    transport.hidClose();
}

void tst_HidTransport::inputReportsArriveInOrder()
{
    MainHidInterFace transport(2, QStringLiteral("Quissaro"));
    TransportSignals emitted(&transport);
    QCOMPARE(transport.hidOpenPath(0, 0, m_keyboard->path()), 0);
    transport.start();
    QTRY_COMPARE_WITH_TIMEOUT(emitted.reports().size(), std::size_t(1), kWaitMs); // the serial answer

    m_keyboard->sendKeyState(0x02, {0x04, 0x05});
    m_keyboard->sendMultimedia(0x01, 0, 0);
    m_keyboard->sendFullKeyReport(QByteArray(13, '\x11'));
    QTRY_COMPARE_WITH_TIMEOUT(emitted.reports().size(), std::size_t(4), kWaitMs);
    transport.hidClose();
    const std::vector<TransportSignals::Report> reports = emitted.reports();
    const QByteArray key = reports.at(1).bytes;
    QCOMPARE(static_cast<unsigned char>(key.at(1)), HidCmd::KeyState);
    QCOMPARE(static_cast<unsigned char>(key.at(6)), 0x02);
    QCOMPARE(static_cast<unsigned char>(key.at(8)), 0x04);
    QCOMPARE(static_cast<unsigned char>(key.at(9)), 0x05);
    QCOMPARE(static_cast<unsigned char>(reports.at(2).bytes.at(1)), HidCmd::Multimedia);
    QCOMPARE(static_cast<unsigned char>(reports.at(3).bytes.at(1)), HidCmd::FullKey);
}

void tst_HidTransport::closeWhileStreamingWritesNothingAfterwards()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    transport->setLightStreaming(true);
    std::atomic<bool> stop{false};
    // Producers on other threads, as the engines and the macro player are.
    std::thread lights([&] {
        const QList<hidReportData> frame = keyboardFrame(2);
        while (!stop.load()) {
            offerPackets(*transport, frame);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    std::thread commands([&] {
        const hidReportData report = command(HidCmd::KeyState, 0);
        while (!stop.load()) {
            transport->writeHidData(report.data(), kHidReportSize);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::ColorFrame, 30, kWaitMs));
    QCOMPARE(transport->hidClose(), 0);
    QVERIFY(!transport->isHidOpen());
    QVERIFY(transport->isFinished());
    QCOMPARE(m_keyboard->openConnectionCount(), 0);
    const int written = m_keyboard->outputReports().size();
    QTest::qWait(50);
    stop.store(true);
    lights.join();
    commands.join();
    QCOMPARE(m_keyboard->outputReports().size(), written);

    // A closed transport opens again.
    QCOMPARE(transport->hidOpenPath(0, 0, m_keyboard->path()), 0);
    transport->start();
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 2, kWaitMs));
    transport->hidClose();
}

void tst_HidTransport::destroyingAnOpenTransportClosesTheDevice()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    const hidReportData report = command(HidCmd::KeyState, 0);
    for (int i = 0; i < 100; ++i)
        transport->writeHidData(report.data(), kHidReportSize);
    transport.reset();
    QCOMPARE(m_keyboard->openConnectionCount(), 0);
}

void tst_HidTransport::reopeningAnOpenTransportClosesItFirst()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 1, kWaitMs));
    // The first connection and the thread that uses it end before the new open.
    QCOMPARE(transport->hidOpenPath(0, 0, m_keyboard->path()), 0);
    QVERIFY(transport->isFinished());
    QCOMPARE(m_keyboard->openConnectionCount(), 1);
    transport->start();
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 2, kWaitMs));
    transport->hidClose();
    QCOMPARE(m_keyboard->openConnectionCount(), 0);
}

void tst_HidTransport::unpluggedDeviceReportsLightWriteErrors()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    TransportSignals emitted(transport.get());
    transport->setLightStreaming(true);
    m_keyboard->unplug();
    offerPackets(*transport, keyboardFrame(2));
    QTRY_VERIFY_WITH_TIMEOUT(emitted.errors().size() >= 1, kWaitMs);
    QCOMPARE(transport->hidClose(), 0);
    QVERIFY(emitted.errors().front().startsWith(QStringLiteral("hid_write lightData ERROR:[-1] ")));
}

// A device unplugged and plugged back is another device: its transport
// says so once, and a fresh open starts clean.
void tst_HidTransport::unplugIsReportedOncePerOpen()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    // Emitted on the transport thread: counted on this one, through a queued call.
    int lost = 0;
    QObject receiver;
    connect(transport.get(), &MainHidInterFace::sigHidDeviceLost, &receiver, [&lost] { ++lost; },
            Qt::QueuedConnection);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 1, kWaitMs));
    QVERIFY(!transport->isDeviceLost());
    m_keyboard->unplug();
    m_keyboard->plug();
    QVERIFY(QTest::qWaitFor([&lost] { return lost > 0; }, kWaitMs));
    QVERIFY(transport->isDeviceLost());
    QTest::qWait(300); // the failed reads go on
    QCOMPARE(lost, 1);
    QCOMPARE(transport->hidOpenPath(0, 0, m_keyboard->path()), 0);
    QVERIFY(!transport->isDeviceLost());
    transport->start();
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialRead, 2, kWaitMs));
    QCOMPARE(transport->hidClose(), 0);
    QCoreApplication::processEvents(); // a signal still queued would be counted now
    QCOMPARE(lost, 1);
}

void tst_HidTransport::nonInterruptibleBackendStillDelivers()
{
    // hidapi cannot cut a read short: the transport then polls.
    m_backend->setReadInterruptible(false);
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    TransportSignals emitted(transport.get());
    const hidReportData report = command(HidCmd::KeyLightEffect, 3);
    QCOMPARE(transport->writeHidData(report.data(), kHidReportSize), 0);
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));
    m_keyboard->sendMouseState(0x01, 0);
    auto mouseReportRead = [&emitted] {
        for (const TransportSignals::Report &r : emitted.reports())
            if (static_cast<unsigned char>(r.bytes.at(1)) == HidCmd::MouseInput)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(mouseReportRead(), kWaitMs);
    QCOMPARE(transport->hidClose(), 0);
}

void tst_HidTransport::hidrawConnectionWaitsAndWakes()
{
    SocketPairBackend pair;
    std::unique_ptr<HidConnection> connection = pair.open(QString());
    QVERIFY(connection);
    QVERIFY(connection->canInterruptRead());
    hidReportData buffer{};
    QCOMPARE(connection->read(buffer.data(), kHidReportSize, 0), 0);

    // A waiting read ends at once when interrupted, also from another thread.
    QElapsedTimer clock;
    clock.start();
    std::thread waker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        connection->interruptRead();
    });
    QCOMPARE(connection->read(buffer.data(), kHidReportSize, 10000), 0);
    waker.join();
    QVERIFY(clock.elapsed() < 5000);
    // An interrupt before the read is not lost.
    connection->interruptRead();
    QCOMPARE(connection->read(buffer.data(), kHidReportSize, 10000), 0);

    const hidReportData input = reportOf({1, 0x04, 0, 0, 0, 8, 2, 0, 4});
    pair.send(input);
    QCOMPARE(connection->read(buffer.data(), kHidReportSize, kWaitMs), kHidReportSize);
    QCOMPARE(buffer, input);
    const hidReportData output = reportOf({1, 0x07, 0, 0, 0, 0x0E, 2});
    QCOMPARE(connection->write(output.data(), kHidReportSize), kHidReportSize);
    hidReportData received;
    QVERIFY(pair.receive(received, kWaitMs));
    QCOMPARE(received, output);

    pair.hangUp();
    QCOMPARE(connection->read(buffer.data(), kHidReportSize, kWaitMs), -1);
    QCOMPARE(connection->write(output.data(), kHidReportSize), -1);
    QVERIFY(!connection->errorText().isEmpty());
}

void tst_HidTransport::transportOverHidrawConnection()
{
    auto pair = std::make_shared<SocketPairBackend>();
    HidBackend::install(pair);
    MainHidInterFace transport(3, QStringLiteral("Quissaro"));
    TransportSignals emitted(&transport);
    QCOMPARE(transport.hidOpenPath(0, 0, QStringLiteral("/sys/devices/x/1-1:1.2")), 0);
    transport.start();
    hidReportData received;
    QVERIFY(pair->receive(received, kWaitMs));
    QCOMPARE(received, serialRequestReport());

    const hidReportData report = command(HidCmd::KeyLightEffect, 5);
    QCOMPARE(transport.writeHidData(report.data(), kHidReportSize), 0);
    QVERIFY(pair->receive(received, kWaitMs));
    QCOMPARE(received, report);

    pair->send(reportOf({1, 0x40, 0, 0, 0, 6, 1}));
    QTRY_COMPARE_WITH_TIMEOUT(emitted.reports().size(), std::size_t(1), kWaitMs);
    QCOMPARE(static_cast<unsigned char>(emitted.reports().front().bytes.at(1)), HidCmd::MouseInput);

    // Closing ends a waiting read at once.
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(transport.hidClose(), 0);
    QVERIFY(transport.isFinished());
    QVERIFY(clock.elapsed() < 5000);
}

void tst_HidTransport::builderQueuesReports()
{
    auto transport = openTransport(QStringLiteral("Quissaro"), m_keyboard);
    QVERIFY(transport);
    DDeviceHidCmdSend builder;
    builder.setHidInterFace(transport.get());

    // An empty text is replaced by a fresh serial of 32 lower-case hex digits.
    const QString fresh = builder.writeSnData(QString());
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(fresh).hasMatch());
    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SerialWrite, 1, kWaitMs));
    hidReportData expected = hidReportFrame(HidCmd::SerialWrite, 0, 0, 0x20);
    hidReportPut(expected, 6, reinterpret_cast<const unsigned char *>(fresh.toLatin1().constData()), 32);
    QCOMPARE(m_keyboard->outputReports(HidCmd::SerialWrite).last(), expected);

    const QString given = QStringLiteral("0123456789abcdef0123456789abcdef");
    QCOMPARE(builder.writeSnData(given), given);
    const unsigned char keys[8] = {0x02, 0, 0x04, 0, 0, 0, 0, 0};
    builder.writeSixKeyData(keys);
    unsigned char input[kHidReportSize] = {};
    for (int i = 0; i < kHidReportSize; ++i)
        input[i] = static_cast<unsigned char>(i);
    builder.writeFullKeyData(input, kHidReportSize);
    const unsigned char media[3] = {0x01, 0x02, 0x04};
    builder.sendMultimediaWebToolData(media);
    const unsigned char mouse[2] = {0x04, 0xFF};
    builder.writeMouseKeyData(mouse);
    builder.inquireLightMode();
    builder.inquireSideLightMode();
    builder.checkMouseLightModeList();

    QVERIFY(m_keyboard->waitForOutputCount(HidCmd::MouseLightList, 1, kWaitMs));
    const QList<hidReportData> written = withoutHandshakes(m_keyboard->outputReports());
    const int first = written.indexOf(expected) + 1;
    hidReportData serialGiven = hidReportFrame(HidCmd::SerialWrite, 0, 0, 0x20);
    hidReportPut(serialGiven, 6, reinterpret_cast<const unsigned char *>(given.toLatin1().constData()), 32);
    hidReportData fullKey = hidReportFrame(HidCmd::FullKey, 0, 0, 0x15);
    for (int i = 6; i <= 18; ++i)
        fullKey[i] = static_cast<unsigned char>(i);
    hidReportData mouseState = hidReportFrame(HidCmd::MouseState, 0, 0, 6);
    mouseState[6] = 0x04;
    mouseState[11] = 0xFF;
    const QList<hidReportData> expectedTail = {
        serialGiven,
        keyStateReport(keys),
        fullKey,
        multimediaReport(0x01, 0x02, 0x04),
        mouseState,
        hidReportFrame(HidCmd::KeyLightList),
        hidReportFrame(HidCmd::SideLightList),
        hidReportFrame(HidCmd::MouseLightList),
    };
    QCOMPARE(written.mid(first, expectedTail.size()), expectedTail);
}

void tst_HidTransport::builderOnClosedTransportQueuesNothing()
{
    MainHidInterFace transport(1, QStringLiteral("Quissaro"));
    DDeviceHidCmdSend builder;
    builder.setHidInterFace(&transport);
    const QString serial = builder.writeSnData(QStringLiteral("abc"));
    QCOMPARE(serial, QStringLiteral("abc"));
    builder.inquireLightMode();
    DDeviceHidCmdSend noTransport;
    noTransport.inquireSideLightMode();
    QCOMPARE(m_keyboard->outputReports().size(), 0);
}

QTEST_GUILESS_MAIN(tst_HidTransport)
#include "tst_hidtransport.moc"
