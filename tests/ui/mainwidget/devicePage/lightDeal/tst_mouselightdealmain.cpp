// The mouse lighting engine: zone settings, the LED dots under the link
// rule, its tick threads on a hand-moved clock, and the 0x48 stream and
// light synchronisation on a simulated mouse.

#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "lightTickScheduler.h"
#include "lightingReports.h"
#include "manualTickClock.h"
#include "mouseLightButtonCustom.h"
#include "mouseLightDealMain.h"
#include "sendMouseLightUpdataThread.h"
#include "updateLightMainThreadAround.h"
#include "updateLightMainThreadLogo.h"
#include "updateLightMainThreadScroll.h"
#include "updateMouseLightMainThreadUI.h"

#include <QSignalSpy>
#include <QTimer>
#include "zoneConfig.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QColor)

namespace {

constexpr int waitMs = 10000;
const QColor black(0, 0, 0);

using generator = mouseEffectGenerator;


// The mouse picture's dots: the first eight the real LEDs.
struct mouseView
{
    QWidget page;
    QList<mouseLightButtonCustom *> dots;

    explicit mouseView(int count = 18)
    {
        for (int n = 0; n < count; ++n) {
            dots.append(new mouseLightButtonCustom(&page));
            dots.last()->setLedInfo(n, n < 8 ? 1 : 0, 0);
        }
    }
};

// An engine on a hand-moved clock with the mouse's dots.
struct engineFixture
{
    manualTickClock clock;
    mouseView view;
    mouseLightDealMain engine {nullptr, &clock};

    explicit engineFixture(int dots = 18)
        : view(dots)
    {
        engine.setLedWidgets(view.dots);
        engine.setSpeedAndBrightnessMax(4, 4, 4, 4, 4, 4);
    }
    ~engineFixture() { engine.stopAllThreads(); }

    // Around, Scroll and Logo Static in three colours of their own, one
    // step each.
    void staticZones()
    {
        engine.setScrollLightConfig(zoneConfig(generator::zoneStatic, QColor(0, 0, 200)));
        engine.setLogoLightConfig(zoneConfig(generator::zoneStatic, QColor(0, 200, 0)));
        engine.setAroundLightConfig(zoneConfig(generator::aroundStatic, QColor(200, 0, 0)));
        engine.onDviceUpdateMouseAroundColor();
        engine.onDviceUpdateMouseScrollColor();
        engine.onDviceUpdateMouseLogoColor();
    }
};

void processTicks()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A simulated mouse opened through its own transport in the mouse's frame
// mode (two 0x48 reports a frame), streaming on.
struct simulatedMouse
{
    std::shared_ptr<SimulatedHidBackend> backend = std::make_shared<SimulatedHidBackend>();
    std::shared_ptr<SimulatedDevice> device;
    std::unique_ptr<MainHidInterFace> transport;

    simulatedMouse()
    {
        HidBackend::install(backend);
        const QString model = QString::fromLatin1(SimulatedDeviceConfig::kMouseModel);
        device = backend->addDevice(SimulatedDeviceConfig::mouse(model));
        transport = std::make_unique<MainHidInterFace>(0, model);
        const SimulatedDeviceConfig config = device->config();
        if (transport->hidOpenPath(config.vendorId, config.productId, device->path()) != 0)
            return;
        transport->setFrameMode(1);
        transport->start();
    }

    ~simulatedMouse()
    {
        transport->hidClose();
        transport.reset();
        HidBackend::install(nullptr);
    }

    QList<hidReportData> frames() const { return device->outputReports(HidCmd::MouseColorFrame); }
    QList<hidReportData> syncReports() const { return device->outputReports(HidCmd::LightSynchronize); }
};

QColor frameLed(const hidReportData &report, int n)
{
    return QColor(report[6 + 3 * n], report[7 + 3 * n], report[8 + 3 * n]);
}

QColor opaque(const QColor &colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

} // namespace

class tst_mouseLightDealMain : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void tickIntervalsAreClamped();
    void speedTables_data();
    void speedTables();
    void brightnessFactors_data();
    void brightnessFactors();
    void aroundSetUpBlanksThenShows();
    void updatesOnlyRetime();
    void linkRule_data();
    void linkRule();
    void screenUpdatesCanPause();
    void clearLedColorsIsOpaqueBlack();
    void dpiButtonAndButtonEvents();
    void moreThanEighteenDots();
    void fewerDotsStillSendTheZones();
    void frameBytes();
    void noTransportNoReports();
    void lightSynchronizeReports();
    void streamingEndToEnd();
    void ticksFollowTheClock();
    void restartWithinOneTickLeavesOneTicker();
    void engineStopsItsTickersWhenDestroyed();
};

