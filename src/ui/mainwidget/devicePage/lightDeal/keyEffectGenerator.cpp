#include "keyEffectGenerator.h"

#include "colorArithmetic.h"
#include "effectRoutines.h"
#include "keyEffectTables.h"
#include "ColorTables.h"

#include <algorithm>

namespace {

constexpr int trailHead = 9; // the palette position a lit trail starts at

int capLevel(int level)
{
    return std::min(level, 200);
}

bool isBlack(int r, int g, int b)
{
    return r == 0 && g == 0 && b == 0;
}

QColor blendedColor(const QColor &colour, int level, const QColor &background)
{
    return QColor(blendChannel(colour.red(), level, background.red()),
                  blendChannel(colour.green(), level, background.green()),
                  blendChannel(colour.blue(), level, background.blue()));
}

// A level-driven record: the user colour at level over the background.
void setBlendedRecord(keyEffectRecord &record, const QColor &user, const QColor &background, int level,
                      int state)
{
    record.red = blendChannel(user.red(), level, background.red());
    record.green = blendChannel(user.green(), level, background.green());
    record.blue = blendChannel(user.blue(), level, background.blue());
    record.level = level;
    record.state = state;
    record.step = 0;
}

} // namespace

keyEffectGenerator::keyEffectGenerator(const lightZoneSettings &zone, breathState &breath)
    : m_zone(zone)
    , m_breath(breath)
{
}

void keyEffectGenerator::setKeyCount(int keyCount)
{
    m_keyCount = keyCount;
    m_cellCount = keyEffectTables::cellCountFor(keyCount, m_cellCount);
}

namespace {

using generator = keyEffectGenerator;
using routines = effectRoutines<generator>;

// The effects this generator runs: the set-up (none for Custom, whose set-up
// needs the key colours) and the per-tick step of each.
constexpr routines kEffects[] = {
    {generator::effectStatic, &generator::initStaticEffect, &generator::stepStaticEffect},
    {generator::effectBreath, &generator::initBreathEffect, &generator::stepBreathEffect},
    {generator::effectWave, &generator::initWaveEffect, &generator::stepWaveEffect},
    {generator::effectNeon, &generator::initNeonEffect, &generator::stepNeonEffect},
    {generator::effectRadar, &generator::initRadarEffect, &generator::stepRadarEffect},
    {generator::effectSnack, &generator::initSnackEffect, &generator::stepSnackEffect},
    {generator::effectTwinkle, &generator::initTwinkleEffect, &generator::stepTwinkleEffect},
    {generator::effectCustom, nullptr, &generator::stepCustomEffect},
    {generator::effectStriation, &generator::initStriationEffect, &generator::stepStriationEffect},
};

} // namespace

bool keyEffectGenerator::runSetUp(int id)
{
    m_effectId = id;
    if (m_triggered.runSetUp(id))
        return true;
    const routines *effect = routines::find(kEffects, id);
    if (!effect || !effect->setUp)
        return false;
    (this->*effect->setUp)();
    return true;
}

bool keyEffectGenerator::stepKeyEffect()
{
    if (m_triggered.step(m_effectId))
        return true;
    const routines *effect = routines::find(kEffects, m_effectId);
    if (!effect)
        return false;
    (this->*effect->step)();
    return true;
}

// ---- shared pieces ---------------------------------------------------------

void keyEffectGenerator::setRecordColor(keyEffectRecord &record, const QColor &colour)
{
    record.red = colour.red();
    record.green = colour.green();
    record.blue = colour.blue();
}

void keyEffectGenerator::setRecord(keyEffectRecord &record, const QColor &colour, int level, int state, int step)
{
    setRecordColor(record, colour);
    record.level = level;
    record.state = state;
    record.step = step;
}

void keyEffectGenerator::setAllRecords(const QColor &colour, int level, int state, int step)
{
    for (keyEffectRecord &record : m_keyRecords)
        setRecord(record, colour, level, state, step);
}

