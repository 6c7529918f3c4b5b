// Macro playback of the device link against a simulated keyboard: the
// reports of each mode, repeat counts, the stop rules, the delay floor, key
// reports that end a toggle or held playback without blocking, and a
// teardown that neither waits out the delays nor leaves anything pressed.

#include "linkTestFixture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using Reports = QList<hidReportData>;

namespace {

constexpr int kLongDelay = 60000;

macroItemInfo macroEvent(int mark, int delay, const char *type, int code, const char *explain)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, QByteArray::number(mark));
    fixedTextCopy(item.delay, QByteArray::number(delay));
    fixedTextCopy(item.type, type);
    fixedTextCopy(item.keyCode, QByteArray::number(code));
    fixedTextCopy(item.codeName, "X");
    fixedTextCopy(item.operateExplain, explain);
    return item;
}

// The key and mouse reports a playback sends (the link's own relays of the
// key state are 0x04 too; tests that trigger the playback directly see none).
Reports playbackReports(const LinkFixture &f)
{
    Reports result;
    for (const hidReportData &r : f.outputs()) {
        if (r[kHidCommandByte] == HidCmd::KeyState || r[kHidCommandByte] == HidCmd::MouseState)
            result.append(r);
    }
    return result;
}

int countOf(const Reports &reports, const hidReportData &report)
{
    return int(std::count(reports.begin(), reports.end(), report));
}

bool waitIdle(const LinkFixture &f)
{
    return QTest::qWaitFor([&] { return !f.link->isMacroPlaying(); }, kLinkWaitMs);
}

// A key-state report as the keyboard sends it: 01 04 00 00 00 09, modifier,
// reserved, then the usages.
hidReportData keyboardKeyState(const QByteArray &usages)
{
    hidReportData report = reportOf({0x01, HidCmd::KeyState, 0, 0, 0, 0x09});
    for (int i = 0; i < usages.size(); ++i)
        report[kHidPayloadOffset + 2 + i] = static_cast<unsigned char>(usages.at(i));
    return report;
}

constexpr int kHangGuardMs = 3000;

// Guards a step that a fault could block in a wait on a playback no later
// report can reach: after kHangGuardMs it removes the macros from the
// profile, which ends a toggle or held loop at its next pass, and says so.
class HangGuard
{
public:
    HangGuard(LinkFixture &f, const QList<QByteArray> &macros)
        : m_thread([this, &f, macros] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (m_wake.wait_for(lock, std::chrono::milliseconds(kHangGuardMs), [this] { return m_finished; }))
                  return;
              for (const QByteArray &macro : macros)
                  f.xml.deleteBindMacro(f.profilePath, "1", macro);
              m_rescued = true;
          })
    {
    }
    ~HangGuard() { finish(); }

    // The step has returned; true when it only did because the guard ended
    // the playback.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_rescued;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_finished = false;
    bool m_rescued = false;
    std::thread m_thread; // last: it starts once the rest is built
};

} // namespace

using Usages = QList<QByteArray>;

class tst_MacroPlayback : public QObject
{
    Q_OBJECT

private slots:
    void onceInOrder();
    void boundKeyPlaysOnce();
    void countedPasses_data();
    void countedPasses();
    void secondPressWhileOnceRunsIgnored();
    void toggleStartsAndStops();
    void heldStopsOnReleaseDuringDelay();
    void heldPressStopsToggle();
    void toggleWaitsForCountedPlayback();
    void heldPressAwaitsCountedPlaybackWithoutBlocking();
    void keyReportsNeverBlock_data();
    void keyReportsNeverBlock();
    void missingOrEmptyMacroPlaysNothing();
    void emptyMacroEndsItsLoop();
    void shortDelaysTakeTheFloor();
    void teardownCutsDelaysAndReleases();

private:
    void bindMacro(LinkFixture &f, const QList<macroItemInfo> &events, const QByteArray &index = "1");
};

void tst_MacroPlayback::bindMacro(LinkFixture &f, const QList<macroItemInfo> &events, const QByteArray &index)
{
    QVERIFY(f.xml.addBindMacro(f.profilePath, "1", events, index, "M"));
}

