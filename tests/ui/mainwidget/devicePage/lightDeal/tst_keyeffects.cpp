// The ambient key effects as plain computation over the 6 x 22 grid: each
// set-up and the first steps from a known state.

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "keyEffectGenerator.h"
#include "keyEffectTables.h"

#include <QtTest>

#include <set>

Q_DECLARE_METATYPE(QColor)

namespace {

constexpr int columns = keyEffectGenerator::columns;
constexpr int cells = keyEffectGenerator::cells;

// One generator with its zone, at full brightness on a device with five
// brightness levels, so frame colours are the effects' own.
struct effectFixture
{
    lightZoneSettings zone;
    breathState breath;
    keyEffectGenerator effects {zone, breath};

    explicit effectFixture(int keyCount = 104)
    {
        zone.setMaxima(4, 4);
        effects.setKeyCount(keyCount);
    }

    void start(int type, const QColor &user, const QColor &background, int direction = 0,
               bool fullColor = false, int brightness = 4)
    {
        colorInfoData info {};
        info.ledType = type;
        info.ledBrightness = brightness;
        info.ledModeR = user.red();
        info.ledModeG = user.green();
        info.ledModeB = user.blue();
        info.ledBgR = background.red();
        info.ledBgG = background.green();
        info.ledBgB = background.blue();
        info.ledDirection = direction;
        info.ledModeType = fullColor ? 1 : 0;
        zone.apply(info);
        QVERIFY(effects.runSetUp(type));
        QCOMPARE(effects.effectId(), type);
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            QVERIFY(effects.stepKeyEffect());
    }

    QColor frame(int row, int column) const { return effects.frame()[row * columns + column]; }
    const keyEffectRecord &record(int row, int column) const { return effects.record(row, column); }
    QColor recordColor(int row, int column) const
    {
        const keyEffectRecord &r = record(row, column);
        return QColor(r.red, r.green, r.blue);
    }
};

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QColor blended(const QColor &colour, int level, const QColor &background)
{
    return QColor(blendChannel(colour.red(), level, background.red()),
                  blendChannel(colour.green(), level, background.green()),
                  blendChannel(colour.blue(), level, background.blue()));
}

const QColor black(0, 0, 0);

} // namespace

class tst_keyEffects : public QObject
{
    Q_OBJECT

private slots:
    void staticShowsTheUserColour();
    void brightnessDarkensTheOutput();
    void customKeepsTheKeyColours();
    void customKeyColourStaysOnTheGrid_data();
    void customKeyColourStaysOnTheGrid();
    void breathFallsPausesAndRises_data();
    void breathFallsPausesAndRises();
    void breathFullColourCyclesSevenColours();
    void neonFullColourWalksTheHue();
    void neonUserColourSkipsCellsAfterTheFloor();
    void waveUserColourSetUp_data();
    void waveUserColourSetUp();
    void waveUserColourStep();
    void waveFullColour_data();
    void waveFullColour();
    void radarSetUpAndStep();
    void snackRunsThePathBackwards();
    void snackUserTrailAndFullColourHead();
    void twinkleLightsEverySecondTick();
    void striationSweepsEachRow();
    void striationFullColourPaletteFade();
    void keyRecordColorPicksTheUnderColour_data();
    void keyRecordColorPicksTheUnderColour();
    void otherIdsHaveNoStepHere();
    void tablesByKeyCount();
};

void tst_keyEffects::staticShowsTheUserColour()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectStatic, QColor(10, 20, 30), QColor(1, 2, 3));
    // The set-up shows the records at once, opaque.
    QCOMPARE(f.frame(3, 7), QColor(10, 20, 30, 255));
    QCOMPARE(f.record(5, 21).level, 255);
    f.ticks(1);
    QCOMPARE(f.frame(0, 0), QColor(10, 20, 30, 180));
    QCOMPARE(f.frame(5, 21), QColor(10, 20, 30, 180));

    f.start(keyEffectGenerator::effectStatic, black, QColor(1, 2, 3));
    f.ticks(1);
    QCOMPARE(f.frame(2, 2).alpha(), 0);
}

