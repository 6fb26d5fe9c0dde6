#pragma once

#include <algorithm>
#include <vector>

// Mean and median of a bench's timed samples, with how many of its runs failed.
struct BenchFigures
{
    double mean = 0, median = 0;
    int failures = 0;
};

inline BenchFigures summarise(std::vector<double> samples, int failures)
{
    BenchFigures f;
    f.failures = failures;
    if (samples.empty())
        return f;
    double sum = 0;
    for (double s : samples)
        sum += s;
    f.mean = sum / double(samples.size());
    std::sort(samples.begin(), samples.end());
    f.median = samples[samples.size() / 2];
    return f;
}
