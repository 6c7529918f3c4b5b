#pragma once

#include <cstdint>

// The colour cycle and dark pause of a Breath effect. The keyboard engine
// keeps one, shared by its key and side zones; the mouse engine one per zone.
struct breathState
{
    static constexpr int maxColors = 7;

    uint8_t colors[maxColors][3] = {};
    uint8_t index = 0;      // the colour now breathing
    uint8_t count = 0;      // entries of colors in use (2 or 7)
    uint8_t holdCount = 0;  // ticks or visits spent in the pause
    bool hold = false;      // in the dark pause
};
