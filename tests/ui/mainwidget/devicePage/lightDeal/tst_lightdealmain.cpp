// The keyboard lighting engine: settings, tick threads on a hand-moved
// clock, the screen refresh onto key buttons, and frames and light
// synchronisation on a simulated keyboard.

#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyboardButCustom.h"
#include "lightDealMain.h"
#include "lightTickScheduler.h"
#include "lightingReports.h"
#include "manualTickClock.h"
#include "sendLightUpdataThread.h"
#include "sideLightButtonCustom.h"
#include "updateLightMainThread.h"
#include "updateLightMainThreadSide.h"
#include "updateLightMainThreadUI.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QColor)

namespace {

constexpr int rows = lightDealMain::keyRows;
constexpr int columns = lightDealMain::keyColumns;
constexpr int cells = lightDealMain::keyCells;
constexpr int waitMs = 10000;

// The buttons of a keyboard view: a key button per cell unless told to
// leave gaps, and a side strip.
struct keyboardView
{
    QWidget parent;
    keyboardButCustom *grid[rows][columns] = {};
    QList<sideLightButtonCustom *> side;

    explicit keyboardView(int sideLeds = 0, bool gaps = false)
    {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (gaps && (r * columns + c) % 5 == 4)
                    continue;
                grid[r][c] = new keyboardButCustom(&parent);
                grid[r][c]->setCell(r, c);
            }
        }
        for (int n = 0; n < sideLeds; ++n)
            side.append(new sideLightButtonCustom(&parent));
    }

    QColor key(int r, int c) const { return grid[r][c]->getKeyColor(); }
};

// An engine on a hand-moved clock, its key buttons given by a keyboard view.
struct engineFixture
{
    manualTickClock clock;
    keyboardView view;
    lightDealMain engine {nullptr, &clock};

    explicit engineFixture(int sideLeds = 0, bool gaps = false)
        : view(sideLeds, gaps)
    {
        engine.setKeyButtons(view.grid);
    }

    // The model's frames go to a transport, side lights included.
    void streamTo(const QString &model, MainHidInterFace *transport)
    {
        engine.setDeviceName(model);
        engine.setSideLightWidgets(view.side);
        engine.setHidInterface(transport);
    }
};

colorInfoData lightConfig(int type, const QColor &user = QColor(0, 0, 0), int direction = 0,
                          bool fullColor = false, int speed = 2, int brightness = 4)
{
    colorInfoData info {};
    info.ledType = type;
    info.ledBrightness = brightness;
    info.ledSpeed = speed;
    info.ledModeR = user.red();
    info.ledModeG = user.green();
    info.ledModeB = user.blue();
    info.ledDirection = direction;
    info.ledModeType = fullColor ? 1 : 0;
    return info;
}

// A colour of its own for every cell, so packet bytes show their cell.
QColor cellColour(int r, int c)
{
    return QColor(r * 40 + c, c * 11, 200 - r * 30);
}

void processTicks()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A simulated keyboard of a model, opened through its own transport with
// light streaming on.
struct simulatedKeyboard
{
    std::shared_ptr<SimulatedHidBackend> backend = std::make_shared<SimulatedHidBackend>();
    std::shared_ptr<SimulatedDevice> device;
    std::unique_ptr<MainHidInterFace> transport;

    explicit simulatedKeyboard(const QString &model)
    {
        HidBackend::install(backend);
        device = backend->addDevice(SimulatedDeviceConfig::keyboard(model));
        transport = std::make_unique<MainHidInterFace>(0, model);
        const SimulatedDeviceConfig config = device->config();
        if (transport->hidOpenPath(config.vendorId, config.productId, device->path()) != 0)
            return;
        transport->setFrameMode(0);
        transport->start();
        transport->setLightStreaming(true);
    }

    ~simulatedKeyboard()
    {
        transport->hidClose();
        transport.reset();
        HidBackend::install(nullptr);
    }

    QList<hidReportData> frames() const { return device->outputReports(HidCmd::ColorFrame); }
    QList<hidReportData> syncReports() const { return device->outputReports(HidCmd::LightSynchronize); }
    bool waitForFramePackets(int count) const
    {
        return device->waitForOutputCount(HidCmd::ColorFrame, count, waitMs);
    }
};

} // namespace