void tst_MacroPlayback::onceInOrder()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 0, "key", 5, "up"), macroEvent(2, 0, "mouse", 516, "down"),
                  macroEvent(3, 0, "mouse", 522, "down"), macroEvent(2, 0, "mouse", 517, "up"),
                  macroEvent(4, 0, "mouse", 513, "down"), macroEvent(4, 0, "mouse", 514, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(1, 0, 1, true);
    QVERIFY(waitIdle(f));
    QTRY_COMPARE_WITH_TIMEOUT(playbackReports(f),
             (Reports{keyReport(0, {5}), keyReport(0), mouseStateReport(0x02, 0), mouseStateReport(0x02, 0),
                      mouseStateReport(0, 0), mouseStateReport(0x01, 0), mouseStateReport(0, 0)}), kLinkWaitMs);
}

void tst_MacroPlayback::boundKeyPlaysOnce()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 0, "key", 5, "up")});
    f.bind(4, "1", "1", "1", "0");
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {4});
    QVERIFY(f.waitOutputs(3));
    QVERIFY(waitIdle(f));
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(4));
    const Reports reports = playbackReports(f);
    // The bound key itself never reaches the keyboard.
    QCOMPARE(countOf(reports, keyReport(0, {4})), 0);
    QCOMPARE(countOf(reports, keyReport(0, {5})), 1);
    QCOMPARE(reports.size(), 4);
}

void tst_MacroPlayback::countedPasses_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("three") << 3;
    QTest::newRow("none") << 0;
}

void tst_MacroPlayback::countedPasses()
{
    QFETCH(int, count);
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 0, "key", 5, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(2, count, 1, true);
    QVERIFY(waitIdle(f));
    Reports expected;
    for (int i = 0; i < count; ++i)
        expected << keyReport(0, {5}) << keyReport(0);
    QTRY_COMPARE_WITH_TIMEOUT(playbackReports(f), expected, kLinkWaitMs);
}

void tst_MacroPlayback::secondPressWhileOnceRunsIgnored()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 150, "key", 5, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(1, 0, 1, true);
    f.link->triggerMacro(1, 0, 1, false);
    f.link->triggerMacro(1, 0, 1, true);
    f.link->triggerMacro(2, 5, 1, true);
    QVERIFY(waitIdle(f));
    QTRY_COMPARE_WITH_TIMEOUT(playbackReports(f).size(), 2, kLinkWaitMs);
    QTest::qWait(50);
    QCOMPARE(playbackReports(f), (Reports{keyReport(0, {5}), keyReport(0)}));
}

void tst_MacroPlayback::toggleStartsAndStops()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(2, 0, "mouse", 513, "down"), macroEvent(1, 20, "key", 5, "up"),
                  macroEvent(2, 20, "mouse", 514, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(3, 0, 1, true);
    QVERIFY(QTest::qWaitFor([&] { return playbackReports(f).size() >= 9; }, kLinkWaitMs)); // into a second pass
    f.link->triggerMacro(3, 0, 1, false); // a release does nothing
    QVERIFY(f.link->isMacroPlaying());
    f.link->triggerMacro(3, 0, 1, true); // the second press ends it ...
    QVERIFY(!f.link->isMacroPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(f.device->outputReports(HidCmd::KeyState).last(), keyReport(0), kLinkWaitMs);
    QTest::qWait(50);
    const int reportsAtStop = playbackReports(f).size();
    QTest::qWait(100);
    const Reports reports = playbackReports(f);
    QCOMPARE(reports.size(), reportsAtStop); // ... and starts nothing
    Reports keys, mouse;
    for (const hidReportData &r : reports)
        (r[kHidCommandByte] == HidCmd::KeyState ? keys : mouse).append(r);
    QCOMPARE(keys.last(), keyReport(0));
    QCOMPARE(mouse.last(), mouseStateReport(0, 0));
    QCOMPARE(f.link->getOutgoingKeyState(), outgoingKeyState::Bytes{});
}

void tst_MacroPlayback::heldStopsOnReleaseDuringDelay()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, kLongDelay, "key", 5, "up"),
                  macroEvent(2, kLongDelay, "key", 6, "down"), macroEvent(2, 0, "key", 6, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(4, 0, 1, true);
    QVERIFY(QTest::qWaitFor([&] { return playbackReports(f).size() >= 1; }, kLinkWaitMs));
    QElapsedTimer timer;
    timer.start();
    f.link->triggerMacro(4, 0, 1, false); // during the long delay of "5 up"
    QVERIFY2(timer.elapsed() < kLongDelay / 10, "the release waited for the delay");
    QVERIFY(!f.link->isMacroPlaying());
    // The event whose delay was cut is played, then an empty state; the next
    // event never is.
    QTRY_COMPARE_WITH_TIMEOUT(playbackReports(f), (Reports{keyReport(0, {5}), keyReport(0), keyReport(0)}),
                              kLinkWaitMs);
    QTest::qWait(50);
    QCOMPARE(playbackReports(f).size(), 3);
}

