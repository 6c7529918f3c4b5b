#pragma once

#include <QVector>

// Turns two successive input states of a device into presses and releases.
class inputReportDiff
{
public:
    struct Change
    {
        int code;     // usage, or the bit's value for bit diffs
        bool pressed;
        bool operator==(const Change &o) const { return code == o.code && pressed == o.pressed; }
    };

    // 8-byte keyboard states (modifier, reserved, six usages): modifier
    // presses, key presses, modifier releases, key releases, in that order.
    static QVector<Change> keyState(const unsigned char *before, const unsigned char *now);

    // Bits 0 to bitCount-1 of a byte: presses first, then releases; code is
    // the bit index.
    static QVector<Change> bits(unsigned char before, unsigned char now, int bitCount = 8);
};
