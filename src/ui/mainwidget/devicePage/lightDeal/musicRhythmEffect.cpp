#include "musicRhythmEffect.h"

#include "ColorTables.h"
#include "colorArithmetic.h"

#include <algorithm>

namespace {

constexpr int rows = keyEffectGenerator::rows;
constexpr int columns = keyEffectGenerator::columns;
constexpr int bottomRow = rows - 1;
constexpr int stateIdle = 0;
constexpr int stateFalling = 2;

} // namespace

musicRhythmEffect::musicRhythmEffect(keyEffectGenerator &keys, const lightZoneSettings &zone)
    : m_keys(keys)
    , m_zone(zone)
{
}

void musicRhythmEffect::applyBandLevels(const musicBandLayout &layout, bool lightingOn)
{
    int first = 0;
    for (int band = 0; band < layout.bandCount(); ++band) {
        const int count = layout.bandColumns()[band];
        if (count > 0 && lightingOn)
            lightBandColumns(layout.bandLevel(band), first, count);
        first += count;
    }
}

void musicRhythmEffect::lightBandColumns(int level, int firstColumn, int count)
{
    const int lastColumn = std::min(firstColumn + count, columns);
    for (int height = 0; height < rows; ++height) {
        const int row = bottomRow - height;
        for (int column = std::max(firstColumn, 0); column < lastColumn; ++column) {
            keyEffectRecord &record = m_keys.record(row, column);
            if (height > level) {
                record.level = 0;
                record.state = stateIdle;
                record.value = 0;
            } else {
                record.level = 255;
                record.state = height == level ? stateFalling : stateIdle;
                record.value = level;
            }
        }
    }
}

void musicRhythmEffect::initMusicEffect(const musicBandLayout &layout)
{
    // A band past the end of its palette reads black.
    const ColorTable &palette = ColorTables::musicBandColorsFor(m_keys.keyCount());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QColor colour = m_zone.fullColor() ? palette.at(layout.bandOfColumn(column)) : m_zone.userColor();
            keyEffectRecord &record = m_keys.record(row, column);
            record = keyEffectRecord();
            record.red = colour.red();
            record.green = colour.green();
            record.blue = colour.blue();
        }
    }
}

void musicRhythmEffect::stepMusicEffect()
{
    const QColor &background = m_zone.background();
    const bool blackBackground = m_zone.backgroundBlack();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            keyEffectRecord &record = m_keys.record(row, column);
            if (stepChannel(record.level, fallStep, uint8_t(record.state)) == channelFloored) {
                record.state = stateIdle;
                if (row < bottomRow)
                    m_keys.record(row + 1, column).state = stateFalling;
            }
            const int intensity = record.value == 0 ? 0 : record.level;
            const QColor colour(blendChannel(record.red, intensity, background.red()),
                                blendChannel(record.green, intensity, background.green()),
                                blendChannel(record.blue, intensity, background.blue()));
            int alpha = 180;
            if (blackBackground) {
                const bool black = colour.red() == 0 && colour.green() == 0 && colour.blue() == 0;
                alpha = black ? 0 : std::min(record.level, 200);
            }
            QColor shown(colour);
            shown.setAlpha(alpha);
            m_keys.setFrameColor(row * columns + column, m_zone.applyBrightness(shown));
        }
    }
}
