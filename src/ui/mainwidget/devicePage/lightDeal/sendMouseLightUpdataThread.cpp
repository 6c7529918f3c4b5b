#include "sendMouseLightUpdataThread.h"

sendMouseLightUpdataThread::sendMouseLightUpdataThread(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::sampling, parent)
{
}

sendMouseLightUpdataThread::~sendMouseLightUpdataThread()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void sendMouseLightUpdataThread::emitTick()
{
    emit sigDviceUpdateAllMouseKeyColorSendKeyboardHid();
}