void tst_mouseLightDealMain::initialState()
{
    manualTickClock clock;
    mouseLightDealMain engine(nullptr, &clock);
    QCOMPARE(engine.effects().aroundEffectId(), -1);
    QCOMPARE(engine.effects().scrollEffectId(), -1);
    QCOMPARE(engine.effects().logoEffectId(), -1);
    QVERIFY(!engine.isAroundRunning());
    QVERIFY(!engine.isLightSynchronize());
    QVERIFY(!engine.isScrollLinked());
    QCOMPARE(engine.aroundTickThread()->interval(), 15);
    QCOMPARE(engine.scrollTickThread()->interval(), 15);
    QCOMPARE(engine.logoTickThread()->interval(), 15);
    QCOMPARE(engine.screenThread()->interval(), 30);
    QCOMPARE(engine.sendThread()->interval(), 30);
    QCOMPARE(engine.syncTimer()->parent(), &engine);
    QCOMPARE(clock.scheduler().activeCount(), 0);
}

void tst_mouseLightDealMain::tickIntervalsAreClamped()
{
    manualTickClock clock;
    updateLightMainThreadAround around(clock);
    updateLightMainThreadScroll scroll(clock);
    updateLightMainThreadLogo logo(clock);
    around.setInterval(5);
    scroll.setInterval(40);
    logo.setInterval(17);
    QCOMPARE(around.interval(), 8);
    QCOMPARE(scroll.interval(), 28);
    QCOMPARE(logo.interval(), 17);
}

void tst_mouseLightDealMain::speedTables_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("intervalMs");
    QTest::newRow("maximum 4, speed 3") << 4 << 3 << 14;
    QTest::newRow("maximum 4, speed 0") << 4 << 0 << 28;
    QTest::newRow("maximum 4, speed 4") << 4 << 4 << 8;
    QTest::newRow("maximum 5, speed 3") << 5 << 3 << 22;
    QTest::newRow("maximum 9, speed 3") << 9 << 3 << 22;
    QTest::newRow("maximum 9, speed 9") << 9 << 9 << 8;
    QTest::newRow("maximum 3, speed 3") << 3 << 3 << 22;
    QTest::newRow("speed past the table") << 4 << 7 << 8;
}

void tst_mouseLightDealMain::speedTables()
{
    QFETCH(int, maximum);
    QFETCH(int, speed);
    QFETCH(int, intervalMs);
    engineFixture f;
    // Each zone by its own maximum.
    f.engine.setSpeedAndBrightnessMax(maximum, 4, maximum, 4, 9, 4);
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundStatic, QColor(1, 1, 1), black, 0, false, speed));
    f.engine.setScrollLightConfig(zoneConfig(generator::zoneStatic, QColor(1, 1, 1), black, 0, false, speed));
    f.engine.setLogoLightConfig(zoneConfig(generator::zoneStatic, QColor(1, 1, 1), black, 0, false, 0));
    QCOMPARE(f.engine.aroundTickThread()->interval(), intervalMs);
    QCOMPARE(f.engine.scrollTickThread()->interval(), intervalMs);
    QCOMPARE(f.engine.logoTickThread()->interval(), 28);
}

void tst_mouseLightDealMain::brightnessFactors_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("factor");
    QTest::newRow("maximum 2, 0") << 2 << 0 << 206;
    QTest::newRow("maximum 2, 1") << 2 << 1 << 153;
    QTest::newRow("maximum 2, 2") << 2 << 2 << 100;
    QTest::newRow("maximum 4, 0") << 4 << 0 << 228;
    QTest::newRow("maximum 4, 3") << 4 << 3 << 132;
    QTest::newRow("above the maximum") << 2 << 7 << 100;
}

