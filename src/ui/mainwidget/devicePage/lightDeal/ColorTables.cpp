#include "ColorTables.h"

#include <array>

namespace ColorTables {

namespace {

constexpr int GridSize = GridRows * GridColumns;     // 132
constexpr int WideSize = GridRows * WideRowLength;   // 144

using Grid = std::array<QRgb, GridSize>;
using WideGrid = std::array<QRgb, WideSize>;

// ---------------------------------------------------------------------------
// Line rainbows. Grid A: 15-degree steps over 22 columns (row 1 is the
// reference ramp); the other rows follow the horizontal positions of their
// keys. Grid B: 20-degree steps over 18 columns.

constexpr QRgb kLineGridA[GridRows][GridColumns] = {
    {0xff0000, 0xff3f00, 0xff7f00, 0xffbf00, 0xffff00, 0xbfff00, 0x7fff00, 0x5dff00, 0x21ff00, 0x00ff21, 0x00ff5d, 0x00ffbf, 0x00ffff, 0x00bfff, 0x007fff, 0x003fff, 0x0000ff, 0x3f00ff, 0x7f00ff, 0xbf00ff, 0xff00bf, 0xff003f},
    {0xff0000, 0xff3f00, 0xff7f00, 0xffbf00, 0xffff00, 0xbfff00, 0x7fff00, 0x3fff00, 0x00ff00, 0x00ff3f, 0x00ff7f, 0x00ffbf, 0x00ffff, 0x00bfff, 0x007fff, 0x003fff, 0x0000ff, 0x3f00ff, 0x7f00ff, 0xbf00ff, 0xff00bf, 0xff003f},
    {0xff1400, 0xff5d00, 0xff9d00, 0xffdd00, 0xddff00, 0x97ff00, 0x61ff00, 0x21ff00, 0x00ff21, 0x00ff5d, 0x00ff9d, 0x00ffdd, 0x00ddff, 0x00bfff, 0x007fff, 0x003fff, 0x0000ff, 0x3f00ff, 0x7f00ff, 0xbf00ff, 0xff00bf, 0xff003f},
    {0xff1e00, 0xff3f00, 0xff6700, 0xffa700, 0xffe700, 0xd3ff00, 0x8dff00, 0x57ff00, 0x17ff00, 0x00ff2b, 0x00ff67, 0x00ffa7, 0x00ffe7, 0x00d3ff, 0x007fff, 0x003fff, 0x0000ff, 0x3f00ff, 0x7f00ff, 0xbf00ff, 0xff00bf, 0xff003f},
    {0xff0000, 0xff5300, 0xff8900, 0xffc900, 0xe7ff00, 0xbfff00, 0x7fff00, 0x3fff00, 0x00ff17, 0x00ff53, 0x00ff93, 0x00ffd3, 0x00e1ff, 0x0097ff, 0x007fff, 0x003fff, 0x0000ff, 0x3f00ff, 0x7f00ff, 0xbf00ff, 0xff00bf, 0xff003f},
    {0xff0000, 0xff5d00, 0xff9300, 0xffbf00, 0xffff00, 0xbfff00, 0x75ff00, 0x3fff00, 0x00ff00, 0x00ff3f, 0x00ff67, 0x00ffc9, 0x00e1ff, 0x007fff, 0x007fff, 0x003fff, 0x0000ff, 0x3f00ff, 0x9d00ff, 0xbf00ff, 0xff00bf, 0xff003f},
};

constexpr int LineGridBColumns = 18;
constexpr QRgb kLineGridB[GridRows][LineGridBColumns] = {
    {0xff0000, 0xff5500, 0xffaa00, 0xffff00, 0xaaff00, 0x55ff00, 0x00ff00, 0x00ff2d, 0x00ff82, 0x00ffd7, 0x00d7ff, 0x0055ff, 0x0000ff, 0x5500ff, 0xaa00ff, 0xff00ff, 0xff00aa, 0xff0055},
    {0xff0000, 0xff5500, 0xffaa00, 0xffff00, 0xaaff00, 0x55ff00, 0x00ff00, 0x00ff55, 0x00ffaa, 0x00ffff, 0x00aaff, 0x0055ff, 0x0000ff, 0x5500ff, 0xaa00ff, 0xff00ff, 0xff00aa, 0xff0055},
    {0xff0028, 0xff7d00, 0xffd200, 0xd7ff00, 0x82ff00, 0x2dff00, 0x00ff28, 0x00ff7d, 0x00ffd2, 0x00d7ff, 0x0082ff, 0x002dff, 0x2d00ff, 0x5500ff, 0xaa00ff, 0xff00ff, 0xff00aa, 0xff0055},
    {0xff001e, 0xff5500, 0xff8c00, 0xffe100, 0xdcff00, 0x73ff00, 0x1eff00, 0x00ff37, 0x00ffaa, 0x00ffff, 0x00aaff, 0x0055ff, 0x0000ff, 0x7d00ff, 0xaa00ff, 0xff00ff, 0xff00aa, 0xff0055},
    {0xff0000, 0xff6900, 0xffbe00, 0xebff00, 0x96ff00, 0x41ff00, 0x00ff14, 0x00ff69, 0x00ffbe, 0x00ebff, 0x0096ff, 0x0041ff, 0x1400ff, 0x6900ff, 0xaa00ff, 0xff00ff, 0xff00aa, 0xff0055},
    {0xff0000, 0xff7300, 0xffc800, 0xe1ff00, 0x8cff00, 0x37ff00, 0x00ff0a, 0x00ff73, 0x00ffc8, 0x00e1ff, 0x008cff, 0x0037ff, 0x1e00ff, 0x7300ff, 0xaa00ff, 0xff00ff, 0xff00aa, 0xff0055},
};

// A table of GridRows rows laid out flat in rows of Size / GridRows cells;
// what the table leaves of a row stays black.
template <std::size_t Size, std::size_t Columns>
constexpr std::array<QRgb, Size> flatGrid(const QRgb (&table)[GridRows][Columns])
{
    constexpr int stride = int(Size) / GridRows;
    static_assert(int(Columns) <= stride, "the table's rows fit the grid's");
    std::array<QRgb, Size> g{};
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < int(Columns); ++c)
            g[r * stride + c] = table[r][c];
    return g;
}

// Grid A also in rows of 24, its two extra columns black; grid B's columns
// 18 to 21 stay black.
constexpr WideGrid kWideLineA = flatGrid<WideSize>(kLineGridA);
constexpr Grid kLineA = flatGrid<GridSize>(kLineGridA);
constexpr Grid kLineB = flatGrid<GridSize>(kLineGridB);

// ---------------------------------------------------------------------------
// Centre rainbows: every coloured cell is a step of the ladder, a hue ramp
// from red in 33-degree steps with a last half step. One character per cell:
// 0-9 steps 0 to 9, A step 10, B step 11, K black.

constexpr std::array<QRgb, 12> kCentreLadder = {
    0xff0000, 0xff8c00, 0xe6ff00, 0x5aff00, 0x00ff32, 0x00ffbe,
    0x00b3ff, 0x0027ff, 0x6500ff, 0xf100ff, 0xff0081, 0xff003f,
};

using LadderRows = char[GridRows][GridColumns + 1];

constexpr LadderRows kCentre104 = {
    "AK98765432123456789ABB", "A9876543210123456789AB", "987654321001233456789A",
    "A98765432100123456789A", "A98765432101233456789A", "A987654321123456789ABB"};
constexpr LadderRows kCentre108 = {
    "AK98765432123456789ABB", "A9876543210123456789AB", "9876543210012K3456789A",
    "A98765432100123456789A", "A987654321012K3456789A", "A987654321123456789ABB"};
constexpr LadderRows kCentre34 = {
    "432123456789ABBAK98765", "3210123456789ABA987654", "21001233456789A9876543",
    "A9800123456789A6543210", "32101233456789AA987654", "321123456789ABBA987654"};
constexpr LadderRows kCentre61 = {
    "8765432123456789ABBKKK", "76543210123456789ABKKK", "654321001234556789AKKK",
    "765432100123456789AKKK", "765432101234K56789AKKK", "7654321123456789ABBKKK"};
constexpr LadderRows kCentre63 = {
    "8765432123456789ABBKKK", "76543210123456789ABKKK", "654321001234556789AKKK",
    "765432100123456789AKKK", "76543210123456789AKKKK", "7654321123456789ABBKKK"};
constexpr LadderRows kCentre84 = {
    "8765432123456789ABBKKK", "76543210123456789ABKKK", "6543210012345K6789AKKK",
    "6K5432100123456789AKKK", "6K543210123456789AKKKK", "76543210123456789ABBKK"};
constexpr LadderRows kCentre87 = {
    "98765432123456789ABBKK", "876543210123456789ABKK", "7654321001234K56789AKK",
    "8765432100123456789AKK", "8765432101234K56789AKK", "87654321123456789ABBKK"};
constexpr LadderRows kCentre98 = {
    "98765432123456789ABBKK", "876543210123456789ABKK", "7654321001234K56789AKK",
    "8765432100123456789AKK", "8765432101234556789AKK", "87654321123456789ABBKK"};

constexpr int ladderStep(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch == 'A')
        return 10;
    if (ch == 'B')
        return 11;
    return -1; // black
}

