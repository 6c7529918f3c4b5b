// The mouse's zone effects as plain computation: each effect's set-up and
// first steps, the DPI levels and input from outside the usual layout.

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "mouseEffectGenerator.h"

#include "zoneConfig.h"

#include <QtTest>

Q_DECLARE_METATYPE(QColor)

namespace {

using generator = mouseEffectGenerator;
const QColor black(0, 0, 0);


// The mouse layout: 18 dots, the first eight the real LEDs.
QVector<int> mouseLayout()
{
    QVector<int> valid(18, 0);
    for (int n = 0; n < 8; ++n)
        valid[n] = 1;
    return valid;
}

struct mouseFixture
{
    lightZoneSettings around {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings scroll {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings logo {lightZoneSettings::speedTableRule::shortTableAtMax4};
    generator effects {around, scroll, logo};

    mouseFixture()
    {
        around.setMaxima(4, 4);
        scroll.setMaxima(4, 4);
        logo.setMaxima(4, 4);
        effects.setLeds(mouseLayout());
    }

    void startAround(int type, const QColor &user, const QColor &background, int direction = 0,
                     bool fullColor = false)
    {
        around.apply(zoneConfig(type, user, background, direction, fullColor));
        QVERIFY(effects.runAroundSetUp(type));
    }
    void aroundTicks(int count)
    {
        for (int i = 0; i < count; ++i)
            QVERIFY(effects.stepAround());
    }

    QColor recordColor(int i) const
    {
        const keyEffectRecord &r = effects.record(i);
        return QColor(r.red, r.green, r.blue);
    }
    QColor led(int n) const { return effects.ledColors()[n]; }
};

QColor blended(const QColor &colour, int level, const QColor &under, int alpha)
{
    return QColor(blendChannel(colour.red(), level, under.red()), blendChannel(colour.green(), level, under.green()),
                  blendChannel(colour.blue(), level, under.blue()), alpha);
}

} // namespace

class tst_mouseEffects : public QObject
{
    Q_OBJECT

private slots:
    void staticAndItsAlpha();
    void breathFallsPausesAndRises();
    void waveStartLevels_data();
    void waveStartLevels();
    void waveFullColour();
    void waveWithMoreValidDotsThanItsTables();
    void neonFullColourAndOneColour();
    void snackTakesSevenTicksPerLed();
    void twinkleStartsAtTick35();
    void speedRespondGrowsAndFades();
    void reactiveHasNoSetUp();
    void dpiLevels_data();
    void dpiLevels();
    void scrollAndLogoOnTheirOwnBrightness_data();
    void scrollAndLogoOnTheirOwnBrightness();
    void scrollAndLogoNeonAndBreath();
    void fewerDotsStillComputeTheZones();
};

void tst_mouseEffects::staticAndItsAlpha()
{
    mouseFixture f;
    f.startAround(generator::aroundStatic, QColor(10, 20, 30), black);
    QCOMPARE(f.recordColor(17), QColor(10, 20, 30));
    QCOMPARE(f.effects.record(17).level, 255);
    f.aroundTicks(1);
    QCOMPARE(f.led(0), QColor(10, 20, 30, 250));
    f.startAround(generator::aroundStatic, black, QColor(9, 9, 9));
    f.aroundTicks(1);
    QCOMPARE(f.led(6), QColor(0, 0, 0, 0));
}

void tst_mouseEffects::breathFallsPausesAndRises()
{
    mouseFixture f;
    const QColor background(0, 0, 80);
    f.startAround(generator::aroundBreath, QColor(200, 0, 0), background);
    QCOMPARE(f.effects.record(4).level, 255);
    QCOMPARE(f.effects.record(4).state, 2);
    f.aroundTicks(1);
    QCOMPARE(f.led(4), QColor(200 * 253 / 256, 0, 0, 253)); // the level itself, not capped
    f.aroundTicks(127);
    QVERIFY(f.effects.aroundBreathState().hold);
    f.aroundTicks(6);
    QVERIFY(f.effects.aroundBreathState().hold);
    f.aroundTicks(1);
    // The second colour: the background.
    QCOMPARE(f.recordColor(0), background);
    QCOMPARE(f.effects.record(0).level, 0);
    f.aroundTicks(1);
    QCOMPARE(f.led(0), QColor(0, 0, 80 * 2 / 256, 2));

    // Full colour cycles the seven Breath colours, never black.
    f.startAround(generator::aroundBreath, QColor(1, 1, 1), black, 0, true);
    QList<QColor> cycle;
    for (int i = 0; i < 7 * 270 && cycle.size() < 8; ++i) {
        if (cycle.isEmpty() || cycle.last() != f.recordColor(3))
            cycle.append(f.recordColor(3));
        f.aroundTicks(1);
    }
    QCOMPARE(cycle, (QList<QColor> {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 255, 255),
                                    QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 255, 255),
                                    QColor(255, 0, 0)}));
}

