#include "updateLightMainThreadUI.h"

updateLightMainThreadUI::updateLightMainThreadUI(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, tickKind::sampling, parent)
{
}

updateLightMainThreadUI::~updateLightMainThreadUI()
{
    // The scheduler calls emitTick(): ticking must end while this class exists.
    stopAndWait();
}

void updateLightMainThreadUI::emitTick()
{
    emit sigDviceUpdateAllKeyColorUI();
}
