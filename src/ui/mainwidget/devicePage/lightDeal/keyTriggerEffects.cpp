#include "keyTriggerEffects.h"

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "effectRoutines.h"
#include "keyEffectGenerator.h"

#include <QDebug>

#include <algorithm>

namespace {

using generator = keyEffectGenerator;

constexpr int rows = generator::rows;
constexpr int columns = generator::columns;
constexpr int cells = generator::cells;
constexpr int trailHead = 9; // the palette position a lit trail starts at

// The level of each band of a diamond ring, from the outer edge inwards.
constexpr int ringBands = 10;
constexpr int ringLevels[ringBands] = {255, 255, 255, 255, 255, 255, 205, 155, 105, 55};
// A band re-lights a cell that is still glowing only at these levels.
constexpr int ringRelightAbove = 204;

// Auto Ripple's centres, each as row x 32 + column; the choices pick from
// the first 15.
constexpr uint8_t autoRipplePositions[16] = {34, 162, 100, 6, 39, 103, 115, 109, 171, 16, 178, 172, 81, 105, 144, 53};
constexpr int autoRippleUsedPositions = 15;
constexpr int autoRippleColours = 8;

bool onGrid(int row, int column)
{
    return row >= 0 && row < rows && column >= 0 && column < columns;
}

// The radius a ring that shrinks towards the key starts at.
int inwardRadius(int column)
{
    return std::max(column, columns - 1 - column);
}

} // namespace

keyTriggerEffects::keyTriggerEffects(keyEffectGenerator &grid)
    : m_grid(grid)
{
}

namespace {

using routines = effectRoutines<keyTriggerEffects>;

constexpr routines kEffects[] = {
    {generator::effectReactive, &keyTriggerEffects::initReactiveEffect, &keyTriggerEffects::stepReactiveEffect},
    {generator::effectAurora, &keyTriggerEffects::initAuroraEffect, &keyTriggerEffects::stepAuroraEffect},
    {generator::effectRipple, &keyTriggerEffects::initPlainRippleEffect, &keyTriggerEffects::stepRippleEffect},
    {generator::effectCross, &keyTriggerEffects::initCrossEffect, &keyTriggerEffects::stepCrossEffect},
    {generator::effectSpeedRespond, &keyTriggerEffects::initSpeedRespondEffect,
     &keyTriggerEffects::stepSpeedRespondEffect},
    {generator::effectAutoRipple, &keyTriggerEffects::initAutoRippleEffect, &keyTriggerEffects::stepAutoRippleEffect},
    {generator::effectFireworks, &keyTriggerEffects::initFireworksEffect, &keyTriggerEffects::stepFireworksEffect},
};

} // namespace

bool keyTriggerEffects::handles(int id)
{
    return routines::find(kEffects, id) != nullptr;
}

bool keyTriggerEffects::runSetUp(int id)
{
    const routines *effect = routines::find(kEffects, id);
    if (!effect)
        return false;
    (this->*effect->setUp)();
    return true;
}

bool keyTriggerEffects::step(int id)
{
    const routines *effect = routines::find(kEffects, id);
    if (!effect)
        return false;
    (this->*effect->step)();
    return true;
}

void keyTriggerEffects::setRandom(effectRandom *random)
{
    m_random = random ? random : &m_ownRandom;
}

// ---- shared pieces ---------------------------------------------------------

bool keyTriggerEffects::fullColor() const
{
    return m_grid.m_zone.fullColor();
}

bool keyTriggerEffects::evenDirection() const
{
    return (m_grid.m_zone.working().ledDirection & 1) == 0;
}

keyEffectRecord *keyTriggerEffects::cell(int row, int column)
{
    return onGrid(row, column) ? &m_grid.m_keyRecords[row * columns + column] : nullptr;
}

void keyTriggerEffects::outputLevelCell(int index, const keyEffectRecord &record)
{
    m_grid.outputCell(index, m_grid.keyRecordColor(index / columns, index % columns),
                      m_grid.levelAlpha(record.level));
}