constexpr Grid centreGrid(const LadderRows &rows)
{
    Grid g{};
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c) {
            const int step = ladderStep(rows[r][c]);
            g[r * GridColumns + c] = step < 0 ? 0u : kCentreLadder[step];
        }
    return g;
}

constexpr Grid kCentreGrid104 = centreGrid(kCentre104);
constexpr Grid kCentreGrid108 = centreGrid(kCentre108);
constexpr Grid kCentreGrid34 = centreGrid(kCentre34);
constexpr Grid kCentreGrid61 = centreGrid(kCentre61);
constexpr Grid kCentreGrid63 = centreGrid(kCentre63);
constexpr Grid kCentreGrid84 = centreGrid(kCentre84);
constexpr Grid kCentreGrid87 = centreGrid(kCentre87);
constexpr Grid kCentreGrid98 = centreGrid(kCentre98);

// ---------------------------------------------------------------------------
// Radar: a hue wheel around the middle of the board, red straight below the
// centre, the hue growing clockwise on screen. Every radar table is a window
// on this master grid.

constexpr QRgb kRadarMaster[GridRows][GridColumns] = {
    {0x35ff00, 0x2bff00, 0x21ff00, 0x14ff00, 0x0aff00, 0x00ff21, 0x00ff35, 0x00ff4c, 0x00ff5b, 0x00ff9d, 0x00ffd2, 0x009dff, 0x005bff, 0x003fff, 0x0021ff, 0x0800ff, 0x1200ff, 0x2100ff, 0x2b00ff, 0x3f00ff, 0x4900ff, 0x5300ff},
    {0x5bff00, 0x51ff00, 0x4bff00, 0x44ff00, 0x3fff00, 0x32ff00, 0x1eff00, 0x14ff00, 0x00ff1e, 0x00ff7f, 0x00ffff, 0x009dff, 0x0021ff, 0x1400ff, 0x3200ff, 0x3f00ff, 0x4300ff, 0x4700ff, 0x4b00ff, 0x4f00ff, 0x5300ff, 0x5700ff},
    {0x75ff00, 0x6fff00, 0x6aff00, 0x65ff00, 0x60ff00, 0x5bff00, 0x53ff00, 0x4bff00, 0x44ff00, 0x35ff00, 0x00ff3f, 0x3c00ff, 0x4e00ff, 0x5100ff, 0x5b00ff, 0x6000ff, 0x6500ff, 0x6a00ff, 0x6f00ff, 0x7400ff, 0x7900ff, 0x7b00ff},
    {0x3fff00, 0x49ff00, 0x53ff00, 0x5dff00, 0x64ff00, 0x6eff00, 0x7fff00, 0x9bff00, 0xb5ff00, 0xbfff00, 0xff7f00, 0xff00d3, 0xb900ff, 0xc600ff, 0xcd00ff, 0xa200ff, 0x9d00ff, 0x9800ff, 0x9300ff, 0x8e00ff, 0x8a00ff, 0x8500ff},
    {0x91ff00, 0x9bff00, 0xa5ff00, 0xafff00, 0xb5ff00, 0xbfff00, 0xd3ff00, 0xe7ff00, 0xffdd00, 0xff7f00, 0xff0021, 0xff009d, 0xff00d2, 0xff00e6, 0xf500ff, 0xdc00ff, 0xbf00ff, 0xc900ff, 0xbb00ff, 0xb100ff, 0xa700ff, 0x9d00ff},
    {0xafff00, 0xbfff00, 0xc9ff00, 0xd7ff00, 0xdcff00, 0xe6ff00, 0xffdd00, 0xffdd00, 0xff7f00, 0xff3f00, 0xff0000, 0xff007f, 0xff00bf, 0xff00d2, 0xff00e6, 0xf500ff, 0xeb00ff, 0xe100ff, 0xd700ff, 0xcd00ff, 0xbf00ff, 0xc900ff},
};

