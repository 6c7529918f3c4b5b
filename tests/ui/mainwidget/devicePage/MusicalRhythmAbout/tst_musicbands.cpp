// How the music effect shares the key columns among bands and folds a
// spectrum into them.

#include "musicBandLayout.h"

#include <QtTest>

#include <cmath>
#include <limits>

using Columns = QVector<int>;
Q_DECLARE_METATYPE(Columns)

namespace {

Columns bandColumnsOf(const std::array<int, musicBandLayout::maxBands> &all, int bands)
{
    return Columns(all.begin(), all.begin() + bands);
}

// A spectrum with the given elements only.
FrequencySpectrum spectrumOf(const QVector<FrequencySpectrum::Element> &elements)
{
    FrequencySpectrum spectrum(elements.size());
    for (int i = 0; i < elements.size(); ++i) {
        spectrum[i].frequency = elements[i].frequency;
        spectrum[i].amplitude = elements[i].amplitude;
        spectrum[i].clipped = elements[i].clipped;
    }
    return spectrum;
}

FrequencySpectrum::Element element(double frequency, double amplitude, bool clipped = false)
{
    FrequencySpectrum::Element e;
    e.frequency = frequency;
    e.amplitude = amplitude;
    e.clipped = clipped;
    return e;
}

} // namespace

class tst_musicBands : public QObject
{
    Q_OBJECT

private slots:
    void columnsPerBand_data();
    void columnsPerBand();
    void layoutByKeyCount_data();
    void layoutByKeyCount();
    void columnOwnership();
    void levels_data();
    void levels();
    void folding();
    void unusableLimitsLightNothing_data();
    void unusableLimitsLightNothing();
};