void keyTriggerEffects::outputFadeCell(int index, const keyEffectRecord &record)
{
    m_grid.outputCell(index, m_grid.keyRecordColor(index / columns, index % columns), m_grid.fadeAlpha(record));
}

// The start of a full-colour trail: orange, counting down the palette.
void keyTriggerEffects::lightTrailHead(keyEffectRecord &record)
{
    generator::setRecordColor(record, ColorTables::trailColors.at(trailHead));
    record.step = trailHead;
}

// ---- key trigger -------------------------------------------------------------

void keyTriggerEffects::trigger(int row, int column)
{
    if (!onGrid(row, column))
        return;
    const bool full = fullColor();
    const QColor &user = m_grid.m_zone.userColor();
    switch (m_grid.m_effectId) {
    case generator::effectSpeedRespond:
        raiseSpeedRespond();
        break;
    case generator::effectReactive: {
        keyEffectRecord &record = *cell(row, column);
        if (full) {
            lightTrailHead(record);
            record.state = 1;
        } else {
            generator::setRecordColor(record, user);
            record.step = trailHead;
            record.state = 2;
        }
        record.level = 255;
        break;
    }
    case generator::effectCross: {
        auto light = [&](keyEffectRecord &record) {
            if (full) {
                lightTrailHead(record);
                record.state = 1;
            } else {
                generator::setRecordColor(record, user);
                record.state = 2;
            }
            record.level = 255;
        };
        for (int r = 0; r < rows; ++r)
            light(*cell(r, column));
        for (int c = 0; c < columns; ++c)
            light(*cell(row, c));
        break;
    }
    case generator::effectAurora:
    case generator::effectRipple:
    case generator::effectFireworks:
        addCentre(row, column);
        break;
    default:
        break;
    }
}

void keyTriggerEffects::addCentre(int row, int column)
{
    // A press while 20 rings run is dropped.
    if (m_centres.isFull())
        return;
    const bool inward = !evenDirection() && m_grid.m_effectId != generator::effectFireworks;
    const int colour = m_random->next() % 7;
    m_centres.add(row, column, inward ? inwardRadius(column) : 0, colour);
}

// ---- ring life ---------------------------------------------------------------

void keyTriggerEffects::advanceCentre(int slot, painter paint)
{
    rippleCentreQueue::centre &centre = m_centres.at(slot);
    const bool landed = (this->*paint)(centre);
    if (evenDirection()) {
        // Outwards until no cell of the ring lands on the grid.
        if (landed)
            centre.radius = uint8_t(centre.radius + 1);
        else
            m_centres.remove(slot);
    } else {
        // Inwards until the ring at the key itself has been lit.
        if (centre.radius == 0)
            m_centres.remove(slot);
        else
            centre.radius = uint8_t(centre.radius - 1);
    }
}

void keyTriggerEffects::advanceCentres(painter paint, bool fromTop)
{
    // From the top, a centre that moves up into a removed slot is not
    // advanced twice in one pass.
    if (fromTop) {
        for (int slot = rippleCentreQueue::slotCount - 1; slot >= 0; --slot) {
            if (m_centres.isLive(slot))
                advanceCentre(slot, paint);
        }
    } else {
        for (int slot = 0; slot < rippleCentreQueue::slotCount; ++slot) {
            if (m_centres.isLive(slot))
                advanceCentre(slot, paint);
        }
    }
}

// ---- Reactive (6) and Cross (11) ---------------------------------------------

void keyTriggerEffects::initReactiveEffect()
{
    m_grid.setAllRecords(m_grid.m_zone.background(), 0, 0, 0);
    m_grid.showStoredKeyColors(generator::effectReactive);
}

void keyTriggerEffects::initCrossEffect()
{
    m_grid.setAllRecords(m_grid.m_zone.background(), 0, 0, 0);
    m_grid.showStoredKeyColors(generator::effectCross);
}

