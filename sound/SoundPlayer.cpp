// The game's sound player: events to voices, merged, prioritised, placed and limited.
#include "sound/SoundPlayer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vorn {

namespace {

// How much louder a sound gets for every doubling of the plays merged into it, and at most.
constexpr float boostPerDoubling = 0.3f;
constexpr float largestBoost = 2.5f;
// The device plays a voice somewhat after it was started; counting its age this much short keeps the
// limiter from trusting a decay that has not been heard yet.
constexpr double startLatencyMs = 60;
// How fast the limiter lets the mix rise again, in share of full volume per millisecond (half a second
// from silence to full).
constexpr float limiterRecoveryPerMs = 0.002f;
// A change of volume or pan smaller than this is not passed on (the mixer has 128 steps of volume).
constexpr float smallestChange = 1.0f / 256;

float MergeBoost(std::size_t plays) {
    return std::min(largestBoost, 1.0f + boostPerDoubling * std::log2(static_cast<float>(plays)));
}

} // namespace

SoundPlayer::SoundPlayer(const SoundBank& bank, SoundOutput& output)
    : bank(bank), output(output), voices(static_cast<std::size_t>(std::max(0, output.VoiceCount()))),
      lastPlayed(static_cast<std::size_t>(bank.CueCount()), -std::numeric_limits<double>::infinity()) {
    handles.resize(static_cast<std::size_t>(bank.SoundCount()));
    nextVariant.assign(handles.size(), 0);
    for (int sound = 0; sound < bank.SoundCount(); ++sound)
        for (const std::vector<float>& samples : bank.Sound(sound).variants)
            handles[static_cast<std::size_t>(sound)].push_back(output.AddSound(samples));
}

void SoundPlayer::Hear(int cue, bool placed, float x, float y) {
    if (cue < 0)
        return;
    const CueEntry& entry = bank.Cue(cue);
    double& last = lastPlayed[static_cast<std::size_t>(cue)];
    if (entry.sound < 0 || clockMs - last < entry.intervalMs)
        return;
    last = clockMs;
    heard.push_back({entry.sound, placed, x, y});
}

void SoundPlayer::HearEvents(std::span<const WorldEvent> events, int playerSide,
                             const VisibilityTest& visible) {
    eventsOffered += events.size();
    for (const WorldEvent& event : events) {
        if (event.kind == WorldEventKind::Beep)
            continue;
        const bool placed = IsHeardWhereItHappens(event.kind);
        if (placed ? !visible(event.x, event.y) : event.side != playerSide)
            continue;
        Hear(bank.CueOfEvent(event.kind, event.detail), placed, event.x, event.y);
    }
}

void SoundPlayer::HearInterface(InterfaceCue cue) {
    Hear(bank.CueOfInterface(cue), false, 0, 0);
}

// Every sound heard since the last frame becomes one request, at the place of its loudest play.
std::vector<SoundPlayer::Request> SoundPlayer::MergeHeard(const SoundListener& listener) {
    std::vector<Request> requests;
    std::vector<std::size_t> plays;
    for (const Heard& play : heard) {
        const SoundPlace place = play.placed ? PlaceSound(listener, play.x, play.y) : SoundPlace{1, 0};
        if (place.gain < quietest)
            continue;
        auto same = std::find_if(requests.begin(), requests.end(),
                                 [&](const Request& request) { return request.sound == play.sound; });
        if (same == requests.end()) {
            requests.push_back({play.sound, place.gain, place.pan, play.placed, play.x, play.y});
            plays.push_back(1);
            continue;
        }
        const auto index = static_cast<std::size_t>(same - requests.begin());
        ++plays[index];
        if (place.gain > same->gain)
            *same = {play.sound, place.gain, place.pan, play.placed, play.x, play.y};
    }
    heard.clear();
    for (std::size_t index = 0; index < requests.size(); ++index) {
        requests[index].boost = MergeBoost(plays[index]);
        requests[index].gain *= requests[index].boost;
    }
    // The most important first, so they find voices before the rest.
    std::sort(requests.begin(), requests.end(), [&](const Request& a, const Request& b) {
        const int priorityA = bank.Sound(a.sound).priority;
        const int priorityB = bank.Sound(b.sound).priority;
        return priorityA != priorityB ? priorityA > priorityB : a.gain > b.gain;
    });
    return requests;
}

float SoundPlayer::Remaining(const Voice& voice) const {
    return voice.gain * bank.Sound(voice.sound).PeakAfter(voice.playedMs - startLatencyMs);
}

// The sound's oldest voice once it plays on all it may; else a free one; else the least important voice,
// when it matters less than the request.
int SoundPlayer::VoiceFor(const Request& request) const {
    const BankSound& sound = bank.Sound(request.sound);
    int oldest = -1;
    int instances = 0;
    int free = -1;
    int weakest = -1;
    for (int index = 0; index < static_cast<int>(voices.size()); ++index) {
        const Voice& voice = voices[static_cast<std::size_t>(index)];
        if (!voice.active) {
            free = free < 0 ? index : free;
            continue;
        }
        if (voice.sound == request.sound) {
            ++instances;
            if (oldest < 0 || voice.playedMs > voices[static_cast<std::size_t>(oldest)].playedMs)
                oldest = index;
        }
        const auto lessImportant = [&](const Voice& a, const Voice& b) {
            const int priorityA = bank.Sound(a.sound).priority;
            const int priorityB = bank.Sound(b.sound).priority;
            return priorityA != priorityB ? priorityA < priorityB : Remaining(a) < Remaining(b);
        };
        if (weakest < 0 || lessImportant(voice, voices[static_cast<std::size_t>(weakest)]))
            weakest = index;
    }
    if (instances >= sound.voices)
        return oldest;
    if (free >= 0)
        return free;
    if (weakest < 0)
        return -1;
    const Voice& victim = voices[static_cast<std::size_t>(weakest)];
    const int victimPriority = bank.Sound(victim.sound).priority;
    const bool matters =
        sound.priority > victimPriority ||
        (sound.priority == victimPriority && request.gain * sound.PeakAfter(0) > Remaining(victim));
    return matters ? weakest : -1;
}

