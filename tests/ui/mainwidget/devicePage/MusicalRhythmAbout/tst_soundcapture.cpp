// The loopback capture against a real sound server of the test's own
// (pulseaudio with a null sink), and its failures: no server, no sink, a
// server that dies or stops answering.

#include "DDataManager.h"
#include "DSoundCardAudioCapture.h"
#include "musicBandLayout.h"
#include "pcmSignals.h"
#include "privatePulseServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int analysisBytes = 16384;
constexpr double toneFrequency = 44100.0 * 32 / 4096; // bin 32, band 3
// A null sink's monitor may take about 2 s before its first data.
constexpr int firstDataDeadlineMs = 8000;

bool isSilent(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (c != 0)
            return false;
    }
    return true;
}

// Gathers the capture's packets on the GUI thread.
struct packetCollector
{
    QByteArray audible; // from the first packet with sound on
    int packets = 0;

    explicit packetCollector(DSoundCardAudioCapture &capture)
    {
        QObject::connect(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, &capture,
                         [this](const QByteArray &data) {
                             ++packets;
                             if (!audible.isEmpty() || !isSilent(data))
                                 audible.append(data);
                         });
    }

    bool waitFor(const std::function<bool()> &done, int ms = firstDataDeadlineMs)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done()) {
            if (waited.elapsed() > ms)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return true;
    }
};

QString todaysLog()
{
    const QDir folder(DDataManager::instance()->getLogCollectDir());
    QString all;
    for (const QString &name : folder.entryList({QStringLiteral("*Log.txt")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += QString::fromUtf8(file.readAll());
    }
    return all;
}

} // namespace

class tst_soundCapture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void toneLightsItsBand_data();
    void toneLightsItsBand();
    void serverLostMidCapture();
    void stopWhileServerSilent();
    void noServer();
    void silentServerTimesOut();
    void noDefaultSink();

private:
    // Starts a private server or skips the test.
    bool startServer(privatePulseServer &server, int sinkRate);
};

void tst_soundCapture::init()
{
    qunsetenv("PULSE_SERVER");
}

bool tst_soundCapture::startServer(privatePulseServer &server, int sinkRate)
{
    QString why;
    if (!server.start(sinkRate, &why)) {
        qWarning("%s", qPrintable(why));
        return false;
    }
    server.pointClientsHere();
    return true;
}

#define START_SERVER_OR_SKIP(server, rate)                                                      \
    if (!startServer(server, rate))                                                             \
        QSKIP("pulseaudio cannot start here, so the real sound server is not tested");

void tst_soundCapture::toneLightsItsBand_data()
{
    QTest::addColumn<int>("sinkRate");
    QTest::newRow("44100 Hz sink") << 44100;
    QTest::newRow("48000 Hz sink") << 48000;
}

void tst_soundCapture::toneLightsItsBand()
{
    QFETCH(int, sinkRate);
    privatePulseServer server;
    START_SERVER_OR_SKIP(server, sinkRate);

    DSoundCardAudioCapture capture;
    packetCollector collected(capture);
    QCOMPARE(capture.start(), 0);
    QVERIFY(capture.isRunning());

    pulseTonePlayer tone;
    QString why;
    QVERIFY2(tone.start(toneFrequency, 0.5, &why), qPrintable(why));

    // Well past the onset, so the window holds the steady tone only.
    QVERIFY2(collected.waitFor([&] { return collected.audible.size() >= 3 * analysisBytes; }),
             qPrintable(QStringLiteral("%1 packets, %2 audible bytes").arg(collected.packets)
                            .arg(collected.audible.size())));
    QCOMPARE(capture.stop(), 0);
    QVERIFY(!capture.isRunning());

    const FrequencySpectrum spectrum = pcmSignals::analysed(collected.audible.right(analysisBytes));
    musicBandLayout bands;
    bands.init(104, 11, 30.0, 930.0);
    bands.fold(spectrum);
    QCOMPARE(bands.bandLevel(3), 5);
    for (int band : {0, 1, 5, 6, 7, 8, 9, 10})
        QVERIFY2(bands.bandLevel(band) == 0,
                 qPrintable(QStringLiteral("band %1 at %2").arg(band).arg(bands.bandValues()[band].value)));
}

void tst_soundCapture::serverLostMidCapture()
{
    privatePulseServer server;
    START_SERVER_OR_SKIP(server, 44100);

    DSoundCardAudioCapture capture;
    packetCollector collected(capture);
    QCOMPARE(capture.start(), 0);
    QVERIFY(collected.waitFor([&] { return collected.packets > 0; }));

    // The packets just stop; the capture stays on until it is stopped.
    server.kill();
    collected.waitFor([] { return false; }, 200);
    const int afterLoss = collected.packets;
    collected.waitFor([] { return false; }, 200);
    QCOMPARE(collected.packets, afterLoss);
    QVERIFY(capture.isRunning());
    QCOMPARE(capture.stop(), 0);
    QVERIFY(!capture.isRunning());

    // A server that comes back is captured again.
    START_SERVER_OR_SKIP(server, 44100);
    QCOMPARE(capture.start(), 0);
    const int before = collected.packets;
    QVERIFY(collected.waitFor([&] { return collected.packets > before; }));
    QCOMPARE(capture.stop(), 0);
}

// Stop never waits for the server, also while it answers nothing at all.
void tst_soundCapture::stopWhileServerSilent()
{
    privatePulseServer server;
    START_SERVER_OR_SKIP(server, 44100);

    DSoundCardAudioCapture capture;
    QCOMPARE(capture.start(), 0);
    server.pause();
    QCOMPARE(capture.stop(), 0);
    QVERIFY(!capture.isRunning());
    server.resume();
}

void tst_soundCapture::noServer()
{
    QTemporaryDir nowhere;
    qputenv("PULSE_SERVER", ("unix:" + nowhere.filePath(QStringLiteral("no-socket"))).toLocal8Bit());
    DSoundCardAudioCapture capture;
    QCOMPARE(capture.start(), -1);
    QVERIFY(!capture.isRunning());
    QVERIFY(!capture.lastError().isEmpty());
    QVERIFY2(todaysLog().contains(QStringLiteral("sound capture failed: ") + capture.lastError()),
             qPrintable(capture.lastError()));
    // Nothing is held: stop and a second try behave.
    QCOMPARE(capture.stop(), 0);
    QCOMPARE(capture.start(), -1);
}

// Nothing connects before start; a server that accepts and then says
// nothing ends the start after the bounded wait.
void tst_soundCapture::silentServerTimesOut()
{
    QTemporaryDir folder;
    QLocalServer mute;
    QVERIFY(mute.listen(folder.filePath(QStringLiteral("native"))));
    qputenv("PULSE_SERVER", ("unix:" + mute.fullServerName()).toLocal8Bit());

    DSoundCardAudioCapture capture;
    QVERIFY(!mute.waitForNewConnection(50));
    QCOMPARE(capture.start(), -1);
    QVERIFY(mute.waitForNewConnection(1000));
    QVERIFY(!capture.isRunning());
    QVERIFY2(capture.lastError().contains(QStringLiteral("Timeout")), qPrintable(capture.lastError()));
}

void tst_soundCapture::noDefaultSink()
{
    privatePulseServer server;
    START_SERVER_OR_SKIP(server, 0);

    DSoundCardAudioCapture capture;
    QCOMPARE(capture.start(), -1);
    QVERIFY(!capture.isRunning());
    QVERIFY2(capture.lastError().contains(QStringLiteral("no default sink")), qPrintable(capture.lastError()));
}

QTEST_MAIN(tst_soundCapture)
#include "tst_soundcapture.moc"