// Row r of the table takes master row sourceRow(r), columns `first` to 21,
// then the columns of `tailFirst` .. `tailFirst + tailCount - 1` (none when
// tailCount is 0); whatever is left of the row stays black.
constexpr Grid radarWindow(int first, int tailFirst, int tailCount, bool rowsShiftedDown)
{
    Grid g{};
    for (int r = 0; r < GridRows; ++r) {
        const int source = (rowsShiftedDown && r > 0) ? r - 1 : r;
        int c = 0;
        for (int m = first; m < GridColumns; ++m)
            g[r * GridColumns + c++] = kRadarMaster[source][m];
        for (int m = tailFirst; m < tailFirst + tailCount; ++m)
            g[r * GridColumns + c++] = kRadarMaster[source][m];
    }
    return g;
}

constexpr Grid kRadarFull = radarWindow(0, 0, 0, false);
// The pad at columns 18 to 21 shows the middle of the board.
constexpr Grid kRadar21 = [] {
    Grid g{};
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < 18; ++c)
            g[r * GridColumns + c] = kRadarMaster[r][c];
        for (int c = 18; c < GridColumns; ++c)
            g[r * GridColumns + c] = kRadarMaster[r][c - 10];
    }
    return g;
}();
constexpr Grid kRadar34 = radarWindow(7, 0, 7, false);
constexpr Grid kRadar61 = radarWindow(3, 0, 0, true);
constexpr Grid kRadar84 = radarWindow(3, 0, 0, false);
constexpr Grid kRadar87 = radarWindow(2, 0, 0, false);