void tst_keyEffects::brightnessDarkensTheOutput()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectStatic, QColor(200, 100, 50), black, 0, false, 0);
    f.ticks(1);
    QCOMPARE(f.frame(1, 1), QColor(200, 100, 50, 180).darker(228));
    // A brightness change reaches the running effect at its next step.
    colorInfoData info = f.zone.raw();
    info.ledBrightness = 4;
    f.zone.apply(info);
    f.ticks(1);
    QCOMPARE(f.frame(1, 1), QColor(200, 100, 50, 180));
}

void tst_keyEffects::customKeepsTheKeyColours()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectStatic, QColor(9, 9, 9), black);
    const std::array<QColor, cells> before = f.effects.frame();

    std::array<QColor, cells> keys;
    keys.fill(black);
    keys[1 * columns + 4] = QColor(0, 0, 255, 128);
    f.effects.initCustomEffect(keys);
    QCOMPARE(f.effects.effectId(), int(keyEffectGenerator::effectCustom));
    QCOMPARE(f.recordColor(1, 4), QColor(0, 0, 255));
    QCOMPARE(f.record(1, 4).level, 255);
    // The set-up copies nothing into the frame.
    QVERIFY(f.effects.frame() == before);

    f.ticks(1);
    QCOMPARE(f.frame(1, 4), QColor(0, 0, 255, 180));
    QCOMPARE(f.frame(0, 0).alpha(), 0);
}

void tst_keyEffects::customKeyColourStaysOnTheGrid_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("taken");
    QTest::newRow("on the grid") << 1 << 4 << true;
    QTest::newRow("last cell") << 5 << 21 << true;
    // Unchecked, these would land on (1, 0), (1, 19), past the records and
    // before them.
    QTest::newRow("column past the row") << 0 << 22 << false;
    QTest::newRow("negative column") << 2 << -3 << false;
    QTest::newRow("row below the grid") << 6 << 0 << false;
    QTest::newRow("row above the grid") << -1 << 21 << false;
}

void tst_keyEffects::customKeyColourStaysOnTheGrid()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, taken);
    effectFixture f;
    std::array<QColor, cells> keys;
    keys.fill(black);
    f.effects.initCustomEffect(keys);
    f.ticks(1);
    const std::array<QColor, cells> frame = f.effects.frame();
    const QColor white(255, 255, 255);
    QCOMPARE(f.effects.setCustomKeyColor(row, column, white), taken);
    int whites = 0;
    for (int r = 0; r < keyEffectGenerator::rows; ++r) {
        for (int c = 0; c < columns; ++c)
            whites += f.recordColor(r, c) == white ? 1 : 0;
    }
    QCOMPARE(whites, taken ? 1 : 0);
    if (taken)
        QCOMPARE(f.recordColor(row, column), white);
    QVERIFY(f.effects.frame() == frame);
}

void tst_keyEffects::breathFallsPausesAndRises_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("secondColour");
    QTest::newRow("black background") << black << QColor(200, 40, 0);
    QTest::newRow("blue background") << QColor(0, 0, 255) << QColor(0, 0, 255);
}

void tst_keyEffects::breathFallsPausesAndRises()
{
    QFETCH(QColor, background);
    QFETCH(QColor, secondColour);
    const QColor user(200, 40, 0);
    effectFixture f;
    f.start(keyEffectGenerator::effectBreath, user, background);
    QCOMPARE(f.record(0, 0).state, 2);
    f.ticks(1);
    QCOMPARE(f.record(4, 4).level, 253);
    QCOMPARE(f.frame(4, 4), QColor(200 * 253 / 256, 40 * 253 / 256, 0, 200));

    // 255 falls by 2 to 1 in 127 ticks; the 128th reports the floor at the
    // first cell, which starts the pause and leaves the others untouched.
    f.ticks(126);
    QCOMPARE(f.record(0, 0).level, 1);
    QVERIFY(!f.breath.hold);
    const QColor lastShown = f.frame(0, 1);
    f.ticks(1);
    QVERIFY(f.breath.hold);
    QCOMPARE(f.record(0, 0).level, 0);
    QCOMPARE(f.record(0, 0).state, 1);
    QCOMPARE(f.record(0, 1).level, 1);
    QCOMPARE(f.frame(0, 1), lastShown);
    if (background == black)
        QCOMPARE(f.frame(0, 0).alpha(), 0);

    // Seven dark ticks, the frame resting; the seventh starts the next colour.
    const std::array<QColor, cells> resting = f.effects.frame();
    f.ticks(6);
    QVERIFY(f.breath.hold);
    f.ticks(1);
    QVERIFY(!f.breath.hold);
    QVERIFY(f.effects.frame() == resting);
    QCOMPARE(f.breath.index, uint8_t(1));
    QCOMPARE(f.recordColor(3, 3), secondColour);
    QCOMPARE(f.record(3, 3).level, 0);
    QCOMPARE(f.record(3, 3).state, 1);
    f.ticks(1);
    QCOMPARE(f.record(3, 3).level, 2);
}

