// The key effects that answer key presses, as plain computation: set-ups,
// triggers and steps driven by hand, and the queue of ripple centres.

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "keyEffectGenerator.h"
#include "rippleCentreQueue.h"

#include "zoneConfig.h"

#include <QtTest>

#include <set>

Q_DECLARE_METATYPE(QColor)

namespace {

constexpr int rows = keyEffectGenerator::rows;
constexpr int columns = keyEffectGenerator::columns;
const QColor black(0, 0, 0);

using cellSet = std::set<std::pair<int, int>>;

// One generator with its zone at full brightness.
struct effectFixture
{
    lightZoneSettings zone;
    breathState breath;
    keyEffectGenerator effects {zone, breath};

    effectFixture() { zone.setMaxima(4, 4); }

    void start(int type, const QColor &user, const QColor &background, int direction = 0, bool fullColor = false)
    {
        zone.apply(zoneConfig(type, user, background, direction, fullColor));
        QVERIFY(effects.runSetUp(type));
    }

    void tick() { QVERIFY(effects.stepKeyEffect()); }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            tick();
    }
    void press(int row, int column) { effects.triggerKeyEffect(row, column); }

    const keyEffectRecord &record(int row, int column) const { return effects.record(row, column); }
    QColor frame(int row, int column) const { return effects.frame()[row * columns + column]; }
    const rippleCentreQueue &centres() const { return effects.triggered().centres(); }

    // The cells whose record matches.
    template <typename Pred>
    cellSet cellsWhere(Pred pred) const
    {
        cellSet found;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (pred(record(r, c)))
                    found.insert({r, c});
            }
        }
        return found;
    }
};

QColor blended(const QColor &colour, int level, const QColor &under, int alpha)
{
    return QColor(blendChannel(colour.red(), level, under.red()), blendChannel(colour.green(), level, under.green()),
                  blendChannel(colour.blue(), level, under.blue()), alpha);
}

QColor recordColour(const keyEffectRecord &record)
{
    return QColor(record.red, record.green, record.blue);
}

// Gives the numbers it is told, over and over.
class fixedRandom : public effectRandom
{
public:
    explicit fixedRandom(QList<int> numbers)
        : m_numbers(std::move(numbers))
    {
    }
    void seed(unsigned int) override { m_next = 0; }
    int next() override { return m_numbers[m_next++ % m_numbers.size()]; }

private:
    QList<int> m_numbers;
    int m_next = 0;
};

struct centreSeen
{
    int row;
    int column;
    int colour;
    bool operator==(const centreSeen &o) const { return row == o.row && column == o.column && colour == o.colour; }
};

// Steps Auto Ripple until count new centres have appeared in slot 19.
QList<centreSeen> autoRippleCentres(effectFixture &f, int count)
{
    QList<centreSeen> seen;
    bool live = f.centres().isLive(19);
    for (int tick = 0; tick < 20000 && seen.size() < count; ++tick) {
        f.tick();
        const bool nowLive = f.centres().isLive(19);
        if (nowLive && !live) {
            const rippleCentreQueue::centre &c = f.centres().at(19);
            seen.append({c.row, c.column, c.colour});
        }
        live = nowLive;
    }
    return seen;
}

} // namespace

class tst_keyTriggeredEffects : public QObject
{
    Q_OBJECT

private slots:
    void queueKeepsLiveCentres_data();
    void queueKeepsLiveCentres();
    void reactiveUserColourFadesAndRestarts();
    void reactiveFullColourWalksThePalette();
    void crossLightsRowAndColumn_data();
    void crossLightsRowAndColumn();
    void auroraKeepsTwentyCentres();
    void auroraPairsMoveApart_data();
    void auroraPairsMoveApart();
    void rippleBarsSpreadEveryFifthTick();
    void rippleOddDirectionMovesInwards();
    void rippleRingOnM252EndsOffTheGrid();
    void rippleRingColourComesFromTheRandomSource();
    void speedRespondStacksAndShrinks();
    void speedRespondTakesElevenAndTenTicks();
    void fireworksRings_data();
    void fireworksRings();
    void fireworksOddDirectionOnlyLightsTheKey();
    void autoRippleRepeatsItsListsAfterEachSetUp();
    void autoRippleWithoutUsableCellsEnds();
    void triggersOnlyReachReactingEffects();
};