void keyEffectGenerator::outputCell(int index, const QColor &colour, int alpha)
{
    QColor out(colour);
    out.setAlpha(std::clamp(alpha, 0, 255));
    m_keyColors[index] = m_zone.applyBrightness(out);
}

// The full-colour walk of Neon, Wave and Radar: every record's colour one
// hue step on (see stepHueByDirection), shown at alpha 180.
void keyEffectGenerator::stepHueCells(int direction, int step)
{
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_keyRecords[i];
        const QColor next = stepHueByDirection(QColor(record.red, record.green, record.blue), direction, step);
        setRecordColor(record, next);
        outputCell(i, next, 180);
    }
}

int keyEffectGenerator::levelAlpha(int level) const
{
    return m_zone.backgroundBlack() ? capLevel(level) : 180;
}

int keyEffectGenerator::fadeAlpha(const keyEffectRecord &record) const
{
    if (!m_zone.backgroundBlack())
        return 180;
    return (record.step >= 1 && record.step <= 9) ? 180 : capLevel(record.level);
}

QColor keyEffectGenerator::keyRecordColor(int row, int column) const
{
    const keyEffectRecord &record = m_keyRecords[row * columns + column];
    QColor under = m_zone.background();
    const bool trailEffect = m_effectId == effectSnack || m_effectId == effectReactive
        || m_effectId == effectAurora || m_effectId == effectCross || m_effectId == effectStriation
        || m_effectId == effectFireworks;
    if (trailEffect && m_zone.fullColor() && record.step >= 1 && record.step <= 8)
        under = ColorTables::trailColors.at((record.step & 1) ? record.step + 1 : record.step);
    QColor out(0, 0, 0);
    blendColor(record, under, out);
    return out;
}

void keyEffectGenerator::showStoredKeyColors(int id)
{
    m_effectId = id;
    if (id == effectCustom)
        return;
    for (int i = 0; i < cells; ++i) {
        const keyEffectRecord &record = m_keyRecords[i];
        m_keyColors[i].setRgb(record.red, record.green, record.blue, 255);
    }
}

void keyEffectGenerator::fillFrame(const QColor &colour)
{
    m_keyColors.fill(colour);
}

// ---- Static (0) and Custom (10) -------------------------------------------

void keyEffectGenerator::initStaticEffect()
{
    setAllRecords(m_zone.userColor(), 255, 0, 0);
    showStoredKeyColors(effectStatic);
}

void keyEffectGenerator::stepStaticEffect()
{
    const int alpha = m_zone.userColorBlack() ? 0 : 180;
    for (int i = 0; i < cells; ++i) {
        const keyEffectRecord &record = m_keyRecords[i];
        outputCell(i, QColor(record.red, record.green, record.blue), alpha);
    }
}

void keyEffectGenerator::initCustomEffect(const std::array<QColor, cells> &keyColors)
{
    for (int i = 0; i < cells; ++i)
        setRecord(m_keyRecords[i], keyColors[i], 255, 0, 0);
    showStoredKeyColors(effectCustom);
}

bool keyEffectGenerator::setCustomKeyColor(int row, int column, const QColor &colour)
{
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        return false;
    setRecord(record(row, column), colour, 255, 0, 0);
    return true;
}

void keyEffectGenerator::stepCustomEffect()
{
    for (int i = 0; i < cells; ++i) {
        const keyEffectRecord &record = m_keyRecords[i];
        const int alpha = isBlack(record.red, record.green, record.blue) ? 0 : 180;
        outputCell(i, QColor(record.red, record.green, record.blue), alpha);
    }
}

// ---- Breath (1) -----------------------------------------------------------

void keyEffectGenerator::initBreathEffect()
{
    m_breath.start(m_zone);
    setAllRecords(m_breath.currentColor(), 255, 2, 0);
    showStoredKeyColors(effectBreath);
}