void tst_mouseEffects::waveStartLevels_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QList<int>>("states");
    QTest::newRow("direction 0") << 0 << QList<int> {245, 210, 175, 140, 105, 70, 35, 10}
                                 << QList<int> {1, 1, 1, 1, 1, 1, 2, 2};
    QTest::newRow("direction 1") << 1 << QList<int> {10, 45, 80, 115, 150, 185, 220, 245}
                                 << QList<int> {2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("direction 7 is 1") << 7 << QList<int> {10, 45, 80, 115, 150, 185, 220, 245}
                                      << QList<int> {2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("direction 2") << 2 << QList<int> {0, 0, 0, 0, 0, 0, 0, 0} << QList<int> {1, 1, 1, 1, 1, 1, 1, 1};
}

void tst_mouseEffects::waveStartLevels()
{
    QFETCH(int, direction);
    QFETCH(QList<int>, levels);
    QFETCH(QList<int>, states);
    mouseFixture f;
    const QColor user(0, 250, 0);
    f.startAround(generator::aroundWave, user, black, direction);
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(f.effects.record(n).level, levels[n]);
        QCOMPARE(f.effects.record(n).state, states[n]);
    }
    // Place-holders start at 0 and rise.
    QCOMPARE(f.effects.record(12).level, 0);
    QCOMPARE(f.effects.record(12).state, 1);
    f.aroundTicks(1);
    const int level = f.effects.record(3).level;
    QCOMPARE(level, levels[3] + (states[3] == 1 ? 4 : -4));
    QCOMPARE(f.led(3), blended(user, level, black, level));
}

void tst_mouseEffects::waveFullColour()
{
    mouseFixture f;
    f.startAround(generator::aroundWave, QColor(1, 1, 1), black, 0, true);
    const QList<QColor> start = {QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                                 QColor(0, 255, 255), QColor(255, 0, 255), QColor(128, 0, 255), QColor(0, 0, 255)};
    for (int n = 0; n < 8; ++n)
        QCOMPARE(f.recordColor(n), start[n]);
    QCOMPARE(f.recordColor(8), black);
    f.aroundTicks(1);
    QCOMPARE(f.led(0), QColor(255, 0, 9, 250));   // towards magenta
    QCOMPARE(f.led(3), QColor(9, 255, 0, 250));   // green towards yellow
    f.startAround(generator::aroundWave, QColor(1, 1, 1), black, 3, true);
    QCOMPARE(f.recordColor(0), black);
}

void tst_mouseEffects::waveWithMoreValidDotsThanItsTables()
{
    // A user-edited layout: all 18 dots valid.
    mouseFixture f;
    f.effects.setLeds(QVector<int>(18, 1));
    f.startAround(generator::aroundWave, QColor(1, 1, 1), black, 0, true);
    QCOMPARE(f.recordColor(7), QColor(0, 0, 255));
    for (int n = 8; n < 18; ++n)
        QCOMPARE(f.recordColor(n), black);
    f.startAround(generator::aroundWave, QColor(0, 0, 200), black, 0, false);
    QCOMPARE(f.effects.record(7).level, 10);
    for (int n = 8; n < 18; ++n)
        QCOMPARE(f.effects.record(n).level, 0);
    f.aroundTicks(2);
}

