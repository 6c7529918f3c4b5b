// The spectrum analysis on synthetic 16-bit stereo buffers: window, FFT,
// amplitudes and frequencies, and the analyser's hand-over of results.

#include "FFTRealWrapper.h"
#include "SpectrumAnalyser.h"
#include "SpectrumAnalyserThread.h"
#include "musicBandLayout.h"
#include "pcmSignals.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using namespace pcmSignals;

namespace {

constexpr int toneBin = 32; // 344.53 Hz

QAudioFormat captureFormat()
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

} // namespace

class tst_spectrumAnalyser : public QObject
{
    Q_OBJECT

private slots:
    void fftPackedLayout();
    void toneAmplitudes_data();
    void toneAmplitudes();
    void silentOrRightChannelIsZero_data();
    void silentOrRightChannelIsZero();
    void cosineAndSineAgree();
    void frequencies();
    void shortBufferReadsAsSilence();
    void windowTables();
    void analyserEmitsOnceWhenIdle();
};

// A cosine at bin k is all real, a sine all imaginary; the packed layout
// puts them where the analyser reads them.
void tst_spectrumAnalyser::fftPackedLayout()
{
    FFTRealWrapper fft;
    std::vector<float> input(FFTRealWrapper::points), output(FFTRealWrapper::points);
    const int k = 5;
    for (int n = 0; n < FFTRealWrapper::points; ++n)
        input[n] = float(std::cos(2 * M_PI * k * n / 4096) + std::sin(2 * M_PI * 9 * n / 4096) + 0.25);
    fft.calculateFFT(output.data(), input.data());
    QVERIFY(std::abs(output[0] - 1024.0f) < 0.05f);  // DC: 0.25 x 4096, unnormalised
    QVERIFY(std::abs(output[k] - 2048.0f) < 0.05f);  // real part of bin 5
    QVERIFY(std::abs(output[2048 + k]) < 0.05f);
    QVERIFY(std::abs(output[9]) < 0.05f);
    QVERIFY(std::abs(std::abs(output[2048 + 9]) - 2048.0f) < 0.05f); // imaginary part of bin 9
    QVERIFY(std::abs(output[2048]) < 0.05f);                          // Nyquist, real
}

void tst_spectrumAnalyser::toneAmplitudes_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("clipped");
    QTest::addColumn<int>("level");
    // 0.15 x ln(1024 x A): full scale clips, then level 4 and level 2.
    QTest::newRow("full scale") << 1.0 << 1.0 << true << 5;
    QTest::newRow("0.1") << 0.1 << 0.694 << false << 4;
    QTest::newRow("0.01") << 0.01 << 0.349 << false << 2;
}

void tst_spectrumAnalyser::toneAmplitudes()
{
    QFETCH(double, amplitude);
    QFETCH(double, expected);
    QFETCH(bool, clipped);
    QFETCH(int, level);
    const FrequencySpectrum spectrum = analysed(tone(fftPoints, toneBin, amplitude));
    QCOMPARE(spectrum.count(), fftPoints);
    const FrequencySpectrum::Element &peak = spectrum[toneBin];
    QVERIFY2(std::abs(peak.amplitude - expected) < 0.005, qPrintable(QString::number(peak.amplitude)));
    QCOMPARE(peak.clipped, clipped);
    QCOMPARE(musicBandLayout::levelOf(peak.amplitude), level);
    // Far from the tone nothing registers.
    QCOMPARE(musicBandLayout::levelOf(spectrum[toneBin + 40].amplitude), 0);
}

void tst_spectrumAnalyser::silentOrRightChannelIsZero_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::newRow("silence") << QByteArray(fftPoints * bytesPerFrame, '\0');
    QTest::newRow("tone in the right channel") << tone(fftPoints, toneBin, 1.0, rightOnly);
}

void tst_spectrumAnalyser::silentOrRightChannelIsZero()
{
    QFETCH(QByteArray, buffer);
    const FrequencySpectrum spectrum = analysed(buffer);
    for (int i = 0; i < spectrum.count(); ++i) {
        QVERIFY2(!std::isnan(spectrum[i].amplitude), qPrintable(QString::number(i)));
        QCOMPARE(spectrum[i].amplitude, 0.0);
        QVERIFY(!spectrum[i].clipped);
    }
}