void keyEffectGenerator::stepBreathEffect()
{
    if (m_breath.hold) {
        if (m_breath.countHold()) {
            m_breath.nextColor();
            setAllRecords(m_breath.currentColor(), 0, 1, 0);
        }
        return; // the frame rests during the pause
    }
    const bool blackBackground = m_zone.backgroundBlack();
    for (int i = 0; i < cells && !m_breath.hold; ++i) {
        keyEffectRecord &record = m_keyRecords[i];
        m_breath.stepRecord(record);
        const int r = record.red * record.level / 256;
        const int g = record.green * record.level / 256;
        const int b = record.blue * record.level / 256;
        const int alpha = (blackBackground && isBlack(r, g, b)) ? 0 : capLevel(record.level);
        outputCell(i, QColor(r, g, b), alpha);
    }
}

// ---- Neon (3) -------------------------------------------------------------

void keyEffectGenerator::initNeonEffect()
{
    if (m_zone.fullColor())
        setAllRecords(QColor(255, 0, 0), 255, 0, 0);
    else
        setAllRecords(m_zone.userColor(), 0, 1, 0);
    showStoredKeyColors(effectNeon);
}

void keyEffectGenerator::stepNeonEffect()
{
    if (m_zone.fullColor()) {
        stepHueCells(1, 6);
        return;
    }
    const QColor &background = m_zone.background();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_keyRecords[i];
        if (!m_breath.hold) {
            m_breath.stepRecord(record, 1);
            QColor colour(0, 0, 0);
            blendColor(record, background, colour);
            outputCell(i, colour, levelAlpha(record.level));
        }
        // The pause counts cell visits, skipped ones included.
        m_breath.countHold();
    }
}

// ---- Wave (2) and Radar (4) -----------------------------------------------

void keyEffectGenerator::initWaveEffect()
{
    const int direction = m_zone.working().ledDirection;
    if (m_zone.fullColor()) {
        const ColorTable &line = ColorTables::waveLineColorsFor(m_keyCount);
        const ColorTable &centre = ColorTables::waveCentreColorsFor(m_keyCount);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                QColor colour(0, 0, 0);
                if (direction == 0 || direction == 1)
                    colour = line.cell(r, c);
                else if (direction == 2 || direction == 3)
                    colour = line.cell(1, 3 * (5 - r)); // one colour per row
                else if (direction == 4 || direction == 5)
                    colour = centre.cell(r, c);
                setRecord(m_keyRecords[r * columns + c], colour, 255, 0, 0);
            }
        }
    } else {
        const std::array<int, columns> &horizontal = keyEffectTables::waveHorizontalRow(m_keyCount);
        const keyEffectTables::levelGrid &vee = keyEffectTables::waveVLevels(m_keyCount);
        const QColor &user = m_zone.userColor();
        const QColor &background = m_zone.background();
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                int level = 0;
                int state = 1;
                switch (direction) {
                case 0:
                case 1:
                    level = horizontal[c];
                    state = c < 10 ? 2 : 1;
                    break;
                case 2:
                case 3:
                    level = horizontal[2 * r];
                    break;
                case 4:
                case 5:
                    level = vee.levels[r * columns + c];
                    state = (vee.mask[c] >> r) & 1 ? 1 : 2;
                    break;
                default:
                    break;
                }
                if (direction == 1 || direction == 3 || direction == 5)
                    level = 255 - level;
                setBlendedRecord(m_keyRecords[r * columns + c], user, background, level, state);
            }
        }
    }
    showStoredKeyColors(effectWave);
}

void keyEffectGenerator::stepLevelWave()
{
    const QColor &user = m_zone.userColor();
    const QColor &background = m_zone.background();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_keyRecords[i];
        stepWaveLevel(record);
        outputCell(i, blendedColor(user, record.level, background), levelAlpha(record.level));
    }
}

void keyEffectGenerator::stepWaveEffect()
{
    if (!m_zone.fullColor()) {
        stepLevelWave();
        return;
    }
    stepHueCells(m_zone.working().ledDirection & 1, 9);
}