void tst_mouseEffects::neonFullColourAndOneColour()
{
    mouseFixture f;
    f.startAround(generator::aroundNeon, QColor(1, 1, 1), black, 0, true);
    f.aroundTicks(1);
    QCOMPARE(f.led(17), QColor(255, 6, 0, 180));

    const QColor blue(0, 0, 255);
    f.startAround(generator::aroundNeon, blue, black);
    f.aroundTicks(1);
    QCOMPARE(f.led(0), blended(blue, 1, black, 1));
    // Up to 255, down to 0 (landing on it), and the next tick reports the
    // floor: 512 ticks.
    f.aroundTicks(510);
    QCOMPARE(f.effects.record(0).level, 0);
    QCOMPARE(f.effects.record(0).state, 2);
    QVERIFY(!f.effects.aroundBreathState().hold);
    f.aroundTicks(1);
    // Each floor holds the next six records of the walk, and the hold
    // carries into the next tick.
    for (int n = 0; n < 18; ++n)
        QCOMPARE(f.effects.record(n).state, (n == 0 || n == 7 || n == 14) ? 1 : 2);
    QVERIFY(f.effects.aroundBreathState().hold);
    QCOMPARE(int(f.effects.aroundBreathState().holdCount), 4);
}

void tst_mouseEffects::snackTakesSevenTicksPerLed()
{
    mouseFixture f;
    const QColor user(250, 250, 0);
    const QColor background(0, 0, 40);
    f.startAround(generator::aroundSnack, user, background, 1);
    // Odd direction: from LED 7 towards LED 0.
    QCOMPARE(f.effects.record(7).step, 4);
    QCOMPARE(f.effects.record(7).state, 1);
    QCOMPARE(f.recordColor(0), background);
    // Each head rises 0, 40, ..., 240, 255: the next LED takes over on the
    // seventh tick.
    QList<int> heads;
    for (int tick = 1; tick <= 7 * 7; ++tick) {
        const int before = f.effects.snackHead();
        f.aroundTicks(1);
        if (f.effects.snackHead() != before) {
            QCOMPARE(tick % 7, 0);
            for (int n = 0; n < 8; ++n) {
                const keyEffectRecord &r = f.effects.record(n);
                if (r.step == 4 && r.level == 0 && r.state == 1)
                    heads.append(n);
            }
        }
    }
    QCOMPARE(heads, (QList<int> {6, 5, 4, 3, 2, 1, 0}));
    // Shown at the record's colour, at 180, whatever the level.
    QCOMPARE(f.led(12), QColor(0, 0, 40, 180));

    // Full colour: the head in trail colour 4, the tail through 3 and 1.
    f.startAround(generator::aroundSnack, user, background, 0, true);
    QCOMPARE(f.recordColor(0), ColorTables::trailColors.at(4));
    f.aroundTicks(7);
    QCOMPARE(f.recordColor(1), ColorTables::trailColors.at(4));
    QCOMPARE(f.recordColor(0), ColorTables::trailColors.at(3));
    QList<QColor> tail;
    for (int i = 0; i < 40; ++i) {
        f.aroundTicks(1);
        if (tail.isEmpty() || tail.last() != f.recordColor(0))
            tail.append(f.recordColor(0));
    }
    QCOMPARE(tail.mid(0, 3), (QList<QColor> {ColorTables::trailColors.at(3), ColorTables::trailColors.at(1),
                                             background}));
}

void tst_mouseEffects::twinkleStartsAtTick35()
{
    mouseFixture f;
    const QColor user(255, 0, 255);
    f.startAround(generator::aroundTwinkle, user, black);
    f.aroundTicks(34);
    for (int n = 0; n < 18; ++n)
        QCOMPARE(f.effects.record(n).state, 0);
    f.aroundTicks(1);
    QCOMPARE(f.effects.twinklePosition(), 1);
    QCOMPARE(f.effects.record(1).state, 1); // sequence position 1 is LED 1
    QCOMPARE(f.effects.record(1).level, 1);
    f.aroundTicks(1);
    QCOMPARE(f.effects.record(1).level, 9);
    QCOMPARE(f.led(1), blended(user, 9, black, 9));

    // Position 131 (LED 4) is followed by position 0 (LED 3).
    f.aroundTicks(35 * 130 - 1);
    QCOMPARE(f.effects.twinklePosition(), 131);
    QCOMPARE(f.effects.record(4).state, 1);
    f.aroundTicks(35);
    QCOMPARE(f.effects.twinklePosition(), 0);
    QCOMPARE(f.effects.record(3).level, 1);

    // Full colour: each start takes the next lower colour, white first.
    f.startAround(generator::aroundTwinkle, user, black, 0, true);
    f.aroundTicks(35);
    QCOMPARE(f.effects.record(1).step, 7);
    QCOMPARE(f.effects.record(1).level, 0);
    f.aroundTicks(1);
    QCOMPARE(f.led(1), blended(QColor(255, 255, 255), 8, black, 8));
}

