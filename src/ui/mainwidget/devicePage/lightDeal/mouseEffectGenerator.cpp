#include "mouseEffectGenerator.h"

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "effectRoutines.h"

#include <algorithm>

namespace {

// The start levels of the Wave's LEDs, in the order of the valid dots.
constexpr int waveLevels[] = {245, 210, 175, 140, 105, 70, 35, 10};
constexpr int waveLevelCount = int(sizeof waveLevels / sizeof waveLevels[0]);
// Wave LEDs at these positions start rising (direction 0).
constexpr int waveRisingBelow = 6;

// The LED of each Snack head position.
constexpr int snackPath[] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr int snackLast = 7;
constexpr int snackStep = 40;
constexpr int snackHeadStage = 4;

// The LEDs Twinkle lights, one every 35 ticks.
constexpr unsigned char twinkleSequence[132] = {
    3, 1, 4, 5, 5, 2, 1, 2, 5, 1, 1, 2, 0, 1, 2, 6, 2, 6, 1, 7, 4, 7,
    6, 3, 1, 0, 0, 4, 1, 2, 6, 0, 1, 2, 6, 5, 6, 4, 5, 1, 0, 2, 5, 5,
    0, 5, 4, 3, 6, 6, 3, 5, 7, 6, 4, 4, 1, 7, 0, 2, 4, 1, 3, 5, 2, 5,
    3, 7, 6, 7, 3, 5, 4, 1, 6, 7, 4, 7, 5, 1, 2, 4, 7, 3, 1, 3, 2, 4,
    7, 6, 7, 2, 3, 6, 6, 2, 6, 4, 5, 5, 2, 1, 0, 2, 5, 4, 6, 1, 2, 0,
    6, 1, 5, 1, 3, 4, 5, 7, 6, 5, 3, 0, 4, 1, 4, 4, 0, 3, 6, 1, 2, 4,
};
constexpr int twinkleLast = 131;
constexpr int twinkleEveryTicks = 35;

constexpr int reactFadeStep = 30;
constexpr int reactGrowAbove = 120;

bool isBlack(const QColor &colour)
{
    return colour.red() == 0 && colour.green() == 0 && colour.blue() == 0;
}

QColor recordColor(const keyEffectRecord &record)
{
    return QColor(record.red, record.green, record.blue);
}

void setRecord(keyEffectRecord &record, const QColor &colour, int level, int state, int step)
{
    record.red = colour.red();
    record.green = colour.green();
    record.blue = colour.blue();
    record.level = level;
    record.state = state;
    record.step = step;
    record.value = 0;
}

// The record's colour at its level over the background.
QColor overBackground(const keyEffectRecord &record, const QColor &background)
{
    QColor colour(0, 0, 0);
    blendColor(record, background, colour);
    return colour;
}

QColor blended(const QColor &colour, int level, const QColor &background)
{
    return QColor(blendChannel(colour.red(), level, background.red()),
                  blendChannel(colour.green(), level, background.green()),
                  blendChannel(colour.blue(), level, background.blue()));
}

QColor scaled(const keyEffectRecord &record)
{
    return QColor(record.red * record.level / 256, record.green * record.level / 256, record.blue * record.level / 256);
}

// The level over a black background, a steady 250 over any other.
int levelAlpha(const lightZoneSettings &settings, int level)
{
    return settings.backgroundBlack() ? level : 250;
}

void setRecordColor(keyEffectRecord &record, const QColor &colour)
{
    record.red = colour.red();
    record.green = colour.green();
    record.blue = colour.blue();
}

} // namespace

mouseEffectGenerator::mouseEffectGenerator(const lightZoneSettings &around, const lightZoneSettings &scroll,
                                           const lightZoneSettings &logo)
    : m_around(around)
    , m_scroll {scroll, scrollRecord}
    , m_logo {logo, logoRecord}
{
}

void mouseEffectGenerator::setLeds(const QVector<int> &validStatus)
{
    m_valid = validStatus.mid(0, ledCount);
}

// ---- DPI -------------------------------------------------------------------

