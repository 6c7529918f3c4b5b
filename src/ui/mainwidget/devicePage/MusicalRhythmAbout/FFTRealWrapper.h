#pragma once

// A real FFT of a fixed 4096 points (FFTW, single precision), unnormalised,
// with the result packed as the analyser reads it: output[k] is the real part
// of bin k for k 0..2048, output[2048 + i] the imaginary part of bin i for
// i 1..2047. The plan is made once, by the constructor, under a lock of
// its own, since FFTW's planner is not thread-safe.
class FFTRealWrapper
{
public:
    static constexpr int points = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper &) = delete;
    FFTRealWrapper &operator=(const FFTRealWrapper &) = delete;

    // Both arrays hold `points` values.
    void calculateFFT(float *output, const float *input);

private:
    struct plan;
    plan *m_plan;
};