void tst_keyEffects::breathFullColourCyclesSevenColours()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectBreath, QColor(1, 1, 1), black, 0, true);
    QList<QColor> seen {f.recordColor(0, 0)};
    bool wasHolding = false;
    for (int tick = 0; tick < 8 * 300 && seen.size() < 8; ++tick) {
        f.ticks(1);
        if (wasHolding && !f.breath.hold)
            seen.append(f.recordColor(0, 0));
        wasHolding = f.breath.hold;
    }
    const QList<QColor> expected = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                                    QColor(0, 255, 255), QColor(0, 0, 255), QColor(255, 0, 255),
                                    QColor(255, 255, 255), QColor(255, 0, 0)};
    QCOMPARE(seen, expected);
}

void tst_keyEffects::neonFullColourWalksTheHue()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectNeon, QColor(0, 0, 9), black, 0, true);
    QCOMPARE(f.frame(2, 9), QColor(255, 0, 0, 255));
    f.ticks(1);
    QCOMPARE(f.recordColor(2, 9), QColor(255, 6, 0));
    QCOMPARE(f.frame(2, 9), QColor(255, 6, 0, 180));
    f.ticks(42);
    QCOMPARE(f.recordColor(2, 9), QColor(255, 255, 0));
    QCOMPARE(f.recordColor(5, 21), QColor(255, 255, 0));
}

void tst_keyEffects::neonUserColourSkipsCellsAfterTheFloor()
{
    const QColor user(0, 255, 0);
    effectFixture f;
    f.start(keyEffectGenerator::effectNeon, user, black);
    f.ticks(1);
    QCOMPARE(f.record(0, 0).level, 1);
    QCOMPARE(f.frame(0, 0), withAlpha(blended(user, 1, black), 1));
    // Up to 255, the cap reported one tick later, down to 0.
    f.ticks(255);
    QCOMPARE(f.record(0, 0).state, 2);
    f.ticks(255);
    QCOMPARE(f.record(0, 0).level, 0);
    QCOMPARE(f.record(0, 0).state, 2);
    // The floor: each reporting cell pauses the next six visits.
    f.ticks(1);
    for (int i = 0; i < 14; ++i) {
        const keyEffectRecord &record = f.record(i / columns, i % columns);
        QCOMPARE(record.state, i % 7 == 0 ? 1 : 2);
        QCOMPARE(record.level, 0);
    }
}

void tst_keyEffects::waveUserColourSetUp_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("state");
    QTest::newRow("right col 9") << 0 << 3 << 9 << 216 << 2;
    QTest::newRow("right col 10") << 0 << 3 << 10 << 240 << 1;
    QTest::newRow("left col 0") << 1 << 0 << 0 << 245 << 2;
    QTest::newRow("clockwise is right") << 6 << 5 << 10 << 240 << 1;
    QTest::newRow("up row 0") << 2 << 0 << 13 << 10 << 1;
    QTest::newRow("up row 5") << 2 << 5 << 0 << 240 << 1;
    QTest::newRow("down row 4") << 3 << 4 << 3 << 255 - 192 << 1;
    QTest::newRow("dispersion rising") << 4 << 0 << 0 << 36 << 1;
    QTest::newRow("dispersion falling") << 4 << 0 << 5 << 240 << 2;
    QTest::newRow("dispersion mask row 2") << 4 << 0 << 3 << 166 << 1;
    QTest::newRow("gather") << 5 << 0 << 21 << 245 << 2;
    QTest::newRow("no table") << 9 << 2 << 2 << 0 << 1;
}

