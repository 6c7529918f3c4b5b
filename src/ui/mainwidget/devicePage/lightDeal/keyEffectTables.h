#pragma once

// The constant per-keyboard tables of the ambient key effects: the level
// grids and masks of Wave and Radar, the Snack paths and the Twinkle order.
// Every table covers the whole 6 x 22 grid, so cell indexes from the grid are
// always in range. The colour grids, and their pick by key count, are the
// built-in colour tables (ColorTables.h).

#include "lightingReports.h"

#include <array>
#include <cstdint>
#include <vector>

class keyEffectTables
{
public:
    static constexpr int rows = kKeyGridRows;
    static constexpr int columns = kKeyGridColumns;
    static constexpr int cells = kKeyGridCells;

    // A level per cell (row-major) and a mask per column, bit r for row r.
    struct levelGrid
    {
        std::array<int, cells> levels {};
        std::array<int, columns> mask {};
    };

    // Wave's horizontal level row, the same on all six rows.
    static const std::array<int, columns> &waveHorizontalRow(int keyCount);
    // Wave's V-shaped levels; mask bit set where the level starts rising.
    static const levelGrid &waveVLevels(int keyCount);
    // Radar's conic levels; mask bit set where the level starts falling.
    static const levelGrid &radarLevels(int keyCount);
    // Snack's serpentine path, one cell per byte as row x 32 + column.
    static const std::vector<uint8_t> &snackPath(int keyCount);
    // Twinkle's lighting order of the cell numbers row + 6 x column, and the
    // starting colour index (0..7) of each cell number.
    static const std::array<uint8_t, cells> &twinkleOrder();
    static const std::array<uint8_t, cells> &twinkleStartColor();

    // The cell count the engine keeps for a key count; counts without an
    // entry keep the previous one.
    static int cellCountFor(int keyCount, int previous);
};
