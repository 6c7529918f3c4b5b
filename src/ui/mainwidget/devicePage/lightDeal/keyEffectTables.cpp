#include "keyEffectTables.h"

#include "ColorTables.h"

#include <cmath>

namespace {

constexpr int rows = keyEffectTables::rows;
constexpr int columns = keyEffectTables::columns;
constexpr int cells = keyEffectTables::cells;

// The key counts that have tables of their own; any other count takes 104's.
constexpr int knownKeyCounts[] = {21, 34, 61, 63, 68, 84, 87, 98, 104, 108};
constexpr int knownCount = int(std::size(knownKeyCounts));

int knownIndex(int keyCount)
{
    for (int i = 0; i < knownCount; ++i) {
        if (knownKeyCounts[i] == keyCount)
            return i;
    }
    return 8; // 104
}

// Columns in use and the first key row of each board.
int boardWidth(int keyCount)
{
    switch (keyCount) {
    case 98: return 19;
    case 87: return 18;
    case 84:
    case 68: return 16;
    case 61:
    case 63: return 15;
    default: return columns;
    }
}

int firstKeyRow(int keyCount)
{
    return (keyCount == 61 || keyCount == 63 || keyCount == 68) ? 1 : 0;
}

const std::array<int, columns> waveRowWide = {
    10, 24, 48, 72, 96, 120, 144, 168, 192, 216, 240, 240, 224, 200, 176, 152, 128, 104, 80, 56, 32, 10};
const std::array<int, columns> waveRowNarrow = {
    10, 39, 68, 97, 126, 155, 184, 213, 242, 241, 212, 183, 154, 125, 96, 67, 38, 10, 0, 0, 0, 0};

const std::array<int, columns> waveVRow = {
    36, 84, 124, 166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 240, 208, 166, 124, 84, 40, 25, 10};
const std::array<int, columns> waveVMask104 = {
    63, 63, 63, 59, 33, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33, 59, 63, 63, 63, 63, 0};

const std::array<int, columns> radarTopRow = {
    154, 156, 160, 164, 168, 174, 186, 196, 214, 238, 254, 214, 192, 178, 168, 154, 148, 144, 140, 136, 130, 106};
const std::array<int, columns> radarBottomRow = {
    112, 98, 94, 92, 88, 86, 84, 64, 44, 24, 2, 22, 44, 54, 74, 76, 78, 82, 84, 86, 88, 92};

const std::array<uint8_t, cells> twinkleOrderTable = {
    42, 109, 17, 125, 114, 72, 100, 16, 99, 27, 94, 82, 97, 62, 89, 60, 127, 31, 44, 58, 22, 119,
    76, 55, 85, 46, 67, 1, 47, 41, 36, 96, 57, 128, 117, 52, 43, 18, 4, 78, 34, 77, 115, 32,
    71, 66, 88, 2, 87, 53, 123, 86, 37, 28, 122, 29, 69, 106, 129, 74, 48, 19, 54, 83, 26, 103,
    0, 116, 92, 38, 68, 50, 39, 126, 12, 105, 120, 6, 61, 21, 30, 64, 75, 49, 65, 80, 124, 11,
    13, 95, 130, 81, 101, 56, 5, 102, 40, 84, 14, 73, 59, 112, 10, 118, 108, 33, 113, 131, 8, 51,
    3, 110, 25, 23, 111, 79, 35, 121, 98, 63, 45, 9, 91, 104, 70, 20, 90, 24, 15, 107, 7, 93};

const std::array<uint8_t, cells> twinkleStartTable = {
    3, 1, 4, 5, 5, 2, 1, 2, 5, 1, 1, 2, 0, 1, 2, 6, 2, 6, 1, 7, 4, 7, 6, 3, 1, 0, 0, 4, 1, 2, 6, 0, 1,
    2, 6, 5, 6, 4, 5, 1, 0, 2, 5, 5, 0, 5, 4, 3, 6, 6, 3, 5, 7, 6, 4, 4, 1, 7, 0, 2, 4, 1, 3, 5, 2, 5,
    3, 7, 6, 7, 3, 5, 4, 1, 6, 7, 4, 7, 5, 1, 2, 4, 7, 3, 1, 3, 2, 4, 7, 6, 7, 2, 3, 6, 6, 2, 6, 4, 5,
    5, 2, 1, 0, 2, 5, 4, 6, 1, 2, 0, 6, 1, 5, 1, 3, 4, 5, 7, 6, 5, 3, 0, 4, 1, 4, 4, 0, 3, 6, 1, 2, 4};

bool isBlack(const QColor &colour)
{
    return colour.red() == 0 && colour.green() == 0 && colour.blue() == 0;
}

// Where a narrower board's column c falls on the 22 columns of the full grids.
int spreadColumn(int column, int width)
{
    if (width <= 1)
        return 0;
    return int(std::lround(double(column) * (columns - 1) / (width - 1)));
}

// Narrower boards stretch the full-size ramp over their own columns; cells
// without a key (black in the key count's colour grid) hold 0.
keyEffectTables::levelGrid spreadGrid(const keyEffectTables::levelGrid &full, int keyCount,
                                      const ColorTable &keys)
{
    keyEffectTables::levelGrid grid;
    const int width = boardWidth(keyCount);
    for (int c = 0; c < width; ++c) {
        const int from = spreadColumn(c, width);
        grid.mask[c] = full.mask[from];
        for (int r = 0; r < rows; ++r)
            grid.levels[r * columns + c] = isBlack(keys.cell(r, c)) ? 0 : full.levels[r * columns + from];
    }
    return grid;
}

// The full-size grid as it is, but 0 where no key sits in rows first to end - 1.
keyEffectTables::levelGrid keyedGrid(const keyEffectTables::levelGrid &full, const ColorTable &keys,
                                     int first, int end)
{
    keyEffectTables::levelGrid grid = full;
    for (int r = first; r < end; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (isBlack(keys.cell(r, c)))
                grid.levels[r * columns + c] = 0;
        }
    }
    return grid;
}

