#include "updateLightMainThread.h"

updateLightMainThread::updateLightMainThread(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::pacing, parent)
{
}

updateLightMainThread::~updateLightMainThread()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateLightMainThread::emitTick()
{
    emit sigDviceUpdateAllKeyColor();
}