void tst_mouseEffects::speedRespondGrowsAndFades()
{
    mouseFixture f;
    const QColor user(0, 200, 0);
    f.startAround(generator::aroundSpeedRespond, user, black);
    f.effects.triggerAroundReaction();
    QCOMPARE(f.effects.reactCount(), 1);
    QCOMPARE(f.effects.record(7).level, 255); // even direction: from LED 7
    // Fading in nine ticks: 255, 225, ..., 15, 0.
    QList<int> alphas;
    for (int i = 0; i < 9; ++i) {
        f.aroundTicks(1);
        alphas.append(f.led(7).alpha());
    }
    QCOMPARE(alphas, (QList<int> {255, 225, 195, 165, 135, 105, 75, 45, 15}));
    QCOMPARE(f.effects.record(7).level, 0);
    QCOMPARE(f.effects.reactCount(), 0);

    // Events close together grow the run, up to eight LEDs.
    f.startAround(generator::aroundSpeedRespond, user, black, 0, true);
    for (int i = 0; i < 10; ++i) {
        f.effects.triggerAroundReaction();
        f.aroundTicks(2);
    }
    QCOMPARE(f.effects.reactCount(), 8);
    QCOMPARE(f.recordColor(0), ColorTables::mouseButtonColors.at(7)); // the eighth: red on LED 0
    QCOMPARE(f.recordColor(7), ColorTables::mouseButtonColors.at(0));
    // A late event only relights the run.
    f.aroundTicks(5);
    QCOMPARE(f.effects.record(0).level, 255 - 7 * 30);
    f.effects.triggerAroundReaction();
    QCOMPARE(f.effects.reactCount(), 8);
    QCOMPARE(f.effects.record(0).level, 255);

    // Odd direction: from LED 0 up.
    f.startAround(generator::aroundSpeedRespond, user, black, 1);
    f.effects.triggerAroundReaction();
    QCOMPARE(f.effects.record(0).level, 255);
    QCOMPARE(f.effects.record(7).level, 0);
}

void tst_mouseEffects::reactiveHasNoSetUp()
{
    mouseFixture f;
    f.around.apply(zoneConfig(generator::aroundReactive, QColor(1, 1, 1), black));
    QVERIFY(!f.effects.runAroundSetUp(generator::aroundReactive));
    QVERIFY(f.effects.stepAround());
    QVERIFY(!f.effects.runAroundSetUp(9));
    QVERIFY(!f.effects.stepAround());
}

void tst_mouseEffects::dpiLevels_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("shown"); // the entry shown, then after each press; -1 black
    QTest::newRow("third level") << 5 << 3 << QList<int> {2, 3, 4, 0, 1, 2};
    QTest::newRow("five presses from the first") << 5 << 1 << QList<int> {0, 1, 2, 3, 4, 0};
    QTest::newRow("sniper level") << 6 << 6 << QList<int> {5, 0, 1};
    QTest::newRow("stored level past the list") << 6 << 9 << QList<int> {-1, 0};
    QTest::newRow("level 0") << 5 << 0 << QList<int> {-1, 0, 1};
    QTest::newRow("fewer colours than levels") << 2 << 1 << QList<int> {0, 1, -1, -1, -1, 0};
    QTest::newRow("empty list") << 0 << 1 << QList<int> {-1, -1, -1};
}

void tst_mouseEffects::dpiLevels()
{
    QFETCH(int, colours);
    QFETCH(int, level);
    QFETCH(QList<int>, shown);
    const QList<QColor> palette = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                                   QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 255, 255)};
    mouseFixture f;
    f.effects.setDpiColors(palette.mid(0, colours), level);
    f.startAround(generator::aroundDpi, QColor(), black);
    for (int i = 0; i < shown.size(); ++i) {
        if (i > 0)
            f.effects.nextDpiLevel();
        f.aroundTicks(1);
        const QColor expected = shown[i] < 0 ? QColor(0, 0, 0, 0) : QColor(palette[shown[i]].rgb());
        QColor opaque = expected;
        if (shown[i] >= 0)
            opaque.setAlpha(250);
        QCOMPARE(f.led(2), opaque);
    }
}