// ---------------------------------------------------------------------------
// Effect palettes.

constexpr std::array<QRgb, 10> kTrail = {
    0xff00ff, 0xbf00ff, 0x9600ff, 0x7f00ff, 0x007fff, 0x00ffbf, 0x00ff3f, 0x7fff00, 0xffff00, 0xff7f00};
constexpr std::array<QRgb, 8> kCollision = {
    0xff00ff, 0x7f00ff, 0x007fff, 0x00ffbf, 0x00ff3f, 0xffff00, 0xff7f00, 0xff3f00};
constexpr std::array<QRgb, 8> kBreath = {
    0xff0000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0xff00ff, 0xffffff, 0x000000};
constexpr std::array<QRgb, 9> kTwinkle = {
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0xff00ff, 0xffffff, 0x000000};
constexpr std::array<QRgb, 6> kSpeedRespond = {
    0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0xff00ff, 0xff0000};
constexpr std::array<QRgb, 11> kMusicBand = {
    0xff0000, 0xff8000, 0xffff00, 0x80ff00, 0x00ff00, 0x00ff80, 0x00ffff, 0x0080ff, 0x0000ff, 0x8000ff, 0xff00ff};
// One band per column: only the four pad columns 18 to 21 are lit.
constexpr std::array<QRgb, 22> kMusicBand21 = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0xff0000, 0xffff00, 0x00ffff, 0x8000ff};
constexpr std::array<QRgb, 11> kMusicBand34 = {
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0x8000ff, 0, 0, 0, 0};
constexpr std::array<QRgb, 8> kMouseWave = {
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0xff00ff, 0x8000ff, 0x0000ff};
constexpr std::array<QRgb, 8> kMouseButton = {
    0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0x8000ff, 0xff00ff, 0xff0000};

// ---------------------------------------------------------------------------
// Side-light gradients.

constexpr QRgb rgb(int r, int g, int b)
{
    return (QRgb(r) << 16) | (QRgb(g) << 8) | QRgb(b);
}

constexpr std::array<QRgb, 8> kSideLindoque = {
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0x8000ff, 0xff00ff};
constexpr std::array<QRgb, 14> kSidePellumor = {
    0xff0000, 0xff5500, 0xffaa00, 0xffff00, 0x7fff00, 0x00ff21, 0x00ffbf,
    0x00ffff, 0x007fff, 0x0000ff, 0x5500ff, 0xab00ff, 0xff00bf, 0xff0055};