void mouseEffectGenerator::setDpiColors(const QList<QColor> &colours, int level)
{
    m_dpiColors = colours;
    m_dpiLevel = level - 1;
}

void mouseEffectGenerator::nextDpiLevel()
{
    // The sniper level (6) and stored levels past the cycle come back to
    // the first level too.
    m_dpiLevel += 1;
    if (m_dpiLevel >= dpiCycleLevels || m_dpiLevel < 0)
        m_dpiLevel = 0;
}

QColor mouseEffectGenerator::dpiColor() const
{
    if (m_dpiLevel < 0 || m_dpiLevel >= m_dpiColors.size())
        return QColor(0, 0, 0);
    const QColor &colour = m_dpiColors[m_dpiLevel];
    return QColor(colour.red(), colour.green(), colour.blue());
}

// ---- dispatch ----------------------------------------------------------------

namespace {

using mouse = mouseEffectGenerator;
using routines = effectRoutines<mouse>;

constexpr routines kAroundEffects[] = {
    {mouse::aroundStatic, &mouse::initAroundStatic, &mouse::stepAroundStatic},
    {mouse::aroundBreath, &mouse::initAroundBreath, &mouse::stepAroundBreath},
    {mouse::aroundWave, &mouse::initAroundWave, &mouse::stepAroundWave},
    {mouse::aroundNeon, &mouse::initAroundNeon, &mouse::stepAroundNeon},
    {mouse::aroundSnack, &mouse::initAroundSnack, &mouse::stepAroundSnack},
    {mouse::aroundReactive, nullptr, &mouse::stepAroundReactive},
    {mouse::aroundTwinkle, &mouse::initAroundTwinkle, &mouse::stepAroundTwinkle},
    {mouse::aroundDpi, &mouse::initAroundDpi, &mouse::stepAroundDpi},
    {mouse::aroundSpeedRespond, &mouse::initAroundSpeedRespond, &mouse::stepAroundSpeedRespond},
};

} // namespace

bool mouseEffectGenerator::runAroundSetUp(int id)
{
    m_aroundEffectId = id;
    const routines *effect = routines::find(kAroundEffects, id);
    if (!effect || !effect->setUp)
        return false;
    (this->*effect->setUp)();
    return true;
}

bool mouseEffectGenerator::stepAround()
{
    const routines *effect = routines::find(kAroundEffects, m_aroundEffectId);
    if (!effect)
        return false;
    (this->*effect->step)();
    return true;
}

bool mouseEffectGenerator::runScrollSetUp(int id)
{
    return runZoneSetUp(m_scroll, id);
}

bool mouseEffectGenerator::runLogoSetUp(int id)
{
    return runZoneSetUp(m_logo, id);
}

bool mouseEffectGenerator::stepScroll()
{
    return stepZone(m_scroll);
}

bool mouseEffectGenerator::stepLogo()
{
    return stepZone(m_logo);
}

// ---- shared pieces ---------------------------------------------------------

void mouseEffectGenerator::setRecords(int first, int count, const QColor &colour, int level, int state)
{
    for (int i = first; i < first + count; ++i)
        setRecord(m_records[i], colour, level, state, 0);
}

void mouseEffectGenerator::outputLed(int n, QColor colour, int alpha)
{
    colour.setAlpha(std::clamp(alpha, 0, 255));
    m_ledColors[n] = m_around.applyBrightness(colour);
}

void mouseEffectGenerator::outputZone(singleZone &zone, QColor colour, int alpha)
{
    colour.setAlpha(std::clamp(alpha, 0, 255));
    zone.colour = zone.settings.applyBrightness(colour);
}

bool mouseEffectGenerator::evenDirection() const
{
    return (m_around.working().ledDirection & 1) == 0;
}

void mouseEffectGenerator::initBreath(breathState &breath, const lightZoneSettings &settings, int first, int count)
{
    breath.start(settings);
    setRecords(first, count, breath.currentColor(), 255, 2);
}

