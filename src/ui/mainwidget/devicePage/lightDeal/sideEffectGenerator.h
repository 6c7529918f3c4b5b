#pragma once

// The side-light effects of the keyboard engine as plain computation: one
// keyEffectRecord per LED of the side strip (up to 60), the side colours the
// steps write, and the set-up and per-tick step of Static, Breath, Wave,
// Collision and Neon. No widget is touched here; the engine paints the
// colours onto the strip and streams them.

#include "ColorTable.h"
#include "breathState.h"
#include "keyEffectRecord.h"
#include "lightZoneSettings.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

class sideEffectGenerator
{
public:
    static constexpr int maxLeds = 60;
    // The Collision run: two lights from LEDs 0 and 32 towards each other.
    static constexpr int collisionLastLed = 32;

    // Side effect numbers.
    enum : int {
        effectStatic = 0,
        effectBreath = 1,
        effectWave = 2,
        effectCollision = 3,
        effectNeon = 4,
    };

    // One row of the Wave table: the model's gradient, one weight per valid
    // LED for the single-colour wave, and the LED where falling starts
    // turning to rising.
    struct waveRow
    {
        const ColorTable *gradient;
        QVector<int> profile;
        int split;
    };

    // zone: the side zone's settings; breath: the Breath state the side zone
    // shares with the key zone. Both outlive the generator.
    sideEffectGenerator(const lightZoneSettings &zone, breathState &breath);

    // The strip in order: the validStatus of each LED (1 for those on the
    // Wave gradient). At most 60 are taken; the steps walk exactly these.
    void setLeds(const QVector<int> &validStatus);
    int ledCount() const { return m_valid.size(); }
    // The keyboard's model, which picks the Wave row.
    void setModelName(const QString &modelName);
    // The Wave row of a model; nullptr for a model without one.
    static const waveRow *waveRowFor(const QString &modelName);

    int effectId() const { return m_effectId; }
    void setEffectId(int id) { m_effectId = id; }
    // Runs the set-up of id; false (the running effect still becomes id)
    // for an id without one.
    bool runSetUp(int id);
    // Runs the step of the running effect; false when it has none.
    bool step();

    void initSideStatic();
    void initSideBreath();
    void initSideWave();
    void initSideCollision();
    void initSideNeon();

    void stepSideStatic();
    void stepSideBreath();
    void stepSideWave();
    void stepSideCollision();
    void stepSideNeon();

    const keyEffectRecord &record(int n) const { return m_records[n]; }
    const std::array<QColor, maxLeds> &colors() const { return m_colors; }
    void setColor(int n, const QColor &colour) { m_colors[n] = colour; }

    int collisionPosition() const { return m_collisionPos; }
    int collisionSteps() const { return m_collisionSteps; }
    bool collisionReturning() const { return m_collisionReturn; }

private:
    void setAllRecords(const QColor &colour, int level, int state);
    static void setRecord(keyEffectRecord &record, const QColor &colour, int level, int state, int step);
    void output(int n, QColor colour, int alpha);
    int levelAlpha(int level) const;
    bool lightCollisionPair(int position);

    const lightZoneSettings &m_zone;
    breathState &m_breath;
    const waveRow *m_waveRow = nullptr;
    QVector<int> m_valid;
    int m_effectId = -1;
    std::array<keyEffectRecord, maxLeds> m_records {};
    std::array<QColor, maxLeds> m_colors;

    uint8_t m_collisionPos = 0;
    uint8_t m_collisionSteps = 0;
    bool m_collisionReturn = false;
    uint8_t m_collisionFade = 0;
    uint8_t m_collisionDelay = 0;
    // Kept across set-ups.
    uint16_t m_collisionPace = 0;
};