void tst_keyTriggeredEffects::queueKeepsLiveCentres_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("live");
    QTest::newRow("full, one ends, two pressed") << 20 << QList<int> {7} << 2 << 20;
    QTest::newRow("full, the oldest ends") << 20 << QList<int> {19} << 2 << 20;
    QTest::newRow("full, the newest ends") << 20 << QList<int> {0} << 1 << 20;
    QTest::newRow("full, two end") << 20 << QList<int> {3, 12} << 3 << 20;
    QTest::newRow("three, middle ends") << 3 << QList<int> {18} << 1 << 3;
    QTest::newRow("empty, free slot removed") << 0 << QList<int> {4} << 0 << 0;
}

void tst_keyTriggeredEffects::queueKeepsLiveCentres()
{
    QFETCH(int, filled);
    QFETCH(QList<int>, removed);
    QFETCH(int, added);
    QFETCH(int, live);
    rippleCentreQueue queue;
    QCOMPARE(queue.freeSlot(), 19);
    // Every centre has a column of its own, so a lost one shows.
    std::set<int> expected;
    for (int i = 0; i < filled; ++i) {
        QVERIFY(queue.add(1, i, 0, 0));
        expected.insert(i);
    }
    for (int slot : removed) {
        expected.erase(queue.at(slot).column == rippleCentreQueue::freeMark ? -1 : queue.at(slot).column);
        queue.remove(slot);
    }
    for (int i = 0; i < added; ++i) {
        const bool room = !queue.isFull();
        QCOMPARE(queue.add(2, 100 + i, 0, 0), room);
        if (room)
            expected.insert(100 + i);
    }
    QCOMPARE(queue.count(), live);
    std::set<int> found;
    for (int slot = 0; slot < rippleCentreQueue::slotCount; ++slot) {
        if (queue.isLive(slot))
            found.insert(queue.at(slot).column);
        // The live centres fill the top slots, the oldest in slot 19.
        QCOMPARE(queue.isLive(slot), slot >= rippleCentreQueue::slotCount - live);
    }
    QCOMPARE(found, expected);
    QCOMPARE(queue.freeSlot(), live == 20 ? -1 : 19 - live);
}

void tst_keyTriggeredEffects::reactiveUserColourFadesAndRestarts()
{
    effectFixture f;
    const QColor user(200, 100, 0);
    const QColor background(0, 0, 90);
    f.start(keyEffectGenerator::effectReactive, user, background);
    QCOMPARE(f.record(2, 2).level, 0);
    f.press(2, 2);
    QCOMPARE(recordColour(f.record(2, 2)), user);
    QCOMPARE(f.record(2, 2).level, 255);
    f.tick();
    QCOMPARE(f.frame(2, 2), blended(user, 253, background, 180));
    QCOMPARE(f.frame(2, 3), blended(background, 0, background, 180));
    f.ticks(126);
    QCOMPARE(f.record(2, 2).level, 1);
    f.tick(); // the 128th tick reaches the background
    QCOMPARE(f.record(2, 2).level, 0);
    QCOMPARE(f.record(2, 2).state, 0);
    QCOMPARE(f.frame(2, 2), blended(user, 0, background, 180));

    f.ticks(10);
    f.press(2, 2);
    f.tick();
    QCOMPARE(f.record(2, 2).level, 253);
}

void tst_keyTriggeredEffects::reactiveFullColourWalksThePalette()
{
    effectFixture f;
    const QColor background(0, 40, 0);
    f.start(keyEffectGenerator::effectReactive, QColor(9, 9, 9), background, 0, true);
    f.press(4, 10);
    QCOMPARE(recordColour(f.record(4, 10)), ColorTables::trailColors.at(9));

    // (key colour, colour under it, rising) of each leg, -1 the background.
    struct leg { int colour; int under; bool rising; };
    const QList<leg> legs = {{9, 8, false}, {7, 8, true}, {7, 6, false}, {5, 6, true}, {5, 4, false},
                             {3, 4, true},  {3, 2, false}, {1, 2, true}, {1, -1, false}};
    int current = 0;
    int lastLevel = 255;
    for (int tick = 0; tick < 1000 && f.record(4, 10).state != 0; ++tick) {
        f.tick();
        const keyEffectRecord &r = f.record(4, 10);
        if (r.state == 0)
            break;
        const bool rising = r.state == 1;
        if (rising != legs[current].rising) {
            ++current;
            QVERIFY2(current < legs.size(), "more legs than the palette has");
            QCOMPARE(rising, legs[current].rising);
        } else if (tick > 0) {
            QCOMPARE(r.level < lastLevel, !rising);
        }
        lastLevel = r.level;
        const leg &l = legs[current];
        const QColor under = l.under < 0 ? background : ColorTables::trailColors.at(l.under);
        QCOMPARE(recordColour(r), ColorTables::trailColors.at(l.colour));
        QCOMPARE(f.frame(4, 10), blended(ColorTables::trailColors.at(l.colour), r.level, under, 180));
    }
    QCOMPARE(current, legs.size() - 1);
    QCOMPARE(f.record(4, 10).state, 0);
    QCOMPARE(f.record(4, 10).level, 0);
}