template <typename Output>
void mouseEffectGenerator::stepBreath(breathState &breath, const lightZoneSettings &settings, int first, int count,
                                      Output output)
{
    if (breath.hold) {
        // The dark pause; nothing is shown until the next colour rises.
        if (breath.countHold()) {
            breath.nextColor();
            setRecords(first, count, breath.currentColor(), 0, 1);
        }
        return;
    }
    for (int i = first; i < first + count && !breath.hold; ++i) {
        keyEffectRecord &record = m_records[i];
        breath.stepRecord(record);
        const QColor colour = scaled(record);
        const int alpha = settings.backgroundBlack() && isBlack(colour) ? 0 : record.level;
        output(i, colour, alpha);
    }
}

bool mouseEffectGenerator::stepNeonRecord(keyEffectRecord &record, breathState &breath)
{
    if (breath.hold)
        return false;
    breath.stepRecord(record, 1);
    return true;
}

// ---- Around 0, Static ---------------------------------------------------------

void mouseEffectGenerator::initAroundStatic()
{
    setRecords(0, ledCount, m_around.userColor(), 255, 0);
}

void mouseEffectGenerator::stepAroundStatic()
{
    const int alpha = m_around.userColorBlack() ? 0 : 250;
    for (int n = 0; n < dotCount(); ++n)
        outputLed(n, recordColor(m_records[n]), alpha);
}

// ---- Around 1, Breath ---------------------------------------------------------

void mouseEffectGenerator::initAroundBreath()
{
    initBreath(m_aroundBreath, m_around, 0, ledCount);
}

void mouseEffectGenerator::stepAroundBreath()
{
    stepBreath(m_aroundBreath, m_around, 0, ledCount,
               [this](int n, const QColor &colour, int alpha) { outputLed(n, colour, alpha); });
}

// ---- Around 2, Wave -------------------------------------------------------------

void mouseEffectGenerator::initAroundWave()
{
    const int direction = m_around.working().ledDirection;
    const bool onWave = direction == 0 || direction == 1;
    int j = 0; // the valid dots so far
    if (m_around.fullColor()) {
        for (int n = 0; n < dotCount(); ++n) {
            QColor colour(0, 0, 0);
            if (onWave && m_valid[n] == 1) {
                // Dots past the colour list stay black.
                colour = ColorTables::mouseWaveColors.at(j);
                ++j;
            }
            setRecord(m_records[n], colour, 255, 1, 0);
        }
        return;
    }
    const QColor &user = m_around.userColor();
    const QColor &background = m_around.background();
    for (int n = 0; n < dotCount(); ++n) {
        int level = 0;
        int state = 1;
        if (onWave && m_valid[n] == 1) {
            // Past the level list a dot starts at 0, rising.
            if (j < waveLevelCount) {
                const bool early = n < waveRisingBelow;
                level = direction == 0 ? waveLevels[j] : 255 - waveLevels[j];
                state = (direction == 0) == early ? 1 : 2;
            }
            ++j;
        }
        setRecord(m_records[n], blended(user, level, background), level, state, 0);
    }
}

void mouseEffectGenerator::stepAroundWave()
{
    if (m_around.fullColor()) {
        for (int n = 0; n < dotCount(); ++n) {
            keyEffectRecord &record = m_records[n];
            const QColor next = stepHue(recordColor(record), false, 9);
            setRecordColor(record, next);
            outputLed(n, next, 250);
        }
        return;
    }
    const QColor &user = m_around.userColor();
    const QColor &background = m_around.background();
    for (int n = 0; n < dotCount(); ++n) {
        keyEffectRecord &record = m_records[n];
        stepWaveLevel(record);
        outputLed(n, blended(user, record.level, background), levelAlpha(m_around, record.level));
    }
}

// ---- Around 3, Neon -------------------------------------------------------------

void mouseEffectGenerator::initAroundNeon()
{
    if (m_around.fullColor())
        setRecords(0, ledCount, QColor(255, 0, 0), 255, 0);
    else
        setRecords(0, ledCount, m_around.userColor(), 0, 1);
}