void keyTriggerEffects::stepReactiveEffect()
{
    const bool full = fullColor();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_grid.m_keyRecords[i];
        if (full) {
            if (stepChannel(record.level, 14, uint8_t(record.state)) != channelNoClamp)
                paletteFade(record, ColorTables::trailColors);
            outputFadeCell(i, record);
        } else {
            if (stepChannel(record.level, 2, uint8_t(record.state)) != channelNoClamp) {
                record.state = 0;
                record.level = 0;
            }
            outputLevelCell(i, record);
        }
    }
}

// ---- Aurora (7) --------------------------------------------------------------

// The set-up of the rings paced against m_paceLimit: every record dark
// (black in full colour, else oneColourBase), no centres.
void keyTriggerEffects::initPacedRings(int id, const QColor &oneColourBase)
{
    if (fullColor()) {
        m_grid.setAllRecords(QColor(0, 0, 0), 0, 0, 0);
        m_grid.m_paceLimit = 255;
    } else {
        m_grid.setAllRecords(oneColourBase, 0, 0, 0);
        m_grid.m_paceLimit = 40;
    }
    m_centres.reset();
    m_grid.showStoredKeyColors(id);
}

void keyTriggerEffects::initAuroraEffect()
{
    initPacedRings(generator::effectAurora, m_grid.m_zone.background());
}

void keyTriggerEffects::stepAuroraEffect()
{
    const bool full = fullColor();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int i = r * columns + c;
            keyEffectRecord &record = m_grid.m_keyRecords[i];
            if (full) {
                if (stepChannel(record.level, 40, uint8_t(record.state)) != channelNoClamp)
                    paletteFade(record, ColorTables::trailColors);
                outputFadeCell(i, record);
            } else {
                if (stepChannel(record.level, 7, uint8_t(record.state)) != channelNoClamp)
                    record.state = 0;
                outputLevelCell(i, record);
            }
        }
        advanceAuroraRings();
    }
}

void keyTriggerEffects::advanceAuroraRings()
{
    m_auroraPace = uint16_t(m_auroraPace + (fullColor() ? 8 : 1));
    // Full colour steps by 8 towards 255 and never lands on it exactly.
    if (m_auroraPace < m_grid.m_paceLimit)
        return;
    m_auroraPace = 0;
    advanceCentres(&keyTriggerEffects::paintAuroraPair, false);
}

bool keyTriggerEffects::paintAuroraPair(const rippleCentreQueue::centre &c)
{
    const bool full = fullColor();
    const QColor &user = m_grid.m_zone.userColor();
    bool landed = false;
    auto light = [&](int column) {
        keyEffectRecord *record = cell(c.row, column);
        if (!record)
            return;
        landed = true;
        if (full) {
            lightTrailHead(*record);
            record->level = 0;
            record->state = 1;
        } else {
            generator::setRecordColor(*record, user);
            record->level = 255;
            record->state = 2;
            record->step = 1;
        }
    };
    if (c.radius <= c.column)
        light(c.column - c.radius);
    if (c.column + c.radius < columns)
        light(c.column + c.radius);
    return landed;
}

// ---- Ripple (8) ----------------------------------------------------------------

void keyTriggerEffects::initRippleEffect(int shownId)
{
    const QColor base = fullColor() ? QColor(0, 0, 0) : m_grid.m_zone.background();
    m_grid.setAllRecords(base, 0, 0, 0);
    m_centres.reset();
    m_grid.showStoredKeyColors(shownId);
}

void keyTriggerEffects::initPlainRippleEffect()
{
    initRippleEffect(generator::effectRipple);
}

void keyTriggerEffects::stepRippleEffect()
{
    if (m_isM252Chip) {
        stepRippleRings();
        advanceRippleRings();
    } else {
        stepRippleBars();
        advanceRippleBars();
    }
}