class tst_lightDealMain : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void deviceSetters();
    void effectTickIntervalsAreClamped();
    void setKeyLightConfigBlanksTheKeys_data();
    void setKeyLightConfigBlanksTheKeys();
    void customPathTakesTheKeyColours();
    void ledType20SwitchesTheBands();
    void updateKeyLightConfigOnlyRetimes();
    void screenTickPaintsWhileAllowed();
    void sideZoneSetUpAndRefresh();
    void ticksFollowTheClock();
    void restartDoesNotLeakOrDoubleTick();
    void restartOnTheRealClockKeepsTicking();
    void triggerAndClear();
    void engineStopsItsThreadsWhenDestroyed();

    void sideStripLedCounts_data();
    void sideStripLedCounts();
    void framesOnTheSimulatedKeyboard_data();
    void framesOnTheSimulatedKeyboard();
    void noTransportNoPackets();
    void lightSynchronizeReports();
    void streamingEndToEnd();
};

void tst_lightDealMain::initialState()
{
    manualTickClock clock;
    lightDealMain engine(nullptr, &clock);
    QCOMPARE(engine.keyEffectId(), -1);
    QCOMPARE(engine.sideEffectId(), -1);
    QCOMPARE(engine.keyCount(), 104);
    QCOMPARE(engine.cellCount(), 131);
    QCOMPARE(engine.triggerRow(), -10);
    QCOMPARE(engine.triggerColumn(), -10);
    QCOMPARE(engine.keyTickInterval(), 15);
    QCOMPARE(engine.sideTickInterval(), 15);
    QVERIFY(!engine.isKeyEffectRunning());
    QVERIFY(!engine.isLightSynchronize());
    QVERIFY(engine.isBandLightingOn());
    QVERIFY(!engine.keyColors()[0].isValid());
    for (const QColor &side : engine.sideColors())
        QCOMPARE(side, QColor(0, 0, 0, 0));
    QCOMPARE(engine.syncTimer()->parent(), &engine);
    // Nothing starts until the first key setting.
    QCOMPARE(clock.scheduler().activeCount(), 0);
    QVERIFY(!engine.keyTickThread()->isRunning());
}

void tst_lightDealMain::deviceSetters()
{
    manualTickClock clock;
    lightDealMain engine(nullptr, &clock);
    engine.setDeviceName(QStringLiteral("Rulvarro"));
    QCOMPARE(engine.deviceName(), QStringLiteral("Rulvarro"));
    engine.setKeyCount(61);
    QCOMPARE(engine.cellCount(), 74);
    engine.setKeyCount(70);
    QCOMPARE(engine.keyCount(), 70);
    QCOMPARE(engine.cellCount(), 74);
    engine.setKeyCount(108);
    QCOMPARE(engine.cellCount(), 131);
    engine.setChipName(QStringLiteral("m252a"));
    QVERIFY(engine.isM252Chip());
    engine.setChipName(QStringLiteral("NUC121"));
    QVERIFY(!engine.isM252Chip());
}

void tst_lightDealMain::effectTickIntervalsAreClamped()
{
    manualTickClock clock;
    updateLightMainThread keyTick(clock);
    updateLightMainThreadSide sideTick(clock);
    QCOMPARE(keyTick.interval(), 15);
    keyTick.setInterval(5);
    QCOMPARE(keyTick.interval(), 8);
    keyTick.setInterval(40);
    QCOMPARE(keyTick.interval(), 28);
    sideTick.setInterval(-1);
    QCOMPARE(sideTick.interval(), 8);
    updateLightMainThreadUI screen(clock);
    sendLightUpdataThread send(clock);
    QCOMPARE(screen.interval(), 30);
    QCOMPARE(send.interval(), 30);
}

void tst_lightDealMain::setKeyLightConfigBlanksTheKeys_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QColor>("button");
    QTest::addColumn<QColor>("frame");
    const QColor user(30, 60, 90);
    const QColor old(1, 2, 3, 44);
    QTest::newRow("static shows its set-up") << 0 << QColor(30, 60, 90, 0) << QColor(30, 60, 90, 255);
    QTest::newRow("no set-up keeps the blank") << 13 << QColor(0, 0, 0, 250) << QColor(0, 0, 0, 250);
    QTest::newRow("reactive shows its background") << 6 << QColor(0, 0, 0, 0) << QColor(0, 0, 0, 255);
    QTest::newRow("custom keeps the keys") << 10 << old << QColor();
}