void mouseEffectGenerator::stepAroundNeon()
{
    if (m_around.fullColor()) {
        for (int n = 0; n < ledCount; ++n) {
            keyEffectRecord &record = m_records[n];
            const QColor next = stepHue(recordColor(record), true, 6);
            setRecordColor(record, next);
            outputLed(n, next, 180);
        }
        return;
    }
    for (int n = 0; n < ledCount; ++n) {
        keyEffectRecord &record = m_records[n];
        if (stepNeonRecord(record, m_aroundBreath))
            outputLed(n, overBackground(record, m_around.background()), levelAlpha(m_around, record.level));
        // The pause counts records, so it carries into the next tick.
        m_aroundBreath.countHold();
    }
}

// ---- Around 4, Snack ------------------------------------------------------------

void mouseEffectGenerator::initAroundSnack()
{
    const bool full = m_around.fullColor();
    setRecords(0, ledCount, m_around.background(), 0, 0);
    const int head = snackPath[evenDirection() ? 0 : snackLast];
    const QColor colour = full ? ColorTables::trailColors.at(snackHeadStage) : m_around.userColor();
    setRecord(m_records[head], colour, 0, 1, snackHeadStage);
    m_snackHead = 0;
}

void mouseEffectGenerator::stepAroundSnack()
{
    const bool full = m_around.fullColor();
    const QColor &user = m_around.userColor();
    for (int n = 0; n < ledCount; ++n) {
        keyEffectRecord record = m_records[n];
        if (stepChannel(record.level, snackStep, uint8_t(record.state)) != channelNoClamp) {
            if (record.step == 0) {
                // The tail has gone out.
                record.state = 0;
                setRecordColor(record, m_around.background());
            } else {
                if (record.step == snackHeadStage) {
                    // The head is full: it moves one LED on.
                    m_snackHead = m_snackHead >= snackLast ? 0 : m_snackHead + 1;
                    const int next = snackPath[evenDirection() ? m_snackHead : snackLast - m_snackHead];
                    setRecord(record, full ? ColorTables::trailColors.at(snackHeadStage) : user, 0, 1, snackHeadStage);
                    m_records[next] = record;
                }
                record.step -= 1;
                if (record.step == 0) {
                    record.state = 2;
                } else {
                    if (record.step & 1)
                        setRecordColor(record, full ? ColorTables::trailColors.at(record.step) : user);
                    record.state = record.state >= 2 ? 1 : record.state + 1;
                }
            }
        }
        m_records[n] = record;
        outputLed(n, recordColor(record), 180);
    }
}

// ---- Around 6, Twinkle ------------------------------------------------------------

void mouseEffectGenerator::initAroundTwinkle()
{
    setRecords(0, ledCount, m_around.background(), 0, 0);
    m_twinklePos = 0;
    m_twinkleTicks = 0;
}

void mouseEffectGenerator::stepAroundTwinkle()
{
    const bool full = m_around.fullColor();
    const QColor &background = m_around.background();
    for (int n = 0; n < ledCount; ++n) {
        keyEffectRecord &record = m_records[n];
        if (record.state != 0 && stepChannel(record.level, 8, uint8_t(record.state)) != channelNoClamp)
            record.state = record.state >= 2 ? 0 : record.state + 1;
        const QColor base = full ? ColorTables::twinkleColors.at(record.step) : m_around.userColor();
        outputLed(n, blended(base, record.level, background), levelAlpha(m_around, record.level));
    }
    m_twinkleTicks += 1;
    if (m_twinkleTicks < twinkleEveryTicks)
        return;
    m_twinkleTicks = 0;
    m_twinklePos = m_twinklePos >= twinkleLast ? 0 : m_twinklePos + 1;
    keyEffectRecord &lit = m_records[twinkleSequence[m_twinklePos]];
    if (full) {
        // Each start takes the next lower colour, wrapping to white.
        lit.step = lit.step <= 0 ? 7 : lit.step - 1;
        lit.level = 0;
    } else {
        lit.level = 1;
    }
    lit.state = 1;
}

// ---- Around 7, DPI ----------------------------------------------------------------

void mouseEffectGenerator::initAroundDpi()
{
    setRecords(0, ledCount, dpiColor(), 255, 0);
}

