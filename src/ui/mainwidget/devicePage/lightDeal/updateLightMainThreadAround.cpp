#include "updateLightMainThreadAround.h"

updateLightMainThreadAround::updateLightMainThreadAround(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::pacing, parent)
{
}

updateLightMainThreadAround::~updateLightMainThreadAround()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateLightMainThreadAround::emitTick()
{
    emit sigDviceUpdateMouseAroundColor();
}
