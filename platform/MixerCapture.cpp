// A recording of everything the mixer plays.
#include "platform/MixerCapture.h"

#include "platform/AudioMixer.h"

#include <algorithm>
#include <mutex>

namespace platform {

namespace {

// Shared by the audio thread, which records, and the main thread, which starts, stops and takes.
std::mutex captureGuard;
bool recording = false;
bool truncated = false;
std::size_t frameLimit = 0;
std::vector<std::int16_t> recorded;

} // namespace

void StartMixerCapture(std::size_t maxFrames) {
    std::lock_guard lock(captureGuard);
    recording = true;
    truncated = false;
    frameLimit = maxFrames;
    recorded.clear();
}

void StopMixerCapture() {
    std::lock_guard lock(captureGuard);
    recording = false;
}

std::vector<std::int16_t> TakeMixerCapture() {
    std::lock_guard lock(captureGuard);
    std::vector<std::int16_t> taken;
    taken.swap(recorded);
    return taken;
}

std::size_t CapturedMixerFrames() {
    std::lock_guard lock(captureGuard);
    return recorded.size() / mixerChannels;
}

bool MixerCaptureTruncated() {
    std::lock_guard lock(captureGuard);
    return truncated;
}

void CaptureMixedBuffer(const std::int16_t* samples, std::size_t frames) {
    std::lock_guard lock(captureGuard);
    if (!recording) {
        return;
    }
    const std::size_t room = frameLimit - std::min(frameLimit, recorded.size() / mixerChannels);
    const std::size_t kept = std::min(frames, room);
    truncated = truncated || kept < frames;
    recorded.insert(recorded.end(), samples, samples + kept * mixerChannels);
}

} // namespace platform
