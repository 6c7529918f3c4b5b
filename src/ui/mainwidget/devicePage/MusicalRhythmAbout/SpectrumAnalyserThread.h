#pragma once

#include "FrequencySpectrum.h"
#include "WindowFunction.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <memory>

class FFTRealWrapper;

// The spectrum of 4096 samples of 16-bit PCM: window, FFT, and per bin the
// frequency and an amplitude of 0.15 x ln(magnitude) held to 0..1. Despite
// its name it runs on the thread it lives on (the GUI thread); no thread of
// its own is started.
class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int numSamples = 4096;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);
    ~SpectrumAnalyserThread() override;

    WindowFunction windowFunction() const { return m_windowFunction; }
    const QVector<float> &window() const { return m_window; }

public slots:
    void setWindowFunction(WindowFunction type);
    // bytesPerSample: the step from one sample to the next (4 for 16-bit
    // stereo, which reads the left channel). Samples the buffer does not
    // hold read as silence.
    void calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void calculateWindow();

    std::unique_ptr<FFTRealWrapper> m_fft;
    int m_numSamples = numSamples;
    WindowFunction m_windowFunction = HannWindow;
    QVector<float> m_window;
    QVector<float> m_input;
    QVector<float> m_output;
    FrequencySpectrum m_spectrum;
};
