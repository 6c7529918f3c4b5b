#pragma once

// The settings of one lighting zone as an engine works with them: the
// colorInfoData exactly as last given, the working copy the effects read, and
// the zone's speed and brightness rules. Shared by every zone of the keyboard
// and mouse engines.

#include "xmlRecords.h"

#include <QColor>
#include <QMap>

class lightZoneSettings
{
public:
    // Which speed table a zone takes for a given speed maximum.
    enum class speedTableRule {
        shortTableUpToMax4,  // key zone: 5 entries while the maximum is at most 4
        shortTableAtMax4,    // side zone: 5 entries only when the maximum is exactly 4
    };

    static constexpr int minTickMs = 8;
    static constexpr int maxTickMs = 28;
    static constexpr int initialTickMs = 15;
    static constexpr int initialBrightnessStep = 32;

    explicit lightZoneSettings(speedTableRule rule = speedTableRule::shortTableUpToMax4);

    // The working-copy rule: keeps raw, derives the working settings
    // (brightness + 1, direction 6 -> 0 and 7 -> 1), the full-colour flag and
    // the brightness step.
    void apply(const colorInfoData &raw);

    // The device's maxima: rebuilds the brightness map and the step.
    void setMaxima(int speedMax, int brightnessMax);

    const colorInfoData &raw() const { return m_raw; }
    const colorInfoData &working() const { return m_working; }
    bool fullColor() const { return m_fullColor; }

    int speedMax() const { return m_speedMax; }
    int brightnessLevels() const { return m_brightnessLevels; }
    int brightnessStep() const { return m_brightnessStep; }
    const QMap<int, int> &brightnessMap() const { return m_brightnessMap; }

    // The tick interval of the working ledSpeed, clamped into the table.
    int tickInterval() const;

    // The QColor::darker factor of the working ledBrightness: 100 (unchanged)
    // until the maxima are known; a brightness outside 0..maximum is held at
    // the nearest end.
    int brightnessFactor() const { return m_brightnessFactor; }
    QColor applyBrightness(const QColor &colour) const;

    // The user and background colours, each channel held in 0..255.
    const QColor &userColor() const { return m_userColor; }
    const QColor &background() const { return m_background; }
    bool backgroundBlack() const;
    bool userColorBlack() const;

private:
    void updateBrightnessFactor();

    speedTableRule m_rule;
    colorInfoData m_raw {};
    colorInfoData m_working {};
    bool m_fullColor = false;
    QMap<int, int> m_brightnessMap;
    int m_speedMax = 0;
    int m_brightnessLevels = 0;
    int m_brightnessStep = initialBrightnessStep;
    int m_brightnessFactor = 100;
    QColor m_userColor {0, 0, 0};
    QColor m_background {0, 0, 0};
};