void tst_lightDealMain::setKeyLightConfigBlanksTheKeys()
{
    QFETCH(int, type);
    QFETCH(QColor, button);
    QFETCH(QColor, frame);
    engineFixture f(0, true);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (f.view.grid[r][c])
                f.view.grid[r][c]->setKeyColor(QColor(1, 2, 3, 44));
        }
    }
    f.engine.setKeyLightConfig(lightConfig(type, QColor(30, 60, 90)));
    QCOMPARE(f.engine.keyEffectId(), type);
    QVERIFY(f.engine.isKeyEffectRunning());
    QCOMPARE(f.view.key(0, 0), button);
    QCOMPARE(f.view.key(5, 21), button);
    QCOMPARE(f.engine.keyColors()[3 * columns + 3], frame);
    f.engine.stopAllThreads();
}

void tst_lightDealMain::customPathTakesTheKeyColours()
{
    engineFixture f;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            f.view.grid[r][c]->setKeyColor(cellColour(r, c));
    }
    f.engine.setKeyLightConfig(lightConfig(10));
    QCOMPARE(f.engine.keyEffectId(), 10);
    QCOMPARE(f.engine.keyEffects().record(2, 7).red, cellColour(2, 7).red());
    QCOMPARE(f.engine.keyEffects().record(2, 7).level, 255);
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyColors()[2 * columns + 7],
             QColor(cellColour(2, 7).red(), cellColour(2, 7).green(), cellColour(2, 7).blue(), 180));

    // The custom-light page hands over the keys it changed.
    f.view.grid[4][1]->setKeyColor(QColor(0, 0, 255, 128));
    f.view.grid[0][3]->setKeyColor(QColor(9, 9, 9));
    keyboardButCustom stray;
    stray.setCell(9, 40); // outside the grid: ignored
    stray.setKeyColor(QColor(255, 255, 255));
    f.engine.setCustomKeyColors({f.view.grid[4][1], nullptr, &stray});
    QCOMPARE(f.engine.keyEffectId(), 10);
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyColors()[4 * columns + 1], QColor(0, 0, 255, 180));
    QCOMPARE(f.engine.keyColors()[0 * columns + 3].red(), cellColour(0, 3).red());

    // applyCustomLight takes every key's colour again.
    f.engine.applyCustomLight();
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyColors()[0 * columns + 3], QColor(9, 9, 9, 180));
    f.engine.stopAllThreads();
}

void tst_lightDealMain::ledType20SwitchesTheBands()
{
    engineFixture f;
    f.engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    f.engine.setKeyLightConfig(lightConfig(20, QColor(9, 9, 9), 3));
    QCOMPARE(f.engine.keyTickInterval(), 10);
    QVERIFY(!f.engine.isBandLightingOn());
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyColors()[40], QColor(0, 0, 0, 250));
    f.engine.setKeyLightConfig(lightConfig(20, QColor(9, 9, 9), 0));
    QVERIFY(!f.engine.isBandLightingOn());
    f.engine.updateKeyLightConfig(lightConfig(20, QColor(9, 9, 9), 2, false, 0));
    QVERIFY(f.engine.isBandLightingOn());
    QCOMPARE(f.engine.keyTickInterval(), 10);
    // Another type takes the speed rule again.
    f.engine.setKeyLightConfig(lightConfig(0, QColor(9, 9, 9), 3, false, 0));
    QCOMPARE(f.engine.keyTickInterval(), 28);
    QVERIFY(f.engine.isBandLightingOn());
    f.engine.stopAllThreads();
}