void tst_keyEffects::waveUserColourSetUp()
{
    QFETCH(int, direction);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, level);
    QFETCH(int, state);
    const QColor user(250, 100, 0);
    const QColor background(0, 0, 60);
    effectFixture f;
    f.start(keyEffectGenerator::effectWave, user, background, direction);
    QCOMPARE(f.record(row, column).level, level);
    QCOMPARE(f.record(row, column).state, state);
    QCOMPARE(f.recordColor(row, column), blended(user, level, background));
    QCOMPARE(f.frame(row, column), blended(user, level, background));
}

void tst_keyEffects::waveUserColourStep()
{
    const QColor user(250, 100, 0);
    effectFixture f;
    f.start(keyEffectGenerator::effectWave, user, black, 0);
    // A falling level below 10 turns to rising before it steps.
    keyEffectRecord &low = const_cast<keyEffectRecord &>(f.effects.record(2, 2));
    low.level = 8;
    f.ticks(1);
    QCOMPARE(f.record(2, 2).level, 12);
    QCOMPARE(f.record(2, 2).state, 1);
    QCOMPARE(f.record(0, 9).level, 212);
    QCOMPARE(f.record(0, 10).level, 244);
    QCOMPARE(f.frame(0, 10), withAlpha(blended(user, 244, black), 200));
    // Non-black background: alpha 180 whatever the level.
    f.start(keyEffectGenerator::effectWave, user, QColor(0, 10, 0), 0);
    for (int i = 0; i < 300; ++i) {
        f.ticks(1);
        for (int c = 0; c < cells; ++c) {
            const int level = f.record(c / columns, c % columns).level;
            QVERIFY(level >= 0 && level <= 255);
        }
    }
    QCOMPARE(f.frame(1, 1).alpha(), 180);
}

void tst_keyEffects::waveFullColour_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("tableRow");
    QTest::addColumn<int>("tableColumn");
    QTest::addColumn<bool>("centreTable");
    QTest::newRow("104 right") << 104 << 0 << 2 << 7 << 2 << 7 << false;
    QTest::newRow("104 down row 5") << 104 << 3 << 5 << 9 << 1 << 0 << false;
    QTest::newRow("104 down row 0") << 104 << 3 << 0 << 4 << 1 << 15 << false;
    QTest::newRow("104 up row 2") << 104 << 2 << 2 << 0 << 1 << 9 << false;
    QTest::newRow("61 left") << 61 << 1 << 3 << 5 << 3 << 5 << false;
    QTest::newRow("87 dispersion") << 87 << 4 << 1 << 8 << 1 << 8 << true;
    QTest::newRow("70 keys take 104") << 70 << 5 << 4 << 12 << 4 << 12 << true;
}

void tst_keyEffects::waveFullColour()
{
    QFETCH(int, keyCount);
    QFETCH(int, direction);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, tableRow);
    QFETCH(int, tableColumn);
    QFETCH(bool, centreTable);
    effectFixture f(keyCount);
    f.start(keyEffectGenerator::effectWave, QColor(1, 2, 3), black, direction, true);
    const ColorTable &table = centreTable ? ColorTables::waveCentreColorsFor(keyCount)
                                          : ColorTables::waveLineColorsFor(keyCount);
    const QColor start = table.cell(tableRow, tableColumn);
    QCOMPARE(f.recordColor(row, column), start);
    QCOMPARE(f.record(row, column).level, 255);
    f.ticks(1);
    // Odd directions walk the hue up, even ones down, by 9.
    const QColor next = stepHue(start, (direction & 1) != 0, 9);
    QCOMPARE(f.recordColor(row, column), next);
    QCOMPARE(f.frame(row, column), withAlpha(next, 180));
}

