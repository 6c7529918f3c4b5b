#pragma once

#include <QColor>

#include <cstdint>

class lightZoneSettings;
struct keyEffectRecord;

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

    // A new cycle for a zone: the seven Breath colours in full colour, else
    // the user colour and the background (the user colour again when the
    // background is black); from the first colour, no pause.
    void start(const lightZoneSettings &zone);
    void setColor(int i, const QColor &colour);
    QColor color(int i) const { return QColor(colors[i][0], colors[i][1], colors[i][2]); }
    QColor currentColor() const { return color(index); }

    // One record's breath: its level moves by 2 in its state's direction;
    // the top turns it down, and the bottom turns it up and starts the
    // pause. Neon's one-colour step moves by 1 the same way.
    void stepRecord(keyEffectRecord &record, uint8_t step = 2);
    // Counts one step of the pause, which lasts seven counts; true when
    // this count ended it.
    bool countHold();
    // On to the next colour of the cycle.
    void nextColor();
};
