// Key effect 100, "Musical Rhythm": bars from band levels, their fall, the
// colours, and the engine's music path fed by a fake loopback source.

#include "ColorTables.h"
#include "DSoundCardAudioCapture.h"
#include "SpectrumAnalyser.h"
#include "SpectrumAnalyserThread.h"
#include "fakeLoopbackSource.h"
#include "lightDealMain.h"
#include "manualTickClock.h"
#include "musicRhythmEffect.h"
#include "pcmSignals.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QColor)

namespace {

constexpr int rows = keyEffectGenerator::rows;
constexpr int columns = keyEffectGenerator::columns;
constexpr int bottomRow = rows - 1;
constexpr int band3FirstColumn = 6; // 104 keys, 11 bands of two columns
constexpr double band3Frequency = 344.53125;
constexpr int packetBytes = 1764; // 10 ms of 16-bit stereo at 44100 Hz

colorInfoData musicConfig(bool fullColor, const QColor &user = QColor(0, 0, 0),
                          const QColor &background = QColor(0, 0, 0), int type = 100, int direction = 0)
{
    colorInfoData info {};
    info.ledType = type;
    info.ledBrightness = 4;
    info.ledSpeed = 2;
    info.ledModeR = user.red();
    info.ledModeG = user.green();
    info.ledModeB = user.blue();
    info.ledBgR = background.red();
    info.ledBgG = background.green();
    info.ledBgB = background.blue();
    info.ledDirection = direction;
    info.ledModeType = fullColor ? 1 : 0;
    return info;
}

FrequencySpectrum spectrumAt(double frequency, double amplitude)
{
    FrequencySpectrum spectrum(1);
    spectrum[0].frequency = frequency;
    spectrum[0].amplitude = amplitude;
    return spectrum;
}

bool sameAmplitudes(const FrequencySpectrum &a, const FrequencySpectrum &b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        if (a[i].amplitude != b[i].amplitude || a[i].frequency != b[i].frequency)
            return false;
    }
    return true;
}

// The pure effect over a key generator, with a 104-key band layout.
struct effectFixture
{
    lightZoneSettings zone;
    breathState breath;
    keyEffectGenerator keys {zone, breath};
    musicBandLayout bands;
    musicRhythmEffect effect {keys, zone};

    explicit effectFixture(const colorInfoData &config = musicConfig(true), int keyCount = 104, int bandCount = 11)
    {
        zone.apply(config);
        keys.setKeyCount(keyCount);
        bands.init(keyCount, bandCount, 30.0, 930.0);
        effect.initMusicEffect(bands);
    }

    // Folds a spectrum and lights the bars, as the engine does.
    void show(const FrequencySpectrum &spectrum)
    {
        bands.fold(spectrum);
        effect.applyBandLevels(bands, true);
    }

    void ticks(int count)
    {
        for (int n = 0; n < count; ++n)
            effect.stepMusicEffect();
    }

    QColor frame(int row, int column) const { return keys.frame()[row * columns + column]; }
    const keyEffectRecord &record(int row, int column) const { return keys.record(row, column); }
};

// An engine on a hand-moved clock whose capture reads a fake source.
struct engineFixture
{
    manualTickClock clock;
    lightDealMain engine {nullptr, &clock};
    fakeLoopbackSource::record counts;
    fakeLoopbackSource *source = nullptr;

    explicit engineFixture(int keyCount = 104)
    {
        auto fake = std::make_unique<fakeLoopbackSource>(counts);
        source = fake.get();
        engine.musicCapture()->setSource(std::move(fake));
        engine.setKeyCount(keyCount);
        engine.initMusicalRhythm(keyCount, 11, 30.0, 930.0);
    }

    // The device page's order: the set-up, then the music switch.
    void selectEffect(const colorInfoData &config)
    {
        engine.setKeyLightConfig(config);
        engine.setMusicMode(config.ledType == 100);
    }

    QColor frame(int row, int column) const { return engine.keyColors()[row * columns + column]; }
    const keyEffectRecord &record(int row, int column) const { return engine.keyEffects().record(row, column); }