void tst_keyEffects::radarSetUpAndStep()
{
    const QColor user(0, 200, 255);
    effectFixture f;
    f.start(keyEffectGenerator::effectRadar, user, black, 0);
    QCOMPARE(f.record(0, 10).level, 254);
    QCOMPARE(f.record(5, 10).level, 2);
    QCOMPARE(f.record(5, 0).level, 112);
    QCOMPARE(f.record(0, 3).state, 2);
    QCOMPARE(f.record(0, 10).state, 1);
    QCOMPARE(f.record(4, 10).state, 2);
    QCOMPARE(f.record(4, 11).state, 1);
    f.ticks(1);
    QCOMPARE(f.record(0, 3).level, 164 - 4);
    QCOMPARE(f.record(0, 10).level, 255);
    QCOMPARE(f.record(0, 11).level, 218);

    f.start(keyEffectGenerator::effectRadar, user, black, 1);
    QCOMPARE(f.record(5, 10).level, 253);

    // No table for direction 2: the keys pulse together from 0.
    f.start(keyEffectGenerator::effectRadar, user, black, 2);
    f.ticks(1);
    for (int c = 0; c < cells; c += 13)
        QCOMPARE(f.record(c / columns, c % columns).level, 4);

    // Full colour: the table, walking down for 0, still for 2.
    const ColorTable &table = ColorTables::radarColorsFor(104);
    f.start(keyEffectGenerator::effectRadar, user, black, 0, true);
    QCOMPARE(f.recordColor(3, 3), table.cell(3, 3));
    f.ticks(1);
    QCOMPARE(f.recordColor(3, 3), stepHueByDirection(table.cell(3, 3), 0, 12));
    f.start(keyEffectGenerator::effectRadar, user, black, 2, true);
    f.ticks(5);
    QCOMPARE(f.recordColor(3, 3), table.cell(3, 3));
    QCOMPARE(f.frame(3, 3), withAlpha(table.cell(3, 3), 180));
}

void tst_keyEffects::snackRunsThePathBackwards()
{
    effectFixture f(61);
    QCOMPARE(f.effects.cellCount(), 74);
    f.start(keyEffectGenerator::effectSnack, QColor(255, 0, 0), black, 1);
    QCOMPARE(f.record(5, 14).level, 255);
    QCOMPARE(f.record(5, 14).step, 1);
    auto head = [&f]() {
        for (int i = 0; i < cells; ++i) {
            if (f.record(i / columns, i % columns).step == 1)
                return QPoint(i % columns, i / columns);
        }
        return QPoint(-1, -1);
    };
    // Ticks until the head has moved the given number of times.
    auto moveHead = [&f, &head](int moves) {
        int ticks = 0;
        for (int i = 0; i < moves; ++i) {
            const QPoint from = head();
            while (head() == from && ticks < 10000) {
                f.ticks(1);
                ++ticks;
            }
        }
        return ticks;
    };
    // The head moves once its level has fallen below 235: every fifth tick,
    // or every fourth when the next cell comes later in the walk of a tick
    // and so is stepped in the tick it is lit.
    QCOMPARE(moveHead(1), 5);
    QCOMPARE(head(), QPoint(13, 5));
    moveHead(13);
    QCOMPARE(head(), QPoint(0, 5));
    QCOMPARE(moveHead(1), 5);
    QCOMPARE(head(), QPoint(0, 4)); // row 4 runs right to left
    QCOMPARE(moveHead(1), 5);
    QCOMPARE(head(), QPoint(1, 4));
    QCOMPARE(moveHead(1), 4);
    QCOMPARE(head(), QPoint(2, 4));
    // After path index 0 (row 1, column 0) it starts again at index 74.
    moveHead(57);
    QCOMPARE(head(), QPoint(0, 1));
    QCOMPARE(f.effects.snackIndex(), 74);
    moveHead(1);
    QCOMPARE(head(), QPoint(14, 5));
    QCOMPARE(f.effects.snackIndex(), 0);
    // The trail behind the head fades to idle.
    QCOMPARE(f.record(0, 1).level, 0);
}