void tst_keyTriggeredEffects::crossLightsRowAndColumn_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::newRow("user colour") << false;
    QTest::newRow("full colour") << true;
}

void tst_keyTriggeredEffects::crossLightsRowAndColumn()
{
    QFETCH(bool, fullColor);
    effectFixture f;
    const QColor user(0, 200, 200);
    f.start(keyEffectGenerator::effectCross, user, black, 0, fullColor);
    f.press(2, 5);
    cellSet expected;
    for (int c = 0; c < columns; ++c)
        expected.insert({2, c});
    for (int r = 0; r < rows; ++r)
        expected.insert({r, 5});
    QCOMPARE(f.cellsWhere([](const keyEffectRecord &r) { return r.level == 255; }), expected);
    const QColor lit = fullColor ? ColorTables::trailColors.at(9) : user;
    QCOMPARE(recordColour(f.record(0, 5)), lit);
    QCOMPARE(recordColour(f.record(2, 21)), lit);
    QCOMPARE(f.record(5, 5).state, fullColor ? 1 : 2);
}

void tst_keyTriggeredEffects::auroraKeepsTwentyCentres()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectAurora, QColor(255, 0, 0), black);
    for (int i = 0; i < 21; ++i)
        f.press(i % rows, i);
    QCOMPARE(f.centres().count(), 20);
    // The twenty-first press, at (2, 20), found no room.
    for (int slot = 0; slot < rippleCentreQueue::slotCount; ++slot)
        QVERIFY(f.centres().at(slot).column != 20);
    QCOMPARE(int(f.centres().at(19).column), 0); // the oldest
}

void tst_keyTriggeredEffects::auroraPairsMoveApart_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<int>("rowsPerAdvance");
    // 1 per row up to 40; 8 per row reaches 255 only by passing it.
    QTest::newRow("user colour") << false << 40;
    QTest::newRow("full colour") << true << 32;
}

void tst_keyTriggeredEffects::auroraPairsMoveApart()
{
    QFETCH(bool, fullColor);
    QFETCH(int, rowsPerAdvance);
    effectFixture f;
    f.start(keyEffectGenerator::effectAurora, QColor(255, 0, 0), black, 0, fullColor);
    f.press(3, 10);
    // The pace accumulator runs once per grid row; it started at 0 here.
    // The cells of the latest advance: its rows may have stepped once since.
    auto litColumns = [&f, fullColor]() {
        return f.cellsWhere([fullColor](const keyEffectRecord &r) {
            return fullColor ? (r.step == 9 && r.level <= 40 && r.state == 1) : (r.level >= 248 && r.state == 2);
        });
    };
    int rowsRun = 0;
    QList<cellSet> advances;
    while (advances.size() < 3 && rowsRun < 1000) {
        f.tick();
        rowsRun += rows;
        const int before = advances.size();
        const int due = rowsRun / rowsPerAdvance;
        if (due > before) {
            // The pair lit in this tick's advance.
            advances.append(litColumns());
        }
    }
    QCOMPARE(advances.size(), 3);
    QCOMPARE(advances[0], (cellSet {{3, 10}}));
    QCOMPARE(advances[1], (cellSet {{3, 9}, {3, 11}}));
    QCOMPARE(advances[2], (cellSet {{3, 8}, {3, 12}}));
    QCOMPARE(int(f.centres().at(19).radius), 3);
}

void tst_keyTriggeredEffects::rippleBarsSpreadEveryFifthTick()
{
    effectFixture f;
    const QColor user(0, 0, 255);
    f.start(keyEffectGenerator::effectRipple, user, black);
    f.press(2, 7);
    auto fullBars = [&f]() {
        return f.cellsWhere([](const keyEffectRecord &r) { return r.level == 255 && r.state == 2; });
    };
    f.ticks(4);
    QVERIFY(fullBars().empty());
    f.tick(); // 55 > 47: the first advance, radius 0
    cellSet expected;
    for (int r = 0; r < rows; ++r)
        expected.insert({r, 7});
    QCOMPARE(fullBars(), expected);
    f.ticks(5);
    expected.clear();
    for (int r = 0; r < rows; ++r) {
        expected.insert({r, 6});
        expected.insert({r, 8});
    }
    QCOMPARE(fullBars(), expected);
    // The bars fade by 12 a tick, shown at their level.
    f.tick();
    QCOMPARE(f.frame(0, 6), blended(user, 243, black, 200));
}

