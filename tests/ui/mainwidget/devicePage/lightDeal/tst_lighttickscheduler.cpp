// The scheduler that paces every lighting ticker of a clock: exact ticks on
// a test clock, and the program's coalescing, where effect ticks ride on the
// 30 ms screen and send ticks so that the whole lighting wakes once per
// 30 ms.

#include "lightTickScheduler.h"
#include "manualTickClock.h"
#include "sendLightUpdataThread.h"
#include "steadyTickClock.h"
#include "updateLightMainThread.h"
#include "updateLightMainThreadUI.h"

#include <QtTest>

#include <memory>
#include <mutex>

namespace {

struct tickSeen
{
    QString ticker;
    long long atMs;
    bool sampling;
};

// Notes every tick with the clock's time as it is emitted.
class tickLog
{
public:
    explicit tickLog(manualTickClock &clock)
        : m_clock(clock)
    {
    }

    template <typename Ticker, typename Signal>
    void watch(Ticker *ticker, Signal signal, const QString &name)
    {
        QObject::connect(ticker, signal, ticker, [this, name, ticker] {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_seen.append({name, m_clock.nowMs(), ticker->isSampling()});
        }, Qt::DirectConnection);
    }

    QList<tickSeen> seen() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_seen;
    }
    QList<long long> times(const QString &name) const
    {
        QList<long long> result;
        for (const tickSeen &t : seen()) {
            if (t.ticker == name)
                result.append(t.atMs);
        }
        return result;
    }

private:
    manualTickClock &m_clock;
    mutable std::mutex m_mutex;
    QList<tickSeen> m_seen;
};

const lightTickPolicy coalescing {true, 40};

} // namespace

class tst_lightTickScheduler : public QObject
{
    Q_OBJECT

private slots:
    void exactPolicyTicksOnTime();
    void effectTicksRideOnSamplingWakes();
    void effectTicksAloneWaitAtMostTheDeferLimit();
    void stopEndsTicksAtOnce();
    void aReceiverMayStopATickerStillToEmit();
    void ticksReachAnEventLoopThroughOnePostedEvent();
    void newSpeedAppliesFromTheNextTick();
};

void tst_lightTickScheduler::exactPolicyTicksOnTime()
{
    manualTickClock clock;
    tickLog log(clock);
    updateLightMainThread key(clock);
    updateLightMainThreadUI screen(clock);
    key.setInterval(8);
    log.watch(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, "key");
    log.watch(&screen, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, "screen");
    key.startTicking();
    QVERIFY(clock.advance(3));
    screen.startTicking();
    QVERIFY(clock.advance(97));
    QCOMPARE(log.times("key"), (QList<long long> {8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96}));
    QCOMPARE(log.times("screen"), (QList<long long> {33, 63, 93}));
    key.stopTicking();
    screen.stopTicking();
}

void tst_lightTickScheduler::effectTicksRideOnSamplingWakes()
{
    manualTickClock clock(coalescing);
    tickLog log(clock);
    // A keyboard and a mouse at their fastest, started at odd moments.
    updateLightMainThread key(clock), side(clock), around(clock);
    updateLightMainThreadUI keyScreen(clock), mouseScreen(clock);
    sendLightUpdataThread keySend(clock), mouseSend(clock);
    for (updateLightMainThread *t : {&key, &side, &around})
        t->setInterval(8);
    log.watch(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, "key");
    log.watch(&side, &updateLightMainThread::sigDviceUpdateAllKeyColor, "side");
    log.watch(&around, &updateLightMainThread::sigDviceUpdateAllKeyColor, "around");
    log.watch(&keyScreen, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, "keyScreen");
    log.watch(&mouseScreen, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, "mouseScreen");
    log.watch(&keySend, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, "keySend");
    log.watch(&mouseSend, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, "mouseSend");

    key.startTicking();
    side.startTicking();
    keyScreen.startTicking();
    QVERIFY(clock.advance(5));
    keySend.startTicking();
    around.startTicking();
    QVERIFY(clock.advance(7));
    mouseScreen.startTicking();
    mouseSend.startTicking();
    const long long wakesBefore = clock.scheduler().wakeCount();
    QVERIFY(clock.advance(288)); // to 300 ms

    // One wake per 30 ms.
    QCOMPARE(clock.scheduler().wakeCount() - wakesBefore, 300 / 30);
    // The sampling ticks share the 30 ms grid.
    for (const char *name : {"keyScreen", "mouseScreen", "keySend", "mouseSend"}) {
        const QList<long long> at = log.times(name);
        QVERIFY(!at.isEmpty());
        for (long long t : at)
            QCOMPARE(t % 30, 0LL);
        QCOMPARE(at.last(), 300LL);
    }
    // Every effect tick arrives, late by less than one sampling interval.
    const QList<QPair<QString, int>> pacing = {{"key", 0}, {"side", 0}, {"around", 5}};
    for (const auto &p : pacing) {
        const QList<long long> at = log.times(p.first);
        QCOMPARE(at.size(), (300 - p.second) / 8);
        for (int k = 0; k < at.size(); ++k) {
            const long long due = p.second + 8LL * (k + 1);
            QVERIFY(at[k] >= due);
            QVERIFY(at[k] - due < 30);
        }
    }
    // At each wake the steps come before the refresh and the send.
    const QList<tickSeen> seen = log.seen();
    for (int i = 1; i < seen.size(); ++i) {
        if (seen[i].atMs == seen[i - 1].atMs)
            QVERIFY(!(seen[i - 1].sampling && !seen[i].sampling));
    }
}