void keyEffectGenerator::initRadarEffect()
{
    if (m_zone.fullColor()) {
        const ColorTable &radar = ColorTables::radarColorsFor(m_keyCount);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c)
                setRecord(m_keyRecords[r * columns + c], radar.cell(r, c), 255, 0, 0);
        }
    } else {
        const int direction = m_zone.working().ledDirection;
        const keyEffectTables::levelGrid &grid = keyEffectTables::radarLevels(m_keyCount);
        const QColor &user = m_zone.userColor();
        const QColor &background = m_zone.background();
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                int level = 0;
                int state = 1;
                if (direction == 0 || direction == 1) {
                    level = grid.levels[r * columns + c];
                    if (direction == 1)
                        level = 255 - level;
                    state = (grid.mask[c] >> r) & 1 ? 2 : 1;
                }
                setBlendedRecord(m_keyRecords[r * columns + c], user, background, level, state);
            }
        }
    }
    showStoredKeyColors(effectRadar);
}

void keyEffectGenerator::stepRadarEffect()
{
    if (!m_zone.fullColor()) {
        stepLevelWave();
        return;
    }
    stepHueCells(m_zone.working().ledDirection, 12);
}

// ---- Snack (5) ------------------------------------------------------------

int keyEffectGenerator::snackLastIndex() const
{
    // The path always has the cells the cell count names; a key count that
    // kept an older cell count can never index past its path.
    const int pathLength = int(keyEffectTables::snackPath(m_keyCount).size());
    return std::clamp(m_cellCount, 0, pathLength - 1);
}

// Moves the head one cell on and returns the record index of the new head.
int keyEffectGenerator::advanceSnackHead()
{
    const std::vector<uint8_t> &path = keyEffectTables::snackPath(m_keyCount);
    const int last = snackLastIndex();
    m_snackIndex += 1;
    if (m_snackIndex > last)
        m_snackIndex = 0;
    const bool forward = (m_zone.working().ledDirection & 1) == 0;
    const uint8_t cell = path[forward ? m_snackIndex : last - m_snackIndex];
    return (cell / 32) * columns + (cell % 32);
}

void keyEffectGenerator::initSnackEffect()
{
    const std::vector<uint8_t> &path = keyEffectTables::snackPath(m_keyCount);
    m_snackIndex = 0;
    const bool forward = (m_zone.working().ledDirection & 1) == 0;
    const uint8_t cell = path[forward ? 0 : snackLastIndex()];
    keyEffectRecord &head = m_keyRecords[(cell / 32) * columns + (cell % 32)];
    if (m_zone.fullColor()) {
        setAllRecords(m_zone.background(), 0, 0, 0);
        setRecord(head, ColorTables::trailColors.at(trailHead), 0, 1, trailHead);
    } else {
        setAllRecords(m_zone.userColor(), 0, 0, 0);
        head.level = 255;
        head.state = 2;
        head.step = 1;
    }
    showStoredKeyColors(effectSnack);
}

void keyEffectGenerator::stepSnackEffect()
{
    const bool fullColor = m_zone.fullColor();
    const QColor &background = m_zone.background();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord record = m_keyRecords[i];
        if (fullColor) {
            if (stepChannel(record.level, 60, uint8_t(record.state)) != channelNoClamp) {
                if (record.step == trailHead) {
                    keyEffectRecord &head = m_keyRecords[advanceSnackHead()];
                    head = record;
                    setRecord(head, ColorTables::trailColors.at(trailHead), 0, 1, trailHead);
                }
                paletteFade(record, ColorTables::trailColors);
            }
            m_keyRecords[i] = record;
            outputCell(i, keyRecordColor(i / columns, i % columns), fadeAlpha(record));
        } else {
            if (stepChannel(record.level, 5, uint8_t(record.state)) != channelNoClamp)
                record.state = 0;
            if (record.step == 1 && record.level < 235) {
                record.step = 0;
                keyEffectRecord &head = m_keyRecords[advanceSnackHead()];
                head = record;
                head.level = 255;
                head.state = 2;
                head.step = 1;
            }
            m_keyRecords[i] = record;
            QColor colour(0, 0, 0);
            blendColor(record, background, colour);
            outputCell(i, colour, levelAlpha(record.level));
        }
    }
}

// ---- Twinkle (9) ----------------------------------------------------------

