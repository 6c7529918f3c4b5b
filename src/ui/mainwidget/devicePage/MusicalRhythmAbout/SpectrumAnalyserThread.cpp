#include "SpectrumAnalyserThread.h"

#include "FFTRealWrapper.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr double amplitudeScale = 0.15;

float pcmToReal(qint16 sample)
{
    return float(sample) / 32768.0f;
}

} // namespace

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent)
    , m_fft(new FFTRealWrapper)
    , m_window(numSamples, 0.0f)
    , m_input(numSamples, 0.0f)
    , m_output(numSamples, 0.0f)
    , m_spectrum(numSamples)
{
    calculateWindow();
}

SpectrumAnalyserThread::~SpectrumAnalyserThread() = default;

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowFunction = type;
    calculateWindow();
}

void SpectrumAnalyserThread::calculateWindow()
{
    for (int i = 0; i < m_numSamples; ++i) {
        float x = 1.0f;
        if (m_windowFunction == HannWindow)
            x = float(0.5 * (1.0 - std::cos(2.0 * M_PI * i / (m_numSamples - 1))));
        m_window[i] = x;
    }
}

void SpectrumAnalyserThread::calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample)
{
    const char *bytes = buffer.constData();
    const qint64 size = buffer.size();
    for (int i = 0; i < m_numSamples; ++i) {
        const qint64 offset = qint64(i) * bytesPerSample;
        // A short buffer reads as silence rather than past its end.
        float sample = 0.0f;
        if (offset >= 0 && offset + 2 <= size)
            sample = pcmToReal(qFromLittleEndian<qint16>(bytes + offset));
        m_input[i] = sample * m_window[i];
    }

    m_fft->calculateFFT(m_output.data(), m_input.constData());

    const int half = m_numSamples / 2;
    for (int i = 2; i <= half; ++i) {
        FrequencySpectrum::Element &element = m_spectrum[i];
        element.frequency = double(inputFrequency) * i / m_numSamples;
        const double real = m_output[i];
        const double imaginary = i < half ? m_output[half + i] : 0.0;
        const double magnitude = std::sqrt(real * real + imaginary * imaginary);
        // Silence has no logarithm: it is amplitude 0, never NaN.
        double amplitude = magnitude > 0.0 ? amplitudeScale * std::log(magnitude) : 0.0;
        element.clipped = amplitude > 1.0;
        element.amplitude = std::clamp(amplitude, 0.0, 1.0);
    }

    emit calculationComplete(m_spectrum);
}
