#pragma once

#include "FrequencySpectrum.h"

#include <QVector>

#include <array>

// How the music effect shares the 22 key columns among frequency bands, and
// how a spectrum folds into those bands: each band keeps the loudest
// amplitude that falls into its slice of low..high.
class musicBandLayout
{
public:
    static constexpr int columns = 22;
    static constexpr int maxBands = 22;
    static constexpr int maxLevel = 5;

    struct bandEntry
    {
        double value = 0.0;
        bool clipped = false;
    };

    // The band count a keyboard gets: 22 for 21 keys, 7 for 34 keys (one
    // column each, to match their palettes), otherwise the given count;
    // always within 1..22.
    static int bandCountFor(int keyCount, int bandCount);
    // The key columns the bands share: 7 for 34 keys, 15 for 61 or 63, 16 for
    // 84, 18 for 87, 19 for 98, 22 otherwise.
    static int columnCountFor(int keyCount);
    // The columns of each band when bandCount (1..22) bands share
    // columnCount columns: evenly, the remainder going to the middle bands.
    static std::array<int, maxBands> columnsPerBand(int columnCount, int bandCount);
    // The bar height of a band value: 0 below 0.1, then one more every 0.15
    // up to 5 from 0.7.
    static int levelOf(double value);

    void init(int keyCount, int bandCount, double lowFrequency, double highFrequency);

    int bandCount() const { return m_bandValues.count(); }
    double lowFrequency() const { return m_lowFrequency; }
    double highFrequency() const { return m_highFrequency; }
    // Columns of each band; bands beyond the count have none.
    const std::array<int, maxBands> &bandColumns() const { return m_bandColumns; }
    int bandOfColumn(int column) const;
    // Whether low..high can be split into bands at all.
    bool limitsUsable() const;
    // The band of a frequency within low..high; past the top it is the last
    // band, so rounding just under the high limit cannot leave the bands.
    int bandIndexOf(double frequency) const;

    // Every band back to 0, then the spectrum's elements within low..high
    // folded in. Nothing is folded while the limits are unusable.
    void fold(const FrequencySpectrum &spectrum);
    const QVector<bandEntry> &bandValues() const { return m_bandValues; }
    int bandLevel(int band) const { return levelOf(m_bandValues[band].value); }

private:
    QVector<bandEntry> m_bandValues;
    double m_lowFrequency = 0.0;
    double m_highFrequency = 0.0;
    std::array<int, maxBands> m_bandColumns {};
    std::array<int, columns> m_columnBand {};
};
