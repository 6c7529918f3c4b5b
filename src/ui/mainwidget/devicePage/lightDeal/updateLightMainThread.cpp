#include "updateLightMainThread.h"

updateLightMainThread::updateLightMainThread(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, parent)
{
}

updateLightMainThread::~updateLightMainThread()
{
    // The loop calls emitTick(): it must end while this class still exists.
    stopAndWait();
}

void updateLightMainThread::emitTick()
{
    emit sigDviceUpdateAllKeyColor();
}