constexpr std::array<QRgb, 14> kSidePyrralt = {
    0x8000ff, 0x0000ff, 0x00ffff, 0x00ff00, 0xffff00, 0xff8000, 0xff0000,
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0x8000ff};
constexpr std::array<QRgb, 16> kSideCimmaro = {
    0x8000ff, 0x0000ff, 0x0080ff, 0x00ffff, 0x00ff00, 0xffff00, 0xff8000, 0xff0000,
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0080ff, 0x0000ff, 0x8000ff};

// Six ramps of step 38 around the hue circle.
constexpr std::array<QRgb, 41> kSideAvelorn = [] {
    std::array<QRgb, 41> a{};
    int i = 0;
    for (int k = 0; k < 7; ++k) a[i++] = rgb(255, 38 * k, 0);
    for (int k = 0; k < 7; ++k) a[i++] = rgb(246 - 38 * k, 255, 0);
    for (int k = 0; k < 7; ++k) a[i++] = rgb(0, 255, 20 + 38 * k);
    for (int k = 0; k < 6; ++k) a[i++] = rgb(0, 226 - 38 * k, 255);
    for (int k = 0; k < 7; ++k) a[i++] = rgb(2 + 38 * k, 0, 255);
    for (int k = 0; k < 7; ++k) a[i++] = rgb(255, 0, 244 - 38 * k);
    return a;
}();

// The 15-degree ramp of 22 steps, then its first 11 steps again.
constexpr std::array<QRgb, 33> kSideOstrevi = [] {
    std::array<QRgb, 33> a{};
    for (int i = 0; i < GridColumns; ++i)
        a[i] = kLineGridA[1][i];
    for (int i = 0; i < 11; ++i)
        a[GridColumns + i] = kLineGridA[1][i];
    return a;
}();

// Seven runs that end on red again.
constexpr std::array<QRgb, 33> kSideParvisso = [] {
    std::array<QRgb, 33> a{};
    int i = 0;
    for (int k = 0; k < 5; ++k) a[i++] = rgb(255, 52 * k, 0);
    for (QRgb v : {0xfcff00u, 0xc8ff00u, 0x74ff00u, 0x40ff00u, 0x0cff00u}) a[i++] = v;
    for (int k = 0; k < 4; ++k) a[i++] = rgb(0, 255, 52 + 52 * k);
    a[i++] = 0x00fffc;
    for (int k = 0; k < 6; ++k) a[i++] = rgb(0, 210 - 42 * k, 255);
    for (int k = 0; k < 5; ++k) a[i++] = rgb(42 + 42 * k, 0, 255);
    for (int k = 0; k < 7; ++k) a[i++] = rgb(255, 0, 252 - 42 * k);
    return a;
}();

// Six ramps of step 31 around the hue circle.
constexpr std::array<QRgb, 49> kSideUrrasque = [] {
    std::array<QRgb, 49> a{};
    int i = 0;
    for (int k = 0; k < 9; ++k) a[i++] = rgb(255, 31 * k, 0);
    for (int k = 0; k < 8; ++k) a[i++] = rgb(233 - 31 * k, 255, 0);
    for (int k = 0; k < 8; ++k) a[i++] = rgb(0, 255, 15 + 31 * k);
    for (int k = 0; k < 9; ++k) a[i++] = rgb(0, 249 - 31 * k, 255);
    for (int k = 0; k < 8; ++k) a[i++] = rgb(30 + 31 * k, 0, 255);
    for (int k = 0; k < 7; ++k) a[i++] = rgb(255, 0, 234 - 31 * k);
    return a;
}();

template <std::size_t N>
constexpr ColorTable listOf(const std::array<QRgb, N> &a, int size = int(N))
{
    return ColorTable(a.data(), size, size);
}

constexpr ColorTable gridOf(const Grid &g)
{
    return ColorTable(g.data(), GridSize, GridColumns);
}

constexpr ColorTable wideGridOf(const WideGrid &g)
{
    return ColorTable(g.data(), WideSize, WideRowLength);
}

} // namespace