void tst_lightTickScheduler::effectTicksAloneWaitAtMostTheDeferLimit()
{
    manualTickClock clock(coalescing);
    tickLog log(clock);
    updateLightMainThread key(clock);
    key.setInterval(8);
    log.watch(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, "key");
    key.startTicking();
    QVERIFY(clock.advance(200));
    const QList<long long> at = log.times("key");
    QVERIFY(at.size() >= (200 - 40) / 8);
    for (int k = 0; k < at.size(); ++k) {
        const long long due = 8LL * (k + 1);
        QVERIFY(at[k] >= due);
        QVERIFY(at[k] - due <= 40);
    }
    QVERIFY(clock.scheduler().wakeCount() <= 200 / 40 + 1);
    key.stopTicking();
}

void tst_lightTickScheduler::stopEndsTicksAtOnce()
{
    manualTickClock clock(coalescing);
    tickLog log(clock);
    auto key = std::make_unique<updateLightMainThread>(clock);
    updateLightMainThreadUI screen(clock);
    log.watch(key.get(), &updateLightMainThread::sigDviceUpdateAllKeyColor, "key");
    key->setInterval(8);
    key->startTicking();
    screen.startTicking();
    QVERIFY(clock.advance(25)); // key ticks due at 8, 16, 24 wait for 30
    QVERIFY(log.times("key").isEmpty());
    key->stopTicking();
    QVERIFY(!key->isRunning());
    QCOMPARE(clock.scheduler().activeCount(), 1);
    QVERIFY(clock.advance(60));
    QVERIFY(log.times("key").isEmpty());
    // Started again, it ticks one interval on; destroyed while running, it
    // is gone from the scheduler.
    key->startTicking(); // at 85: due 93, 101, 109, 117, shown at 120
    QVERIFY(clock.advance(35));
    QCOMPARE(log.times("key").size(), 4);
    key.reset();
    QCOMPARE(clock.scheduler().activeCount(), 1);
    QVERIFY(clock.advance(60));
    screen.stopTicking();
}

void tst_lightTickScheduler::aReceiverMayStopATickerStillToEmit()
{
    manualTickClock clock(coalescing);
    tickLog log(clock);
    updateLightMainThread key(clock);
    updateLightMainThreadUI screen(clock);
    key.setInterval(10);
    log.watch(&screen, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, "screen");
    // The first key tick of the wake stops the screen, whose tick of the
    // same wake is then never emitted.
    QObject::connect(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, &screen,
                     [&screen] { screen.stopTicking(); }, Qt::DirectConnection);
    key.startTicking();
    screen.startTicking();
    QVERIFY(clock.advance(60));
    QVERIFY(log.times("screen").isEmpty());
    QVERIFY(!screen.isRunning());
    key.stopTicking();
}

void tst_lightTickScheduler::ticksReachAnEventLoopThroughOnePostedEvent()
{
    // The program's clock: the ticks of a wake come to this thread's
    // event loop together.
    steadyTickClock clock;
    updateLightMainThread key(clock);
    updateLightMainThreadUI screen(clock);
    key.setInterval(8);
    QList<QPair<QString, qint64>> seen;
    QObject::connect(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, &key,
                     [&] { seen.append({"key", key.tickTime().count()}); });
    QObject::connect(&screen, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, &screen,
                     [&] { seen.append({"screen", screen.tickTime().count()}); });
    key.startTicking();
    screen.startTicking();
    QTRY_VERIFY_WITH_TIMEOUT(std::count_if(seen.begin(), seen.end(), [](const auto &s) { return s.first == "screen"; }) >= 3,
                             10000);
    key.stopTicking();
    screen.stopTicking();
    // Every screen tick is on the 30 ms grid, and the key ticks due before
    // it came first.
    for (int i = 0; i < seen.size(); ++i) {
        if (seen[i].first != "screen")
            continue;
        QCOMPARE(seen[i].second % 30000000, 0LL);
        for (int j = i + 1; j < seen.size(); ++j) {
            if (seen[j].first == "key")
                QVERIFY(seen[j].second > seen[i].second);
        }
    }
    QVERIFY(clock.scheduler().wakeCount() < 200);
}

void tst_lightTickScheduler::newSpeedAppliesFromTheNextTick()
{
    manualTickClock clock;
    tickLog log(clock);
    updateLightMainThread key(clock);
    log.watch(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, "key");
    key.setInterval(20);
    key.startTicking();
    QVERIFY(clock.advance(10));
    key.setInterval(8);
    QVERIFY(clock.advance(30));
    QCOMPARE(log.times("key"), (QList<long long> {20, 28, 36}));
    key.stopTicking();
}

QTEST_GUILESS_MAIN(tst_lightTickScheduler)
#include "tst_lighttickscheduler.moc"
