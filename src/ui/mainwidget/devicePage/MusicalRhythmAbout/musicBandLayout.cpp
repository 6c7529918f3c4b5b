#include "musicBandLayout.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

int musicBandLayout::bandCountFor(int keyCount, int bandCount)
{
    if (keyCount == 21)
        bandCount = 22;
    else if (keyCount == 34)
        bandCount = 7;
    // A count below 1 would divide by zero; more than 22 cannot have columns.
    return std::clamp(bandCount, 1, maxBands);
}

int musicBandLayout::columnCountFor(int keyCount)
{
    switch (keyCount) {
    case 34:
        return 7;
    case 61:
    case 63:
        return 15;
    case 84:
        return 16;
    case 87:
        return 18;
    case 98:
        return 19;
    default:
        return columns;
    }
}

int musicBandLayout::levelOf(double value)
{
    if (!(value >= 0.1))
        return 0;
    if (value < 0.25)
        return 1;
    if (value < 0.4)
        return 2;
    if (value < 0.55)
        return 3;
    if (value < 0.7)
        return 4;
    return maxLevel;
}

std::array<int, musicBandLayout::maxBands> musicBandLayout::columnsPerBand(int columnCount, int bandCount)
{
    std::array<int, maxBands> result {};
    bandCount = std::clamp(bandCount, 1, maxBands);
    const int perBand = columnCount / bandCount;
    const int extra = columnCount % bandCount;
    const int firstWide = bandCount / 2 - extra / 2;
    for (int band = 0; band < bandCount; ++band) {
        const bool wide = extra != 0 && band >= firstWide && band < firstWide + extra;
        result[band] = perBand + (wide ? 1 : 0);
    }
    return result;
}

void musicBandLayout::init(int keyCount, int bandCount, double lowFrequency, double highFrequency)
{
    bandCount = bandCountFor(keyCount, bandCount);
    m_bandValues = QVector<bandEntry>(bandCount);
    m_lowFrequency = lowFrequency;
    m_highFrequency = highFrequency;
    m_columnBand.fill(0);

    m_bandColumns = columnsPerBand(columnCountFor(keyCount), bandCount);

    // Columns left over after the last band belong to band 0.
    int column = 0;
    for (int band = 0; band < bandCount; ++band) {
        for (int n = 0; n < m_bandColumns[band] && column < columns; ++n)
            m_columnBand[column++] = band;
    }
    qDebug() << "------------- Init [Musical Rhythm] Over ---------------";
}

int musicBandLayout::bandOfColumn(int column) const
{
    return (column >= 0 && column < columns) ? m_columnBand[column] : 0;
}

bool musicBandLayout::limitsUsable() const
{
    return std::isfinite(m_lowFrequency) && std::isfinite(m_highFrequency) && m_lowFrequency < m_highFrequency
        && !m_bandValues.isEmpty();
}

int musicBandLayout::bandIndexOf(double frequency) const
{
    const int count = bandCount();
    if (count == 0 || !limitsUsable())
        return 0;
    const double width = (m_highFrequency - m_lowFrequency) / count;
    const int band = int((frequency - m_lowFrequency) / width);
    return std::clamp(band, 0, count - 1);
}

void musicBandLayout::fold(const FrequencySpectrum &spectrum)
{
    for (bandEntry &entry : m_bandValues)
        entry = bandEntry();
    if (!limitsUsable())
        return;
    for (const FrequencySpectrum::Element &element : spectrum) {
        if (!(element.frequency >= m_lowFrequency && element.frequency < m_highFrequency))
            continue;
        bandEntry &entry = m_bandValues[bandIndexOf(element.frequency)];
        entry.value = std::max(entry.value, element.amplitude);
        entry.clipped = entry.clipped || element.clipped;
    }
}
