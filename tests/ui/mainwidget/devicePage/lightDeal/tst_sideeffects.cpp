// The side-light effects as plain computation over a strip, and how the
// keyboard engine runs them.

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "keyEffectGenerator.h"
#include "keyboardButCustom.h"
#include "lightDealMain.h"
#include "manualTickClock.h"
#include "sideEffectGenerator.h"
#include "sideLightButtonCustom.h"

#include "zoneConfig.h"

#include <QtTest>

#include <set>

Q_DECLARE_METATYPE(QColor)

namespace {

const QColor black(0, 0, 0);


// A side strip and its generator, at full brightness; the key zone shares
// the Breath state as in the engine.
struct stripFixture
{
    lightZoneSettings sideZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings keyZone;
    breathState breath;
    sideEffectGenerator side {sideZone, breath};
    keyEffectGenerator keys {keyZone, breath};

    explicit stripFixture(int leds = 33, const QString &model = QString())
    {
        sideZone.setMaxima(4, 4);
        keyZone.setMaxima(4, 4);
        side.setLeds(QVector<int>(leds, 1));
        side.setModelName(model);
    }

    void start(int type, const QColor &user, const QColor &background, int direction = 0, bool fullColor = false)
    {
        sideZone.apply(zoneConfig(type, user, background, direction, fullColor));
        QVERIFY(side.runSetUp(type));
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            QVERIFY(side.step());
    }

    QColor recordColor(int n) const
    {
        const keyEffectRecord &r = side.record(n);
        return QColor(r.red, r.green, r.blue);
    }
    QColor colour(int n) const { return side.colors()[n]; }
};

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// Runs Collision and notes, per pacing period, the LEDs it lit.
QList<std::set<int>> litPerPeriod(stripFixture &f, int ticksPerPeriod, int periods, int litLevel, int litState)
{
    QList<std::set<int>> lit;
    for (int p = 0; p < periods; ++p) {
        f.ticks(ticksPerPeriod - 1);
        // Nothing is lit between pacing ticks.
        for (int n = 0; n < f.side.ledCount(); ++n) {
            if (f.side.record(n).level == 255 && f.side.record(n).state == litState)
                return lit;
        }
        f.ticks(1);
        std::set<int> now;
        for (int n = 0; n < f.side.ledCount(); ++n) {
            const keyEffectRecord &r = f.side.record(n);
            if (r.level == litLevel && r.state == litState)
                now.insert(n);
        }
        lit.append(now);
    }
    return lit;
}

} // namespace

class tst_sideEffects : public QObject
{
    Q_OBJECT

private slots:
    void staticShowsTheModeColour();
    void breathFullColourFallsPausesAndRises();
    void breathSingleColourAlternatesWithTheBackground();
    void keyAndSideBreathShareTheirState();
    void waveListedModel_data();
    void waveListedModel();
    void waveUnlistedModel();
    void waveStripLongerThanItsRow();
    void collisionRuns_data();
    void collisionRuns();
    void collisionFullColourPalette();
    void neonWalksTheHueOrBreathes();
    void engineStepsTheSideOnlyWithSideLights();
};

void tst_sideEffects::staticShowsTheModeColour()
{
    stripFixture f(10);
    f.start(sideEffectGenerator::effectStatic, QColor(20, 40, 60), QColor(1, 1, 1));
    QCOMPARE(f.recordColor(59), QColor(20, 40, 60)); // every record, not just the strip's
    f.ticks(1);
    QCOMPARE(f.colour(9), QColor(20, 40, 60, 250));
    QCOMPARE(f.colour(10), QColor(0, 0, 0, 0)); // past the strip: untouched
    f.start(sideEffectGenerator::effectStatic, black, QColor(1, 1, 1));
    f.ticks(1);
    QCOMPARE(f.colour(0), QColor(0, 0, 0, 0));

    // The side zone's brightness.
    f.sideZone.setMaxima(4, 4);
    colorInfoData dim = zoneConfig(sideEffectGenerator::effectStatic, QColor(200, 0, 0), black);
    dim.ledBrightness = 0;
    f.sideZone.apply(dim);
    f.side.runSetUp(sideEffectGenerator::effectStatic);
    f.ticks(1);
    QCOMPARE(f.colour(3), QColor(200, 0, 0, 250).darker(228));
}