void tst_lightDealMain::updateKeyLightConfigOnlyRetimes()
{
    engineFixture f;
    f.engine.setSpeedAndBrightnessMax(9, 9, 3, 9);
    f.engine.setKeyLightConfig(lightConfig(3, QColor(0, 255, 0), 0, false, 2, 9));
    QCOMPARE(f.engine.keyTickInterval(), 24);
    f.engine.onDviceUpdateAllKeyColor();
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyEffects().record(1, 1).level, 2);
    const QColor shown = f.view.key(1, 1);

    f.engine.updateKeyLightConfig(lightConfig(3, QColor(0, 255, 0), 0, false, 9, 0));
    QCOMPARE(f.engine.keyTickInterval(), 8);
    QCOMPARE(f.view.key(1, 1), shown);          // no blanking
    QCOMPARE(f.engine.keyEffects().record(1, 1).level, 2); // no new set-up
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyColors()[23], QColor(0, 255 * 3 / 256, 0, 3).darker(244));

    f.engine.updateSideLightConfig(lightConfig(0, QColor(), 0, false, 2));
    QCOMPARE(f.engine.sideTickInterval(), 24); // side maximum 3: the 10-entry table
    f.engine.stopAllThreads();
}

void tst_lightDealMain::screenTickPaintsWhileAllowed()
{
    engineFixture f(0, true);
    f.engine.setKeyLightConfig(lightConfig(3, QColor(), 0, true));
    f.engine.onDviceUpdateAllKeyColor();
    f.engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(f.view.key(0, 0), QColor(255, 6, 0, 180));
    QCOMPARE(f.view.key(5, 21), QColor(255, 6, 0, 180));

    // Screen updates off: the view keeps its colours while the effect runs.
    f.engine.setScreenUpdateEnabled(false);
    f.engine.onDviceUpdateAllKeyColor();
    f.engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(f.engine.keyColors()[0], QColor(255, 12, 0, 180));
    QCOMPARE(f.view.key(0, 0), QColor(255, 6, 0, 180));
    f.engine.setScreenUpdateEnabled(true);
    f.engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(f.view.key(0, 0), QColor(255, 12, 0, 180));

    // Stopped: neither steps nor paints.
    f.engine.stopAllThreads();
    QVERIFY(!f.engine.isKeyEffectRunning());
    f.engine.onDviceUpdateAllKeyColor();
    QCOMPARE(f.engine.keyColors()[0], QColor(255, 12, 0, 180));
    f.view.grid[0][0]->setKeyColor(QColor(7, 7, 7));
    f.engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(f.view.key(0, 0), QColor(7, 7, 7));

    // A key button deleted with its view is never touched again.
    delete f.view.grid[1][1];
    f.view.grid[1][1] = nullptr;
    f.engine.setKeyLightConfig(lightConfig(0, QColor(5, 5, 5)));
    f.engine.onDviceUpdateAllKeyColor();
    f.engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(f.view.key(0, 0), QColor(5, 5, 5, 180));
    f.engine.stopAllThreads();
}

void tst_lightDealMain::sideZoneSetUpAndRefresh()
{
    engineFixture f(70);
    f.engine.setSideLightWidgets(f.view.side);
    f.engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    // A side type without a set-up keeps the blanking.
    f.engine.setSideLightConfig(lightConfig(7, QColor(9, 9, 9), 0, false, 1));
    QCOMPARE(f.engine.sideEffectId(), 7);
    QCOMPARE(f.engine.sideTickInterval(), 25);
    QCOMPARE(f.view.side[0]->getLightColor(), QColor(0, 0, 0, 180));
    QCOMPARE(f.view.side[59]->getLightColor(), QColor(0, 0, 0, 180));
    QCOMPARE(f.engine.sideColors()[59], QColor(0, 0, 0, 180));
    // At most 60 LEDs are taken from the strip.
    QVERIFY(f.view.side[60]->getLightColor() != QColor(0, 0, 0, 180));

    // The side refresh paints only while the keyboard has side lights.
    f.engine.setKeyLightConfig(lightConfig(0, QColor(1, 1, 1)));
    QVERIFY(f.engine.isSideEffectRunning());
    f.view.side[3]->setLightColor(QColor(5, 6, 7));
    f.engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(f.view.side[3]->getLightColor(), QColor(5, 6, 7));
    f.engine.setSideLightEnabled(true);
    f.engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(f.view.side[3]->getLightColor(), QColor(0, 0, 0, 180));
    f.engine.stopAllThreads();
}