    bool frameIs(const QColor &colour) const
    {
        for (const QColor &cell : engine.keyColors()) {
            if (cell != colour)
                return false;
        }
        return true;
    }
};

} // namespace

class tst_musicEffect : public QObject
{
    Q_OBJECT

private slots:
    void barHeights_data();
    void barHeights();
    void barFallsFromTheTop();
    void cellColours_data();
    void cellColours();
    void palettes_data();
    void palettes();

    void bandSwitchByLedType20();
    void analysisCadence();
    void musicModeSwitch();
    void failedCaptureShowsBackground();
    void leavingEffect100();
    void spectrumIgnoredOutsideMusicMode();
    void packetsCrossThreadsWhole();
    void toneLightsItsColumns();
};

void tst_musicEffect::barHeights_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<int>("litRows");
    QTest::newRow("0.7") << 0.7 << 6;
    QTest::newRow("0.69") << 0.69 << 5;
    QTest::newRow("0.3") << 0.3 << 3;
    QTest::newRow("0.05") << 0.05 << 0;
}

void tst_musicEffect::barHeights()
{
    QFETCH(double, amplitude);
    QFETCH(int, litRows);
    effectFixture f;
    f.show(spectrumAt(band3Frequency, amplitude));
    f.ticks(1);
    const int level = litRows == 0 ? 0 : litRows - 1;
    for (int column : {band3FirstColumn, band3FirstColumn + 1}) {
        for (int height = 0; height < rows; ++height) {
            const keyEffectRecord &record = f.record(bottomRow - height, column);
            const bool set = height <= level;
            QCOMPARE(record.value, set ? level : 0);
            QCOMPARE(record.state, height == level ? 2 : 0);
            // The top of the bar starts to fall at once; the rest stands. At
            // level 0 the bottom cell is set, but dark.
            QCOMPARE(record.level, !set ? 0 : (height == level ? 230 : 255));
            QCOMPARE(f.frame(bottomRow - height, column).alpha() > 0, height < litRows);
        }
    }
    // The neighbouring bands stay dark.
    for (int height = 0; height < rows; ++height) {
        QCOMPARE(f.frame(bottomRow - height, band3FirstColumn - 1).alpha(), 0);
        QCOMPARE(f.frame(bottomRow - height, band3FirstColumn + 2).alpha(), 0);
    }
}

void tst_musicEffect::barFallsFromTheTop()
{
    effectFixture f;
    f.show(spectrumAt(band3Frequency, 1.0));
    const int column = band3FirstColumn;

    // Eleven ticks from 255 before the top has faded; the cell below stands.
    f.ticks(10);
    QCOMPARE(f.record(0, column).level, 5);
    QCOMPARE(f.record(0, column).state, 2);
    QCOMPARE(f.record(1, column).level, 255);
    QCOMPARE(f.record(1, column).state, 0);
    f.ticks(1);
    QCOMPARE(f.record(0, column).level, 0);
    QCOMPARE(f.record(0, column).state, 0);
    QCOMPARE(f.record(1, column).state, 2);
    QCOMPARE(f.record(1, column).level, 230);
    QCOMPARE(f.record(2, column).level, 255);

    // Cell by cell the bar goes out; the bottom cell hands the fall to no one.
    f.ticks(60);
    for (int row = 0; row < rows; ++row) {
        QCOMPARE(f.record(row, column).level, 0);
        QCOMPARE(f.record(row, column).state, 0);
        QCOMPARE(f.frame(row, column).alpha(), 0);
    }

    // A new spectrum lights it again.
    f.show(spectrumAt(band3Frequency, 0.3));
    QCOMPARE(f.record(bottomRow, column).level, 255);
    QCOMPARE(f.record(bottomRow - 2, column).state, 2);
}

