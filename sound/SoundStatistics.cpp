// Numbers to listen with.
#include "sound/SoundStatistics.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
constexpr double audibleShare = 0.01; // -40 dB
} // namespace

SoundStatistics MeasureSound(std::span<const float> samples, int sampleRate) {
    SoundStatistics statistics;
    if (samples.empty() || sampleRate <= 0)
        return statistics;
    double squares = 0;
    std::size_t crossings = 0;
    for (std::size_t index = 0; index < samples.size(); ++index) {
        const double value = samples[index];
        statistics.peak = std::max(statistics.peak, std::abs(value));
        squares += value * value;
        if (index > 0 && (value < 0) != (samples[index - 1] < 0))
            ++crossings;
    }
    const double seconds = static_cast<double>(samples.size()) / sampleRate;
    statistics.rms = std::sqrt(squares / static_cast<double>(samples.size()));
    statistics.lengthMs = seconds * 1000;
    statistics.crossingsPerSecond = static_cast<double>(crossings) / seconds;
    const double threshold = statistics.peak * audibleShare;
    for (std::size_t index = samples.size(); index > 0; --index) {
        if (std::abs(samples[index - 1]) >= threshold && statistics.peak > 0) {
            statistics.audibleMs = static_cast<double>(index) * 1000 / sampleRate;
            break;
        }
    }
    return statistics;
}

std::vector<double> WindowRms(std::span<const float> samples, int sampleRate, double windowMs) {
    std::vector<double> windows;
    const auto window = static_cast<std::size_t>(sampleRate * windowMs / 1000);
    if (window == 0)
        return windows;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        double squares = 0;
        for (std::size_t index = start; index < start + window; ++index)
            squares += static_cast<double>(samples[index]) * samples[index];
        windows.push_back(std::sqrt(squares / static_cast<double>(window)));
    }
    return windows;
}

double ToDecibels(double value) {
    return value > 0 ? 20 * std::log10(value) : -200;
}

std::vector<float> MonoFromStereo(std::span<const std::int16_t> interleaved) {
    std::vector<float> mono(interleaved.size() / 2);
    for (std::size_t frame = 0; frame < mono.size(); ++frame)
        mono[frame] = static_cast<float>(interleaved[frame * 2] + interleaved[frame * 2 + 1]) / 65536.0f;
    return mono;
}

} // namespace Vorn
