#pragma once

#include "lightTickThread.h"

// Paces the 30 ms screen refresh of the keyboard engine.
class updateLightMainThreadUI : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 30;

    explicit updateLightMainThreadUI(lightTickClock &clock, QObject *parent = nullptr);
    ~updateLightMainThreadUI() override;

signals:
    void sigDviceUpdateAllKeyColorUI();

protected:
    void emitTick() override;
};