void tst_musicEffect::cellColours_data()
{
    QTest::addColumn<bool>("fullColor");
    QTest::addColumn<QColor>("user");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<int>("brightnessMax");
    QTest::addColumn<QColor>("lit");
    QTest::addColumn<QColor>("dark");

    // Band 3's palette colour (128, 255, 0) at full level over black.
    QTest::newRow("palette over black") << true << QColor(0, 0, 0) << QColor(0, 0, 0) << 0
                                        << QColor(127, 254, 0, 200) << QColor(0, 0, 0, 0);
    QTest::newRow("own colour over a background")
        << false << QColor(0, 0, 255) << QColor(40, 0, 0) << 0 << QColor(0, 0, 254, 180) << QColor(39, 0, 0, 180);
    // Brightness 4 of 4 leaves the colour; the lowest darkens it.
    QTest::newRow("full brightness") << false << QColor(0, 0, 255) << QColor(40, 0, 0) << 4
                                     << QColor(0, 0, 254, 180) << QColor(39, 0, 0, 180);
}

void tst_musicEffect::cellColours()
{
    QFETCH(bool, fullColor);
    QFETCH(QColor, user);
    QFETCH(QColor, background);
    QFETCH(int, brightnessMax);
    QFETCH(QColor, lit);
    QFETCH(QColor, dark);
    effectFixture f(musicConfig(fullColor, user, background));
    if (brightnessMax > 0)
        f.zone.setMaxima(4, brightnessMax);
    f.show(spectrumAt(band3Frequency, 0.3)); // level 2: rows 5 to 3
    f.ticks(1);
    QCOMPARE(f.frame(bottomRow, band3FirstColumn), lit);
    QCOMPARE(f.frame(0, band3FirstColumn), dark);
    QCOMPARE(f.frame(bottomRow, 0), dark);

    // A falling top over black shows its level as alpha.
    if (!fullColor)
        return;
    f.ticks(5); // the top cell (row 3) at 255 - 6 x 25
    QCOMPARE(f.frame(bottomRow - 2, band3FirstColumn).alpha(), 105);

    // The lowest brightness darkens by (4 - 0) x 160 / 5 + 100 = 228.
    f.zone.setMaxima(4, 4);
    colorInfoData dim = musicConfig(true);
    dim.ledBrightness = 0;
    f.zone.apply(dim);
    f.ticks(1);
    QCOMPARE(f.frame(bottomRow, band3FirstColumn), QColor(127, 254, 0, 200).darker(228));
}

void tst_musicEffect::palettes_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QList<QRgb>>("expected"); // per column 0..21
    const QList<QRgb> black11 = QList<QRgb>() << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
    QList<QRgb> keys21;
    for (int c = 0; c < 18; ++c)
        keys21 << 0;
    keys21 << 0xff0000 << 0xffff00 << 0x00ffff << 0x8000ff;
    QTest::newRow("21 keys") << 21 << 11 << keys21;
    QList<QRgb> keys34 {0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x00ffff, 0x0000ff, 0x8000ff};
    for (int c = 7; c < 22; ++c)
        keys34 << 0xff0000; // columns without keys belong to band 0
    QTest::newRow("34 keys") << 34 << 11 << keys34;
    QList<QRgb> keys104;
    for (int c = 0; c < 22; ++c)
        keys104 << ColorTables::musicBandColors.rgb(c / 2);
    QTest::newRow("104 keys") << 104 << 11 << keys104;
    // Bands past the 11-colour palette show black.
    QList<QRgb> wide;
    for (int c = 0; c < 11; ++c)
        wide << ColorTables::musicBandColors.rgb(c);
    QTest::newRow("22 bands on 104 keys") << 104 << 22 << (wide + black11);
}

