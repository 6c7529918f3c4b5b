#pragma once

// Synthetic 16-bit little-endian stereo PCM for the music tests, and its
// spectrum as the analyser computes it.

#include "SpectrumAnalyserThread.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace pcmSignals {

constexpr int sampleRate = 44100;
constexpr int fftPoints = 4096;
constexpr int bytesPerFrame = 4;

enum channels { leftOnly, rightOnly, both };

// frames of a tone at exactly FFT bin `bin` (bin x 44100 / 4096 Hz), peak
// amplitude 0..1 of full scale; sine, or cosine when cosine is set.
inline QByteArray tone(int frames, double bin, double amplitude, channels where = both, bool cosine = false,
                       int firstFrame = 0)
{
    QByteArray bytes(frames * bytesPerFrame, '\0');
    char *out = bytes.data();
    for (int n = 0; n < frames; ++n) {
        const double phase = 2.0 * M_PI * bin * (n + firstFrame) / fftPoints;
        const double value = amplitude * (cosine ? std::cos(phase) : std::sin(phase));
        const qint16 sample = qint16(std::lround(std::clamp(value * 32767.0, -32768.0, 32767.0)));
        if (where != rightOnly)
            qToLittleEndian<qint16>(sample, out + n * bytesPerFrame);
        if (where != leftOnly)
            qToLittleEndian<qint16>(sample, out + n * bytesPerFrame + 2);
    }
    return bytes;
}

inline double binFrequency(double bin)
{
    return bin * sampleRate / fftPoints;
}

// The spectrum of 16-bit stereo at 44100 Hz, through a worker of its own.
inline FrequencySpectrum analysed(const QByteArray &pcm, WindowFunction window = HannWindow)
{
    SpectrumAnalyserThread worker;
    worker.setWindowFunction(window);
    FrequencySpectrum result;
    QObject::connect(&worker, &SpectrumAnalyserThread::calculationComplete,
                     [&](const FrequencySpectrum &spectrum) { result = spectrum; });
    worker.calculateSpectrum(pcm, sampleRate, bytesPerFrame);
    return result;
}

} // namespace pcmSignals
