#include "updateMouseLightMainThreadUI.h"

updateMouseLightMainThreadUI::updateMouseLightMainThreadUI(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::sampling, parent)
{
}

updateMouseLightMainThreadUI::~updateMouseLightMainThreadUI()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateMouseLightMainThreadUI::emitTick()
{
    emit sigDviceUpdateMouseAllColorUI();
}