void tst_MacroPlayback::heldPressStopsToggle()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, kLongDelay, "key", 5, "up")});
    bindMacro(f, {macroEvent(1, 0, "key", 6, "down"), macroEvent(1, kLongDelay, "key", 6, "up")}, "2");
    QVERIFY(f.openClean());
    f.link->triggerMacro(3, 0, 1, true);
    QVERIFY(QTest::qWaitFor([&] { return playbackReports(f).size() >= 1; }, kLinkWaitMs));
    f.link->triggerMacro(4, 0, 2, true);
    QVERIFY(QTest::qWaitFor([&] { return countOf(playbackReports(f), keyReport(0, {6})) == 1; }, kLinkWaitMs));
    QVERIFY(f.link->isMacroPlaying());
    f.link->triggerMacro(4, 0, 2, false);
    QVERIFY(!f.link->isMacroPlaying());
    QCOMPARE(f.link->getOutgoingKeyState(), outgoingKeyState::Bytes{});
    QCOMPARE(countOf(playbackReports(f), keyReport(0, {5, 6})), 0); // never both
}

void tst_MacroPlayback::toggleWaitsForCountedPlayback()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 30, "key", 5, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(2, 2, 1, true);
    QVERIFY(QTest::qWaitFor([&] { return playbackReports(f).size() >= 1; }, kLinkWaitMs));
    // A toggle press ends a running playback, but a counted one finishes
    // first: its release events are not cut short.
    f.link->triggerMacro(3, 0, 1, true);
    QVERIFY(!f.link->isMacroPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(playbackReports(f),
                              (Reports{keyReport(0, {5}), keyReport(0), keyReport(0, {5}), keyReport(0)}), kLinkWaitMs);
}

void tst_MacroPlayback::heldPressAwaitsCountedPlaybackWithoutBlocking()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 150, "key", 5, "up")});
    bindMacro(f, {macroEvent(2, 0, "key", 6, "down"), macroEvent(2, kLongDelay, "key", 6, "up")}, "2");
    QVERIFY(f.openClean());
    f.link->triggerMacro(2, 2, 1, true);
    QVERIFY(QTest::qWaitFor([&] { return playbackReports(f).size() >= 1; }, kLinkWaitMs));

    // The held press takes effect once the counted playback has ended; until
    // then the GUI thread goes on serving its events.
    bool served = false;
    bool servedWhileWaiting = false;
    QTimer::singleShot(0, [&] {
        served = true;
        servedWhileWaiting = f.link->isWaitingForPlaybackEnd();
    });
    f.link->triggerMacro(4, 0, 2, true);
    QVERIFY(f.link->isWaitingForPlaybackEnd());
    f.link->triggerMacro(4, 0, 2, false); // held back behind the press
    QTRY_VERIFY_WITH_TIMEOUT(served, kLinkWaitMs);
    QVERIFY(servedWhileWaiting);

    QTRY_VERIFY_WITH_TIMEOUT(!f.link->isWaitingForPlaybackEnd(), kLinkWaitMs);
    QVERIFY(waitIdle(f));
    // Both counted passes ran whole, the held playback never overlapped them,
    // and the release ended it.
    QTRY_COMPARE_WITH_TIMEOUT(f.device->outputReports(HidCmd::KeyState).last(), keyReport(0), kLinkWaitMs);
    const Reports reports = playbackReports(f);
    QCOMPARE(countOf(reports, keyReport(0, {5})), 2);
    QCOMPARE(countOf(reports, keyReport(0, {5, 6})), 0);
    QCOMPARE(f.link->getOutgoingKeyState(), outgoingKeyState::Bytes{});
}

