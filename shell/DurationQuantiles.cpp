// Binning durations on a logarithmic scale and reading quantiles back.
#include "shell/DurationQuantiles.h"

#include <algorithm>
#include <cmath>

namespace Zelt {

int DurationQuantiles::BinOf(double ms) {
    if (!(ms > shortestMs))
        return 0;
    const double bin = std::floor(std::log(ms / shortestMs) / std::log(binRatio));
    return static_cast<int>(std::min(bin, double(binCount - 1)));
}

void DurationQuantiles::Add(double ms) {
    if (!(ms >= 0))
        ms = 0;
    ++bins[static_cast<std::size_t>(BinOf(ms))];
    smallest = count == 0 ? ms : std::min(smallest, ms);
    largest = count == 0 ? ms : std::max(largest, ms);
    ++count;
}

// A bin answers its geometric middle, half a bin (0.5 %) at most from any duration in it.
double DurationQuantiles::Quantile(double fraction) const {
    if (count == 0)
        return 0;
    const double wanted = std::clamp(fraction, 0.0, 1.0) * double(count);
    const std::uint64_t rank = std::min(count - 1, static_cast<std::uint64_t>(wanted));
    std::uint64_t below = 0;
    int bin = 0;
    for (; bin < binCount - 1; ++bin) {
        below += bins[static_cast<std::size_t>(bin)];
        if (below > rank)
            break;
    }
    const double middle = shortestMs * std::pow(binRatio, bin + 0.5);
    return std::clamp(middle, smallest, largest);
}

} // namespace Zelt
