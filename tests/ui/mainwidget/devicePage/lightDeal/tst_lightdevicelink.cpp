// The lighting engines driven by a device link on simulated devices: a key
// pressed on the keyboard lights Reactive, a mouse button grows Around
// Speed Respond, and the DPI button moves the DPI colour.

#include "colorArithmetic.h"
#include "keyEffectGenerator.h"
#include "keyboardButCustom.h"
#include "lightDealMain.h"
#include "linkTestFixture.h"
#include "manualTickClock.h"
#include "mouseLightButtonCustom.h"
#include "mouseLightDealMain.h"

#include "zoneConfig.h"

#include <QtTest>

Q_DECLARE_METATYPE(QColor)

namespace {

constexpr int kUsageA = 4;
constexpr int kDpiButton = 0x20;

// The mouse engine with its dots on a clock of its own, fed by a device link
// on the simulated mouse.
struct mouseOnLink
{
    LinkFixture link {testMouse()};
    manualTickClock clock;
    QWidget page;
    QList<mouseLightButtonCustom *> dots;
    mouseLightDealMain engine {nullptr, &clock};

    mouseOnLink()
    {
        for (int n = 0; n < 18; ++n)
            dots.append(new mouseLightButtonCustom(&page));
        engine.setLedWidgets(dots);
        engine.setSpeedAndBrightnessMax(4, 4, 4, 4, 4, 4);
    }
    ~mouseOnLink() { engine.stopAllThreads(); }

    // The link reacts to the Around effect it is told of.
    bool open(int aroundEffect)
    {
        if (!link.openClean())
            return false;
        link.link->setMouseLightDealMain(&engine);
        link.link->setAroundLightType(aroundEffect);
        return true;
    }
};


} // namespace

class tst_lightDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void keyPressLightsReactive();
    void mouseButtonsGrowSpeedRespond();
    void dpiButtonMovesTheDpiColour();
};

void tst_lightDeviceLink::keyPressLightsReactive()
{
    LinkFixture f(testKeyboard());
    QVERIFY(f.openClean());
    manualTickClock clock;
    QWidget view;
    keyboardButCustom *grid[lightDealMain::keyRows][lightDealMain::keyColumns] = {};
    for (int r = 0; r < lightDealMain::keyRows; ++r) {
        for (int c = 0; c < lightDealMain::keyColumns; ++c) {
            grid[r][c] = new keyboardButCustom(&view);
            grid[r][c]->setCell(r, c);
        }
    }
    lightDealMain engine(nullptr, &clock);
    engine.setKeyButtons(grid);
    engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    const QColor user(250, 120, 0);
    engine.setKeyLightConfig(zoneConfig(keyEffectGenerator::effectReactive, user));
    f.link->setLightDealMain(&engine);
    f.link->setKeyLightType(keyEffectGenerator::effectReactive);
    f.link->setKeyButtonMap(QMap<int, keyboardButCustom *> {{kUsageA, grid[3][1]}});

    f.device->sendKeyState(0, {kUsageA});
    QTRY_COMPARE_WITH_TIMEOUT(engine.keyEffects().record(3, 1).level, 255, kLinkWaitMs);
    QCOMPARE(engine.triggerRow(), 3);
    QCOMPARE(engine.triggerColumn(), 1);
    engine.onDviceUpdateAllKeyColor();
    engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(grid[3][1]->getKeyColor(),
             QColor(blendChannel(250, 253, 0), blendChannel(120, 253, 0), 0, 200));
    QCOMPARE(grid[3][2]->getKeyColor().alpha(), 0);
    // The release lights nothing more.
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(engine.keyEffects().record(3, 1).level, 253);
    engine.stopAllThreads();
}

void tst_lightDeviceLink::mouseButtonsGrowSpeedRespond()
{
    mouseOnLink m;
    QVERIFY(m.open(mouseEffectGenerator::aroundSpeedRespond));
    mouseLightDealMain &engine = m.engine;
    const QList<mouseLightButtonCustom *> &dots = m.dots;
    engine.setAroundLightConfig(zoneConfig(mouseEffectGenerator::aroundSpeedRespond, QColor(0, 0, 255)));
    // LEDs 5 and 7 show the Around zone.
    engine.setScrollLinked(true);
    engine.setLogoLinked(true);
    LinkFixture &f = m.link;

    // Press and release: two button events, the second while the first
    // LED is still bright.
    f.device->sendMouseState(0x01, 0);
    f.device->sendMouseState(0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(engine.effects().reactCount(), 2, kLinkWaitMs);
    engine.onDviceUpdateMouseAroundColor();
    engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(dots[7]->getColor(), QColor(0, 0, blendChannel(255, 255, 0), 255));
    QCOMPARE(dots[6]->getColor(), QColor(0, 0, blendChannel(255, 225, 0), 255));
    QCOMPARE(dots[5]->getColor(), QColor(0, 0, 0, 0));
}

void tst_lightDeviceLink::dpiButtonMovesTheDpiColour()
{
    mouseOnLink m;
    QVERIFY(m.open(mouseEffectGenerator::aroundDpi));
    mouseLightDealMain &engine = m.engine;
    LinkFixture &f = m.link;
    engine.setDpiColors({QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)}, 1);
    engine.setAroundLightConfig(zoneConfig(mouseEffectGenerator::aroundDpi, QColor()));

    engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(engine.effects().ledColors()[2], QColor(255, 0, 0, 250));
    f.device->sendMouseState(kDpiButton, 0);
    f.device->sendMouseState(0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(engine.effects().dpiLevel(), 1, kLinkWaitMs);
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(engine.effects().dpiLevel(), 1); // the release moves nothing
    engine.onDviceUpdateMouseAroundColor();
    engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(m.dots[2]->getColor(), QColor(0, 255, 0, 250));
}

QTEST_MAIN(tst_lightDeviceLink)
#include "tst_lightdevicelink.moc"