struct allTables
{
    std::array<keyEffectTables::levelGrid, knownCount> waveV;
    std::array<keyEffectTables::levelGrid, knownCount> radar;
    std::array<std::vector<uint8_t>, knownCount> snack;

    allTables()
    {
        // The full-size boards: the given rows as they are, the other rows
        // following their shape, 0 where no key sits.
        keyEffectTables::levelGrid fullV;
        fullV.mask = waveVMask104;
        keyEffectTables::levelGrid fullRadar;
        for (int c = 0; c < columns; ++c) {
            fullRadar.mask[c] = c < 10 ? 63 : (c == 10 ? 56 : 0);
            for (int r = 0; r < rows; ++r) {
                fullV.levels[r * columns + c] = waveVRow[c];
                const double t = double(r) / (rows - 1);
                fullRadar.levels[r * columns + c] =
                    int(std::lround(radarTopRow[c] + (radarBottomRow[c] - radarTopRow[c]) * t));
            }
        }
        for (int i = 0; i < knownCount; ++i) {
            const int keyCount = knownKeyCounts[i];
            const ColorTable &centreKeys = ColorTables::waveCentreColorsFor(keyCount);
            const ColorTable &radarKeys = ColorTables::radarColorsFor(keyCount);
            if (keyCount == 21 || keyCount == 104 || keyCount == 108) {
                waveV[i] = keyedGrid(fullV, centreKeys, 1, rows);
                if (keyCount == 21)
                    waveV[i].mask[columns - 1] = 63;
            } else {
                waveV[i] = spreadGrid(fullV, keyCount, centreKeys);
            }
            if (keyCount == 104 || keyCount == 108) {
                radar[i] = keyedGrid(fullRadar, radarKeys, 1, rows - 1);
            } else {
                radar[i] = spreadGrid(fullRadar, keyCount, radarKeys);
            }
            snack[i] = buildSnackPath(keyCount);
        }
    }

    static std::vector<uint8_t> buildSnackPath(int keyCount)
    {
        std::vector<uint8_t> path;
        const int width = boardWidth(keyCount);
        bool leftToRight = true;
        for (int r = firstKeyRow(keyCount); r < rows; ++r) {
            for (int i = 0; i < width; ++i) {
                const int c = leftToRight ? i : width - 1 - i;
                path.push_back(uint8_t(r * 32 + c));
            }
            leftToRight = !leftToRight;
        }
        return path;
    }
};

const allTables &tables()
{
    static const allTables instance;
    return instance;
}

} // namespace

const std::array<int, columns> &keyEffectTables::waveHorizontalRow(int keyCount)
{
    switch (keyCount) {
    case 61:
    case 63:
    case 68:
    case 84:
    case 87:
        return waveRowNarrow;
    default:
        return waveRowWide;
    }
}

const keyEffectTables::levelGrid &keyEffectTables::waveVLevels(int keyCount)
{
    return tables().waveV[knownIndex(keyCount)];
}

const keyEffectTables::levelGrid &keyEffectTables::radarLevels(int keyCount)
{
    return tables().radar[knownIndex(keyCount)];
}

const std::vector<uint8_t> &keyEffectTables::snackPath(int keyCount)
{
    return tables().snack[knownIndex(keyCount)];
}

const std::array<uint8_t, cells> &keyEffectTables::twinkleOrder()
{
    return twinkleOrderTable;
}

const std::array<uint8_t, cells> &keyEffectTables::twinkleStartColor()
{
    return twinkleStartTable;
}

int keyEffectTables::cellCountFor(int keyCount, int previous)
{
    switch (keyCount) {
    case 61:
    case 63: return 74;
    case 68: return 79;
    case 84: return 95;
    case 87: return 107;
    case 98: return 113;
    case 104:
    case 108: return 131;
    default: return previous;
    }
}
