#pragma once

// The mouse's zone effects as plain computation: one keyEffectRecord per LED
// of the Around zone (18) and one each for the Scroll and Logo zones, the
// LED colours and the two zone colours the steps write, a Breath state per
// zone and the DPI level colours. No widget is touched here; the mouse
// engine paints the colours onto the LED dots and streams them.

#include "breathState.h"
#include "keyEffectRecord.h"
#include "lightZoneSettings.h"
#include "lightingReports.h"

#include <QColor>
#include <QList>
#include <QVector>

#include <array>

class mouseEffectGenerator
{
public:
    static constexpr int ledCount = kMouseLedCount;
    static constexpr int scrollRecord = 18;
    static constexpr int logoRecord = 19;
    static constexpr int recordCount = 20;
    // The mouse's real LEDs, which the moving effects run over.
    static constexpr int ringLeds = 8;
    // Presses of the DPI button cycle through the first five levels.
    static constexpr int dpiCycleLevels = 5;

    // Around effect numbers.
    enum : int {
        aroundStatic = 0,
        aroundBreath = 1,
        aroundWave = 2,
        aroundNeon = 3,
        aroundSnack = 4,
        aroundReactive = 5, // neither set-up nor step
        aroundTwinkle = 6,
        aroundDpi = 7,
        aroundSpeedRespond = 8,
    };
    // Scroll and Logo effect numbers.
    enum : int {
        zoneStatic = 0,
        zoneNeon = 1,
        zoneBreath = 2,
        zoneDpi = 3,
    };

    // The three zones' settings; they outlive the generator.
    mouseEffectGenerator(const lightZoneSettings &around, const lightZoneSettings &scroll,
                         const lightZoneSettings &logo);

    // The LED dots in order: the validStatus of each (1 for the LEDs of
    // the Wave). At most 18 are taken; Static, Wave and DPI walk these.
    void setLeds(const QVector<int> &validStatus);
    int dotCount() const { return m_valid.size(); }

    // The DPI level colours in profile order and the level shown, from 1.
    void setDpiColors(const QList<QColor> &colours, int level);
    // The DPI button: the next of the first five levels (from the sniper
    // level, or past the list, back to the first).
    void nextDpiLevel();
    int dpiLevel() const { return m_dpiLevel; }
    // The colour of the level shown; black when the list has no entry there.
    QColor dpiColor() const;

    int aroundEffectId() const { return m_aroundEffectId; }
    int scrollEffectId() const { return m_scroll.effectId; }
    int logoEffectId() const { return m_logo.effectId; }
    // Each runs the zone's set-up of id and makes id the zone's effect;
    // false for an id without a set-up.
    bool runAroundSetUp(int id);
    bool runScrollSetUp(int id);
    bool runLogoSetUp(int id);
    // The zone's per-tick step; false when its effect has none.
    bool stepAround();
    bool stepScroll();
    bool stepLogo();
    // A mouse button event for Around Speed Respond.
    void triggerAroundReaction();

    const keyEffectRecord &record(int i) const { return m_records[i]; }
    const std::array<QColor, ledCount> &ledColors() const { return m_ledColors; }
    void setLedColor(int n, const QColor &colour) { m_ledColors[n] = colour; }
    const QColor &scrollColor() const { return m_scroll.colour; }
    const QColor &logoColor() const { return m_logo.colour; }
    void setScrollColor(const QColor &colour) { m_scroll.colour = colour; }
    void setLogoColor(const QColor &colour) { m_logo.colour = colour; }
    const breathState &aroundBreathState() const { return m_aroundBreath; }
    int reactCount() const { return m_reactCount; }
    int snackHead() const { return m_snackHead; }
    int twinklePosition() const { return m_twinklePos; }

    // The Around set-ups and steps, run through the two calls above.
    void initAroundStatic();
    void initAroundBreath();
    void initAroundWave();
    void initAroundNeon();
    void initAroundSnack();
    void initAroundTwinkle();
    void initAroundDpi();
    void initAroundSpeedRespond();
    void stepAroundStatic();
    void stepAroundBreath();
    void stepAroundWave();
    void stepAroundNeon();
    void stepAroundSnack();
    void stepAroundReactive() {} // Reactive shows nothing of its own
    void stepAroundTwinkle();
    void stepAroundDpi();
    void stepAroundSpeedRespond();

private:
    // A zone of one LED: Scroll or Logo.
    struct singleZone
    {
        const lightZoneSettings &settings;
        int record;
        breathState breath {};
        QColor colour {};
        int effectId = -1;
    };

    bool runZoneSetUp(singleZone &zone, int id);
    bool stepZone(singleZone &zone);
    void outputZone(singleZone &zone, QColor colour, int alpha);

    void setRecords(int first, int count, const QColor &colour, int level, int state);
    void outputLed(int n, QColor colour, int alpha);
    // The Breath set-up and step over records first .. first + count - 1,
    // shown through output(n, colour, alpha) for each record n stepped.
    template <typename Output>
    void stepBreath(breathState &breath, const lightZoneSettings &settings, int first, int count, Output output);
    void initBreath(breathState &breath, const lightZoneSettings &settings, int first, int count);
    // Neon in one colour on one record: false when the pause skipped it.
    bool stepNeonRecord(keyEffectRecord &record, breathState &breath);
    int reactTail() const;
    bool evenDirection() const;

    const lightZoneSettings &m_around;
    singleZone m_scroll;
    singleZone m_logo;
    QVector<int> m_valid;
    QList<QColor> m_dpiColors;
    int m_dpiLevel = 0;
    int m_aroundEffectId = -1;
    std::array<keyEffectRecord, recordCount> m_records {};
    std::array<QColor, ledCount> m_ledColors {};
    breathState m_aroundBreath;
    int m_snackHead = 0;
    int m_twinklePos = 0;
    int m_twinkleTicks = 0;
    int m_reactCount = 0;
};
