#pragma once

#include "lightTickThread.h"

// Paces the Logo zone's effect step of the mouse engine.
class updateLightMainThreadLogo : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 15;

    explicit updateLightMainThreadLogo(lightTickClock &clock, QObject *parent = nullptr);
    ~updateLightMainThreadLogo() override;

    // The interval in ms, clamped to 8..28.
    void setInterval(int ms) { setClampedInterval(ms); }

signals:
    void sigDviceUpdateMouseLogoColor();

protected:
    void emitTick() override;
};
