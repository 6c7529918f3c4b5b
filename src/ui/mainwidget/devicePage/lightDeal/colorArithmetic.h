#pragma once

// The colour arithmetic every lighting effect is built from: saturating
// channel steps, the walk of fully saturated colours around the hue circle
// and the blend of a colour at a level over a background. Plain functions of
// their arguments, shared by the keyboard and mouse engines.

#include "ColorTable.h"
#include "keyEffectRecord.h"

#include <QColor>

#include <cstdint>

// What stepChannel reports.
enum : uint8_t {
    channelNoClamp = 0,
    channelCapped = 1,
    channelFloored = 2,
};

// 0 when a is below b, else a - b.
int subtractSaturated(int a, int b);

// a + b when that is below 256, else 255.
int addSaturated(int a, int b);

// Moves value by step in the direction of mode (1 up, 2 down, anything else
// leaves it). Reports a clamp only when the step overshoots 255 or 0: a value
// that lands exactly on the end is reported by the following call.
uint8_t stepChannel(int &value, uint8_t step, uint8_t mode);

// Moves a fully saturated colour (one channel 255, one 0) one step along the
// edge of the colour cube: increasing goes red, yellow, green, cyan, blue,
// magenta; decreasing the other way. Callers holding a direction number pass
// its parity (odd = increasing). Any other colour comes back unchanged,
// alpha included.
QColor stepHue(QColor colour, bool increasing, uint8_t step);

// Direction 0 walks the hue down, 1 up; any other direction returns the
// colour unchanged.
QColor stepHueByDirection(QColor colour, int direction, int step);

// One channel of c at level l (0..255) over b. The divisor is 256, so a full
// level gives 254 for 255: devices and stored pictures rely on that value.
inline int blendChannel(int c, int level, int b)
{
    return (c * level + b * (255 - level)) / 256;
}

// The record's colour at its level over background, written into output's
// red, green and blue (output's alpha is left as it was).
void blendColor(const keyEffectRecord &record, const QColor &background, QColor &output);

// The trail of a record whose level hit an end: its step counts down the
// palette, an odd step takes that palette colour, and the record turns
// between rising and falling until the step reaches 0 (a last fall) and the
// next hit leaves it idle.
void paletteFade(keyEffectRecord &record, const ColorTable &palette);

// The level of the one-colour waves: it bounces between 0 and 255 by 4,
// and a fall below 10 turns up before it steps.
void stepWaveLevel(keyEffectRecord &record);
