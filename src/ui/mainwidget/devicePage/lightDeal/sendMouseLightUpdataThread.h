#pragma once

#include "lightTickThread.h"

// Paces the 30 ms frame send of the mouse engine.
class sendMouseLightUpdataThread : public lightTickThread
{
    Q_OBJECT

public:
    static constexpr int initialIntervalMs = 30;

    explicit sendMouseLightUpdataThread(lightTickClock &clock, QObject *parent = nullptr);
    ~sendMouseLightUpdataThread() override;

signals:
    void sigDviceUpdateAllMouseKeyColorSendKeyboardHid();

protected:
    void emitTick() override;
};
