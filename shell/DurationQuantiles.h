// Quantiles of any number of durations in fixed memory.
#pragma once

#include <array>
#include <cstdint>

namespace Zelt {

// A run that keeps every step's time grows by 8 bytes a step, 1.8 MB in an hour of game time, which a soak
// then reads as the game's own growth. Here each duration falls in a bin 1 % wide on a logarithmic scale
// from 1 µs to 100 s (shorter ones in the first bin, which answers about 1 µs, and longer ones in the last),
// so a quantile comes out within 1 % of the exact one however long the run; the smallest and largest are kept
// exactly.
class DurationQuantiles {
public:
    // Negative and not-a-number durations count as 0.
    void Add(double ms);
    // The duration at rank fraction × count in sorted order (as indexing a sorted copy would answer),
    // clamped to the smallest and largest added; 0 when nothing was added.
    double Quantile(double fraction) const;
    double Max() const { return count == 0 ? 0 : largest; }
    std::uint64_t Count() const { return count; }

    static constexpr double shortestMs = 0.001;
    static constexpr double binRatio = 1.01;
    // The last bin starts at 1 µs × 1.01^1851, about 100 s, and holds everything longer.
    static constexpr int binCount = 1852;

private:
    static int BinOf(double ms);

    std::array<std::uint64_t, binCount> bins{};
    std::uint64_t count = 0;
    double smallest = 0;
    double largest = 0;
};

} // namespace Zelt