void tst_keyTriggeredEffects::rippleOddDirectionMovesInwards()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectRipple, QColor(255, 255, 0), black, 1);
    f.press(4, 3);
    QCOMPARE(int(f.centres().at(19).radius), 18);
    // Each advance lights the columns at the radius: first 21 alone
    // (3 - 18 is off the grid), down to the key's own column.
    QList<int> rightColumns;
    int guard = 0;
    while (f.centres().count() > 0 && guard++ < 500) {
        f.tick();
        const cellSet lit = f.cellsWhere([](const keyEffectRecord &r) { return r.level == 255 && r.state == 2; });
        for (const auto &cell : lit) {
            if (cell.first == 0 && cell.second >= 3 && !rightColumns.contains(cell.second))
                rightColumns.append(cell.second);
        }
    }
    QCOMPARE(f.centres().count(), 0);
    QList<int> expected;
    for (int c = 21; c >= 3; --c)
        expected.append(c);
    QCOMPARE(rightColumns, expected);
}

void tst_keyTriggeredEffects::rippleRingOnM252EndsOffTheGrid()
{
    effectFixture f;
    f.effects.setM252Chip(true);
    f.start(keyEffectGenerator::effectRipple, QColor(255, 255, 255), black);
    f.press(5, 0);
    // The ring spreads to the far corner (distance 26) and ends in the
    // advance whose innermost band (radius - 9) lies beyond it.
    int lastRadius = 0;
    bool farCornerLit = false;
    int ticks = 0;
    while (f.centres().isLive(19) && ticks < 1000) {
        lastRadius = f.centres().at(19).radius;
        f.tick();
        ++ticks;
        farCornerLit = farCornerLit || f.record(0, 21).level > 0;
    }
    QVERIFY(!f.centres().isLive(19));
    QVERIFY(farCornerLit);
    QCOMPARE(lastRadius, 26 + 10);
}

void tst_keyTriggeredEffects::rippleRingColourComesFromTheRandomSource()
{
    effectFixture f;
    f.effects.setM252Chip(true);
    fixedRandom random({3, 13});
    f.effects.triggered().setRandom(&random);
    f.start(keyEffectGenerator::effectRipple, QColor(1, 1, 1), black, 0, true);
    f.press(2, 10); // 3 % 7: green
    f.press(2, 11); // 13 % 7 = 6: magenta
    QCOMPARE(int(f.centres().at(19).colour), 3);
    QCOMPARE(int(f.centres().at(18).colour), 6);
    f.ticks(4);
    QCOMPARE(recordColour(f.record(2, 11)), ColorTables::twinkleColors.at(6));
    f.effects.triggered().setRandom(nullptr);
}

void tst_keyTriggeredEffects::speedRespondStacksAndShrinks()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectSpeedRespond, QColor(9, 9, 9), black, 2, true);
    f.press(0, 0);
    QCOMPARE(f.effects.triggered().speedRespondRows(), 1);
    QCOMPARE(f.record(5, 0).level, 255);
    QCOMPARE(recordColour(f.record(5, 3)), ColorTables::speedRespondColors.at(0));
    // Presses while the top row is still bright stack rows, up to six.
    for (int i = 0; i < 8; ++i)
        f.press(3, 3);
    QCOMPARE(f.effects.triggered().speedRespondRows(), 6);
    for (int r = 0; r < rows; ++r) {
        QCOMPARE(f.record(r, 21).level, 255 - 20 * (5 - r));
        QCOMPARE(recordColour(f.record(r, 21)), ColorTables::speedRespondColors.at(5 - r));
    }
    // Only the top row fades.
    f.ticks(2);
    QCOMPARE(f.record(0, 4).level, 105);
    QCOMPARE(f.record(1, 4).level, 175);
    f.ticks(5);
    QCOMPARE(f.effects.triggered().speedRespondRows(), 5);
    QCOMPARE(f.record(0, 4).level, 0);
    // A press once the top row is dim relights the rows without adding one.
    f.ticks(3);
    QCOMPARE(f.record(1, 4).level, 100);
    f.press(1, 1);
    QCOMPARE(f.effects.triggered().speedRespondRows(), 5);
    QCOMPARE(f.record(1, 4).level, 175);
    QCOMPARE(f.record(0, 4).level, 0);

    // An odd direction stacks from the top.
    f.start(keyEffectGenerator::effectSpeedRespond, QColor(9, 9, 9), black, 3, false);
    f.press(0, 0);
    QCOMPARE(f.record(0, 7).level, 255);
    QCOMPARE(f.record(5, 7).level, 0);
}