void SoundPlayer::Allocate(const Request& request) {
    const int index = VoiceFor(request);
    if (index < 0)
        return;
    std::vector<int>& variants = handles[static_cast<std::size_t>(request.sound)];
    int& next = nextVariant[static_cast<std::size_t>(request.sound)];
    Voice& voice = voices[static_cast<std::size_t>(index)];
    voice = Voice{};
    voice.active = true;
    voice.starting = true;
    voice.sound = request.sound;
    voice.handle = variants[static_cast<std::size_t>(next) % variants.size()];
    next = (next + 1) % static_cast<int>(variants.size());
    voice.boost = request.boost;
    voice.gain = request.gain;
    voice.pan = request.pan;
    voice.placed = request.placed;
    voice.x = request.x;
    voice.y = request.y;
}

// Voices keep following the view while they play.
void SoundPlayer::PlaceVoices(const SoundListener& listener) {
    for (Voice& voice : voices) {
        if (!voice.active || !voice.placed)
            continue;
        const SoundPlace place = PlaceSound(listener, voice.x, voice.y);
        voice.gain = place.gain * voice.boost;
        voice.pan = place.pan;
    }
}

float SoundPlayer::BusVolume(const Voice& voice, const SoundVolumes& volumes) const {
    const float bus =
        bank.Sound(voice.sound).bus == SoundBus::Interface ? volumes.interface : volumes.effects;
    return std::clamp(volumes.master, 0.0f, 1.0f) * std::clamp(bus, 0.0f, 1.0f);
}

float SoundPlayer::MixLoad() const {
    float load = 0;
    for (const Voice& voice : voices)
        if (voice.active)
            load += std::max(voice.volume, 0.0f) *
                    bank.Sound(voice.sound).PeakAfter(voice.playedMs - startLatencyMs);
    return load;
}

// The limiter looks at what the voices can still add at full settings, so a new voice is counted before
// its first sample is heard; it drops at once and rises slowly, so the mix never pumps.
void SoundPlayer::UpdateLimiter(const SoundVolumes& volumes, unsigned elapsedMs) {
    float load = 0;
    for (const Voice& voice : voices)
        if (voice.active)
            load += std::min(1.0f, voice.gain * BusVolume(voice, volumes)) *
                    bank.Sound(voice.sound).PeakAfter(voice.playedMs - startLatencyMs);
    const float target = load > ceiling ? ceiling / load : 1.0f;
    limiterGain = std::min(target, limiterGain + limiterRecoveryPerMs * static_cast<float>(elapsedMs));
}

void SoundPlayer::ApplyVolumes(const SoundVolumes& volumes) {
    for (int index = 0; index < static_cast<int>(voices.size()); ++index) {
        Voice& voice = voices[static_cast<std::size_t>(index)];
        if (!voice.active)
            continue;
        const float volume =
            volumes.muted ? 0.0f : std::min(1.0f, voice.gain * BusVolume(voice, volumes)) * limiterGain;
        if (voice.starting) {
            voice.starting = false;
            voice.active = output.Start(index, voice.handle, volume, voice.pan);
        } else if (std::abs(volume - voice.volume) >= smallestChange ||
                   std::abs(voice.pan - voice.appliedPan) >= smallestChange) {
            output.Change(index, volume, voice.pan);
        } else {
            continue;
        }
        voice.volume = volume;
        voice.appliedPan = voice.pan;
    }
}

void SoundPlayer::Frame(const SoundListener& listener, const SoundVolumes& volumes, unsigned elapsedMs) {
    clockMs += elapsedMs;
    for (int index = 0; index < static_cast<int>(voices.size()); ++index) {
        Voice& voice = voices[static_cast<std::size_t>(index)];
        if (voice.active && !output.IsPlaying(index))
            voice.active = false;
        voice.playedMs += elapsedMs;
    }
    PlaceVoices(listener);
    for (const Request& request : MergeHeard(listener))
        Allocate(request);
    UpdateLimiter(volumes, elapsedMs);
    ApplyVolumes(volumes);
}

void SoundPlayer::StopAll() {
    for (int index = 0; index < static_cast<int>(voices.size()); ++index) {
        if (voices[static_cast<std::size_t>(index)].active)
            output.Stop(index);
        voices[static_cast<std::size_t>(index)] = Voice{};
    }
    heard.clear();
    std::fill(lastPlayed.begin(), lastPlayed.end(), -std::numeric_limits<double>::infinity());
    limiterGain = 1;
}

std::vector<SoundPlayer::VoiceState> SoundPlayer::Voices() const {
    std::vector<VoiceState> states;
    for (int index = 0; index < static_cast<int>(voices.size()); ++index) {
        const Voice& voice = voices[static_cast<std::size_t>(index)];
        if (voice.active)
            states.push_back({index, voice.sound, voice.gain, voice.pan, voice.volume});
    }
    return states;
}

} // namespace Vorn
