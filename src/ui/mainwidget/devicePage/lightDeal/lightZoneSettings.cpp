#include "lightZoneSettings.h"

#include <algorithm>
#include <climits>

namespace {

const int shortSpeedTable[] = {28, 25, 19, 14, 8};
const int longSpeedTable[] = {28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

} // namespace

lightZoneSettings::lightZoneSettings(speedTableRule rule)
    : m_rule(rule)
{
    m_working.ledModeType = 1;
}

void lightZoneSettings::apply(const colorInfoData &raw)
{
    m_raw = raw;
    m_fullColor = raw.ledModeType != 0;
    m_working = raw;
    m_working.ledBrightness = raw.ledBrightness == INT_MAX ? INT_MAX : raw.ledBrightness + 1;
    if (m_working.ledDirection == 6)
        m_working.ledDirection = 0;
    else if (m_working.ledDirection == 7)
        m_working.ledDirection = 1;
    // Until the device has told its levels there is nothing to divide by:
    // the step keeps its last (initially safe) value.
    if (m_brightnessLevels > 0)
        m_brightnessStep = 160 / m_brightnessLevels;
    m_userColor = QColor(std::clamp(m_working.ledModeR, 0, 255), std::clamp(m_working.ledModeG, 0, 255),
                         std::clamp(m_working.ledModeB, 0, 255));
    m_background = QColor(std::clamp(m_working.ledBgR, 0, 255), std::clamp(m_working.ledBgG, 0, 255),
                          std::clamp(m_working.ledBgB, 0, 255));
    updateBrightnessFactor();
}

void lightZoneSettings::setMaxima(int speedMax, int brightnessMax)
{
    m_speedMax = speedMax;
    m_brightnessLevels = brightnessMax < 0 ? 0 : brightnessMax + 1;
    m_brightnessMap.clear();
    for (int i = 1; i <= m_brightnessLevels; ++i)
        m_brightnessMap.insert(i, m_brightnessLevels + 1 - i);
    // Until the maxima are known nothing is dimmed; from now on the device's
    // own step applies, also to the settings given before.
    if (m_brightnessLevels > 0)
        m_brightnessStep = 160 / m_brightnessLevels;
    updateBrightnessFactor();
}

int lightZoneSettings::tickInterval() const
{
    const bool shortTable = m_rule == speedTableRule::shortTableUpToMax4 ? m_speedMax <= 4
                                                                         : m_speedMax == 4;
    const int *table = shortTable ? shortSpeedTable : longSpeedTable;
    const int size = shortTable ? int(std::size(shortSpeedTable)) : int(std::size(longSpeedTable));
    return table[std::clamp(m_working.ledSpeed, 0, size - 1)];
}

void lightZoneSettings::updateBrightnessFactor()
{
    if (m_brightnessLevels <= 0) {
        m_brightnessFactor = 100;
        return;
    }
    const int brightness = std::clamp(m_working.ledBrightness, 1, m_brightnessLevels);
    const int dimLevel = m_brightnessMap.value(brightness) - 1;
    m_brightnessFactor = dimLevel * m_brightnessStep + 100;
}

QColor lightZoneSettings::applyBrightness(const QColor &colour) const
{
    // darker(100) gives the colour back; skipping it keeps the per-tick walk
    // free of HSV round trips at full brightness.
    return m_brightnessFactor == 100 ? colour : colour.darker(m_brightnessFactor);
}

bool lightZoneSettings::backgroundBlack() const
{
    return m_background.red() == 0 && m_background.green() == 0 && m_background.blue() == 0;
}

bool lightZoneSettings::userColorBlack() const
{
    return m_userColor.red() == 0 && m_userColor.green() == 0 && m_userColor.blue() == 0;
}
