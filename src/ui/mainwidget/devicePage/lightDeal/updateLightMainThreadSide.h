#pragma once

#include "lightTickThread.h"

// Paces the side zone's effect step of the keyboard engine.
class updateLightMainThreadSide : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 15;

    explicit updateLightMainThreadSide(lightTickClock &clock, QObject *parent = nullptr);
    ~updateLightMainThreadSide() override;

    // The interval in ms, clamped to 8..28.
    void setInterval(int ms) { setClampedInterval(ms); }

signals:
    void sigDviceUpdateAllKeyColorSide();

protected:
    void emitTick() override;
};
