#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

// The middle of a benchmark's runs (the upper one of an even count).
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// CPU time of this thread: what a step costs, whatever else runs on the
// machine.
inline double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