void tst_mouseLightDealMain::brightnessFactors()
{
    QFETCH(int, maximum);
    QFETCH(int, brightness);
    QFETCH(int, factor);
    engineFixture f;
    f.engine.setSpeedAndBrightnessMax(4, maximum, 4, 4, 4, 4);
    const QColor user(200, 120, 40);
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundStatic, user, black, 0, false, 2, brightness));
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().ledColors()[0], QColor(200, 120, 40, 250).darker(factor));
}

void tst_mouseLightDealMain::aroundSetUpBlanksThenShows()
{
    engineFixture f;
    for (mouseLightButtonCustom *dot : f.view.dots)
        dot->setColor(QColor(9, 9, 9));
    // No set-up (Reactive): the dots stay at the blanking.
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundReactive, QColor(1, 2, 3)));
    QCOMPARE(f.engine.effects().aroundEffectId(), 5);
    QCOMPARE(f.view.dots[0]->getColor(), QColor(0, 0, 0, 180));
    QCOMPARE(f.view.dots[17]->getColor(), QColor(0, 0, 0, 180));
    QCOMPARE(f.engine.effects().ledColors()[17], QColor(0, 0, 0, 180));
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().ledColors()[3], QColor(0, 0, 0, 180));
    // The Around set-up starts every zone's ticks and the screen.
    QVERIFY(f.engine.isAroundRunning() && f.engine.isScrollRunning() && f.engine.isLogoRunning());
    QCOMPARE(f.clock.scheduler().activeCount(), 4);

    // A set-up shows its records at 180 at once.
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundStatic, QColor(10, 20, 30)));
    QCOMPARE(f.view.dots[4]->getColor(), QColor(10, 20, 30, 180));
    f.engine.setScrollLightConfig(zoneConfig(generator::zoneStatic, QColor(40, 50, 60)));
    QCOMPARE(f.view.dots[mouseLightDealMain::scrollLed]->getColor(), QColor(40, 50, 60, 180));
    QCOMPARE(f.engine.effects().scrollColor(), QColor(40, 50, 60, 180));
    // Scroll and Logo set-ups start nothing of their own.
    f.engine.stopAllThreads();
    f.engine.setLogoLightConfig(zoneConfig(generator::zoneNeon, QColor(40, 50, 60)));
    QVERIFY(!f.engine.isLogoRunning());
    QCOMPARE(f.clock.scheduler().activeCount(), 0);
}

void tst_mouseLightDealMain::updatesOnlyRetime()
{
    engineFixture f;
    f.engine.setSpeedAndBrightnessMax(9, 9, 9, 9, 9, 9);
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundNeon, QColor(0, 0, 255), black, 0, false, 2, 9));
    f.engine.onDviceUpdateMouseAroundColor();
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().record(0).level, 2);
    f.engine.updateAroundLightConfig(zoneConfig(generator::aroundStatic, QColor(9, 9, 9), black, 0, false, 9, 0));
    QCOMPARE(f.engine.aroundTickThread()->interval(), 8);
    QCOMPARE(f.engine.effects().aroundEffectId(), int(generator::aroundNeon));
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().record(0).level, 3);
    QCOMPARE(f.engine.effects().ledColors()[0], QColor(0, 0, 255 * 3 / 256, 3).darker(244));
    f.engine.updateScrollLightConfig(zoneConfig(generator::zoneStatic, QColor(), black, 0, false, 1));
    QCOMPARE(f.engine.scrollTickThread()->interval(), 26);
    f.engine.updateLogoLightConfig(zoneConfig(generator::zoneStatic, QColor(), black, 0, false, 3));
    QCOMPARE(f.engine.logoTickThread()->interval(), 22);
}

void tst_mouseLightDealMain::linkRule_data()
{
    QTest::addColumn<bool>("scrollLinked");
    QTest::addColumn<bool>("logoLinked");
    QTest::newRow("neither linked") << false << false;
    QTest::newRow("scroll linked") << true << false;
    QTest::newRow("logo linked") << false << true;
    QTest::newRow("both linked") << true << true;
}