void keyTriggerEffects::stepRippleBars()
{
    const bool full = fullColor();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_grid.m_keyRecords[i];
        if (full)
            generator::setRecordColor(record, ColorTables::trailColors.at(record.step));
        if (record.state != 0
            && stepChannel(record.level, full ? 8 : 12, uint8_t(record.state)) != channelNoClamp)
            record.state = record.state == 1 ? 2 : 0;
        outputLevelCell(i, record);
    }
}

void keyTriggerEffects::advanceRippleBars()
{
    m_rippleBarPace = uint16_t(m_rippleBarPace + (fullColor() ? 8 : 11));
    if (m_rippleBarPace <= 47)
        return;
    m_rippleBarPace = 0;
    advanceCentres(&keyTriggerEffects::paintRippleBars, false);
}

bool keyTriggerEffects::paintRippleBars(const rippleCentreQueue::centre &c)
{
    const bool full = fullColor();
    const QColor &user = m_grid.m_zone.userColor();
    auto light = [&](keyEffectRecord &record) {
        if (full) {
            record.step = trailHead - c.radius % 9;
            record.state = 1;
        } else {
            generator::setRecordColor(record, user);
            record.level = 255;
            record.state = 2;
        }
    };
    const bool left = c.radius <= c.column;
    const bool right = c.column + c.radius < columns;
    for (int r = 0; r < rows; ++r) {
        if (left)
            light(*cell(r, c.column - c.radius));
        if (right)
            light(*cell(r, c.column + c.radius));
    }
    return left || right;
}

void keyTriggerEffects::stepRippleRings()
{
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_grid.m_keyRecords[i];
        if (record.state != 0 && stepChannel(record.level, 10, uint8_t(record.state)) != channelNoClamp) {
            record.state = record.state == 1 ? 2 : 0;
            record.step = 0;
        }
        outputLevelCell(i, record);
    }
}

void keyTriggerEffects::advanceRippleRings()
{
    m_rippleRingPace = uint16_t(m_rippleRingPace + 11);
    if (m_rippleRingPace <= 41)
        return;
    m_rippleRingPace = 0;
    advanceCentres(&keyTriggerEffects::paintRippleRing, true);
}

bool keyTriggerEffects::paintRippleRing(const rippleCentreQueue::centre &c)
{
    const QColor colour = fullColor() ? ColorTables::twinkleColors.at(std::min<int>(c.colour, 6))
                                      : m_grid.m_zone.userColor();
    bool landed = false;
    for (int k = 0; k < ringBands && k <= c.radius; ++k) {
        const int d = c.radius - k;
        auto light = [&](int row, int column) {
            keyEffectRecord *record = cell(row, column);
            if (!record)
                return;
            landed = true;
            if (record->level != 0 && ringLevels[k] <= ringRelightAbove)
                return;
            generator::setRecordColor(*record, colour);
            record->level = ringLevels[k];
            record->state = k < 5 ? 0 : 2;
        };
        // The diamond of radius d: two cells on the centre's row, then two
        // per row above and below while the row is within d.
        light(c.row, c.column + d);
        light(c.row, c.column - d);
        for (int i = 1; i <= d; ++i) {
            for (int row : {c.row - i, c.row + i}) {
                if (row < 0 || row >= rows)
                    continue;
                light(row, c.column + d - i);
                light(row, c.column - d + i);
            }
        }
    }
    return landed;
}

// ---- Speed Respond (12) --------------------------------------------------------

void keyTriggerEffects::initSpeedRespondEffect()
{
    const QColor base = fullColor() ? QColor(0, 0, 0) : m_grid.m_zone.userColor();
    m_grid.setAllRecords(base, 0, 0, 0);
    m_responesRowCnt = 0;
    m_grid.showStoredKeyColors(generator::effectSpeedRespond);
}

// Lit row i, from the bottom for an even direction, from the top for an odd.
int keyTriggerEffects::speedRespondRow(int i) const
{
    return evenDirection() ? rows - 1 - i : i;
}