void mouseEffectGenerator::stepAroundDpi()
{
    const QColor colour = dpiColor();
    const int alpha = isBlack(colour) ? 0 : 250;
    for (int n = 0; n < dotCount(); ++n)
        outputLed(n, colour, alpha);
}

// ---- Around 8, Speed Respond --------------------------------------------------------

void mouseEffectGenerator::initAroundSpeedRespond()
{
    setRecords(0, ledCount, m_around.fullColor() ? QColor(0, 0, 0) : m_around.userColor(), 0, 0);
    m_reactCount = 0;
}

// The last LED of the run: from LED 0 up for an odd direction, from LED 7
// down for an even one.
int mouseEffectGenerator::reactTail() const
{
    return evenDirection() ? ringLeds - m_reactCount : m_reactCount - 1;
}

void mouseEffectGenerator::triggerAroundReaction()
{
    if (m_reactCount == 0)
        m_reactCount = 1;
    else if (m_reactCount < ringLeds && m_records[reactTail()].level > reactGrowAbove)
        m_reactCount += 1;
    const bool full = m_around.fullColor();
    for (int k = 0; k < m_reactCount; ++k) {
        keyEffectRecord &record = m_records[evenDirection() ? ringLeds - 1 - k : k];
        setRecordColor(record, full ? ColorTables::mouseButtonColors.at(k) : m_around.userColor());
        record.level = 255;
        record.state = 2;
    }
}

void mouseEffectGenerator::stepAroundSpeedRespond()
{
    const int tail = m_reactCount != 0 ? reactTail() : -1;
    bool shrink = false;
    for (int n = 0; n < ledCount; ++n) {
        keyEffectRecord &record = m_records[n];
        const int before = record.level;
        if (n == tail && stepChannel(record.level, reactFadeStep, 2) != channelNoClamp) {
            record.state = 0;
            shrink = true;
        }
        outputLed(n, overBackground(record, m_around.background()), levelAlpha(m_around, before));
    }
    if (shrink)
        m_reactCount -= 1;
}

// ---- Scroll and Logo ------------------------------------------------------------------

bool mouseEffectGenerator::runZoneSetUp(singleZone &zone, int id)
{
    zone.effectId = id;
    keyEffectRecord &record = m_records[zone.record];
    const lightZoneSettings &settings = zone.settings;
    switch (id) {
    case zoneStatic:
        setRecord(record, settings.userColor(), 255, 0, 0);
        return true;
    case zoneNeon:
        if (settings.fullColor())
            setRecord(record, QColor(255, 0, 0), 255, 0, 0);
        else
            setRecord(record, settings.userColor(), 0, 1, 0);
        return true;
    case zoneBreath:
        initBreath(zone.breath, settings, zone.record, 1);
        return true;
    case zoneDpi:
        setRecord(record, dpiColor(), 255, 0, 0);
        return true;
    default:
        return false;
    }
}

bool mouseEffectGenerator::stepZone(singleZone &zone)
{
    keyEffectRecord &record = m_records[zone.record];
    const lightZoneSettings &settings = zone.settings;
    switch (zone.effectId) {
    case zoneStatic:
        outputZone(zone, recordColor(record), settings.userColorBlack() ? 0 : 250);
        return true;
    case zoneNeon:
        if (settings.fullColor()) {
            const QColor next = stepHue(recordColor(record), true, 6);
            setRecordColor(record, next);
            outputZone(zone, next, 180);
            return true;
        }
        if (stepNeonRecord(record, zone.breath))
            outputZone(zone, overBackground(record, settings.background()), levelAlpha(settings, record.level));
        zone.breath.countHold();
        return true;
    case zoneBreath:
        stepBreath(zone.breath, settings, zone.record, 1,
                   [this, &zone](int, const QColor &colour, int alpha) { outputZone(zone, colour, alpha); });
        return true;
    case zoneDpi: {
        const QColor colour = dpiColor();
        outputZone(zone, colour, isBlack(colour) ? 0 : 250);
        return true;
    }
    default:
        return false;
    }
}
