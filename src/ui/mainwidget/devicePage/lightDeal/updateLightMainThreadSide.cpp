#include "updateLightMainThreadSide.h"

updateLightMainThreadSide::updateLightMainThreadSide(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, parent)
{
}

updateLightMainThreadSide::~updateLightMainThreadSide()
{
    // The loop calls emitTick(): it must end while this class still exists.
    stopAndWait();
}

void updateLightMainThreadSide::emitTick()
{
    emit sigDviceUpdateAllKeyColorSide();
}