void keyTriggerEffects::raiseSpeedRespond()
{
    if (m_responesRowCnt == 0) {
        m_responesRowCnt = 1;
    } else if (m_responesRowCnt < rows
               && cell(speedRespondRow(m_responesRowCnt - 1), 0)->level > 120) {
        m_responesRowCnt += 1;
    }
    const bool full = fullColor();
    for (int i = 0; i < m_responesRowCnt; ++i) {
        const int row = speedRespondRow(i);
        const int level = 255 - 20 * i;
        for (int c = 0; c < columns; ++c) {
            keyEffectRecord &record = *cell(row, c);
            record.level = level;
            record.state = 2;
            if (full)
                generator::setRecordColor(record, ColorTables::speedRespondColors.at(i));
        }
        qDebug().nospace() << "------------------***responesRowCnt:" << m_responesRowCnt << "  temp:" << row
                           << "  colorAlpha:" << level;
    }
}

void keyTriggerEffects::stepSpeedRespondEffect()
{
    if (m_responesRowCnt == 0) {
        for (int i = 0; i < cells; ++i)
            outputLevelCell(i, m_grid.m_keyRecords[i]);
        return;
    }
    // Only the top lit row fades; the rows below hold until it is gone.
    const int top = speedRespondRow(m_responesRowCnt - 1);
    bool topGone = false;
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_grid.m_keyRecords[i];
        const int before = record.level;
        if (i / columns == top && stepChannel(record.level, 25, 2) != channelNoClamp) {
            record.state = 0;
            topGone = true;
        }
        m_grid.outputCell(i, m_grid.keyRecordColor(i / columns, i % columns), m_grid.levelAlpha(before));
    }
    if (topGone)
        m_responesRowCnt -= 1;
}

// ---- Auto Ripple (14) ----------------------------------------------------------

void keyTriggerEffects::initAutoRippleEffect()
{
    initRippleEffect(generator::effectAutoRipple);
    m_autoRippleFlags = 0x03;
    m_autoRippleCounter = 6000;
    m_autoRippleSeed = autoRippleSeed;
    refillAutoRippleChoices();
}

void keyTriggerEffects::refillAutoRippleChoices()
{
    if (!(m_autoRippleFlags & 0x01))
        return;
    if (m_autoRippleCounter < 60) {
        m_autoRippleCounter += 1;
        return;
    }
    m_autoRippleCounter = 0;
    if (!(m_autoRippleFlags & 0x02))
        return;
    m_autoRippleFlags &= uint8_t(~0x02);
    // The same seed each time: every set-up draws the same two lists.
    m_random->seed(m_autoRippleSeed);
    for (int i = 0; i < autoRippleChoices; ++i) {
        m_autoRippleColorChoices[i] = uint8_t(m_random->next() % autoRippleColours);
        m_autoRippleCellChoices[i] = uint8_t(m_random->next() % 16);
    }
}

void keyTriggerEffects::stepAutoRippleEffect()
{
    stepRippleRings();
    advanceAutoRipple();
}

void keyTriggerEffects::advanceAutoRipple()
{
    m_autoRipplePace = uint16_t(m_autoRipplePace + 11);
    if (m_autoRipplePace <= 41)
        return;
    m_autoRipplePace = 0;
    constexpr int slot = rippleCentreQueue::slotCount - 1;
    if (!m_centres.isLive(slot)) {
        pickAutoRippleCentre();
        return;
    }
    advanceCentre(slot, &keyTriggerEffects::paintRippleRing);
}

