// Quantiles from the logarithmic bins against those of a sorted copy.
#include "shell/DurationQuantiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using Zelt::DurationQuantiles;

// What indexing a sorted copy at rank fraction × count answers.
double ExactQuantile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = std::min(values.size() - 1, static_cast<std::size_t>(fraction * double(values.size())));
    return values[rank];
}

TEST(DurationQuantiles, QuantilesLieWithinOnePercentOfTheSortedOnesAndTheLargestIsExact) {
    // Tick times spread over four orders of magnitude, from 5 µs to 50 ms, with a few long stalls.
    std::vector<double> values;
    std::uint32_t state = 12345;
    for (int i = 0; i < 100000; ++i) {
        state = state * 1664525u + 1013904223u;
        const double uniform = double(state >> 8) / double(1u << 24);
        values.push_back(i % 997 == 0 ? 400.0 + uniform : 0.005 * std::pow(10.0, 4.0 * uniform));
    }
    DurationQuantiles quantiles;
    for (double value : values)
        quantiles.Add(value);
    EXPECT_EQ(quantiles.Count(), values.size());
    for (double fraction : {0.0, 0.01, 0.25, 0.5, 0.9, 0.99, 0.999, 1.0}) {
        const double exact = ExactQuantile(values, fraction);
        EXPECT_NEAR(quantiles.Quantile(fraction), exact, 0.01 * exact) << "fraction " << fraction;
    }
    EXPECT_EQ(quantiles.Max(), *std::max_element(values.begin(), values.end()));
}

TEST(DurationQuantiles, OneDurationIsEveryQuantileExactlyAndNothingAddedAnswersZero) {
    DurationQuantiles quantiles;
    EXPECT_EQ(quantiles.Quantile(0.5), 0.0);
    EXPECT_EQ(quantiles.Max(), 0.0);
    quantiles.Add(0.0637);
    for (double fraction : {0.0, 0.5, 0.99, 1.0})
        EXPECT_EQ(quantiles.Quantile(fraction), 0.0637);
}

// A clock that steps back, a zero interval or a stall beyond the bins' range must land in the end bins,
// not outside the array.
TEST(DurationQuantiles, DurationsOutsideTheBinsCountInTheEndBins) {
    DurationQuantiles quantiles;
    quantiles.Add(-3.0);
    quantiles.Add(std::numeric_limits<double>::quiet_NaN());
    quantiles.Add(0.0);
    quantiles.Add(1e12);
    quantiles.Add(std::numeric_limits<double>::infinity());
    EXPECT_EQ(quantiles.Count(), 5u);
    // The first bin holds everything under 1 µs and answers about 1 µs, never less than the smallest.
    const double firstBinEnd = DurationQuantiles::shortestMs * DurationQuantiles::binRatio;
    EXPECT_GE(quantiles.Quantile(0.0), 0.0);
    EXPECT_LE(quantiles.Quantile(0.5), firstBinEnd);
    EXPECT_GE(quantiles.Quantile(0.7), 99000.0);
    EXPECT_EQ(quantiles.Max(), std::numeric_limits<double>::infinity());
}

} // namespace