void tst_sideEffects::breathFullColourFallsPausesAndRises()
{
    stripFixture f(8);
    f.start(sideEffectGenerator::effectBreath, QColor(1, 2, 3), black, 0, true);
    QCOMPARE(f.recordColor(0), QColor(255, 0, 0));
    QCOMPARE(f.side.record(7).level, 255);
    f.ticks(1);
    QCOMPARE(f.colour(7), QColor(255 * 253 / 256, 0, 0, 200));
    f.ticks(126);
    QCOMPARE(f.side.record(0).level, 1);
    QVERIFY(!f.breath.hold);
    f.ticks(1); // the 128th tick floors the first LED and holds
    QVERIFY(f.breath.hold);
    QCOMPARE(f.colour(0), QColor(0, 0, 0, 0));
    // LEDs after the one that set the hold keep their last colour.
    QCOMPARE(f.side.record(1).level, 1);
    f.ticks(6);
    QVERIFY(f.breath.hold);
    QCOMPARE(f.recordColor(0), QColor(255, 0, 0));
    f.ticks(1); // the seventh dark tick: yellow, from 0
    QVERIFY(!f.breath.hold);
    QCOMPARE(f.recordColor(5), QColor(255, 255, 0));
    QCOMPARE(f.side.record(5).level, 0);
    QCOMPARE(f.side.record(5).state, 1);
    f.ticks(1);
    QCOMPARE(f.side.record(5).level, 2);
    QCOMPARE(f.colour(5), QColor(1, 1, 0, 2));

    // Through white and back to red.
    QList<QColor> cycle;
    for (int i = 0; i < 7 * 300 && cycle.size() < 7; ++i) {
        const QColor now = f.recordColor(0);
        if (cycle.isEmpty() || cycle.last() != now)
            cycle.append(now);
        f.ticks(1);
    }
    QCOMPARE(cycle, (QList<QColor> {QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 255, 255), QColor(0, 0, 255),
                                    QColor(255, 0, 255), QColor(255, 255, 255), QColor(255, 0, 0)}));
}

void tst_sideEffects::breathSingleColourAlternatesWithTheBackground()
{
    for (const QColor &background : {black, QColor(0, 0, 255)}) {
        stripFixture f(4);
        f.start(sideEffectGenerator::effectBreath, QColor(200, 40, 0), background);
        f.ticks(128 + 7);
        const QColor second = background == black ? QColor(200, 40, 0) : background;
        QCOMPARE(f.recordColor(2), second);
    }
}

void tst_sideEffects::keyAndSideBreathShareTheirState()
{
    stripFixture f(4);
    f.keyZone.apply(zoneConfig(keyEffectGenerator::effectBreath, QColor(200, 0, 0), black));
    QVERIFY(f.keys.runSetUp(keyEffectGenerator::effectBreath));
    // The side set-up after the key one: both run the side's palette.
    f.start(sideEffectGenerator::effectBreath, QColor(1, 1, 1), black, 0, true);
    for (int i = 0; i < 128 + 7; ++i)
        f.keys.stepKeyEffect();
    const keyEffectRecord &key = f.keys.record(3, 3);
    QCOMPARE(QColor(key.red, key.green, key.blue), QColor(255, 255, 0)); // not the key's red
    QCOMPARE(int(f.breath.index), 1);

    // The side, not stepped so far, ends its fall on the same index and
    // takes the colour after it.
    f.ticks(128);
    QVERIFY(f.breath.hold);
    // Both zones count the one pause: the fourth tick of both steps ends
    // it, and the key zone, counting first, moves both to the next colour.
    for (int i = 0; i < 3; ++i) {
        f.keys.stepKeyEffect();
        f.side.step();
    }
    QVERIFY(f.breath.hold);
    QCOMPARE(int(f.breath.index), 1);
    f.keys.stepKeyEffect();
    QVERIFY(!f.breath.hold);
    QCOMPARE(int(f.breath.index), 2);
    QCOMPARE(QColor(key.red, key.green, key.blue), QColor(0, 255, 0));
}

void tst_sideEffects::waveListedModel_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("fullColor");
    QTest::newRow("full colour, direction 0") << 0 << true;
    QTest::newRow("full colour, direction 1") << 1 << true;
    QTest::newRow("full colour, direction 2") << 2 << true;
    QTest::newRow("one colour, direction 0") << 0 << false;
    QTest::newRow("one colour, direction 1") << 1 << false;
}

