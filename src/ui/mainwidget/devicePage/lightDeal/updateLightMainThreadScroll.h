#pragma once

#include "lightTickThread.h"

// Paces the Scroll zone's effect step of the mouse engine.
class updateLightMainThreadScroll : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 15;

    explicit updateLightMainThreadScroll(lightTickClock &clock, QObject *parent = nullptr);
    ~updateLightMainThreadScroll() override;

    // The interval in ms, clamped to 8..28.
    void setInterval(int ms) { setClampedInterval(ms); }

signals:
    void sigDviceUpdateMouseScrollColor();

protected:
    void emitTick() override;
};