void tst_keyTriggeredEffects::speedRespondTakesElevenAndTenTicks()
{
    effectFixture f;
    const QColor user(0, 255, 0);
    f.start(keyEffectGenerator::effectSpeedRespond, user, black);
    f.press(0, 0);
    f.press(0, 0); // rows 5 (255) and 4 (235)
    QCOMPARE(f.effects.triggered().speedRespondRows(), 2);
    f.ticks(9);
    QCOMPARE(f.effects.triggered().speedRespondRows(), 2);
    QCOMPARE(f.record(4, 0).level, 10);
    // The alpha is the level before the tick's fall.
    f.tick();
    QCOMPARE(f.effects.triggered().speedRespondRows(), 1);
    QCOMPARE(f.record(4, 0).level, 0);
    QCOMPARE(f.frame(4, 0).alpha(), 10);
    f.ticks(10);
    QCOMPARE(f.effects.triggered().speedRespondRows(), 1);
    QCOMPARE(f.record(5, 0).level, 5);
    f.tick();
    QCOMPARE(f.effects.triggered().speedRespondRows(), 0);
    // With no row lit the cells show as they are.
    f.tick();
    QCOMPARE(f.frame(5, 0), QColor(0, 0, 0, 0));
}

void tst_keyTriggeredEffects::fireworksRings_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("ring");
    QTest::addColumn<QList<QPoint>>("cells"); // (column, row)
    QTest::newRow("(3, 5) ring 0") << 3 << 5 << 0 << QList<QPoint> {{5, 3}};
    QTest::newRow("(3, 5) ring 1") << 3 << 5 << 1
                                   << QList<QPoint> {{4, 2}, {5, 2}, {5, 4}, {4, 4}, {4, 3}, {6, 3}};
    // From row 2 the row below is staggered the other way.
    QTest::newRow("(2, 5) ring 1") << 2 << 5 << 1
                                   << QList<QPoint> {{5, 1}, {6, 1}, {6, 3}, {5, 3}, {4, 2}, {6, 2}};
    QTest::newRow("(0, 0) ring 1") << 0 << 0 << 1 << QList<QPoint> {{0, 1}, {1, 0}};
    QTest::newRow("(3, 5) ring 2") << 3 << 5 << 2
                                   << QList<QPoint> {{3, 2}, {6, 2}, {4, 1}, {5, 1}, {6, 1}, {6, 4},
                                                     {3, 4}, {5, 5}, {4, 5}, {3, 5}, {3, 3}, {7, 3}};
    QTest::newRow("(5, 21) ring 2") << 5 << 21 << 2
                                    << QList<QPoint> {{20, 4}, {21, 3}, {19, 5}};
}

void tst_keyTriggeredEffects::fireworksRings()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, ring);
    QFETCH(QList<QPoint>, cells);
    effectFixture f;
    const QColor user(250, 250, 0);
    f.start(keyEffectGenerator::effectFireworks, user, black);
    f.press(row, column);
    // Run to the advance that lights this ring (every sixth tick).
    int guard = 0;
    while (f.centres().at(19).radius != ring + 1 && guard++ < 100)
        f.tick();
    QCOMPARE(int(f.centres().at(19).radius), ring + 1);
    cellSet expected;
    for (const QPoint &p : cells)
        expected.insert({p.y(), p.x()});
    const int start = QList<int> {0, 80, 160}[ring];
    QCOMPARE(f.cellsWhere([start](const keyEffectRecord &r) { return r.level == start && r.state == 1; }),
             expected);
    // Past ring 2 nothing lands: the centre ends.
    while (f.centres().count() > 0 && guard++ < 200)
        f.tick();
    QCOMPARE(int(f.centres().count()), 0);
}