void tst_mouseLightDealMain::linkRule()
{
    QFETCH(bool, scrollLinked);
    QFETCH(bool, logoLinked);
    simulatedMouse mouse;
    mouse.transport->setLightStreaming(true);
    engineFixture f;
    f.engine.setHidInterface(mouse.transport.get());
    f.engine.setScrollLinked(scrollLinked);
    f.engine.setLogoLinked(logoLinked);
    f.staticZones();
    const QColor around(200, 0, 0);
    const QColor scroll = scrollLinked ? around : QColor(0, 0, 200);
    const QColor logo = logoLinked ? around : QColor(0, 200, 0);

    // On the dots.
    f.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(f.view.dots[mouseLightDealMain::scrollLed]->getColor(), QColor(scroll.red(), scroll.green(), scroll.blue(), 250));
    QCOMPARE(f.view.dots[mouseLightDealMain::logoLed]->getColor(), QColor(logo.red(), logo.green(), logo.blue(), 250));
    QCOMPARE(f.view.dots[6]->getColor(), QColor(200, 0, 0, 250));

    // In the frame.
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::MouseColorFrame, 2, waitMs));
    const hidReportData report = mouse.frames().first();
    QCOMPARE(frameLed(report, mouseLightDealMain::scrollLed), scroll);
    QCOMPARE(frameLed(report, mouseLightDealMain::logoLed), logo);
    QCOMPARE(frameLed(report, 0), around);
    QCOMPARE(frameLed(report, 17), around);
    // Linked or not, Scroll and Logo go on computing their colours.
    QCOMPARE(opaque(f.engine.effects().scrollColor()), QColor(0, 0, 200));
}

void tst_mouseLightDealMain::screenUpdatesCanPause()
{
    engineFixture f;
    f.staticZones();
    f.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(f.view.dots[0]->getColor(), QColor(200, 0, 0, 250));
    f.engine.setScreenUpdateEnabled(false);
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundStatic, QColor(0, 90, 0)));
    f.engine.onDviceUpdateMouseAroundColor();
    f.engine.onDviceUpdateMouseAllColorUIAround();
    // The set-up showed itself; the refresh leaves the dots alone.
    QCOMPARE(f.view.dots[0]->getColor(), QColor(0, 90, 0, 180));
    QCOMPARE(f.engine.effects().ledColors()[0], QColor(0, 90, 0, 250));
    f.engine.setScreenUpdateEnabled(true);
    f.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(f.view.dots[0]->getColor(), QColor(0, 90, 0, 250));
    // Stopped: no refresh either.
    f.engine.stopAllThreads();
    f.view.dots[0]->setColor(QColor(1, 1, 1));
    f.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(f.view.dots[0]->getColor(), QColor(1, 1, 1));
}

void tst_mouseLightDealMain::clearLedColorsIsOpaqueBlack()
{
    engineFixture f;
    f.staticZones();
    f.engine.clearLedColors();
    for (const QColor &colour : f.engine.effects().ledColors())
        QCOMPARE(colour, QColor(0, 0, 0, 255));
    QCOMPARE(f.engine.effects().scrollColor(), QColor(0, 0, 200, 250));
    QCOMPARE(f.view.dots[0]->getColor(), QColor(200, 0, 0, 180));
    // The next Around step overwrites them.
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().ledColors()[0], QColor(200, 0, 0, 250));
}

