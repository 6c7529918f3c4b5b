#pragma once

#include "xmlRecords.h"

#include <QList>
#include <QString>

class xmlInterface;

// What every new or reset profile holds besides the store's own defaults:
// one light item per zone, and for a mouse six DPI levels, the active level
// and the report rate. The writers append without looking for what is
// there: call them right after the profile is made or emptied.
namespace profileDefaults {

constexpr int kEffect = 2;
constexpr int kSideBreathEffect = 1; // side lights of the Breath models
constexpr int kDpiActiveLevel = 3;
constexpr int kReportRateIndex = 2;  // 500 Hz
constexpr int kReportRateFeature = 0;

colorInfoData lightItem(int zone, int effect = kEffect);
// Levels 1 to 5 and the sniper level 6, in that order.
QList<dpiConfigInfo> dpiLevels();

// The three light items of a keyboard profile; the side item is Breath on a
// Breath model.
bool writeKeyboardLightItems(xmlInterface &xml, const QString &path, int profileIndex, const QString &model);
// The side zone's selected effect on a Breath model; nothing on the others.
bool writeKeyboardSideRule(xmlInterface &xml, const QString &path, int profileIndex, const QString &model);
bool writeMouseSettings(xmlInterface &xml, const QString &path, int profileIndex);

} // namespace profileDefaults
