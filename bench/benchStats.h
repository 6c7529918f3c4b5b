#pragma once

#include <algorithm>
#include <vector>

// Order statistics of a benchmark's samples.
struct Percentiles
{
    double median = 0;
    double p99 = 0;
    double max = 0;
};

inline Percentiles percentiles(std::vector<double> samples)
{
    Percentiles p;
    if (samples.empty())
        return p;
    std::sort(samples.begin(), samples.end());
    p.median = samples[samples.size() / 2];
    p.p99 = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
    p.max = samples.back();
    return p;
}
