#pragma once

#include "xmlRecords.h"

#include <QList>

// The rules of the mouse's DPI levels shared by the DPI view and the device
// page: levels 1 to 5 are the ones the DPI key steps through, 6 is the
// sniper level.
namespace mouseDpiLevels {

constexpr int kFirstLevel = 1;
constexpr int kLastLevel = 5;
constexpr int kSniperLevel = 6;

// The level the DPI key moves to from `active`: the next enabled level among
// 1 to 5 after it, 5 wrapping to 1 (an active level outside 1..4 starts at
// 1); `active` itself when it is the only one. 0 when none of 1 to 5 is
// enabled. A level is found by its `index`.
int nextLevel(int active, const QList<dpiConfigInfo> &levels);

// The active level a report carries: the stored level held to 1..5, or the
// sniper level while the sniper button is held.
int reportedLevel(int stored, bool sniperHeld);

} // namespace mouseDpiLevels
