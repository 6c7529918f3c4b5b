#pragma once

// The effect state of one LED, shared by the keyboard and mouse engines:
// the LED's base colour, the intensity the effect is at, and three
// effect-specific counters. Copied whole.
struct keyEffectRecord
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int level = 0;  // 0..255
    int state = 0;  // most effects: 1 rising, 2 falling, 0 idle
    int step = 0;
    int value = 0;
};
