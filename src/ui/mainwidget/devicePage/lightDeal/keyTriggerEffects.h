#pragma once

// The key effects that answer key presses, as plain computation over the
// records of a keyEffectGenerator: Reactive, Aurora, Ripple, Cross, Speed
// Respond and Fireworks, and Auto Ripple, which runs the Ripple rings from a
// fixed list of centres. Aurora, Ripple and Fireworks grow rings from a
// queue of up to 20 centres. The generator owns this part and dispatches
// set-ups, steps and key triggers to it.

#include "effectRandom.h"
#include "rippleCentreQueue.h"

#include <QColor>

#include <array>
#include <cstdint>

class keyEffectGenerator;
struct keyEffectRecord;

class keyTriggerEffects
{
public:
    static constexpr int autoRippleChoices = 100;
    static constexpr int autoRippleSeed = 3;

    explicit keyTriggerEffects(keyEffectGenerator &grid);

    // Whether id is one of the effects here.
    static bool handles(int id);
    // The set-up or per-tick step of id; false when id is not one of these.
    bool runSetUp(int id);
    bool step(int id);
    // A key press (Speed Respond: also a release) at a grid cell, for the
    // generator's running effect. Cells outside the 6 x 22 grid are ignored.
    void trigger(int row, int column);

    void setM252Chip(bool on) { m_isM252Chip = on; }
    bool isM252Chip() const { return m_isM252Chip; }
    // The source of random numbers; nullptr gives back the own one. The
    // caller keeps ownership.
    void setRandom(effectRandom *random);

    void initReactiveEffect();
    void initAuroraEffect();
    // shownId: the effect that stays running (8 Ripple, 14 Auto Ripple).
    void initRippleEffect(int shownId);
    void initPlainRippleEffect();
    void initCrossEffect();
    void initSpeedRespondEffect();
    void initAutoRippleEffect();
    void initFireworksEffect();

    void stepReactiveEffect();
    void stepAuroraEffect();
    void stepRippleEffect();
    void stepCrossEffect() { stepReactiveEffect(); }
    void stepSpeedRespondEffect();
    void stepAutoRippleEffect();
    void stepFireworksEffect();

    // State, for the tests.
    const rippleCentreQueue &centres() const { return m_centres; }
    int speedRespondRows() const { return m_responesRowCnt; }
    const std::array<uint8_t, autoRippleChoices> &autoRippleColorChoices() const { return m_autoRippleColorChoices; }
    const std::array<uint8_t, autoRippleChoices> &autoRippleCellChoices() const { return m_autoRippleCellChoices; }

private:
    // A painter lights one ring of a centre and reports whether any of its
    // cells lay on the grid.
    using painter = bool (keyTriggerEffects::*)(const rippleCentreQueue::centre &);

    bool fullColor() const;
    bool evenDirection() const;
    keyEffectRecord *cell(int row, int column);
    void outputLevelCell(int index, const keyEffectRecord &record);
    void outputFadeCell(int index, const keyEffectRecord &record);
    void lightTrailHead(keyEffectRecord &record);
    void initPacedRings(int id, const QColor &oneColourBase);
    void addCentre(int row, int column);
    // One advance of every live centre: paint, then grow, shrink or end.
    void advanceCentres(painter paint, bool fromTop);
    void advanceCentre(int slot, painter paint);

    void raiseSpeedRespond();
    int speedRespondRow(int i) const;
    void advanceAuroraRings();
    void advanceRippleBars();
    void advanceRippleRings();
    void advanceFireworks();
    void advanceAutoRipple();
    bool paintAuroraPair(const rippleCentreQueue::centre &c);
    bool paintRippleBars(const rippleCentreQueue::centre &c);
    bool paintRippleRing(const rippleCentreQueue::centre &c);
    bool paintFireworksRing(const rippleCentreQueue::centre &c);
    void stepRippleBars();
    void stepRippleRings();
    void pickAutoRippleCentre();
    void refillAutoRippleChoices();

    keyEffectGenerator &m_grid;
    effectRandom m_ownRandom;
    effectRandom *m_random = &m_ownRandom;
    bool m_isM252Chip = false;

    rippleCentreQueue m_centres;
    int m_responesRowCnt = 0;
    std::array<uint8_t, 3> m_fireworksLevels {0, 80, 160};

    // Pace accumulators of Aurora, the Ripple bars, the Ripple rings and
    // Auto Ripple: kept across set-ups.
    uint16_t m_auroraPace = 0;
    uint16_t m_rippleBarPace = 0;
    uint16_t m_rippleRingPace = 0;
    uint16_t m_autoRipplePace = 0;

    std::array<uint8_t, autoRippleChoices> m_autoRippleColorChoices {};
    std::array<uint8_t, autoRippleChoices> m_autoRippleCellChoices {};
    int m_autoRippleColorPick = 0;
    int m_autoRippleCellPick = 0;
    uint8_t m_autoRippleFlags = 0;
    uint16_t m_autoRippleCounter = 0;
    uint16_t m_autoRippleSeed = 0;
};
