#include "sideEffectGenerator.h"

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "effectRoutines.h"

#include <algorithm>

namespace {

constexpr int collisionHead = 7; // the palette position a collision light starts at

int capLevel(int level)
{
    return std::min(level, 200);
}

bool isBlack(const QColor &colour)
{
    return colour.red() == 0 && colour.green() == 0 && colour.blue() == 0;
}

QColor blendedColor(const QColor &colour, int level, const QColor &background)
{
    return QColor(blendChannel(colour.red(), level, background.red()),
                  blendChannel(colour.green(), level, background.green()),
                  blendChannel(colour.blue(), level, background.blue()));
}

QColor recordColor(const keyEffectRecord &record)
{
    return QColor(record.red, record.green, record.blue);
}

// from, from + step, ... while not past to (step may be negative).
void appendRamp(QVector<int> &values, int from, int to, int step)
{
    for (int v = from; step > 0 ? v <= to : v >= to; v += step)
        values.append(v);
}

QVector<int> ramps(std::initializer_list<std::array<int, 3>> runs, std::initializer_list<int> tail = {})
{
    QVector<int> values;
    for (const std::array<int, 3> &run : runs)
        appendRamp(values, run[0], run[1], run[2]);
    for (int v : tail)
        values.append(v);
    return values;
}

QVector<int> mirrored(const QVector<int> &half)
{
    QVector<int> values = half;
    for (int i = half.size() - 1; i >= 0; --i)
        values.append(half[i]);
    return values;
}

} // namespace

sideEffectGenerator::sideEffectGenerator(const lightZoneSettings &zone, breathState &breath)
    : m_zone(zone)
    , m_breath(breath)
{
    m_colors.fill(QColor(0, 0, 0, 0));
}

const sideEffectGenerator::waveRow *sideEffectGenerator::waveRowFor(const QString &modelName)
{
    using namespace ColorTables;
    static const waveRow rows[] = {
        {&sideWaveColorsLindoque, ramps({{245, 35, -35}}, {10, 0}), 15},
        {&sideWaveColorsCimmaro, mirrored({10, 45, 80, 115, 150, 185, 215, 245}), 6},
        {&sideWaveColorsPellumor, {245, 225, 205, 185, 165, 145, 120, 100, 80, 60, 45, 30, 20, 10}, 6},
        {&sideWaveColorsPyrralt, mirrored({10, 45, 80, 120, 165, 205, 245}), 6},
        {&sideWaveColorsUrrasque, ramps({{10, 250, 10}, {252, 22, -10}}, {0}), 26},
        {&sideWaveColorsWolvarne, ramps({{10, 250, 10}, {252, 62, -10}}, {0}), 24},
        {&sideWaveColorsAvelorn, ramps({{10, 250, 12}, {250, 22, -12}}, {0}), 22},
        {&sideWaveColorsParvisso, ramps({{10, 250, 15}, {230, 5, -15}}, {0}), 18},
        {&sideWaveColorsOstrevi, ramps({{10, 24, 14}, {40, 235, 15}, {240, 247, 7}, {232, 22, -15}}, {0}), 13},
    };
    // The model list of the gradients picks the row.
    const ColorTable &gradient = sideWaveColorsFor(modelName);
    for (const waveRow &row : rows) {
        if (row.gradient == &gradient)
            return &row;
    }
    return nullptr;
}

void sideEffectGenerator::setLeds(const QVector<int> &validStatus)
{
    m_valid = validStatus.mid(0, maxLeds);
}

void sideEffectGenerator::setModelName(const QString &modelName)
{
    m_waveRow = waveRowFor(modelName);
}

namespace {

using side = sideEffectGenerator;
using routines = effectRoutines<side>;

constexpr routines kEffects[] = {
    {side::effectStatic, &side::initSideStatic, &side::stepSideStatic},
    {side::effectBreath, &side::initSideBreath, &side::stepSideBreath},
    {side::effectWave, &side::initSideWave, &side::stepSideWave},
    {side::effectCollision, &side::initSideCollision, &side::stepSideCollision},
    {side::effectNeon, &side::initSideNeon, &side::stepSideNeon},
};

} // namespace

bool sideEffectGenerator::runSetUp(int id)
{
    m_effectId = id;
    const routines *effect = routines::find(kEffects, id);
    if (!effect)
        return false;
    (this->*effect->setUp)();
    return true;
}

bool sideEffectGenerator::step()
{
    const routines *effect = routines::find(kEffects, m_effectId);
    if (!effect)
        return false;
    (this->*effect->step)();
    return true;
}

