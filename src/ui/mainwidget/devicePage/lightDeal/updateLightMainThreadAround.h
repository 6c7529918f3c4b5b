#pragma once

#include "lightTickThread.h"

// Paces the Around zone's effect step of the mouse engine.
class updateLightMainThreadAround : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 15;

    explicit updateLightMainThreadAround(lightTickClock &clock, QObject *parent = nullptr);
    ~updateLightMainThreadAround() override;

    // The interval in ms, clamped to 8..28.
    void setInterval(int ms) { setClampedInterval(ms); }

signals:
    void sigDviceUpdateMouseAroundColor();

protected:
    void emitTick() override;
};