void tst_mouseEffects::scrollAndLogoOnTheirOwnBrightness_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("static") << int(generator::zoneStatic);
    QTest::newRow("breath") << int(generator::zoneBreath);
    QTest::newRow("dpi") << int(generator::zoneDpi);
}

void tst_mouseEffects::scrollAndLogoOnTheirOwnBrightness()
{
    QFETCH(int, type);
    mouseFixture f;
    f.effects.setDpiColors({QColor(200, 100, 0)}, 1);
    // Around at full brightness; Scroll at maximum 2 (factor 206 at 0),
    // Logo at maximum 4 (factor 164 at 2).
    f.around.setMaxima(4, 4);
    f.scroll.setMaxima(4, 2);
    f.logo.setMaxima(4, 4);
    const QColor user(200, 100, 0);
    f.scroll.apply(zoneConfig(type, user, black, 0, false, 2, 0));
    f.logo.apply(zoneConfig(type, user, black, 0, false, 2, 2));
    QVERIFY(f.effects.runScrollSetUp(type));
    QVERIFY(f.effects.runLogoSetUp(type));
    QVERIFY(f.effects.stepScroll());
    QVERIFY(f.effects.stepLogo());
    const QColor raw = type == generator::zoneBreath ? QColor(200 * 253 / 256, 100 * 253 / 256, 0, 253)
                                                     : QColor(200, 100, 0, 250);
    QCOMPARE(f.effects.scrollColor(), raw.darker(206));
    QCOMPARE(f.effects.logoColor(), raw.darker(164));
}

void tst_mouseEffects::scrollAndLogoNeonAndBreath()
{
    mouseFixture f;
    // Neon in one colour holds seven ticks at the bottom.
    f.scroll.apply(zoneConfig(generator::zoneNeon, QColor(0, 0, 255), black));
    QVERIFY(f.effects.runScrollSetUp(generator::zoneNeon));
    for (int i = 0; i < 512; ++i)
        f.effects.stepScroll();
    QCOMPARE(f.effects.record(generator::scrollRecord).level, 0);
    for (int i = 0; i < 6; ++i)
        f.effects.stepScroll();
    QCOMPARE(f.effects.record(generator::scrollRecord).level, 0);
    f.effects.stepScroll();
    QCOMPARE(f.effects.record(generator::scrollRecord).level, 1);

    // Logo's Breath keeps its own state: Scroll in Breath is unaffected.
    f.scroll.apply(zoneConfig(generator::zoneBreath, QColor(255, 0, 0), black));
    f.logo.apply(zoneConfig(generator::zoneBreath, QColor(0, 255, 0), black, 0, true));
    QVERIFY(f.effects.runScrollSetUp(generator::zoneBreath));
    QVERIFY(f.effects.runLogoSetUp(generator::zoneBreath));
    for (int i = 0; i < 128 + 7; ++i)
        f.effects.stepLogo();
    const keyEffectRecord &logo = f.effects.record(generator::logoRecord);
    QCOMPARE(QColor(logo.red, logo.green, logo.blue), QColor(255, 255, 0));
    f.effects.stepScroll();
    QCOMPARE(f.effects.record(generator::scrollRecord).level, 253);
    QCOMPARE(f.effects.scrollColor(), QColor(255 * 253 / 256, 0, 0, 253));
}

void tst_mouseEffects::fewerDotsStillComputeTheZones()
{
    mouseFixture f;
    f.effects.setLeds(QVector<int>(4, 1));
    QCOMPARE(f.effects.dotCount(), 4);
    f.scroll.apply(zoneConfig(generator::zoneStatic, QColor(1, 2, 3), black));
    QVERIFY(f.effects.runScrollSetUp(generator::zoneStatic));
    f.effects.stepScroll();
    QCOMPARE(f.effects.scrollColor(), QColor(1, 2, 3, 250));
    // The walks over the dots stop at the last dot.
    f.startAround(generator::aroundStatic, QColor(5, 5, 5), black);
    f.aroundTicks(1);
    QCOMPARE(f.led(3), QColor(5, 5, 5, 250));
    QVERIFY(!f.led(4).isValid());

    // More than 18 dots: the first 18.
    f.effects.setLeds(QVector<int>(25, 1));
    QCOMPARE(f.effects.dotCount(), 18);
}

QTEST_APPLESS_MAIN(tst_mouseEffects)
#include "tst_mouseeffects.moc"
