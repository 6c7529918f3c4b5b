#pragma once

// The key effects of the keyboard engine as plain computation: one
// keyEffectRecord per cell of the 6 x 22 key grid, the frame of key colours
// the steps write, and each effect's set-up and per-tick step. No widget is
// touched here; the engine paints the frame and streams it.

#include "breathState.h"
#include "keyEffectRecord.h"
#include "keyTriggerEffects.h"
#include "lightZoneSettings.h"
#include "lightingReports.h"

#include <QColor>

#include <array>
#include <cstdint>

class keyEffectGenerator
{
public:
    static constexpr int rows = kKeyGridRows;
    static constexpr int columns = kKeyGridColumns;
    static constexpr int cells = kKeyGridCells;

    // Key effect numbers.
    enum : int {
        effectStatic = 0,
        effectBreath = 1,
        effectWave = 2,
        effectNeon = 3,
        effectRadar = 4,
        effectSnack = 5,
        effectReactive = 6,
        effectAurora = 7,
        effectRipple = 8,
        effectTwinkle = 9,
        effectCustom = 10,
        effectCross = 11,
        effectSpeedRespond = 12,
        effectAutoRipple = 14,
        effectStriation = 15,
        effectFireworks = 16,
        effectMusic = 100,
    };

    // zone: the key zone's settings; breath: the Breath state the key zone
    // shares with the side zone. Both outlive the generator.
    keyEffectGenerator(const lightZoneSettings &zone, breathState &breath);

    // The key count selects the tables; listed counts also set the cell count.
    void setKeyCount(int keyCount);
    int keyCount() const { return m_keyCount; }
    int cellCount() const { return m_cellCount; }

    int effectId() const { return m_effectId; }
    void setEffectId(int id) { m_effectId = id; }

    // Runs the set-up of id when this generator has one (the Custom set-up
    // needs the key colours and is run through initCustomEffect). Returns
    // whether a set-up ran; the running effect becomes id either way.
    bool runSetUp(int id);
    // Runs the per-tick step of the running effect; false when it has none.
    bool stepKeyEffect();

    // A key press at a grid cell for the running key-reactive effect (and,
    // for Speed Respond, a release); cells outside the grid are ignored.
    void triggerKeyEffect(int row, int column) { m_triggered.trigger(row, column); }
    // Ripple draws diamond rings on the M252 chip, bars elsewhere.
    void setM252Chip(bool on) { m_triggered.setM252Chip(on); }
    keyTriggerEffects &triggered() { return m_triggered; }
    const keyTriggerEffects &triggered() const { return m_triggered; }

    void initStaticEffect();
    void initBreathEffect();
    void initWaveEffect();
    void initNeonEffect();
    void initRadarEffect();
    void initSnackEffect();
    void initTwinkleEffect();
    // keyColors: the current colour of every cell's key button, row-major.
    void initCustomEffect(const std::array<QColor, cells> &keyColors);
    // One cell's Custom record: the colour at full level, idle. A cell
    // outside the grid changes nothing and gives false.
    bool setCustomKeyColor(int row, int column, const QColor &colour);
    void initStriationEffect();

    void stepStaticEffect();
    void stepBreathEffect();
    void stepWaveEffect();
    void stepNeonEffect();
    void stepRadarEffect();
    void stepSnackEffect();
    void stepTwinkleEffect();
    void stepCustomEffect();
    void stepStriationEffect();

    // The end of every set-up: makes id the running effect and, except for
    // Custom, copies each record's colour, opaque, into the frame.
    void showStoredKeyColors(int id);

    // The cell's record blended over the trail palette or the background.
    QColor keyRecordColor(int row, int column) const;

    // The frame as the steps leave it, row-major.
    const std::array<QColor, cells> &frame() const { return m_keyColors; }
    void fillFrame(const QColor &colour);
    // One cell of the frame, for effects computed outside the generator.
    void setFrameColor(int index, const QColor &colour) { m_keyColors[index] = colour; }

    const keyEffectRecord &record(int row, int column) const { return m_keyRecords[row * columns + column]; }
    keyEffectRecord &record(int row, int column) { return m_keyRecords[row * columns + column]; }

    int twinkleIndex() const { return m_twinkleIndex; }
    int snackIndex() const { return m_snackIndex; }
    uint8_t striationPosition(int row) const { return m_striationPos[row]; }

private:
    friend class keyTriggerEffects;

    void setAllRecords(const QColor &colour, int level, int state, int step);
    static void setRecordColor(keyEffectRecord &record, const QColor &colour);
    static void setRecord(keyEffectRecord &record, const QColor &colour, int level, int state, int step);
    void outputCell(int index, const QColor &colour, int alpha);
    void stepHueCells(int direction, int step);
    int levelAlpha(int level) const;
    int fadeAlpha(const keyEffectRecord &record) const;
    void stepLevelWave();
    int snackLastIndex() const;
    int advanceSnackHead();

    const lightZoneSettings &m_zone;
    breathState &m_breath;

    int m_keyCount = 104;
    int m_cellCount = 131;
    int m_effectId = -1;
    std::array<QColor, cells> m_keyColors {};
    std::array<keyEffectRecord, cells> m_keyRecords {};

    int m_twinkleIndex = 0;
    int m_twinkleTick = 0;
    int m_snackIndex = 0;
    std::array<uint8_t, rows> m_striationSeeds {21, 31, 41, 51, 61, 71};
    std::array<uint8_t, rows> m_striationPos {};
    uint16_t m_paceCount = 0;
    uint16_t m_paceLimit = 0;

    keyTriggerEffects m_triggered {*this};
};