// ---- shared pieces ---------------------------------------------------------

void sideEffectGenerator::setRecord(keyEffectRecord &record, const QColor &colour, int level, int state, int step)
{
    record.red = colour.red();
    record.green = colour.green();
    record.blue = colour.blue();
    record.level = level;
    record.state = state;
    record.step = step;
}

void sideEffectGenerator::setAllRecords(const QColor &colour, int level, int state)
{
    for (keyEffectRecord &record : m_records) {
        setRecord(record, colour, level, state, 0);
        record.value = 0;
    }
}

void sideEffectGenerator::output(int n, QColor colour, int alpha)
{
    colour.setAlpha(std::clamp(alpha, 0, 255));
    m_colors[n] = m_zone.applyBrightness(colour);
}

// The level at most 200 over a black background, else a steady 250.
int sideEffectGenerator::levelAlpha(int level) const
{
    return m_zone.backgroundBlack() ? capLevel(level) : 250;
}

// ---- Static (0) -----------------------------------------------------------

void sideEffectGenerator::initSideStatic()
{
    setAllRecords(m_zone.userColor(), 255, 0);
}

void sideEffectGenerator::stepSideStatic()
{
    const int alpha = m_zone.userColorBlack() ? 0 : 250;
    for (int n = 0; n < ledCount(); ++n)
        output(n, recordColor(m_records[n]), alpha);
}

// ---- Breath (1) -----------------------------------------------------------

void sideEffectGenerator::initSideBreath()
{
    m_breath.start(m_zone);
    setAllRecords(m_breath.currentColor(), 255, 2);
}

void sideEffectGenerator::stepSideBreath()
{
    if (m_breath.hold) {
        // Dark for seven ticks, then the next colour rises.
        if (m_breath.countHold()) {
            m_breath.nextColor();
            setAllRecords(m_breath.currentColor(), 0, 1);
        }
        return;
    }
    const bool blackBackground = m_zone.backgroundBlack();
    for (int n = 0; n < ledCount() && !m_breath.hold; ++n) {
        keyEffectRecord &record = m_records[n];
        m_breath.stepRecord(record);
        const QColor colour(record.red * record.level / 256, record.green * record.level / 256,
                            record.blue * record.level / 256);
        output(n, colour, blackBackground && isBlack(colour) ? 0 : capLevel(record.level));
    }
}

// ---- Wave (2) -------------------------------------------------------------

void sideEffectGenerator::initSideWave()
{
    const int direction = m_zone.working().ledDirection;
    const bool onGradient = m_waveRow && (direction == 0 || direction == 1);
    int valid = 0; // valid LEDs so far: the index into the row's tables
    if (m_zone.fullColor()) {
        for (int n = 0; n < ledCount(); ++n) {
            QColor colour(0, 0, 0);
            if (m_valid[n] == 1) {
                // A strip longer than its gradient gets black past its end.
                if (onGradient)
                    colour = m_waveRow->gradient->at(valid);
                ++valid;
            }
            setRecord(m_records[n], colour, 255, 1, 0);
        }
        return;
    }
    const QColor &user = m_zone.userColor();
    const QColor &background = m_zone.background();
    int state = 1;
    for (int n = 0; n < ledCount(); ++n) {
        int weight = 0;
        if (m_valid[n] == 1 && m_waveRow) {
            // Past the end of the profile an LED weighs 0.
            if (onGradient && valid < m_waveRow->profile.size()) {
                const int value = m_waveRow->profile[valid];
                weight = direction == 0 ? value : 255 - value;
            }
            state = n < m_waveRow->split ? 2 : 1;
            ++valid;
        }
        setRecord(m_records[n], blendedColor(user, weight, background), weight, state, 0);
    }
}

void sideEffectGenerator::stepSideWave()
{
    if (m_zone.fullColor()) {
        for (int n = 0; n < ledCount(); ++n) {
            keyEffectRecord &record = m_records[n];
            const QColor next = stepHue(recordColor(record), false, 9);
            record.red = next.red();
            record.green = next.green();
            record.blue = next.blue();
            output(n, next, 250);
        }
        return;
    }
    const QColor &user = m_zone.userColor();
    const QColor &background = m_zone.background();
    for (int n = 0; n < ledCount(); ++n) {
        keyEffectRecord &record = m_records[n];
        stepWaveLevel(record);
        output(n, blendedColor(user, record.level, background), levelAlpha(record.level));
    }
}