void tst_keyEffects::snackUserTrailAndFullColourHead()
{
    const QColor user(10, 200, 30);
    effectFixture f;
    f.start(keyEffectGenerator::effectSnack, user, black, 0);
    f.ticks(5);
    // The old head fades by 5 a tick; the new one is the next path cell.
    QCOMPARE(f.record(0, 0).level, 230);
    QCOMPARE(f.record(0, 0).step, 0);
    QCOMPARE(f.record(0, 1).level, 250);
    QCOMPARE(f.frame(0, 1), withAlpha(blended(user, 250, black), 200));
    f.ticks(1);
    QCOMPARE(f.record(0, 0).level, 225);

    effectFixture full;
    full.start(keyEffectGenerator::effectSnack, user, QColor(0, 0, 40), 0, true);
    const QColor head = ColorTables::trailColors.at(9);
    QCOMPARE(full.recordColor(0, 0), head);
    QCOMPARE(full.record(0, 0).step, 9);
    QCOMPARE(full.recordColor(0, 1), QColor(0, 0, 40));
    full.ticks(4);
    QCOMPARE(full.record(0, 0).level, 240);
    QCOMPARE(full.record(0, 1).step, 0);
    full.ticks(1);
    // The cap moves the head on and starts the palette fade behind it.
    QCOMPARE(full.record(0, 0).step, 8);
    QCOMPARE(full.record(0, 0).state, 2);
    QCOMPARE(full.record(0, 1).step, 9);
    QCOMPARE(full.record(0, 1).level, 60);
    QCOMPARE(full.frame(0, 1), withAlpha(blended(head, 60, QColor(0, 0, 40)), 180));
}

void tst_keyEffects::twinkleLightsEverySecondTick()
{
    const QColor user(100, 200, 50);
    effectFixture f;
    f.start(keyEffectGenerator::effectTwinkle, user, black);
    QCOMPARE(f.record(1, 18).step, 0);  // starting colour of cell number 109
    QCOMPARE(f.record(5, 2).step, 6);   // cell number 17
    f.ticks(1);
    QCOMPARE(f.record(1, 18).state, 0);
    f.ticks(1);
    // Order entry 1 (cell number 109: row 1, column 18) is the first lit.
    QCOMPARE(f.effects.twinkleIndex(), 1);
    QCOMPARE(f.record(1, 18).level, 1);
    QCOMPARE(f.record(1, 18).state, 1);
    f.ticks(1);
    QCOMPARE(f.frame(1, 18), QColor(100 * 5 / 256, 200 * 5 / 256, 50 * 5 / 256, 5));
    f.ticks(1);
    QCOMPARE(f.record(5, 2).state, 1);

    effectFixture full;
    full.start(keyEffectGenerator::effectTwinkle, user, QColor(30, 0, 0), 0, true);
    full.ticks(2);
    // Its colour index steps back, 0 wrapping to 7.
    QCOMPARE(full.record(1, 18).step, 7);
    QCOMPARE(full.record(1, 18).level, 0);
    full.ticks(1);
    QCOMPARE(full.frame(1, 18), withAlpha(blended(ColorTables::twinkleColors.at(7), 4, QColor(30, 0, 0)), 180));
    full.ticks(1);
    QCOMPARE(full.record(5, 2).step, 5);
    // The order wraps after its last entry.
    full.ticks(2 * 129);
    QCOMPARE(full.effects.twinkleIndex(), 131);
    full.ticks(2);
    QCOMPARE(full.effects.twinkleIndex(), 0);
}

void tst_keyEffects::striationSweepsEachRow()
{
    const QColor user(255, 255, 255);
    effectFixture f;
    f.start(keyEffectGenerator::effectStriation, user, black, 0);
    auto litColumn = [&f](int row) {
        for (int c = 0; c < columns; ++c) {
            if (f.record(row, c).level == 255 && f.record(row, c).state == 2)
                return c;
        }
        return -1;
    };
    f.ticks(5);
    QCOMPARE(litColumn(0), -1);
    f.ticks(1); // first advance: every sixth tick
    QCOMPARE(litColumn(0), 1);
    QCOMPARE(f.effects.striationPosition(0), uint8_t(20));
    QCOMPARE(litColumn(1), -1);
    f.ticks(6 * 9);
    QCOMPARE(litColumn(1), 0);     // the 10th advance
    f.ticks(6 * 11);
    QCOMPARE(litColumn(0), 21);    // the 21st advance
    f.ticks(6);
    QCOMPARE(litColumn(0), 0);     // the 22nd advance
    QCOMPARE(f.record(0, 1).level, 0);

    f.start(keyEffectGenerator::effectStriation, user, black, 1);
    f.ticks(6);
    QCOMPARE(litColumn(0), 20);
    f.ticks(1);
    QCOMPARE(f.record(0, 20).level, 248);
    QCOMPARE(f.frame(0, 20), withAlpha(blended(user, 248, black), 200));
}