void tst_MacroPlayback::keyReportsNeverBlock_data()
{
    // Key 4 plays macro 1 (typing usage 0x1E) while held; key 5 plays macro 2
    // (0x1F) in its mode. Each report is followed by the usage that plays
    // after it (0 for none).
    QTest::addColumn<int>("key5Mode");
    QTest::addColumn<Usages>("reports");
    QTest::addColumn<QList<int>>("playing");
    QTest::newRow("toggle pressed during a held playback ends it")
        << 3 << Usages{"\x04", "\x04\x05", "\x04", ""} << QList<int>{0x1E, 0, 0, 0};
    QTest::newRow("held key pressed during a held playback takes over")
        << 4 << Usages{"\x04", "\x04\x05", ""} << QList<int>{0x1E, 0x1F, 0};
    QTest::newRow("held key twice in one report")
        << 4 << Usages{"\x04\x04", "\x04", ""} << QList<int>{0x1E, 0x1E, 0};
    QTest::newRow("held key released while a later toggle runs")
        << 3 << Usages{"\x04", "\x04\x05", "\x04", "\x04\x05", "\x05", "", "\x05"}
        << QList<int>{0x1E, 0, 0, 0x1F, 0x1F, 0x1F, 0};
}

void tst_MacroPlayback::keyReportsNeverBlock()
{
    QFETCH(int, key5Mode);
    QFETCH(Usages, reports);
    QFETCH(QList<int>, playing);
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 0x1E, "down"), macroEvent(1, 20, "key", 0x1E, "up")});
    bindMacro(f, {macroEvent(1, 0, "key", 0x1F, "down"), macroEvent(1, 20, "key", 0x1F, "up")}, "2");
    f.bind(4, "1", "1", "4");
    f.bind(5, "1", "2", QByteArray::number(key5Mode));
    QVERIFY(f.openClean());

    // Counts the key reports the link has handled: this queued call runs
    // after the link's own, which was connected first.
    int handled = 0;
    QObject context;
    QObject::connect(
        f.link->getHidInterface(), &MainHidInterFace::sigHidDataArrived, &context,
        [&](const QByteArray &report) {
            if (report.at(kHidCommandByte) == HidCmd::KeyState)
                ++handled;
        },
        Qt::QueuedConnection);
    const auto typed = [&](int usage) { return countOf(playbackReports(f), keyReport(0, {usage})); };

    for (int step = 0; step < reports.size(); ++step) {
        const QByteArray where = "report " + QByteArray::number(step + 1);
        HangGuard guard(f, {"1", "2"});
        f.device->sendInput(keyboardKeyState(reports.at(step)));
        QVERIFY2(QTest::qWaitFor([&] { return handled == step + 1; }, kHangGuardMs + kLinkWaitMs), where);
        QVERIFY2(!guard.finish(), where + ": the GUI thread waited on a playback only a later report could end");

        const int usage = playing.at(step);
        if (usage) {
            // That macro goes on typing, and only that one.
            const int other = usage == 0x1E ? 0x1F : 0x1E;
            const int before = typed(usage);
            QVERIFY2(QTest::qWaitFor([&] { return typed(usage) >= before + 2; }, kLinkWaitMs), where);
            const int otherBefore = typed(other);
            const int now = typed(usage);
            QVERIFY2(QTest::qWaitFor([&] { return typed(usage) >= now + 2; }, kLinkWaitMs), where);
            QVERIFY2(typed(other) == otherBefore, where);
        } else {
            QVERIFY2(!f.link->isMacroPlaying(), where);
            QTest::qWait(50); // what the stopped playback sent reaches the device
            const int first = typed(0x1E);
            const int second = typed(0x1F);
            QTest::qWait(100);
            QVERIFY2(typed(0x1E) == first && typed(0x1F) == second, where);
        }
    }
}