void tst_lightDealMain::ticksFollowTheClock()
{
    engineFixture f;
    f.engine.setSpeedAndBrightnessMax(4, 4, 9, 4);
    QSignalSpy keyTicks(f.engine.keyTickThread(), SIGNAL(sigDviceUpdateAllKeyColor()));
    QSignalSpy sideTicks(f.engine.sideTickThread(), SIGNAL(sigDviceUpdateAllKeyColorSide()));
    QSignalSpy screenTicks(f.engine.screenThread(), SIGNAL(sigDviceUpdateAllKeyColorUI()));
    QSignalSpy sendTicks(f.engine.sendThread(), SIGNAL(sigDviceUpdateAllKeyColorSendKeyboardHid()));
    f.engine.setSideLightConfig(lightConfig(0, QColor(), 0, false, 9)); // side: 8 ms
    // Neon in one colour rises one level per key tick.
    f.engine.setKeyLightConfig(lightConfig(3, QColor(0, 255, 0), 0, false, 2)); // key: 19 ms
    f.engine.setSendThreadRunning(true);
    QCOMPARE(f.clock.scheduler().activeCount(), 4);
    QVERIFY(f.clock.waitForSleepers(1));

    QVERIFY(f.clock.advance(18));
    QCOMPARE(keyTicks.count(), 0);
    QVERIFY(f.clock.advance(1));
    QCOMPARE(keyTicks.count(), 1);
    QVERIFY(f.clock.advance(190 - 19));
    QCOMPARE(keyTicks.count(), 10);
    QCOMPARE(sideTicks.count(), 190 / 8);
    QCOMPARE(screenTicks.count(), 6);
    QCOMPARE(sendTicks.count(), 6);
    processTicks();
    QCOMPARE(f.engine.keyEffects().record(0, 0).level, 10);

    // A new speed reaches the running thread after its current sleep.
    f.engine.updateKeyLightConfig(lightConfig(3, QColor(0, 255, 0), 0, false, 4)); // 8 ms
    QVERIFY(f.clock.advance(18));
    QCOMPARE(keyTicks.count(), 10);
    QVERIFY(f.clock.advance(1));
    QCOMPARE(keyTicks.count(), 11);
    QVERIFY(f.clock.advance(80));
    QCOMPARE(keyTicks.count(), 21);
    QCOMPARE(screenTicks.count(), 289 / 30);

    // Stopped tickers tick no more.
    f.engine.stopAllThreads();
    QCOMPARE(f.clock.scheduler().activeCount(), 0);
    const int before = keyTicks.count() + sideTicks.count() + screenTicks.count() + sendTicks.count();
    QVERIFY(f.clock.advance(200));
    QCOMPARE(keyTicks.count() + sideTicks.count() + screenTicks.count() + sendTicks.count(), before);
    QTRY_VERIFY(!f.engine.keyTickThread()->isRunning());
    QTRY_VERIFY(!f.engine.sendThread()->isRunning());
}

void tst_lightDealMain::restartDoesNotLeakOrDoubleTick()
{
    engineFixture f;
    f.engine.setSpeedAndBrightnessMax(9, 4, 9, 4);
    QSignalSpy keyTicks(f.engine.keyTickThread(), SIGNAL(sigDviceUpdateAllKeyColor()));
    QSignalSpy screenTicks(f.engine.screenThread(), SIGNAL(sigDviceUpdateAllKeyColorUI()));
    const colorInfoData fast = lightConfig(2, QColor(255, 0, 0), 0, false, 8); // 10 ms
    f.engine.setKeyLightConfig(fast);
    QCOMPARE(f.clock.scheduler().activeCount(), 3);
    QVERIFY(f.clock.waitForSleepers(1));

    // Stop and start again at once, many times, as a user clicking through
    // effects does: every start comes within a tick of its stop.
    for (int i = 0; i < 20; ++i) {
        f.engine.stopAllThreads();
        f.engine.setKeyLightConfig(fast);
        if (i % 3 == 0)
            f.engine.setKeyLightConfig(fast); // a start while running changes nothing
    }
    QVERIFY(f.clock.waitForSleepers(1));
    QCOMPARE(f.clock.scheduler().activeCount(), 3);
    QVERIFY(f.engine.isKeyEffectRunning());
    keyTicks.clear();
    screenTicks.clear();
    QVERIFY(f.clock.advance(100));
    QCOMPARE(keyTicks.count(), 10);
    QCOMPARE(screenTicks.count(), 3);
    QCOMPARE(f.clock.scheduler().activeCount(), 3);
    f.engine.stopAllThreads();
    QCOMPARE(f.clock.scheduler().activeCount(), 0);
}