void keyTriggerEffects::pickAutoRippleCentre()
{
    // Once round the choices at most: a list without a usable choice
    // falls back to the first colour and the first position.
    auto pick = [](int &index, const std::array<uint8_t, autoRippleChoices> &choices, int most) {
        for (int tries = 0; tries < autoRippleChoices; ++tries) {
            index = (index + 1) % autoRippleChoices;
            if (choices[index] <= most)
                return int(choices[index]);
        }
        return 0;
    };
    const int colour = pick(m_autoRippleColorPick, m_autoRippleColorChoices, autoRippleColours - 1);
    const int choice = pick(m_autoRippleCellPick, m_autoRippleCellChoices, autoRippleUsedPositions - 1);
    const int row = autoRipplePositions[choice] / 32;
    const int column = autoRipplePositions[choice] % 32;
    m_centres.add(row, column, evenDirection() ? 0 : inwardRadius(column), colour);
}

// ---- Fireworks (16) -------------------------------------------------------------

void keyTriggerEffects::initFireworksEffect()
{
    initPacedRings(generator::effectFireworks, m_grid.m_zone.userColor());
}

void keyTriggerEffects::stepFireworksEffect()
{
    const bool full = fullColor();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_grid.m_keyRecords[i];
        if (full) {
            if (stepChannel(record.level, 40, uint8_t(record.state)) != channelNoClamp)
                paletteFade(record, ColorTables::trailColors);
            outputFadeCell(i, record);
        } else {
            if (stepChannel(record.level, 7, uint8_t(record.state)) != channelNoClamp)
                record.state = record.state == 1 ? 2 : 0;
            outputLevelCell(i, record);
        }
    }
    advanceFireworks();
}

void keyTriggerEffects::advanceFireworks()
{
    m_grid.m_paceCount = uint16_t(m_grid.m_paceCount + (fullColor() ? 45 : 7));
    if (m_grid.m_paceCount < m_grid.m_paceLimit)
        return;
    m_grid.m_paceCount = 0;
    advanceCentres(&keyTriggerEffects::paintFireworksRing, false);
}

bool keyTriggerEffects::paintFireworksRing(const rippleCentreQueue::centre &centre)
{
    const int ring = centre.radius;
    if (ring > 2)
        return false;
    const bool full = fullColor();
    const int R = centre.row;
    const int c = centre.column;
    bool landed = false;
    auto light = [&](int row, int column) {
        keyEffectRecord *record = cell(row, column);
        if (!record)
            return;
        landed = true;
        if (full) {
            lightTrailHead(*record);
            record->level = 0;
        } else {
            record->level = m_fireworksLevels[ring];
        }
        record->state = 1;
    };
    // The rows above and below follow the keyboard's stagger between grid
    // rows 2 and 3: the base column of a target row.
    auto base = [&](int target) {
        if ((R == 3 || R == 4) && target <= 2 && c > 0)
            return c - 1;
        if ((R == 1 || R == 2) && target >= 3 && c < columns - 1)
            return c + 1;
        return c;
    };
    if (ring == 0) {
        light(R, c);
    } else if (ring == 1) {
        int b = base(R - 1);
        light(R - 1, b);
        if (c < 21)
            light(R - 1, b + 1);
        b = base(R + 1);
        light(R + 1, b);
        if (b > 0)
            light(R + 1, b - 1);
        if (c > 0)
            light(R, c - 1);
        if (c < 21)
            light(R, c + 1);
    } else {
        int b = base(R - 1);
        if (b > 0)
            light(R - 1, b - 1);
        if (b < 20)
            light(R - 1, b + 2);
        b = base(R - 2);
        light(R - 2, b);
        if (b < 21)
            light(R - 2, b + 1);
        if (b < 20)
            light(R - 2, b + 2);
        b = base(R + 1);
        if (b < 21)
            light(R + 1, b + 1);
        if (b > 1)
            light(R + 1, b - 2);
        b = base(R + 2);
        light(R + 2, b);
        if (b > 0)
            light(R + 2, b - 1);
        if (b > 1)
            light(R + 2, b - 2);
        if (c > 1)
            light(R, c - 2);
        if (c < 20)
            light(R, c + 2);
    }
    return landed;
}
