#include "updateLightMainThreadUI.h"

updateLightMainThreadUI::updateLightMainThreadUI(lightTickClock &clock, QObject *parent)
    : lightTickThread(clock, initialIntervalMs, parent)
{
}

updateLightMainThreadUI::~updateLightMainThreadUI()
{
    // The loop calls emitTick(): it must end while this class still exists.
    stopAndWait();
}

void updateLightMainThreadUI::emitTick()
{
    emit sigDviceUpdateAllKeyColorUI();
}
