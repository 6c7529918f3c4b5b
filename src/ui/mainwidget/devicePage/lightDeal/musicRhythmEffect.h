#pragma once

// Key effect 100, "Musical Rhythm": lights each band's key columns from the
// bottom row up to the band's level, and lets the top cell of each bar fall
// away tick by tick. Works on the key records and frame of a
// keyEffectGenerator; the band layout says which columns are whose.

#include "keyEffectGenerator.h"
#include "lightZoneSettings.h"
#include "musicBandLayout.h"

class musicRhythmEffect
{
public:
    // What a falling cell loses per tick.
    static constexpr int fallStep = 25;

    // keys and zone outlive the effect.
    musicRhythmEffect(keyEffectGenerator &keys, const lightZoneSettings &zone);

    // Every band's bar at the level of its folded value; with lightingOn
    // false the records are left as they are.
    void applyBandLevels(const musicBandLayout &layout, bool lightingOn);
    // Rows 5 up to 5 - level of the columns first..first + count - 1 at full
    // level, the top one falling; the rows above dark.
    void lightBandColumns(int level, int firstColumn, int count);

    // Set-up: each cell takes its band's palette colour (full colour) or the
    // zone's colour, dark and idle. The caller shows the records.
    void initMusicEffect(const musicBandLayout &layout);
    // Per tick: falling cells fade, a faded top hands the fall to the cell
    // below, and the frame gets each cell over the background.
    void stepMusicEffect();

private:
    keyEffectGenerator &m_keys;
    const lightZoneSettings &m_zone;
};
