#include "sendLightUpdataThread.h"

sendLightUpdataThread::sendLightUpdataThread(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, parent)
{
}

sendLightUpdataThread::~sendLightUpdataThread()
{
    // The loop calls emitTick(): it must end while this class still exists.
    stopAndWait();
}

void sendLightUpdataThread::emitTick()
{
    emit sigDviceUpdateAllKeyColorSendKeyboardHid();
}
