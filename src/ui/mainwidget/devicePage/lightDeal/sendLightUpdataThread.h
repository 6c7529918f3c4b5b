#pragma once

#include "lightTickThread.h"

// Paces the 30 ms frame send of the keyboard engine.
class sendLightUpdataThread : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 30;

    explicit sendLightUpdataThread(lightTickClock &clock, QObject *parent = nullptr);
    ~sendLightUpdataThread() override;

signals:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void emitTick() override;
};
