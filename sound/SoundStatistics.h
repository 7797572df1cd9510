// Numbers to listen with: a sound's peak, loudness, length and brightness, and how loud a long recording
// is from moment to moment. The tools print them and the tests judge sounds by them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace Vorn {

struct SoundStatistics {
    // The largest magnitude; 1 is full scale (0 dBFS).
    double peak = 0;
    double rms = 0;
    double lengthMs = 0;
    // Until the sound last reaches 40 dB below its peak: what the ear hears of it.
    double audibleMs = 0;
    // Sign changes per second: low for rumbles, high for hiss and cracks.
    double crossingsPerSecond = 0;
};

SoundStatistics MeasureSound(std::span<const float> samples, int sampleRate);
// The RMS of each whole window of windowMs (a shorter rest is left out).
std::vector<double> WindowRms(std::span<const float> samples, int sampleRate, double windowMs);
// 20 log10 of the value; -200 for 0.
double ToDecibels(double value);
// Left and right of signed 16-bit samples averaged into mono in [-1, 1].
std::vector<float> MonoFromStereo(std::span<const std::int16_t> interleaved);

} // namespace Vorn