// ---- Collision (3) --------------------------------------------------------

void sideEffectGenerator::initSideCollision()
{
    m_collisionPos = 0;
    m_collisionSteps = 0;
    m_collisionReturn = false;
    if (m_zone.fullColor()) {
        m_collisionDelay = 255;
        m_collisionFade = 35;
        setAllRecords(QColor(0, 0, 0), 0, 0);
    } else {
        m_collisionDelay = 40;
        m_collisionFade = 7;
        setAllRecords(m_zone.userColor(), 0, 0);
    }
}

// Lights LEDs 32 - position and position; false past the last position.
bool sideEffectGenerator::lightCollisionPair(int position)
{
    if (position > collisionLastLed)
        return false;
    for (int n : {collisionLastLed - position, position}) {
        keyEffectRecord &record = m_records[n];
        if (m_zone.fullColor()) {
            setRecord(record, ColorTables::collisionColors.at(collisionHead), 255, 1, collisionHead);
        } else {
            const QColor &user = m_zone.userColor();
            record.red = user.red();
            record.green = user.green();
            record.blue = user.blue();
            record.level = 255;
            record.state = 2;
        }
    }
    return true;
}

void sideEffectGenerator::stepSideCollision()
{
    const bool full = m_zone.fullColor();
    const QColor &background = m_zone.background();
    const bool blackBackground = m_zone.backgroundBlack();
    for (int n = 0; n < ledCount(); ++n) {
        keyEffectRecord &record = m_records[n];
        const bool hit = stepChannel(record.level, m_collisionFade, uint8_t(record.state)) != channelNoClamp;
        if (full) {
            // A lit LED runs down the collision palette before it settles.
            if (hit)
                paletteFade(record, ColorTables::collisionColors);
            QColor under = background;
            if (record.step != collisionHead && record.step != 0)
                under = ColorTables::collisionColors.at((record.step & 1) ? record.step + 1 : record.step);
            QColor colour(0, 0, 0);
            blendColor(record, under, colour);
            const bool steady = !blackBackground || (record.step >= 1 && record.step <= 9);
            output(n, colour, steady ? 250 : capLevel(record.level));
        } else {
            if (hit) {
                record.state += 1;
                if (record.state > 2)
                    record.state = 0;
            }
            QColor colour(0, 0, 0);
            blendColor(record, background, colour);
            output(n, colour, levelAlpha(record.level));
        }
    }

    // One collision step per pacing period: every 8 ticks in full colour,
    // every 6 in one colour.
    m_collisionPace = uint16_t(m_collisionPace + m_collisionFade);
    if (m_collisionDelay >= m_collisionPace)
        return;
    m_collisionPace = 0;
    if (m_collisionSteps > 35) {
        m_collisionSteps = 0;
        m_collisionReturn = !m_collisionReturn;
        m_collisionPos = m_collisionReturn ? collisionLastLed : 0;
        return;
    }
    if (m_collisionSteps >= 33) {
        m_collisionSteps += 1; // the pause between runs
        return;
    }
    m_collisionSteps += 1;
    const bool lit = lightCollisionPair(m_collisionPos);
    if (!m_collisionReturn) {
        if (lit)
            m_collisionPos += 1;
    } else if (m_collisionPos > 0) {
        m_collisionPos -= 1;
    }
}

// ---- Neon (4) -------------------------------------------------------------

void sideEffectGenerator::initSideNeon()
{
    if (m_zone.fullColor())
        setAllRecords(QColor(255, 0, 0), 255, 0);
    else
        setAllRecords(m_zone.userColor(), 0, 1);
}

void sideEffectGenerator::stepSideNeon()
{
    if (m_zone.fullColor()) {
        for (int n = 0; n < ledCount(); ++n) {
            keyEffectRecord &record = m_records[n];
            const QColor next = stepHue(recordColor(record), true, 6);
            record.red = next.red();
            record.green = next.green();
            record.blue = next.blue();
            output(n, next, 250);
        }
        return;
    }
    const QColor &background = m_zone.background();
    const bool blackBackground = m_zone.backgroundBlack();
    for (int n = 0; n < ledCount(); ++n) {
        keyEffectRecord &record = m_records[n];
        if (!m_breath.hold) {
            m_breath.stepRecord(record, 1);
            QColor colour(0, 0, 0);
            blendColor(record, background, colour);
            output(n, colour, blackBackground ? capLevel(record.level) : 180);
        }
        // The pause counts LED visits, skipped ones included.
        m_breath.countHold();
    }
}