void tst_lightDealMain::restartOnTheRealClockKeepsTicking()
{
    keyboardView view;
    lightDealMain engine;
    engine.setKeyButtons(view.grid);
    engine.setKeyLightConfig(lightConfig(3, QColor(0, 255, 0)));
    engine.stopAllThreads();
    engine.setKeyLightConfig(lightConfig(3, QColor(0, 255, 0)));
    // The restarted effect steps and paints: the level rises and the view
    // follows.
    QTRY_VERIFY_WITH_TIMEOUT(engine.keyEffects().record(0, 0).level >= 5, waitMs);
    QTRY_VERIFY_WITH_TIMEOUT(view.key(5, 21).alpha() >= 3, waitMs);
    engine.stopAllThreads();
    QTRY_VERIFY_WITH_TIMEOUT(!engine.keyTickThread()->isRunning() && !engine.screenThread()->isRunning(),
                             waitMs);
}

void tst_lightDealMain::triggerAndClear()
{
    engineFixture f;
    f.engine.triggerKeyEffect(2, 5);
    QCOMPARE(f.engine.triggerRow(), -10); // not running: ignored
    f.engine.setKeyLightConfig(lightConfig(6, QColor(1, 2, 3)));
    // The device link calls in through its own interface.
    keyLightTrigger *link = &f.engine;
    link->triggerKeyEffect(2, 5);
    QCOMPARE(f.engine.triggerRow(), 2);
    QCOMPARE(f.engine.triggerColumn(), 5);
    f.engine.triggerKeyEffect(6, 0);
    f.engine.triggerKeyEffect(0, -1);
    QCOMPARE(f.engine.triggerRow(), 2);

    f.view.grid[0][0]->setKeyColor(QColor(4, 4, 4));
    f.engine.clearLed_WaveFullColor_TabSaveUpdateAll();
    for (const QColor &colour : f.engine.keyColors())
        QCOMPARE(colour, QColor(0, 0, 0, 0));
    QCOMPARE(f.view.key(0, 0), QColor(4, 4, 4));
    f.engine.stopAllThreads();
}

void tst_lightDealMain::engineStopsItsThreadsWhenDestroyed()
{
    keyboardView view;
    auto engine = std::make_unique<lightDealMain>();
    engine->setKeyButtons(view.grid);
    engine->setKeyLightConfig(lightConfig(2, QColor(), 0, true, 4));
    engine->setSendThreadRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(engine->keyTickThread()->isRunning(), waitMs);
    QElapsedTimer timer;
    timer.start();
    engine.reset();
    // The stops cut the sleeps short: no waiting out a tick per thread.
    QVERIFY(timer.elapsed() < 5000);
    processTicks();
}

void tst_lightDealMain::sideStripLedCounts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("leds");
    QTest::newRow("Quissaro") << "Quissaro" << 33;
    QTest::newRow("unknown") << "" << 33;
    QTest::newRow("Avelorn") << "Avelorn" << 41;
    QTest::newRow("Wolvarne") << "Wolvarne" << 45;
    QTest::newRow("Urrasque") << "Urrasque" << 49;
    QTest::newRow("Rulvarro") << "Rulvarro" << 50;
    QTest::newRow("Varrowen") << "Varrowen" << 50;
}

void tst_lightDealMain::sideStripLedCounts()
{
    QFETCH(QString, model);
    QFETCH(int, leds);
    QCOMPARE(lightDealMain::sideStripLedCount(model), leds);
    // The transport expects the third side packet from the same models.
    QCOMPARE(isLongSideStripModel(model), leds > 36);
}

void tst_lightDealMain::framesOnTheSimulatedKeyboard_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("sideBytes");
    QTest::newRow("Quissaro") << "Quissaro" << QList<int> {54, 45};
    QTest::newRow("Rulvarro") << "Rulvarro" << QList<int> {54, 54, 42};
    QTest::newRow("Varrowen") << "Varrowen" << QList<int> {54, 54, 42};
    QTest::newRow("Avelorn") << "Avelorn" << QList<int> {54, 54, 15};
}

