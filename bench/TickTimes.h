// Timing one simulation tick on a shared machine: by the wall clock and by this thread's processor time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <ctime>
#include <numeric>
#include <vector>

namespace Vorn::Bench {

// The machine is shared, so each tick is also timed by the processor time this thread spent on it, which
// other programs' load does not inflate the way it inflates the wall clock.
inline double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

inline double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2),
                     values.end());
    return values[values.size() / 2];
}

inline double Mean(const std::vector<double>& values) {
    return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

} // namespace Vorn::Bench
