#include "FFTRealWrapper.h"

#include <fftw3.h>

#include <cstring>
#include <mutex>

struct FFTRealWrapper::plan
{
    float *input = nullptr;
    fftwf_complex *output = nullptr;
    fftwf_plan forward = nullptr;
};

namespace {

// Guards the planner against a second thread building one at the same time
// (tests and benchmarks may); the transform itself needs no lock.
std::mutex &plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}

constexpr int bins = FFTRealWrapper::points / 2 + 1;

} // namespace

FFTRealWrapper::FFTRealWrapper()
    : m_plan(new plan)
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    m_plan->input = fftwf_alloc_real(points);
    m_plan->output = fftwf_alloc_complex(bins);
    m_plan->forward = fftwf_plan_dft_r2c_1d(points, m_plan->input, m_plan->output, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    {
        std::lock_guard<std::mutex> lock(plannerMutex());
        fftwf_destroy_plan(m_plan->forward);
    }
    fftwf_free(m_plan->input);
    fftwf_free(m_plan->output);
    delete m_plan;
}

void FFTRealWrapper::calculateFFT(float *output, const float *input)
{
    std::memcpy(m_plan->input, input, sizeof(float) * points);
    fftwf_execute(m_plan->forward);
    const fftwf_complex *out = m_plan->output;
    for (int k = 0; k < bins; ++k)
        output[k] = out[k][0];
    for (int i = 1; i < points / 2; ++i)
        output[points / 2 + i] = out[i][1];
}
