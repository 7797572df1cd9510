// The game's sound player: hears the world's events after each step and the interface's clicks, and once
// a frame turns them into voices of the output, placed for the view. It keeps a battle of hundreds of
// tanks clear and unclipped:
// - events under the fog, or too far from the view to hear, are not played;
// - every play of one sound in a frame becomes one voice, louder the more there were;
// - a sound plays on at most its "voices" at once, a new start taking over its oldest;
// - when every voice is busy, a sound of higher priority takes the voice of the least important one;
// - a limiter keeps the peaks of all voices together below full scale, lowering them all at once and
//   letting them rise again slowly.
// It never reads or changes the world: what is heard cannot change the battle.
//
//   player.HearEvents(world.StepEvents(), playerSide, visible);   // after every step
//   player.Frame(listener, volumes, elapsedMs);                  // once a frame
#pragma once

#include "sound/SoundBank.h"
#include "sound/SoundOutput.h"
#include "sound/SoundPlacement.h"
#include "world/WorldEvent.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace Vorn {

// The player's settings, each 0 to 1.
struct SoundVolumes {
    float master = 1;
    float effects = 1;
    float interface = 1;
    bool muted = false;
};

class SoundPlayer {
public:
    // Whether the player's side sees a point of the map (not under its fog).
    using VisibilityTest = std::function<bool(float x, float y)>;

    // The sum of every voice's remaining peak is kept below this (-1 dBFS).
    static constexpr float ceiling = 0.89f;
    // A voice quieter than this at its start is not worth one (-40 dB).
    static constexpr float quietest = 0.01f;

    // Hands every sound of the bank to the output; both must outlive the player.
    SoundPlayer(const SoundBank& bank, SoundOutput& output);

    // Notes what the player hears of a step's events; they start at the next Frame.
    void HearEvents(std::span<const WorldEvent> events, int playerSide, const VisibilityTest& visible);
    void HearInterface(InterfaceCue cue);
    // Starts what was heard since the last frame and sets every voice's volume and pan for the view.
    void Frame(const SoundListener& listener, const SoundVolumes& volumes, unsigned elapsedMs);
    // Silences every voice and forgets what was heard (a new game starts quiet).
    void StopAll();

    // What a voice plays, for tests and measurements.
    struct VoiceState {
        int voice = 0;
        int sound = 0;
        // Before the settings and the limiter: nearness and the merge's boost.
        float gain = 0;
        float pan = 0;
        // What the output was last given.
        float volume = 0;
    };
    std::vector<VoiceState> Voices() const;
    // The limiter's share, 0 to 1: below 1 while it holds the mix down.
    float LimiterGain() const { return limiterGain; }
    // The sum over the playing voices of volume times the peak still to come: what the limiter keeps below
    // the ceiling.
    float MixLoad() const;
    // How many world events were handed to HearEvents since the player was made, heard or not: what the
    // driver reports beside its recording, so a silent recording can tell a quiet battle from no events.
    std::uint64_t EventsOffered() const { return eventsOffered; }

private:
    struct Heard {
        int sound = -1;
        bool placed = false;
        float x = 0;
        float y = 0;
    };
    struct Request {
        int sound = -1;
        float gain = 0;
        float pan = 0;
        bool placed = false;
        float x = 0;
        float y = 0;
        float boost = 1;
    };
    struct Voice {
        bool active = false;
        bool starting = false;
        int sound = -1;
        int handle = -1;
        float boost = 1;
        float gain = 0;
        float pan = 0;
        bool placed = false;
        float x = 0;
        float y = 0;
        double playedMs = 0;
        float volume = -1;
        float appliedPan = 0;
    };

    void Hear(int cue, bool placed, float x, float y);
    std::vector<Request> MergeHeard(const SoundListener& listener);
    void Allocate(const Request& request);
    int VoiceFor(const Request& request) const;
    float Remaining(const Voice& voice) const;
    void PlaceVoices(const SoundListener& listener);
    float BusVolume(const Voice& voice, const SoundVolumes& volumes) const;
    void UpdateLimiter(const SoundVolumes& volumes, unsigned elapsedMs);
    void ApplyVolumes(const SoundVolumes& volumes);

    const SoundBank& bank;
    SoundOutput& output;
    // By sound, then variant: the output's handle.
    std::vector<std::vector<int>> handles;
    std::vector<int> nextVariant;
    std::vector<Voice> voices;
    std::vector<Heard> heard;
    // By cue: the player's clock when it last played; rate limits count on it.
    std::vector<double> lastPlayed;
    double clockMs = 0;
    float limiterGain = 1;
    std::uint64_t eventsOffered = 0;
};

} // namespace Vorn