void tst_sideEffects::waveListedModel()
{
    QFETCH(int, direction);
    QFETCH(bool, fullColor);
    // Pellumor: 14 gradient colours and profile values, split at LED 6.
    // Three place-holders lead and trail the 14 LEDs of the wave.
    stripFixture f(20, QStringLiteral("Pellumor"));
    QVector<int> valid(20, 0);
    for (int n = 3; n < 17; ++n)
        valid[n] = 1;
    f.side.setLeds(valid);
    const QColor user(250, 0, 0);
    const QColor background(0, 0, 100);
    f.start(sideEffectGenerator::effectWave, user, background, direction, fullColor);
    const QList<int> profile = {245, 225, 205, 185, 165, 145, 120, 100, 80, 60, 45, 30, 20, 10};
    for (int n = 0; n < 20; ++n) {
        const keyEffectRecord &r = f.side.record(n);
        const bool onWave = valid[n] == 1;
        if (fullColor) {
            const QColor expected = onWave && direction < 2 ? ColorTables::sideWaveColorsPellumor.at(n - 3) : black;
            QCOMPARE(f.recordColor(n), expected);
            QCOMPARE(r.level, 255);
        } else {
            const int weight = onWave ? (direction == 0 ? profile[n - 3] : 255 - profile[n - 3]) : 0;
            QCOMPARE(r.level, weight);
            QCOMPARE(f.recordColor(n), QColor(blendChannel(250, weight, 0), 0, blendChannel(0, weight, 100)));
            // Falling before the split, rising after; place-holders follow
            // the LED before them (rising at the start).
            const int state = n < 3 ? 1 : (n < 6 ? 2 : 1);
            QCOMPARE(r.state, state);
        }
    }
    if (fullColor && direction < 2) {
        QCOMPARE(f.recordColor(3), QColor(0xff, 0x00, 0x00));
        QCOMPARE(f.recordColor(16), QColor(0xff, 0x00, 0x55));
        // Each tick walks the hue towards magenta by 9.
        f.ticks(1);
        QCOMPARE(f.colour(3), QColor(255, 0, 9, 250));
    }
    if (!fullColor) {
        f.ticks(1);
        // Over a coloured background the level is shown at 250.
        const int level = f.side.record(4).level;
        QCOMPARE(f.colour(4), QColor(blendChannel(250, level, 0), 0, blendChannel(0, level, 100), 250));
    }
}

void tst_sideEffects::waveUnlistedModel()
{
    // None of the shipped models has a Wave row.
    QVERIFY(!sideEffectGenerator::waveRowFor(QStringLiteral("Rulvarro")));
    QVERIFY(sideEffectGenerator::waveRowFor(QStringLiteral("Corvenne")));
    stripFixture f(50, QStringLiteral("Rulvarro"));
    f.start(sideEffectGenerator::effectWave, QColor(0, 200, 0), black, 0, true);
    for (int n = 0; n < 50; ++n)
        QCOMPARE(f.recordColor(n), black);
    f.ticks(3);
    QCOMPARE(f.colour(20), QColor(0, 0, 0, 250));

    // One colour: every LED from the background at level 0, rising together.
    f.start(sideEffectGenerator::effectWave, QColor(0, 200, 0), black, 0, false);
    f.ticks(2);
    for (int n = 0; n < 50; ++n) {
        QCOMPARE(f.side.record(n).level, 8);
        QCOMPARE(f.side.record(n).state, 1);
    }
    QCOMPARE(f.colour(49), QColor(0, blendChannel(200, 8, 0), 0, 8));
}

void tst_sideEffects::waveStripLongerThanItsRow()
{
    // Lindoque's row has 8 colours and 9 profile values; this strip has 12
    // LEDs on the wave.
    stripFixture f(12, QStringLiteral("Lindoque"));
    f.start(sideEffectGenerator::effectWave, QColor(255, 0, 0), black, 0, true);
    QCOMPARE(f.recordColor(7), ColorTables::sideWaveColorsLindoque.at(7));
    for (int n = 8; n < 12; ++n)
        QCOMPARE(f.recordColor(n), black);

    f.start(sideEffectGenerator::effectWave, QColor(255, 0, 0), black, 1, false);
    QCOMPARE(f.side.record(0).level, 255 - 245);
    QCOMPARE(f.side.record(8).level, 255 - 0);
    for (int n = 9; n < 12; ++n)
        QCOMPARE(f.side.record(n).level, 0);
    f.ticks(1);
}

void tst_sideEffects::collisionRuns_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("ticksPerPeriod");
    QTest::addColumn<int>("litState");
    QTest::newRow("full colour") << true << 8 << 1;
    QTest::newRow("one colour") << false << 6 << 2;
}

void tst_sideEffects::collisionRuns()
{
    QFETCH(bool, fullColor);
    QFETCH(int, ticksPerPeriod);
    QFETCH(int, litState);
    stripFixture f(40);
    f.start(sideEffectGenerator::effectCollision, QColor(0, 100, 200), black, 0, fullColor);
    const QList<std::set<int>> lit = litPerPeriod(f, ticksPerPeriod, 72, 255, litState);
    QCOMPARE(lit.size(), 72);
    // Out: 32 and 0, 31 and 1, ..., 16 alone, ..., 0 and 32.
    for (int step = 0; step < 33; ++step)
        QCOMPARE(lit[step], (std::set<int> {32 - step, step}));
    QCOMPARE(lit[16], (std::set<int> {16}));
    // Four paced pauses, then the run again from 0 and 32.
    for (int pause = 33; pause < 37; ++pause)
        QVERIFY(lit[pause].empty());
    QVERIFY(f.side.collisionReturning());
    for (int step = 0; step < 33; ++step)
        QCOMPARE(lit[37 + step], (std::set<int> {step, 32 - step}));
    QVERIFY(lit[70].empty());
    // LEDs above 32 never light.
    for (const std::set<int> &leds : lit)
        QVERIFY(leds.empty() || *leds.rbegin() <= 32);
}

