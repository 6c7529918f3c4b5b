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

    void setColor(int i, int red, int green, int blue)
    {
        colors[i][0] = uint8_t(red);
        colors[i][1] = uint8_t(green);
        colors[i][2] = uint8_t(blue);
    }
    // Counts one step of the pause, which lasts seven counts; true when
    // this count ended it.
    bool countHold()
    {
        if (!hold)
            return false;
        holdCount += 1;
        if (holdCount <= 6)
            return false;
        holdCount = 0;
        hold = false;
        return true;
    }
    // On to the next colour of the cycle.
    void nextColor()
    {
        index += 1;
        if (index >= count || index >= maxColors)
            index = 0;
    }
};