void tst_mouseLightDealMain::dpiButtonAndButtonEvents()
{
    engineFixture f;
    const QList<QColor> levels = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    f.engine.setDpiColors(levels, 2);
    // Stopped: the DPI button changes nothing.
    f.engine.onDpiKeyPressed();
    QCOMPARE(f.engine.effects().dpiLevel(), 1);

    f.engine.setAroundLightConfig(zoneConfig(generator::aroundDpi, QColor()));
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().ledColors()[1], QColor(0, 255, 0, 250));
    mouseLightTrigger *link = &f.engine;
    link->onDpiKeyPressed();
    f.engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(f.engine.effects().ledColors()[1], QColor(0, 0, 255, 250));

    // Around not on DPI, but Logo is: the button still moves the level.
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundStatic, QColor(5, 5, 5)));
    f.engine.setLogoLightConfig(zoneConfig(generator::zoneDpi, QColor()));
    link->onDpiKeyPressed();
    QCOMPARE(f.engine.effects().dpiLevel(), 3);
    f.engine.onDviceUpdateMouseLogoColor();
    QCOMPARE(f.engine.effects().logoColor(), QColor(0, 0, 0, 0)); // level 4 has no colour
    f.engine.setLogoLightConfig(zoneConfig(generator::zoneStatic, QColor(5, 5, 5)));
    link->onDpiKeyPressed();
    QCOMPARE(f.engine.effects().dpiLevel(), 3);

    // Button events reach Speed Respond only.
    link->onMouseButtonTrigger();
    QCOMPARE(f.engine.effects().reactCount(), 0);
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundSpeedRespond, QColor(0, 0, 255)));
    link->onMouseButtonTrigger();
    QCOMPARE(f.engine.effects().reactCount(), 1);
    f.engine.stopAllThreads();
    link->onMouseButtonTrigger();
    QCOMPARE(f.engine.effects().record(7).level, 255);
    QCOMPARE(f.engine.effects().reactCount(), 1);
}

void tst_mouseLightDealMain::moreThanEighteenDots()
{
    engineFixture f(20);
    f.view.dots[18]->setColor(QColor(7, 7, 7));
    f.staticZones();
    f.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(f.view.dots[17]->getColor(), QColor(200, 0, 0, 250));
    QCOMPARE(f.view.dots[18]->getColor(), QColor(7, 7, 7));
    QCOMPARE(f.view.dots[19]->getColor(), QColor(0, 255, 0, 200));
}

void tst_mouseLightDealMain::fewerDotsStillSendTheZones()
{
    simulatedMouse mouse;
    mouse.transport->setLightStreaming(true);
    engineFixture f(4);
    f.engine.setHidInterface(mouse.transport.get());
    f.staticZones();
    f.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(f.view.dots[3]->getColor(), QColor(200, 0, 0, 250));
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::MouseColorFrame, 2, waitMs));
    const hidReportData report = mouse.frames().first();
    QCOMPARE(frameLed(report, 3), QColor(200, 0, 0));
    QCOMPARE(frameLed(report, mouseLightDealMain::scrollLed), QColor(0, 0, 200));
    QCOMPARE(frameLed(report, mouseLightDealMain::logoLed), QColor(0, 200, 0));
    QCOMPARE(frameLed(report, 4), black);
}

void tst_mouseLightDealMain::frameBytes()
{
    simulatedMouse mouse;
    QVERIFY(mouse.transport->isHidOpen());
    mouse.transport->setLightStreaming(true);
    engineFixture f;
    f.engine.setHidInterface(mouse.transport.get());
    // A colour of its own for each LED: full-colour Wave's first step.
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundWave, QColor(), black, 0, true));
    f.engine.onDviceUpdateMouseAroundColor();
    f.engine.setScrollLinked(true);
    f.engine.setLogoLinked(true);
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::MouseColorFrame, 2, waitMs));
    const hidReportData report = mouse.frames().first();
    const QList<int> head = {0x01, 0x48, 0, 0, 0, 54};
    for (int b = 0; b < head.size(); ++b)
        QCOMPARE(int(report[b]), head[b]);
    for (int n = 0; n < 18; ++n)
        QCOMPARE(frameLed(report, n), opaque(f.engine.effects().ledColors()[n]));
    QCOMPARE(frameLed(report, 0), QColor(255, 0, 9));
    QCOMPARE(frameLed(report, 7), QColor(0, 9, 255));
    for (int b = 60; b < 64; ++b)
        QCOMPARE(int(report[b]), 0);
    QCOMPARE(mouse.frames().last(), report);
}

void tst_mouseLightDealMain::noTransportNoReports()
{
    engineFixture f;
    f.engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    f.engine.setLightSynchronize(true);
    QVERIFY(f.engine.syncTimer()->isActive());
    f.engine.setLightSynchronize(false);
    QVERIFY(!f.engine.syncTimer()->isActive());
}

