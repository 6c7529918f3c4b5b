#include "sendLightUpdataThread.h"

sendLightUpdataThread::sendLightUpdataThread(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::sampling, parent)
{
}

sendLightUpdataThread::~sendLightUpdataThread()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void sendLightUpdataThread::emitTick()
{
    emit sigDviceUpdateAllKeyColorSendKeyboardHid();
}