void keyEffectGenerator::initTwinkleEffect()
{
    const std::array<uint8_t, cells> &start = keyEffectTables::twinkleStartColor();
    const QColor &background = m_zone.background();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            setRecord(m_keyRecords[r * columns + c], background, 0, 0, start[r + rows * c]);
    }
    m_twinkleIndex = 0;
    m_twinkleTick = 0;
    showStoredKeyColors(effectTwinkle);
}

void keyEffectGenerator::stepTwinkleEffect()
{
    const bool fullColor = m_zone.fullColor();
    const bool blackBackground = m_zone.backgroundBlack();
    const QColor &user = m_zone.userColor();
    const QColor &background = m_zone.background();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_keyRecords[i];
        if (record.state != 0
            && stepChannel(record.level, 4, uint8_t(record.state)) != channelNoClamp)
            record.state = record.state == 1 ? 2 : 0;
        const QColor base = fullColor ? ColorTables::twinkleColors.at(std::clamp(record.step, 0, 7)) : user;
        if (blackBackground) {
            const int a = capLevel(record.level);
            outputCell(i, QColor(base.red() * a / 256, base.green() * a / 256, base.blue() * a / 256), a);
        } else {
            outputCell(i, blendedColor(base, record.level, background), 180);
        }
    }
    m_twinkleTick += 1;
    if (m_twinkleTick <= 1)
        return;
    m_twinkleTick = 0;
    m_twinkleIndex += 1;
    if (m_twinkleIndex >= cells)
        m_twinkleIndex = 0;
    const int cellNumber = keyEffectTables::twinkleOrder()[m_twinkleIndex];
    keyEffectRecord &lit = m_keyRecords[(cellNumber % rows) * columns + cellNumber / rows];
    if (fullColor) {
        lit.step = lit.step <= 0 ? 7 : lit.step - 1;
        lit.level = 0;
    } else {
        lit.level = 1;
    }
    lit.state = 1;
}

// ---- Striation (15) -------------------------------------------------------

void keyEffectGenerator::initStriationEffect()
{
    m_striationPos = m_striationSeeds;
    if (m_zone.fullColor()) {
        setAllRecords(QColor(0, 0, 0), 0, 0, 0);
        m_paceLimit = 255;
    } else {
        setAllRecords(m_zone.userColor(), 0, 0, 0);
        m_paceLimit = 40;
    }
    m_paceCount = 0;
    showStoredKeyColors(effectStriation);
}

void keyEffectGenerator::stepStriationEffect()
{
    const bool fullColor = m_zone.fullColor();
    for (int i = 0; i < cells; ++i) {
        keyEffectRecord &record = m_keyRecords[i];
        if (fullColor) {
            if (stepChannel(record.level, 40, uint8_t(record.state)) != channelNoClamp)
                paletteFade(record, ColorTables::trailColors);
            outputCell(i, keyRecordColor(i / columns, i % columns), fadeAlpha(record));
        } else {
            if (stepChannel(record.level, 7, uint8_t(record.state)) != channelNoClamp)
                record.state = 0;
            outputCell(i, keyRecordColor(i / columns, i % columns), levelAlpha(record.level));
        }
    }
    m_paceCount = uint16_t(m_paceCount + (fullColor ? 45 : 7));
    if (m_paceCount < m_paceLimit)
        return;
    m_paceCount = 0;
    const bool evenDirection = (m_zone.working().ledDirection & 1) == 0;
    for (int r = 0; r < rows; ++r) {
        m_striationPos[r] = uint8_t(m_striationPos[r] - 1);
        const int p = m_striationPos[r];
        if (p < columns) {
            keyEffectRecord &lit = m_keyRecords[r * columns + (evenDirection ? columns - 1 - p : p)];
            if (fullColor) {
                setRecord(lit, ColorTables::trailColors.at(trailHead), 0, 1, trailHead);
            } else {
                lit.level = 255;
                lit.state = 2;
            }
        }
        if (p == 0)
            m_striationPos[r] = columns;
    }
}