void tst_musicEffect::palettes()
{
    QFETCH(int, keyCount);
    QFETCH(int, bandCount);
    QFETCH(QList<QRgb>, expected);
    effectFixture f(musicConfig(true), keyCount, bandCount);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const keyEffectRecord &record = f.record(row, column);
            QCOMPARE(qRgb(record.red, record.green, record.blue), qRgb(qRed(expected[column]),
                                                                       qGreen(expected[column]),
                                                                       qBlue(expected[column])));
            QCOMPARE(record.level, 0);
            QCOMPARE(record.value, 0);
        }
    }

    // In single-colour mode every cell takes the zone's colour.
    effectFixture own(musicConfig(false, QColor(10, 20, 30)), keyCount, bandCount);
    for (int column = 0; column < columns; ++column)
        QCOMPARE(qRgb(own.record(2, column).red, own.record(2, column).green, own.record(2, column).blue),
                 qRgb(10, 20, 30));
}

void tst_musicEffect::bandSwitchByLedType20()
{
    engineFixture f;
    f.selectEffect(musicConfig(true));
    QVERIFY(f.engine.isBandLightingOn());

    f.engine.setKeyLightConfig(musicConfig(true, QColor(), QColor(), 20, 3));
    QVERIFY(!f.engine.isBandLightingOn());
    QCOMPARE(f.engine.keyTickInterval(), 10);
    f.selectEffect(musicConfig(true));
    QVERIFY(!f.engine.isBandLightingOn()); // until a type 20 with direction 2
    f.engine.onSpectrumChanged(spectrumAt(band3Frequency, 1.0));
    QCOMPARE(f.record(bottomRow, band3FirstColumn).level, 0);

    f.engine.setKeyLightConfig(musicConfig(true, QColor(), QColor(), 20, 2));
    QVERIFY(f.engine.isBandLightingOn());
    f.selectEffect(musicConfig(true));
    f.engine.onSpectrumChanged(spectrumAt(band3Frequency, 1.0));
    QCOMPARE(f.record(0, band3FirstColumn).level, 255);
}

// The first analysis comes with the first packet that finds more than 16384
// bytes and takes exactly the first 16384; the next with the tenth such
// packet after it.
void tst_musicEffect::analysisCadence()
{
    engineFixture f;
    f.selectEffect(musicConfig(true));
    QSignalSpy spectra(f.engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged);

    // Band 3 in the first 16384 bytes, another tone after them.
    const int frames = 30 * packetBytes / pcmSignals::bytesPerFrame;
    QByteArray stream = pcmSignals::tone(pcmSignals::fftPoints, 32, 0.5);
    stream += pcmSignals::tone(frames - pcmSignals::fftPoints, 64, 0.5, pcmSignals::both, false,
                               pcmSignals::fftPoints);

    QList<int> analysedAt;
    for (int packet = 0; packet < 30; ++packet) {
        const int before = spectra.count();
        f.source->deliver(stream.mid(packet * packetBytes, packetBytes));
        if (spectra.count() != before)
            analysedAt << packet;
        if (packet == 9)
            QCOMPARE(f.engine.pendingAudioBytes(), 0);
    }
    QCOMPARE(analysedAt, QList<int>() << 9 << 28);
    QVERIFY(sameAmplitudes(spectra.at(0).at(0).value<FrequencySpectrum>(), pcmSignals::analysed(stream.left(16384))));
    QVERIFY(sameAmplitudes(spectra.at(1).at(0).value<FrequencySpectrum>(),
                           pcmSignals::analysed(stream.mid(10 * packetBytes, 16384))));
    QVERIFY(sameAmplitudes(f.engine.lastSpectrum(), spectra.at(1).at(0).value<FrequencySpectrum>()));
    // The first analysis lit band 3 only.
    QCOMPARE(musicBandLayout::levelOf(spectra.at(0).at(0).value<FrequencySpectrum>()[32].amplitude), 5);
}

void tst_musicEffect::musicModeSwitch()
{
    engineFixture f;
    f.engine.setMusicMode(true);
    QCOMPARE(f.counts.starts.load(), 1);
    QVERIFY(f.engine.musicCapture()->isRunning());
    QVERIFY(f.frameIs(QColor(0, 0, 0, 0)));

    // Switching on again while capturing starts nothing.
    f.engine.setMusicMode(true);
    QCOMPARE(f.counts.starts.load(), 1);

    f.engine.setMusicMode(false);
    QCOMPARE(f.counts.stops.load(), 1);
    QVERIFY(!f.engine.musicCapture()->isRunning());
    QVERIFY(!f.engine.isMusicMode());
    f.engine.setMusicMode(false);
    QCOMPARE(f.counts.stops.load(), 1);
}