constexpr ColorTable waveLineColors104 = wideGridOf(kWideLineA);
constexpr ColorTable waveLineColors108 = wideGridOf(kWideLineA);
constexpr ColorTable waveLineColors21 = wideGridOf(kWideLineA);
constexpr ColorTable waveLineColors98 = wideGridOf(kWideLineA);
constexpr ColorTable waveLineColors34 = gridOf(kLineA);
constexpr ColorTable waveLineColors61 = gridOf(kLineB);
constexpr ColorTable waveLineColors63 = gridOf(kLineB);
constexpr ColorTable waveLineColors68 = gridOf(kLineB);
constexpr ColorTable waveLineColors84 = gridOf(kLineB);
constexpr ColorTable waveLineColors87 = gridOf(kLineB);

constexpr ColorTable waveCentreColors104 = gridOf(kCentreGrid104);
constexpr ColorTable waveCentreColors108 = gridOf(kCentreGrid108);
constexpr ColorTable waveCentreColors21 = gridOf(kCentreGrid108);
constexpr ColorTable waveCentreColors34 = gridOf(kCentreGrid34);
constexpr ColorTable waveCentreColors61 = gridOf(kCentreGrid61);
constexpr ColorTable waveCentreColors63 = gridOf(kCentreGrid63);
constexpr ColorTable waveCentreColors68 = gridOf(kCentreGrid61);
constexpr ColorTable waveCentreColors84 = gridOf(kCentreGrid84);
constexpr ColorTable waveCentreColors87 = gridOf(kCentreGrid87);
constexpr ColorTable waveCentreColors98 = gridOf(kCentreGrid98);
constexpr ColorTable waveCentreLadder = listOf(kCentreLadder);

constexpr ColorTable radarMasterGrid = gridOf(kRadarFull);
constexpr ColorTable radarColors104 = gridOf(kRadarFull);
constexpr ColorTable radarColors108 = gridOf(kRadarFull);
constexpr ColorTable radarColors21 = gridOf(kRadar21);
constexpr ColorTable radarColors34 = gridOf(kRadar34);
constexpr ColorTable radarColors61 = gridOf(kRadar61);
constexpr ColorTable radarColors63 = gridOf(kRadar61);
constexpr ColorTable radarColors68 = gridOf(kRadar61);
constexpr ColorTable radarColors84 = gridOf(kRadar84);
constexpr ColorTable radarColors87 = gridOf(kRadar87);
constexpr ColorTable radarColors98 = gridOf(kRadar87);

constexpr ColorTable trailColors = listOf(kTrail);
constexpr ColorTable collisionColors = listOf(kCollision);
constexpr ColorTable breathColors = listOf(kBreath);
constexpr ColorTable twinkleColors = listOf(kTwinkle);
constexpr ColorTable speedRespondColors = listOf(kSpeedRespond);
constexpr ColorTable musicBandColors = listOf(kMusicBand);
constexpr ColorTable musicBandColors21 = listOf(kMusicBand21);
constexpr ColorTable musicBandColors34 = listOf(kMusicBand34);
constexpr ColorTable mouseWaveColors = listOf(kMouseWave);
constexpr ColorTable mouseButtonColors = listOf(kMouseButton);

constexpr ColorTable sideWaveColorsLindoque = listOf(kSideLindoque);
constexpr ColorTable sideWaveColorsPellumor = listOf(kSidePellumor);
constexpr ColorTable sideWaveColorsPyrralt = listOf(kSidePyrralt);
constexpr ColorTable sideWaveColorsCimmaro = listOf(kSideCimmaro);
constexpr ColorTable sideWaveColorsAvelorn = listOf(kSideAvelorn);
constexpr ColorTable sideWaveColorsOstrevi = listOf(kSideOstrevi);
constexpr ColorTable sideWaveColorsParvisso = listOf(kSideParvisso);
constexpr ColorTable sideWaveColorsUrrasque = listOf(kSideUrrasque);
constexpr ColorTable sideWaveColorsWolvarne = listOf(kSideUrrasque, 45);

