#include "updateLightMainThreadScroll.h"

updateLightMainThreadScroll::updateLightMainThreadScroll(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::pacing, parent)
{
}

updateLightMainThreadScroll::~updateLightMainThreadScroll()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateLightMainThreadScroll::emitTick()
{
    emit sigDviceUpdateMouseScrollColor();
}