void tst_spectrumAnalyser::cosineAndSineAgree()
{
    const FrequencySpectrum sine = analysed(tone(fftPoints, toneBin, 0.1, leftOnly, false));
    const FrequencySpectrum cosine = analysed(tone(fftPoints, toneBin, 0.1, leftOnly, true));
    for (int i = toneBin - 1; i <= toneBin + 1; ++i)
        QVERIFY2(std::abs(sine[i].amplitude - cosine[i].amplitude) < 0.002, qPrintable(QString::number(i)));
    QVERIFY(sine[toneBin].amplitude > 0.6);
}

void tst_spectrumAnalyser::frequencies()
{
    const FrequencySpectrum spectrum = analysed(tone(fftPoints, toneBin, 0.5));
    // Bins 0 and 1 are never filled; 2 to 2048 carry i x 44100 / 4096.
    QCOMPARE(spectrum[0].frequency, 0.0);
    QCOMPARE(spectrum[1].frequency, 0.0);
    for (int i = 2; i <= fftPoints / 2; ++i)
        QCOMPARE(spectrum[i].frequency, double(sampleRate) * i / fftPoints);
    QCOMPARE(spectrum[toneBin].frequency, 344.53125);
    QCOMPARE(spectrum[fftPoints / 2 + 1].frequency, 0.0);
}

// Fewer than 4096 frames: the missing samples count as silence.
void tst_spectrumAnalyser::shortBufferReadsAsSilence()
{
    const QByteArray half = tone(fftPoints / 2, toneBin, 0.5);
    QByteArray padded = half;
    padded.append(QByteArray(fftPoints * bytesPerFrame - half.size(), '\0'));
    const FrequencySpectrum shortResult = analysed(half);
    const FrequencySpectrum paddedResult = analysed(padded);
    for (int i = 0; i < fftPoints; ++i)
        QCOMPARE(shortResult[i].amplitude, paddedResult[i].amplitude);
    QVERIFY(shortResult[toneBin].amplitude > 0.5);

    // An odd tail byte is not half a sample.
    const FrequencySpectrum empty = analysed(QByteArray(1, '\x7f'));
    for (const FrequencySpectrum::Element &element : empty)
        QCOMPARE(element.amplitude, 0.0);
}

void tst_spectrumAnalyser::windowTables()
{
    SpectrumAnalyserThread worker;
    QCOMPARE(worker.windowFunction(), HannWindow);
    const QVector<float> &hann = worker.window();
    QCOMPARE(hann.size(), fftPoints);
    QVERIFY(std::abs(hann[0]) < 1e-6f);
    QVERIFY(std::abs(hann[4095]) < 1e-6f);
    QVERIFY(std::abs(hann[2047] - 1.0f) < 1e-4f);
    QVERIFY(std::abs(hann[1024] - 0.5f) < 1e-3f);

    worker.setWindowFunction(NoWindow);
    for (float x : worker.window())
        QCOMPARE(x, 1.0f);
    // Without a window a bin-centred tone peaks at N/2 x A: 0.15 x ln(204.8).
    const FrequencySpectrum plain = analysed(tone(fftPoints, toneBin, 0.1), NoWindow);
    QVERIFY(std::abs(plain[toneBin].amplitude - 0.15 * std::log(204.8)) < 0.005);
}

void tst_spectrumAnalyser::analyserEmitsOnceWhenIdle()
{
    SpectrumAnalyser analyser;
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    const QByteArray buffer = tone(fftPoints, toneBin, 0.5);

    // A calculation asked for while one is under way is not started.
    int nested = 0;
    connect(&analyser, &SpectrumAnalyser::spectrumChanged, this, [&] {
        QVERIFY(!analyser.isReady());
        analyser.calculate(buffer, captureFormat());
        ++nested;
    });
    QVERIFY(analyser.isReady());
    analyser.calculate(buffer, captureFormat());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(nested, 1);
    QVERIFY(analyser.isReady());
    const FrequencySpectrum got = spy.at(0).at(0).value<FrequencySpectrum>();
    QCOMPARE(got[toneBin].frequency, 344.53125);

    // Cancelling while idle changes nothing.
    analyser.cancelCalculation();
    QVERIFY(analyser.isReady());
    analyser.calculate(buffer, captureFormat());
    QCOMPARE(spy.count(), 2);
}

QTEST_GUILESS_MAIN(tst_spectrumAnalyser)
#include "tst_spectrumanalyser.moc"