void tst_keyEffects::striationFullColourPaletteFade()
{
    const QColor background(0, 0, 0);
    effectFixture f;
    f.start(keyEffectGenerator::effectStriation, QColor(9, 9, 9), background, 0, true);
    f.ticks(6);
    QCOMPARE(f.recordColor(0, 1), ColorTables::trailColors.at(9));
    QCOMPARE(f.record(0, 1).step, 9);

    // Follow the lit cell: (shown colour entry, under entry or -1 for the
    // background) at each clamp, then idle.
    QList<QPair<int, int>> phases;
    int lastStep = -1;
    for (int tick = 0; tick < 100; ++tick) {
        const keyEffectRecord &r = f.record(0, 1);
        if (r.step != lastStep || (r.state == 0 && lastStep != -2)) {
            if (r.state == 0 && r.step == 0) {
                phases.append({-1, -1});
                lastStep = -2;
                break;
            }
            lastStep = r.step;
            int shown = -1;
            for (int i = 0; i < 10; ++i) {
                if (ColorTables::trailColors.at(i) == f.recordColor(0, 1))
                    shown = i;
            }
            const int under = (r.step >= 1 && r.step <= 8) ? ((r.step & 1) ? r.step + 1 : r.step) : -1;
            phases.append({shown, under});
            if (under >= 0)
                QCOMPARE(f.effects.keyRecordColor(0, 1),
                         blended(ColorTables::trailColors.at(shown), r.level, ColorTables::trailColors.at(under)));
            if (tick > 0) {
                const int alpha = (r.step >= 1 && r.step <= 9) ? 180 : std::min(r.level, 200);
                QCOMPARE(f.frame(0, 1).alpha(), alpha);
            }
        }
        f.ticks(1);
    }
    const QList<QPair<int, int>> expected = {{9, -1}, {9, 8}, {7, 8}, {7, 6}, {5, 6}, {5, 4},
                                             {3, 4}, {3, 2}, {1, 2}, {1, -1}, {-1, -1}};
    QCOMPARE(phases, expected);
    QCOMPARE(f.record(0, 1).level, 0);
}

void tst_keyEffects::keyRecordColorPicksTheUnderColour_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("under"); // -1: the background
    QTest::newRow("reactive step 7") << 6 << true << 7 << 8;
    QTest::newRow("reactive step 8") << 6 << true << 8 << 8;
    QTest::newRow("reactive step 1") << 6 << true << 1 << 2;
    QTest::newRow("reactive step 9") << 6 << true << 9 << -1;
    QTest::newRow("reactive step 0") << 6 << true << 0 << -1;
    QTest::newRow("reactive user colour") << 6 << false << 7 << -1;
    QTest::newRow("ripple") << 8 << true << 7 << -1;
    QTest::newRow("snack") << 5 << true << 3 << 4;
    QTest::newRow("aurora") << 7 << true << 2 << 2;
    QTest::newRow("cross") << 11 << true << 5 << 6;
    QTest::newRow("fireworks") << 16 << true << 6 << 6;
    QTest::newRow("wave") << 2 << true << 6 << -1;
}

void tst_keyEffects::keyRecordColorPicksTheUnderColour()
{
    QFETCH(int, effect);
    QFETCH(bool, fullColor);
    QFETCH(int, step);
    QFETCH(int, under);
    const QColor background(20, 40, 60);
    effectFixture f;
    f.start(keyEffectGenerator::effectStatic, QColor(200, 0, 100), background, 0, fullColor);
    f.effects.setEffectId(effect);
    keyEffectRecord &record = const_cast<keyEffectRecord &>(f.effects.record(2, 3));
    record.level = 100;
    record.step = step;
    const QColor expected = blended(QColor(200, 0, 100), 100,
                                    under < 0 ? background : ColorTables::trailColors.at(under));
    QCOMPARE(f.effects.keyRecordColor(2, 3), expected);
    QCOMPARE(f.effects.keyRecordColor(2, 3).alpha(), 255);
}

