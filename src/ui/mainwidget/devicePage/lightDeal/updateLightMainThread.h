#pragma once

#include "lightTickThread.h"

// Paces the key zone's effect step of the keyboard engine.
class updateLightMainThread : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 15;

    explicit updateLightMainThread(lightTickClock &clock, QObject *parent = nullptr);
    ~updateLightMainThread() override;

    // The interval in ms, clamped to 8..28.
    void setInterval(int ms) { setClampedInterval(ms); }

signals:
    void sigDviceUpdateAllKeyColor();

protected:
    void emitTick() override;
};
