#include "updateLightMainThreadLogo.h"

updateLightMainThreadLogo::updateLightMainThreadLogo(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::pacing, parent)
{
}

updateLightMainThreadLogo::~updateLightMainThreadLogo()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateLightMainThreadLogo::emitTick()
{
    emit sigDviceUpdateMouseLogoColor();
}
