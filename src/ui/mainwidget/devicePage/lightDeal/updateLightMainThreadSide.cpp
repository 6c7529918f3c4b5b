#include "updateLightMainThreadSide.h"

updateLightMainThreadSide::updateLightMainThreadSide(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::pacing, parent)
{
}

updateLightMainThreadSide::~updateLightMainThreadSide()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateLightMainThreadSide::emitTick()
{
    emit sigDviceUpdateAllKeyColorSide();
}
