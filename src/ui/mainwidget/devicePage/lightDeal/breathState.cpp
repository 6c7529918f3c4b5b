#include "breathState.h"

#include "ColorTables.h"
#include "colorArithmetic.h"
#include "keyEffectRecord.h"
#include "lightZoneSettings.h"

void breathState::start(const lightZoneSettings &zone)
{
    index = 0;
    holdCount = 0;
    hold = false;
    if (zone.fullColor()) {
        count = maxColors;
        for (int i = 0; i < maxColors; ++i)
            setColor(i, ColorTables::breathColors.at(i));
    } else {
        count = 2;
        setColor(0, zone.userColor());
        setColor(1, zone.backgroundBlack() ? zone.userColor() : zone.background());
    }
}

void breathState::setColor(int i, const QColor &colour)
{
    colors[i][0] = uint8_t(colour.red());
    colors[i][1] = uint8_t(colour.green());
    colors[i][2] = uint8_t(colour.blue());
}

void breathState::stepRecord(keyEffectRecord &record, uint8_t step)
{
    if (stepChannel(record.level, step, uint8_t(record.state)) == channelNoClamp)
        return;
    if (record.state == 1) {
        record.state = 2;
    } else if (record.state == 2) {
        record.state = 1;
        hold = true;
    }
}

bool breathState::countHold()
{
    if (!hold)
        return false;
    holdCount += 1;
    if (holdCount <= 6)
        return false;
    holdCount = 0;
    hold = false;
    return true;
}

void breathState::nextColor()
{
    index += 1;
    if (index >= count || index >= maxColors)
        index = 0;
}
