// Macro playback of the device link against a simulated keyboard: the
// reports of each mode, repeat counts, the stop rules, the delay floor and a
// teardown that neither waits out the delays nor leaves anything pressed.

#include "linkTestFixture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
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

} // namespace

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