void tst_keyEffects::otherIdsHaveNoStepHere()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectStatic, QColor(1, 2, 3), black);
    for (int id : {13, 20, 100, -1}) {
        QVERIFY(!f.effects.runSetUp(id));
        QCOMPARE(f.effects.effectId(), id);
        QVERIFY(!f.effects.stepKeyEffect());
    }
}

void tst_keyEffects::tablesByKeyCount()
{
    // The serpentine has cellCount + 1 cells and starts on the first key row.
    const QList<QPair<int, int>> counts = {{61, 74}, {63, 74}, {68, 79}, {84, 95},
                                           {87, 107}, {98, 113}, {104, 131}, {108, 131}};
    for (const auto &count : counts) {
        QCOMPARE(keyEffectTables::cellCountFor(count.first, 0), count.second);
        const std::vector<uint8_t> &path = keyEffectTables::snackPath(count.first);
        QCOMPARE(int(path.size()), count.second + 1);
        const int firstRow = (count.first == 61 || count.first == 63 || count.first == 68) ? 1 : 0;
        QCOMPARE(int(path.front()), firstRow * 32);
        QCOMPARE(int(path.back()) / 32, 5);
    }
    QCOMPARE(keyEffectTables::cellCountFor(70, 74), 74);
    QCOMPARE(keyEffectTables::cellCountFor(21, 131), 131);
    QVERIFY(&keyEffectTables::snackPath(70) == &keyEffectTables::snackPath(104));

    // The telling rows and masks as given, the rest 0 where no key sits.
    const keyEffectTables::levelGrid &vee = keyEffectTables::waveVLevels(104);
    QCOMPARE(vee.levels[0], 36);
    QCOMPARE(vee.levels[5], 240);
    QCOMPARE(vee.levels[21], 10);
    QCOMPARE(vee.mask[3], 59);
    QCOMPARE(vee.mask[21], 0);
    QCOMPARE(keyEffectTables::waveVLevels(21).mask[21], 63);
    const keyEffectTables::levelGrid &radar = keyEffectTables::radarLevels(108);
    QCOMPARE(radar.levels[10], 254);
    QCOMPARE(radar.levels[5 * columns + 10], 2);
    QCOMPARE(radar.levels[5 * columns + 21], 92);
    QCOMPARE(radar.mask[9], 63);
    QCOMPARE(radar.mask[10], 56);
    QCOMPARE(radar.mask[11], 0);
    QCOMPARE(keyEffectTables::waveHorizontalRow(87)[8], 242);
    QCOMPARE(keyEffectTables::waveHorizontalRow(98)[10], 240);
    for (int keyCount : {21, 34, 61, 63, 68, 84, 87, 98, 104, 108}) {
        const ColorTable &centre = ColorTables::waveCentreColorsFor(keyCount);
        const ColorTable &radarKeys = ColorTables::radarColorsFor(keyCount);
        const keyEffectTables::levelGrid &v = keyEffectTables::waveVLevels(keyCount);
        const keyEffectTables::levelGrid &l = keyEffectTables::radarLevels(keyCount);
        for (int r = 1; r < 5; ++r) {
            for (int c = 0; c < columns; ++c) {
                const int i = r * columns + c;
                QVERIFY(v.levels[i] >= 0 && v.levels[i] <= 255);
                QVERIFY(l.levels[i] >= 0 && l.levels[i] <= 255);
                if (centre.cell(r, c) == QColor(0, 0, 0))
                    QCOMPARE(v.levels[i], 0);
                if (radarKeys.cell(r, c) == QColor(0, 0, 0))
                    QCOMPARE(l.levels[i], 0);
            }
        }
    }

    // Twinkle's order lights every cell once.
    const std::array<uint8_t, cells> &order = keyEffectTables::twinkleOrder();
    QCOMPARE(int(std::set<uint8_t>(order.begin(), order.end()).size()), cells);
    QCOMPARE(int(order[1]), 109);
    for (uint8_t start : keyEffectTables::twinkleStartColor())
        QVERIFY(start <= 7);
}

QTEST_APPLESS_MAIN(tst_keyEffects)
#include "tst_keyeffects.moc"
