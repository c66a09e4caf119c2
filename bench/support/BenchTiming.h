#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Wall-clock seconds of one run of the work.
template <typename Work>
double secondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The median of the seconds of several runs.
inline double median(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    const size_t middle = seconds.size() / 2;
    return seconds.size() % 2 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
}