void tst_MacroPlayback::missingOrEmptyMacroPlaysNothing()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {}, "3");
    QVERIFY(f.openClean());
    for (int index : {99, 3}) {
        f.link->triggerMacro(1, 0, index, true);
        QVERIFY(waitIdle(f));
        // A toggle on an empty macro ends its loop at once instead of spinning.
        f.link->triggerMacro(3, 0, index, true);
        QTest::qWait(30);
        f.link->triggerMacro(3, 0, index, true);
        QVERIFY(!f.link->isMacroPlaying());
    }
    QCOMPARE(playbackReports(f), Reports{});
}

void tst_MacroPlayback::emptyMacroEndsItsLoop()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {}, "3");
    QVERIFY(f.openClean());
    f.link->triggerMacro(3, 0, 3, true);
    QVERIFY(f.link->isMacroPlaying());
    // While the toggle runs, its loop on an empty macro returns at once
    // instead of reading the profile over and over until the next press.
    std::atomic<bool> returned{false};
    std::thread loop([&] {
        f.link->playMacro(3, 0, 3);
        returned = true;
    });
    const bool returnedAtOnce = QTest::qWaitFor([&] { return returned.load(); }, kLinkWaitMs);
    f.link->triggerMacro(3, 0, 3, true); // ends the toggle either way
    loop.join();
    QVERIFY(returnedAtOnce);
    QVERIFY(!f.link->isMacroPlaying());
}

void tst_MacroPlayback::shortDelaysTakeTheFloor()
{
    LinkFixture f(testKeyboard());
    // 10 ms for delays of 5 ms or less, the delay itself above.
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(1, 5, "key", 5, "up"), macroEvent(2, 6, "key", 6, "down"),
                  macroEvent(2, -3, "key", 6, "up")});
    QVERIFY(f.openClean());
    QElapsedTimer timer;
    timer.start();
    f.link->triggerMacro(1, 0, 1, true);
    QVERIFY(waitIdle(f));
    QVERIFY2(timer.elapsed() >= 36, qPrintable(QString::number(timer.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(playbackReports(f).size(), 4, kLinkWaitMs);
}

void tst_MacroPlayback::teardownCutsDelaysAndReleases()
{
    LinkFixture f(testKeyboard());
    bindMacro(f, {macroEvent(1, 0, "key", 5, "down"), macroEvent(2, 0, "mouse", 513, "down"),
                  macroEvent(3, kLongDelay, "key", 6, "down"), macroEvent(3, kLongDelay, "key", 6, "up")});
    QVERIFY(f.openClean());
    f.link->triggerMacro(2, 5, 1, true);
    QVERIFY(QTest::qWaitFor([&] { return playbackReports(f).size() >= 2; }, kLinkWaitMs));
    QElapsedTimer timer;
    timer.start();
    f.link.reset();
    const qint64 elapsed = timer.elapsed();
    qInfo("teardown with a playback in a %d ms delay: %lld ms", kLongDelay, elapsed);
    QVERIFY2(elapsed < kLongDelay / 10, "the teardown waited for the delay");
    QCOMPARE(f.device->openConnectionCount(), 0);
    // Everything the playback pressed was let go before the device closed.
    const Reports keys = f.device->outputReports(HidCmd::KeyState);
    const Reports mouse = f.device->outputReports(HidCmd::MouseState);
    QCOMPARE(keys.last(), keyReport(0));
    QCOMPARE(mouse.last(), mouseStateReport(0, 0));
}

QTEST_MAIN(tst_MacroPlayback)
#include "tst_macroplayback.moc"