void tst_lightDealMain::framesOnTheSimulatedKeyboard()
{
    QFETCH(QString, model);
    QFETCH(QList<int>, sideBytes);
    simulatedKeyboard keyboard(model);
    QVERIFY(keyboard.transport->isHidOpen());
    engineFixture f(50);
    f.streamTo(model, keyboard.transport.get());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            f.view.grid[r][c]->setKeyColor(cellColour(r, c));
    }
    f.engine.setSideLightConfig(lightConfig(0));
    f.engine.setKeyLightConfig(lightConfig(10));
    f.engine.onDviceUpdateAllKeyColor();
    f.engine.onDviceUpdateAllKeyColorSendKeyboardHid();

    const int packets = 8 + sideBytes.size();
    QVERIFY(keyboard.waitForFramePackets(packets));
    const QList<hidReportData> frame = keyboard.frames();
    QCOMPARE(frame.size(), packets);
    int cell = 0;
    for (int i = 0; i < packets; ++i) {
        const hidReportData &report = frame[i];
        const bool keys = i < 8;
        const int index = keys ? i : i - 8;
        const int bytes = keys ? (i < 7 ? 54 : 18) : sideBytes[index];
        QCOMPARE(int(report[0]), 0x01);
        QCOMPARE(int(report[1]), 0x0F);
        QCOMPARE(int(report[2]), keys ? 0 : 1);
        QCOMPARE(int(report[3]), 0);
        QCOMPARE(int(report[4]), index);
        QCOMPARE(int(report[5]), bytes);
        for (int b = 0; b < bytes; b += 3) {
            if (keys) {
                const QColor expected = cellColour(cell / columns, cell % columns);
                QCOMPARE(int(report[6 + b]), expected.red());
                QCOMPARE(int(report[7 + b]), expected.green());
                QCOMPARE(int(report[8 + b]), expected.blue());
                ++cell;
            } else {
                QCOMPARE(int(report[6 + b]) + int(report[7 + b]) + int(report[8 + b]), 0);
            }
        }
        for (int b = 6 + bytes; b < 64; ++b)
            QCOMPARE(int(report[b]), 0);
    }
    QCOMPARE(cell, cells);
    f.engine.stopAllThreads();
}

void tst_lightDealMain::noTransportNoPackets()
{
    manualTickClock clock;
    lightDealMain engine(nullptr, &clock);
    engine.onDviceUpdateAllKeyColorSendKeyboardHid();
    engine.setLightSynchronize(true);
    QVERIFY(engine.isLightSynchronize());
    QVERIFY(engine.syncTimer()->isActive());
    engine.onSendLightSynchronize0x17Cmd();
    engine.setLightSynchronize(false);
    QVERIFY(!engine.syncTimer()->isActive());
}

void tst_lightDealMain::lightSynchronizeReports()
{
    simulatedKeyboard keyboard(QStringLiteral("Quissaro"));
    manualTickClock clock;
    lightDealMain engine(nullptr, &clock);
    engine.setHidInterface(keyboard.transport.get());

    engine.setLightSynchronize(true);
    QVERIFY(keyboard.device->waitForOutputCount(HidCmd::LightSynchronize, 1, waitMs));
    hidReportData on = keyboard.syncReports().first();
    QCOMPARE(int(on[5]), 1);
    QCOMPARE(int(on[6]), 1);
    QCOMPARE(int(on[2]) + int(on[3]) + int(on[4]), 0);
    QVERIFY(engine.syncTimer()->isActive());
    QCOMPARE(engine.syncTimer()->interval(), 3000);

    // The repeat: each timeout sends the report again.
    QVERIFY(QMetaObject::invokeMethod(engine.syncTimer(), "timeout"));
    QVERIFY(QMetaObject::invokeMethod(engine.syncTimer(), "timeout"));
    QVERIFY(keyboard.device->waitForOutputCount(HidCmd::LightSynchronize, 3, waitMs));
    for (const hidReportData &report : keyboard.syncReports())
        QCOMPARE(int(report[6]), 1);

    engine.setLightSynchronize(false);
    QVERIFY(!engine.syncTimer()->isActive());
    QVERIFY(keyboard.device->waitForOutputCount(HidCmd::LightSynchronize, 4, waitMs));
    QCOMPARE(int(keyboard.syncReports().last()[6]), 0);
    QTest::qWait(100);
    QCOMPARE(keyboard.syncReports().size(), 4);

    // A closed transport refuses the report; nothing else happens.
    keyboard.transport->hidClose();
    engine.setLightSynchronize(true);
    QCOMPARE(keyboard.syncReports().size(), 4);
    engine.setLightSynchronize(false);
}