void tst_mouseLightDealMain::lightSynchronizeReports()
{
    simulatedMouse mouse;
    engineFixture f;
    f.engine.setHidInterface(mouse.transport.get());
    f.engine.setLightSynchronize(true);
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::LightSynchronize, 1, waitMs));
    QCOMPARE(int(mouse.syncReports().first()[5]), 1);
    QCOMPARE(int(mouse.syncReports().first()[6]), 1);
    QCOMPARE(f.engine.syncTimer()->interval(), 3000);
    QVERIFY(QMetaObject::invokeMethod(f.engine.syncTimer(), "timeout"));
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::LightSynchronize, 2, waitMs));
    QCOMPARE(int(mouse.syncReports().last()[6]), 1);

    QTest::ignoreMessage(QtDebugMsg, "------------------------------ *** [ Into Mouse Light Synchronous 0x17 "
                                     "buf[6]=0x00 ] *** ------------------------------");
    f.engine.setLightSynchronize(false);
    QVERIFY(!f.engine.syncTimer()->isActive());
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::LightSynchronize, 3, waitMs));
    QCOMPARE(int(mouse.syncReports().last()[6]), 0);

    // A closed transport refuses the report.
    mouse.transport->hidClose();
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [ Into Light Synchronous ] Failed ...");
    f.engine.setLightSynchronize(true);
    QCOMPARE(mouse.syncReports().size(), 3);
    f.engine.setLightSynchronize(false);
}

void tst_mouseLightDealMain::streamingEndToEnd()
{
    simulatedMouse mouse;
    engineFixture f;
    f.engine.setHidInterface(mouse.transport.get());
    f.engine.setSpeedAndBrightnessMax(4, 4, 4, 4, 4, 4);
    f.engine.setScrollLightConfig(zoneConfig(generator::zoneNeon, QColor(), black, 0, true, 4));
    f.engine.setLogoLightConfig(zoneConfig(generator::zoneBreath, QColor(), black, 0, true, 4));
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundWave, QColor(), black, 0, true, 4));

    // On, in the device page's order.
    f.engine.clearLedColors();
    mouse.transport->setLightStreaming(true);
    f.engine.setLightSynchronize(true);
    f.engine.setSendThreadRunning(true);
    QCOMPARE(f.clock.scheduler().activeCount(), 5);
    QVERIFY(f.clock.waitForSleepers(1));
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::LightSynchronize, 1, waitMs));

    // One 0x48 per 30 ms send tick; the transport writes them in pairs.
    QList<QColor> sentLed0;
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(f.clock.advance(30));
        processTicks();
        sentLed0.append(opaque(f.engine.effects().ledColors()[0]));
        if (i % 2 == 0)
            QVERIFY(mouse.device->waitForOutputCount(HidCmd::MouseColorFrame, i, waitMs));
    }
    QTest::qWait(30);
    QCOMPARE(mouse.frames().size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(frameLed(mouse.frames()[i], 0), sentLed0[i]);
    QVERIFY(sentLed0.first() != sentLed0.last()); // the wave moved

    // Off, in the device page's order.
    mouse.transport->setLightStreaming(false);
    f.engine.setSendThreadRunning(false);
    f.engine.setLightSynchronize(false);
    mouse.transport->clearLightFrameQueue();
    QVERIFY(mouse.device->waitForOutputCount(HidCmd::LightSynchronize, 2, waitMs));
    QVERIFY(f.clock.advance(90));
    processTicks();
    QTest::qWait(30);

    // 0x17 on, whole frames, 0x17 off (a repeat of the 0x17 on may fall
    // between frames if the test runs slowly).
    QList<hidReportData> stream;
    for (const SimulatedOutput &out : mouse.device->outputs()) {
        const int command = out.report[1];
        if (command == HidCmd::MouseColorFrame || command == HidCmd::LightSynchronize)
            stream.append(out.report);
    }
    QVERIFY(stream.size() >= 8);
    QCOMPARE(int(stream.first()[1]), 0x17);
    QCOMPARE(int(stream.first()[6]), 1);
    QCOMPARE(int(stream.last()[1]), 0x17);
    QCOMPARE(int(stream.last()[6]), 0);
    int frames = 0;
    for (int i = 1; i < stream.size() - 1; ++i) {
        if (stream[i][1] == HidCmd::MouseColorFrame)
            ++frames;
        else
            QCOMPARE(int(stream[i][6]), 1);
    }
    QCOMPARE(frames, 6);
}

