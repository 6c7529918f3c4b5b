#pragma once

#include "ColorTable.h"
#include "lightingReports.h"

#include <QString>

// The lighting engines' built-in colour data: the per-key grids of the
// full-colour "Wave" and "Radar" effects and the short colour lists of the
// other effects, the side lights and the mouse. Every table is constant data
// laid down at compile time, so it exists before main() and before any
// static initialiser that might read it; one copy serves the whole program.
//
// The engines know the tables by two namings: the descriptive names below and
// the numbers colorTable0 to colorTable52. colorTable() is the one place that
// maps a number to its table.
namespace ColorTables {

constexpr int GridRows = kKeyGridRows;
constexpr int GridColumns = kKeyGridColumns;
constexpr int WideRowLength = 24; // rows of the four wide line rainbows

// "Wave", directions right, left, up and down: a rainbow across the columns.
// waveLineColors104, 108, 21 and 98 have rows of 24 (columns 22 and 23 black).
extern const ColorTable waveLineColors21;
extern const ColorTable waveLineColors34;
extern const ColorTable waveLineColors61;
extern const ColorTable waveLineColors63;
extern const ColorTable waveLineColors68;
extern const ColorTable waveLineColors84;
extern const ColorTable waveLineColors87;
extern const ColorTable waveLineColors98;
extern const ColorTable waveLineColors104;
extern const ColorTable waveLineColors108;

// "Wave", dispersion and gather: a rainbow spreading from the centre columns.
extern const ColorTable waveCentreColors21;
extern const ColorTable waveCentreColors34;
extern const ColorTable waveCentreColors61;
extern const ColorTable waveCentreColors63;
extern const ColorTable waveCentreColors68;
extern const ColorTable waveCentreColors84;
extern const ColorTable waveCentreColors87;
extern const ColorTable waveCentreColors98;
extern const ColorTable waveCentreColors104;
extern const ColorTable waveCentreColors108;
// The twelve hue steps every coloured centre-rainbow cell is taken from.
extern const ColorTable waveCentreLadder;

// "Radar": windows on one hue wheel around the middle of the board.
extern const ColorTable radarMasterGrid;
extern const ColorTable radarColors21;
extern const ColorTable radarColors34;
extern const ColorTable radarColors61;
extern const ColorTable radarColors63;
extern const ColorTable radarColors68;
extern const ColorTable radarColors84;
extern const ColorTable radarColors87;
extern const ColorTable radarColors98;
extern const ColorTable radarColors104;
extern const ColorTable radarColors108;

// Effect palettes.
extern const ColorTable trailColors;        // 10
extern const ColorTable collisionColors;    // 8
extern const ColorTable breathColors;       // 8, entry 7 never shown
extern const ColorTable twinkleColors;      // 9, entry 8 never shown
extern const ColorTable speedRespondColors; // 6
extern const ColorTable musicBandColors;    // 11
extern const ColorTable musicBandColors21;  // 22
extern const ColorTable musicBandColors34;  // 11
extern const ColorTable mouseWaveColors;    // 8
extern const ColorTable mouseButtonColors;  // 8

// Side-light "Wave" gradients, one per group of keyboard models.
extern const ColorTable sideWaveColorsLindoque; // 8
extern const ColorTable sideWaveColorsPellumor; // 14
extern const ColorTable sideWaveColorsPyrralt;  // 14
extern const ColorTable sideWaveColorsCimmaro;  // 16
extern const ColorTable sideWaveColorsAvelorn;  // 41
extern const ColorTable sideWaveColorsOstrevi;  // 33
extern const ColorTable sideWaveColorsParvisso; // 33
extern const ColorTable sideWaveColorsUrrasque; // 49
extern const ColorTable sideWaveColorsWolvarne; // 45

// Tables chosen by the connected keyboard's key count; a count that is not
// one of 21, 34, 61, 63, 68, 84, 87, 98, 104, 108 takes the 104-key table.
const ColorTable &waveLineColorsFor(int keyCount);
const ColorTable &waveCentreColorsFor(int keyCount);
const ColorTable &radarColorsFor(int keyCount);
// musicBandColors21 for 21 keys, musicBandColors34 for 34, else musicBandColors.
const ColorTable &musicBandColorsFor(int keyCount);
// The side "Wave" gradient of a model, by whole-string equality of the model
// name; an empty table for a model that has none.
const ColorTable &sideWaveColorsFor(const QString &modelName);

// colorTable<number>: 0..52. The numbers that name no table (31, 33, 36, 39,
// tables that no effect reads) and numbers out of range give an empty table.
const ColorTable &colorTable(int number);

} // namespace ColorTables