void tst_keyTriggeredEffects::fireworksOddDirectionOnlyLightsTheKey()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectFireworks, QColor(1, 2, 3), black, 1, true);
    f.press(3, 5);
    QCOMPARE(int(f.centres().at(19).radius), 0);
    int guard = 0;
    while (f.centres().count() > 0 && guard++ < 100)
        f.tick();
    QCOMPARE(f.centres().count(), 0);
    QCOMPARE(f.cellsWhere([](const keyEffectRecord &r) { return r.step != 0 || r.level != 0; }),
             (cellSet {{3, 5}}));
    QCOMPARE(f.record(3, 5).step, 9);
}

void tst_keyTriggeredEffects::autoRippleRepeatsItsListsAfterEachSetUp()
{
    effectFixture a;
    a.start(keyEffectGenerator::effectAutoRipple, QColor(0, 255, 255), black);
    QCOMPARE(a.effects.effectId(), int(keyEffectGenerator::effectAutoRipple));
    const auto colours = a.effects.triggered().autoRippleColorChoices();
    const auto cellChoices = a.effects.triggered().autoRippleCellChoices();
    QVERIFY(std::set<uint8_t>(cellChoices.begin(), cellChoices.end()).size() > 8);
    QList<centreSeen> seen = autoRippleCentres(a, 3);
    // Ripple triggers draw from the same source in between: the lists
    // come back all the same.
    a.start(keyEffectGenerator::effectRipple, QColor(0, 255, 255), black);
    a.press(1, 1);
    a.start(keyEffectGenerator::effectAutoRipple, QColor(0, 255, 255), black);
    QCOMPARE(a.effects.triggered().autoRippleColorChoices(), colours);
    QCOMPARE(a.effects.triggered().autoRippleCellChoices(), cellChoices);
    seen += autoRippleCentres(a, 3);

    // The pick positions go on from where they were: the six centres are
    // those one run without a new set-up gives.
    effectFixture b;
    b.start(keyEffectGenerator::effectAutoRipple, QColor(0, 255, 255), black);
    QCOMPARE(autoRippleCentres(b, 6), seen);
    for (const centreSeen &c : seen) {
        QVERIFY(c.colour <= 7);
        QVERIFY(c.row < rows && c.column < columns);
    }
}

void tst_keyTriggeredEffects::autoRippleWithoutUsableCellsEnds()
{
    // Every cell choice 15 (no position); colour choice 7.
    effectFixture f;
    fixedRandom fifteen({15});
    f.effects.triggered().setRandom(&fifteen);
    f.start(keyEffectGenerator::effectAutoRipple, QColor(255, 0, 0), black);
    const QList<centreSeen> seen = autoRippleCentres(f, 2);
    QCOMPARE(seen.size(), 2);
    // The first position of the list, (1, 2).
    QCOMPARE(seen[0], (centreSeen {1, 2, 7}));

    // A list with one usable choice among the 15s takes it.
    fixedRandom mixed({15, 15, 15, 4});
    f.effects.triggered().setRandom(&mixed);
    f.start(keyEffectGenerator::effectAutoRipple, QColor(255, 0, 0), black);
    const QList<centreSeen> mixedSeen = autoRippleCentres(f, 1);
    QCOMPARE(mixedSeen.size(), 1);
    QCOMPARE(mixedSeen[0], (centreSeen {1, 7, 7})); // position 4
    f.effects.triggered().setRandom(nullptr);
}

void tst_keyTriggeredEffects::triggersOnlyReachReactingEffects()
{
    effectFixture f;
    f.start(keyEffectGenerator::effectStatic, QColor(5, 5, 5), black);
    f.press(1, 1);
    QCOMPARE(recordColour(f.record(1, 1)), QColor(5, 5, 5));
    QCOMPARE(f.record(1, 1).step, 0);
    QCOMPARE(f.centres().count(), 0);

    f.start(keyEffectGenerator::effectAutoRipple, QColor(5, 5, 5), black);
    f.press(1, 1);
    QCOMPARE(f.centres().count(), 0);

    // Cells outside the grid are dropped by every effect.
    for (int id : {6, 7, 8, 11, 16}) {
        f.start(id, QColor(5, 5, 5), black);
        f.press(6, 0);
        f.press(0, 22);
        f.press(-1, 3);
        QCOMPARE(f.centres().count(), 0);
        QVERIFY(f.cellsWhere([](const keyEffectRecord &r) { return r.level != 0; }).empty());
    }
}

QTEST_APPLESS_MAIN(tst_keyTriggeredEffects)
#include "tst_keytriggeredeffects.moc"