void tst_lightDealMain::streamingEndToEnd()
{
    simulatedKeyboard keyboard(QStringLiteral("Quissaro"));
    engineFixture f(33);
    f.streamTo(QStringLiteral("Quissaro"), keyboard.transport.get());
    f.engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    f.engine.setKeyLightConfig(lightConfig(2, QColor(), 0, true, 4)); // Wave, 8 ms

    // Switching on in the device page's order.
    f.engine.clearLed_WaveFullColor_TabSaveUpdateAll();
    f.engine.setLightSynchronize(true);
    f.engine.setSendThreadRunning(true);
    QCOMPARE(f.clock.scheduler().activeCount(), 4);
    QVERIFY(f.clock.waitForSleepers(1));
    QVERIFY(keyboard.device->waitForOutputCount(HidCmd::LightSynchronize, 1, waitMs));

    // One whole frame for every 30 ms of the send tick, none in between.
    const int frames = 8;
    QList<std::array<QColor, cells>> sent;
    for (int i = 1; i <= frames; ++i) {
        QVERIFY(f.clock.advance(29));
        processTicks();
        QTest::qWait(20);
        QCOMPARE(keyboard.frames().size(), (i - 1) * 10);
        QVERIFY(f.clock.advance(1));
        processTicks();
        sent.append(f.engine.keyColors());
        QVERIFY(keyboard.waitForFramePackets(i * 10));
    }
    QTest::qWait(50);
    QCOMPARE(keyboard.frames().size(), frames * 10);

    // Off in the device page's order.
    keyboard.transport->setLightStreaming(false);
    f.engine.setSendThreadRunning(false);
    f.engine.setLightSynchronize(false);
    keyboard.transport->clearLightFrameQueue();
    QVERIFY(keyboard.device->waitForOutputCount(HidCmd::LightSynchronize, 2, waitMs));

    // Whole frames, in order; the key bytes are the frame of their tick
    // (unless a key step shared the millisecond with the send).
    const QList<hidReportData> packets = keyboard.frames();
    for (int frame = 0; frame < frames; ++frame) {
        for (int p = 0; p < 10; ++p) {
            const hidReportData &report = packets[frame * 10 + p];
            QCOMPARE(int(report[2]), p < 8 ? 0 : 1);
            QCOMPARE(int(report[4]), p < 8 ? p : p - 8);
        }
        if (((frame + 1) * 30) % 8 == 0)
            continue;
        for (int p = 0; p < 8; ++p) {
            const hidReportData &report = packets[frame * 10 + p];
            for (int b = 0; b < report[5]; b += 3) {
                const QColor &expected = sent[frame][p * 18 + b / 3];
                QCOMPARE(int(report[6 + b]), expected.red());
                QCOMPARE(int(report[7 + b]), expected.green());
                QCOMPARE(int(report[8 + b]), expected.blue());
            }
        }
    }
    QVERIFY(sent[0] != sent[1]); // the wave moved between frames

    // The 0x17 on precedes the first frame and the 0x17 off follows the last.
    const QList<SimulatedOutput> outputs = keyboard.device->outputs();
    int firstFrame = -1;
    int lastFrame = -1;
    QList<int> syncAt;
    for (int i = 0; i < outputs.size(); ++i) {
        const int command = outputs[i].report[1];
        if (command == HidCmd::ColorFrame) {
            if (firstFrame < 0)
                firstFrame = i;
            lastFrame = i;
        } else if (command == HidCmd::LightSynchronize) {
            syncAt.append(i);
        }
    }
    QCOMPARE(syncAt.size(), 2);
    QVERIFY(syncAt.first() < firstFrame);
    QCOMPARE(int(outputs[syncAt.first()].report[6]), 1);
    QVERIFY(syncAt.last() > lastFrame);
    QCOMPARE(int(outputs[syncAt.last()].report[6]), 0);
    f.engine.stopAllThreads();
}

QTEST_MAIN(tst_lightDealMain)
#include "tst_lightdealmain.moc"