void tst_sideEffects::collisionFullColourPalette()
{
    stripFixture f(33);
    const QColor background(0, 0, 50);
    f.start(sideEffectGenerator::effectCollision, QColor(1, 1, 1), background, 0, true);
    f.ticks(8);
    QCOMPARE(f.recordColor(0), ColorTables::collisionColors.at(7)); // ff3f00
    QCOMPARE(f.side.record(0).step, 7);
    std::set<int> shown;
    for (int i = 0; i < 400; ++i) {
        f.ticks(1);
        const QColor c = f.recordColor(0);
        for (int e = 0; e < 8; ++e) {
            if (c == ColorTables::collisionColors.at(e))
                shown.insert(e);
        }
        // Over the palette entry of its step, shown at 250.
        const keyEffectRecord &r = f.side.record(0);
        if (r.step >= 1 && r.step <= 6) {
            const QColor under = ColorTables::collisionColors.at((r.step & 1) ? r.step + 1 : r.step);
            QCOMPARE(f.colour(0), QColor(blendChannel(r.red, r.level, under.red()),
                                         blendChannel(r.green, r.level, under.green()),
                                         blendChannel(r.blue, r.level, under.blue()), 250));
        }
    }
    QCOMPARE(shown, (std::set<int> {1, 3, 5, 7}));
}

void tst_sideEffects::neonWalksTheHueOrBreathes()
{
    stripFixture f(10);
    f.start(sideEffectGenerator::effectNeon, QColor(1, 1, 1), black, 0, true);
    f.ticks(1);
    QCOMPARE(f.colour(9), QColor(255, 6, 0, 250));
    f.ticks(42);
    QCOMPARE(f.recordColor(0), QColor(255, 255, 0));

    // One colour: rises by 1 a tick; a hold skips the next six LED visits.
    f.start(sideEffectGenerator::effectNeon, QColor(0, 0, 255), black);
    f.ticks(3);
    QCOMPARE(f.side.record(9).level, 3);
    QCOMPARE(f.colour(9), QColor(0, 0, blendChannel(255, 3, 0), 3));
    f.start(sideEffectGenerator::effectNeon, QColor(0, 0, 255), QColor(10, 0, 0));
    f.ticks(1);
    QCOMPARE(f.colour(0).alpha(), 180);
}

void tst_sideEffects::engineStepsTheSideOnlyWithSideLights()
{
    manualTickClock clock;
    QWidget view;
    keyboardButCustom *grid[lightDealMain::keyRows][lightDealMain::keyColumns] = {};
    QList<sideLightButtonCustom *> strip;
    for (int n = 0; n < 12; ++n) {
        strip.append(new sideLightButtonCustom(&view));
        strip.last()->setIndexAndValid(n, n < 8 ? 1 : 0);
    }
    lightDealMain engine(nullptr, &clock);
    engine.setKeyButtons(grid);
    engine.setDeviceName(QStringLiteral("Lindoque"));
    engine.setSideLightWidgets(strip);
    engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    engine.setSideLightConfig(zoneConfig(sideEffectGenerator::effectWave, QColor(), black, 0, true));
    // The set-up shows the gradient at alpha 0; place-holders stay black.
    QCOMPARE(strip[2]->getLightColor(), withAlpha(ColorTables::sideWaveColorsLindoque.at(2), 0));
    QCOMPARE(strip[9]->getLightColor(), QColor(0, 0, 0, 0));
    engine.setKeyLightConfig(zoneConfig(keyEffectGenerator::effectStatic, QColor(1, 1, 1), black));

    engine.onDviceUpdateAllSideLightColor();
    QCOMPARE(engine.sideColors()[0], QColor(255, 0, 0, 0)); // no side lights: no step
    engine.setSideLightEnabled(true);
    engine.onDviceUpdateAllSideLightColor();
    QCOMPARE(engine.sideColors()[0], QColor(255, 0, 9, 250));
    engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(strip[0]->getLightColor(), QColor(255, 0, 9, 250));
    engine.stopAllThreads();
}

QTEST_MAIN(tst_sideEffects)
#include "tst_sideeffects.moc"