void tst_musicBands::columnsPerBand_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("bands");
    QTest::addColumn<Columns>("expected");
    QTest::newRow("22 columns") << 22 << 11 << Columns {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("19 columns") << 19 << 11 << Columns {1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("18 columns") << 18 << 11 << Columns {1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("16 columns") << 16 << 11 << Columns {1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    QTest::newRow("15 columns") << 15 << 11 << Columns {1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
    QTest::newRow("7 columns") << 7 << 11 << Columns {0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    QTest::newRow("one band") << 22 << 1 << Columns {22};
    QTest::newRow("no band given") << 22 << 0 << Columns {22};
}

void tst_musicBands::columnsPerBand()
{
    QFETCH(int, columns);
    QFETCH(int, bands);
    QFETCH(Columns, expected);
    const auto all = musicBandLayout::columnsPerBand(columns, bands);
    QCOMPARE(bandColumnsOf(all, expected.size()), expected);
    // Bands past the count have no columns; together they hold every column.
    int total = 0;
    for (int n = 0; n < musicBandLayout::maxBands; ++n) {
        if (n >= expected.size())
            QCOMPARE(all[n], 0);
        total += all[n];
    }
    QCOMPARE(total, columns);
}

void tst_musicBands::layoutByKeyCount_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("expectedBands");
    QTest::addColumn<Columns>("expected");
    QTest::newRow("98 keys") << 98 << 11 << 11 << Columns {1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("61 keys") << 61 << 11 << 11 << Columns {1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
    QTest::newRow("104 keys") << 104 << 11 << 11 << Columns {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("21 keys: a band per column") << 21 << 11 << 22 << Columns(22, 1);
    QTest::newRow("34 keys: seven bands") << 34 << 11 << 7 << Columns(7, 1);
    QTest::newRow("band count 0") << 104 << 0 << 1 << Columns {22};
    QTest::newRow("band count -3") << 87 << -3 << 1 << Columns {18};
    QTest::newRow("band count 40") << 104 << 40 << 22 << Columns(22, 1);
}

void tst_musicBands::layoutByKeyCount()
{
    QFETCH(int, keys);
    QFETCH(int, bands);
    QFETCH(int, expectedBands);
    QFETCH(Columns, expected);
    musicBandLayout layout;
    layout.init(keys, bands, 30.0, 930.0);
    QCOMPARE(layout.bandCount(), expectedBands);
    QCOMPARE(layout.bandValues().size(), expectedBands);
    QCOMPARE(bandColumnsOf(layout.bandColumns(), expectedBands), expected);
    // Every band index a column gets stays within the count.
    for (int column = 0; column < musicBandLayout::columns; ++column)
        QVERIFY(layout.bandOfColumn(column) >= 0 && layout.bandOfColumn(column) < expectedBands);
}

void tst_musicBands::columnOwnership()
{
    musicBandLayout layout;
    layout.init(98, 11, 30.0, 930.0);
    const int expected[22] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 10, 0, 0, 0};
    for (int column = 0; column < 22; ++column)
        QCOMPARE(layout.bandOfColumn(column), expected[column]);

    layout.init(34, 11, 30.0, 930.0);
    for (int column = 0; column < 22; ++column)
        QCOMPARE(layout.bandOfColumn(column), column < 7 ? column : 0);

    layout.init(21, 11, 30.0, 930.0);
    for (int column = 0; column < 22; ++column)
        QCOMPARE(layout.bandOfColumn(column), column);
}

void tst_musicBands::levels_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("level");
    QTest::newRow("0.7 lights six rows") << 0.7 << 5;
    QTest::newRow("0.69 lights five") << 0.69 << 4;
    QTest::newRow("0.05 lights none") << 0.05 << 0;
    QTest::newRow("negative") << -0.3 << 0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("0.1") << 0.1 << 1;
    QTest::newRow("0.25") << 0.25 << 2;
    QTest::newRow("0.4") << 0.4 << 3;
    QTest::newRow("0.55") << 0.55 << 4;
    QTest::newRow("1.0") << 1.0 << 5;
}

void tst_musicBands::levels()
{
    QFETCH(double, value);
    QFETCH(int, level);
    QCOMPARE(musicBandLayout::levelOf(value), level);
}

void tst_musicBands::folding()
{
    musicBandLayout layout;
    layout.init(104, 11, 30.0, 930.0);
    // 900 Hz in 11 bands of 81.8 Hz.
    QCOMPARE(layout.bandIndexOf(30.0), 0);
    QCOMPARE(layout.bandIndexOf(344.53125), 3);
    QCOMPARE(layout.bandIndexOf(std::nextafter(930.0, 0.0)), 10);
    const FrequencySpectrum spectrum = spectrumOf({
        element(29.99, 0.9),                // below the low limit
        element(30.0, 0.3),                 // the first band's lowest frequency
        element(40.0, 0.5, true),           // the louder one counts; a clip is kept
        element(60.0, 0.2),
        element(344.53125, 0.8),
        element(std::nextafter(930.0, 0.0), 0.6),
        element(930.0, 1.0, true),          // the high limit itself is out
    });
    layout.fold(spectrum);
    const QVector<musicBandLayout::bandEntry> &bands = layout.bandValues();
    QCOMPARE(bands[0].value, 0.5);
    QVERIFY(bands[0].clipped);
    QCOMPARE(bands[3].value, 0.8);
    QVERIFY(!bands[3].clipped);
    QCOMPARE(bands[10].value, 0.6);
    QVERIFY(!bands[10].clipped);
    for (int band : {1, 2, 4, 5, 6, 7, 8, 9})
        QCOMPARE(bands[band].value, 0.0);
    QCOMPARE(layout.bandLevel(3), 5);
    QCOMPARE(layout.bandLevel(10), 4);

    // Each fold starts from zero.
    layout.fold(spectrumOf({element(344.53125, 0.2)}));
    QCOMPARE(layout.bandValues()[0].value, 0.0);
    QVERIFY(!layout.bandValues()[0].clipped);
    QCOMPARE(layout.bandValues()[3].value, 0.2);
}

void tst_musicBands::unusableLimitsLightNothing_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("equal") << 300.0 << 300.0;
    QTest::newRow("reversed") << 930.0 << 30.0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 930.0;
    QTest::newRow("infinite") << 30.0 << std::numeric_limits<double>::infinity();
}

void tst_musicBands::unusableLimitsLightNothing()
{
    QFETCH(double, low);
    QFETCH(double, high);
    musicBandLayout layout;
    layout.init(104, 11, low, high);
    QVERIFY(!layout.limitsUsable());
    layout.fold(spectrumOf({element(300.0, 1.0, true), element(500.0, 0.9), element(30.0, 0.9)}));
    for (const musicBandLayout::bandEntry &band : layout.bandValues()) {
        QCOMPARE(band.value, 0.0);
        QVERIFY(!band.clipped);
    }
    QCOMPARE(layout.bandIndexOf(300.0), 0);
}

QTEST_GUILESS_MAIN(tst_musicBands)
#include "tst_musicbands.moc"