// No server: the capture stays off, the next switch on tries again, and
// effect 100 shows the background.
void tst_musicEffect::failedCaptureShowsBackground()
{
    engineFixture f;
    f.counts.refuse = true;
    f.selectEffect(musicConfig(false, QColor(255, 255, 255), QColor(0, 0, 40)));
    QCOMPARE(f.counts.starts.load(), 1);
    QVERIFY(!f.engine.musicCapture()->isRunning());
    QCOMPARE(f.engine.musicCapture()->lastError(), QStringLiteral("Connection refused"));
    f.engine.onDviceUpdateAllKeyColor();
    QVERIFY(f.frameIs(QColor(0, 0, 39, 180)));

    f.counts.refuse = false;
    f.engine.setMusicMode(true);
    QCOMPARE(f.counts.starts.load(), 2);
    QVERIFY(f.engine.musicCapture()->isRunning());
}

void tst_musicEffect::leavingEffect100()
{
    engineFixture f;
    f.selectEffect(musicConfig(true));
    f.engine.onSpectrumChanged(spectrumAt(band3Frequency, 1.0));
    f.engine.onDviceUpdateAllKeyColor();
    QVERIFY(f.frame(bottomRow, band3FirstColumn).alpha() > 0);

    // The new set-up runs first and fills the frame; then the music switch
    // stops the capture and clears it; the next tick fills it again.
    f.engine.setKeyLightConfig(musicConfig(true, QColor(), QColor(), 0));
    QVERIFY(!f.frameIs(QColor(0, 0, 0, 0)));
    f.engine.setMusicMode(false);
    QCOMPARE(f.counts.stops.load(), 1);
    QVERIFY(!f.engine.musicCapture()->isRunning());
    QVERIFY(f.frameIs(QColor(0, 0, 0, 0)));
    QCOMPARE(f.engine.keyEffectId(), 0);
}

void tst_musicEffect::spectrumIgnoredOutsideMusicMode()
{
    engineFixture f;
    f.engine.setKeyLightConfig(musicConfig(true));
    f.engine.onSpectrumChanged(spectrumAt(band3Frequency, 1.0));
    QCOMPARE(f.record(bottomRow, band3FirstColumn).level, 0);
    QCOMPARE(f.engine.lastSpectrum().count(), 0);
}

// Each packet reaches the engine as its own copy, whatever the capture
// thread does with its buffer afterwards.
void tst_musicEffect::packetsCrossThreadsWhole()
{
    engineFixture f;
    f.selectEffect(musicConfig(true));
    const QByteArray packet = pcmSignals::tone(441, 32, 0.5);
    f.source->deliverFromThread(packet);
    f.source->deliverFromThread(packet);
    QCOMPARE(f.engine.pendingAudioBytes(), 0); // queued, not yet taken
    QCoreApplication::processEvents();
    QCOMPARE(f.engine.pendingAudioBytes(), 2 * packet.size());
}

void tst_musicEffect::toneLightsItsColumns()
{
    engineFixture f;
    f.selectEffect(musicConfig(true));
    const QByteArray stream = pcmSignals::tone(10 * packetBytes / 4, 32, 0.5);
    for (int packet = 0; packet < 10; ++packet)
        f.source->deliver(stream.mid(packet * packetBytes, packetBytes));
    f.engine.onDviceUpdateAllKeyColor();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const bool lit = column == band3FirstColumn || column == band3FirstColumn + 1;
            QCOMPARE(f.frame(row, column).alpha() > 0, lit);
        }
    }
    QCOMPARE(f.frame(bottomRow, band3FirstColumn), QColor(127, 254, 0, 200));
}

QTEST_MAIN(tst_musicEffect)
#include "tst_musiceffect.moc"
