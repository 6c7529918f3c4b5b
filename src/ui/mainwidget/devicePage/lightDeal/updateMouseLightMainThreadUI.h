#pragma once

#include "lightTickThread.h"

// Paces the 30 ms screen refresh of the mouse engine.
class updateMouseLightMainThreadUI : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 30;

    explicit updateMouseLightMainThreadUI(lightTickClock &clock, QObject *parent = nullptr);
    ~updateMouseLightMainThreadUI() override;

signals:
    void sigDviceUpdateMouseAllColorUI();

protected:
    void emitTick() override;
};