void tst_mouseLightDealMain::ticksFollowTheClock()
{
    engineFixture f;
    QSignalSpy around(f.engine.aroundTickThread(), SIGNAL(sigDviceUpdateMouseAroundColor()));
    QSignalSpy scroll(f.engine.scrollTickThread(), SIGNAL(sigDviceUpdateMouseScrollColor()));
    QSignalSpy logo(f.engine.logoTickThread(), SIGNAL(sigDviceUpdateMouseLogoColor()));
    QSignalSpy screen(f.engine.screenThread(), SIGNAL(sigDviceUpdateMouseAllColorUI()));
    f.engine.setSpeedAndBrightnessMax(4, 4, 9, 4, 4, 4);
    f.engine.setScrollLightConfig(zoneConfig(generator::zoneStatic, QColor(1, 1, 1), black, 0, false, 9)); // 8 ms
    f.engine.setLogoLightConfig(zoneConfig(generator::zoneStatic, QColor(1, 1, 1), black, 0, false, 0));   // 28 ms
    f.engine.setAroundLightConfig(zoneConfig(generator::aroundNeon, QColor(0, 0, 255), black, 0, false, 2)); // 19
    QVERIFY(f.clock.waitForSleepers(1));
    QVERIFY(f.clock.advance(18));
    QCOMPARE(around.count(), 0);
    QVERIFY(f.clock.advance(1));
    QCOMPARE(around.count(), 1);
    QVERIFY(f.clock.advance(171));
    QCOMPARE(around.count(), 10);
    QCOMPARE(scroll.count(), 190 / 8);
    QCOMPARE(logo.count(), 190 / 28);
    QCOMPARE(screen.count(), 190 / 30);
    processTicks();
    QCOMPARE(f.engine.effects().record(0).level, 10);
    f.engine.stopAllThreads();
    const int before = around.count() + scroll.count() + logo.count() + screen.count();
    QVERIFY(f.clock.advance(100));
    QCOMPARE(around.count() + scroll.count() + logo.count() + screen.count(), before);
}

void tst_mouseLightDealMain::restartWithinOneTickLeavesOneTicker()
{
    engineFixture f;
    QSignalSpy around(f.engine.aroundTickThread(), SIGNAL(sigDviceUpdateMouseAroundColor()));
    QSignalSpy screen(f.engine.screenThread(), SIGNAL(sigDviceUpdateMouseAllColorUI()));
    f.engine.setSpeedAndBrightnessMax(9, 4, 9, 4, 9, 4);
    const colorInfoData fast = zoneConfig(generator::aroundNeon, QColor(0, 0, 255), black, 0, false, 8); // 10 ms
    f.engine.setAroundLightConfig(fast);
    QVERIFY(f.clock.advance(5));
    for (int i = 0; i < 20; ++i) {
        f.engine.stopAllThreads();
        f.engine.setAroundLightConfig(fast);
        if (i % 3 == 0)
            f.engine.startZoneThreads(); // a start while running changes nothing
    }
    QVERIFY(f.clock.waitForSleepers(1));
    QCOMPARE(f.clock.scheduler().activeCount(), 4);
    around.clear();
    screen.clear();
    QVERIFY(f.clock.advance(100));
    QCOMPARE(around.count(), 10);
    QCOMPARE(screen.count(), 3);
    processTicks();
    QVERIFY(f.engine.effects().record(0).level > 0);
}

void tst_mouseLightDealMain::engineStopsItsTickersWhenDestroyed()
{
    // On the real clock, with a keyboard engine's tickers alongside.
    mouseView view;
    auto engine = std::make_unique<mouseLightDealMain>();
    engine->setLedWidgets(view.dots);
    engine->setAroundLightConfig(zoneConfig(generator::aroundWave, QColor(), black, 0, true, 4));
    engine->setSendThreadRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(view.dots[0]->getColor().alpha() == 250, waitMs);
    QVERIFY(engine->aroundTickThread()->isRunning());
    engine.reset();
    processTicks();
    QTest::qWait(50);
    processTicks();
}

QTEST_MAIN(tst_mouseLightDealMain)
#include "tst_mouselightdealmain.moc"