namespace {

const ColorTable kEmptyTable;

// Index of a key count in the engines' order of supported counts; -1 for a
// count that has no tables of its own.
int keyCountSlot(int keyCount)
{
    switch (keyCount) {
    case 104: return 0;
    case 108: return 1;
    case 21: return 2;
    case 34: return 3;
    case 61: return 4;
    case 63: return 5;
    case 68: return 6;
    case 84: return 7;
    case 87: return 8;
    case 98: return 9;
    default: return -1;
    }
}

// The numbered tables, colorTable0 to colorTable52. Per-key families run in
// the key-count order 104, 108, 21, 34, 61, 63, 68, 84, 87, 98.
const ColorTable *const kNumbered[] = {
    // 0..9: centre rainbows
    &waveCentreColors104, &waveCentreColors108, &waveCentreColors21, &waveCentreColors34,
    &waveCentreColors61, &waveCentreColors63, &waveCentreColors68, &waveCentreColors84,
    &waveCentreColors87, &waveCentreColors98,
    // 10..19: line rainbows (19 is the 98-key one)
    &waveLineColors104, &waveLineColors108, &waveLineColors21, &waveLineColors34,
    &waveLineColors61, &waveLineColors63, &waveLineColors68, &waveLineColors84,
    &waveLineColors87, &waveLineColors98,
    // 20
    &mouseWaveColors,
    // 21..29: side gradients
    &sideWaveColorsLindoque, &sideWaveColorsPellumor, &sideWaveColorsPyrralt,
    &sideWaveColorsCimmaro, &sideWaveColorsAvelorn, &sideWaveColorsOstrevi,
    &sideWaveColorsParvisso, &sideWaveColorsUrrasque, &sideWaveColorsWolvarne,
    // 30..39
    &trailColors, nullptr, &musicBandColors, nullptr, &musicBandColors21, &musicBandColors34,
    nullptr, &twinkleColors, &breathColors, nullptr,
    // 40..49: radar
    &radarColors104, &radarColors108, &radarColors21, &radarColors34, &radarColors61,
    &radarColors63, &radarColors68, &radarColors84, &radarColors87, &radarColors98,
    // 50..52
    &speedRespondColors, &mouseButtonColors, &collisionColors,
};
constexpr int NumberedCount = int(sizeof(kNumbered) / sizeof(kNumbered[0]));
static_assert(NumberedCount == 53, "colorTable0 to colorTable52");

constexpr int CentreFirst = 0;
constexpr int LineFirst = 10;
constexpr int RadarFirst = 40;

} // namespace

const ColorTable &colorTable(int number)
{
    if (number < 0 || number >= NumberedCount || !kNumbered[number])
        return kEmptyTable;
    return *kNumbered[number];
}

namespace {

// The key count's table of a per-key family; an unlisted count takes 104's.
const ColorTable &perKeyCountTable(int first, int keyCount)
{
    const int slot = keyCountSlot(keyCount);
    return colorTable(first + (slot < 0 ? 0 : slot));
}

} // namespace

const ColorTable &waveLineColorsFor(int keyCount)
{
    return perKeyCountTable(LineFirst, keyCount);
}

const ColorTable &waveCentreColorsFor(int keyCount)
{
    return perKeyCountTable(CentreFirst, keyCount);
}

const ColorTable &radarColorsFor(int keyCount)
{
    return perKeyCountTable(RadarFirst, keyCount);
}

const ColorTable &musicBandColorsFor(int keyCount)
{
    if (keyCount == 21)
        return musicBandColors21;
    if (keyCount == 34)
        return musicBandColors34;
    return musicBandColors;
}

const ColorTable &sideWaveColorsFor(const QString &modelName)
{
    struct Entry { const char *model; const ColorTable *table; };
    static const Entry kModels[] = {
        {"Lindoque", &sideWaveColorsLindoque}, {"Pellumor", &sideWaveColorsPellumor},
        {"Pyrralt", &sideWaveColorsPyrralt},   {"Cendrow", &sideWaveColorsPyrralt},
        {"Cimmaro", &sideWaveColorsCimmaro},   {"Corvenne", &sideWaveColorsCimmaro},
        {"Avelorn", &sideWaveColorsAvelorn},   {"Ostrevi", &sideWaveColorsOstrevi},
        {"Parvisso", &sideWaveColorsParvisso}, {"Ulvarine", &sideWaveColorsParvisso},
        {"Urrasque", &sideWaveColorsUrrasque}, {"Wolvarne", &sideWaveColorsWolvarne},
    };
    for (const Entry &e : kModels)
        if (modelName == QLatin1String(e.model))
            return *e.table;
    return kEmptyTable;
}

} // namespace ColorTables
