// Every sound of "sounds.xml" rendered and ready to play, and which sound each cue of the game plays.
// Built once at start-up: the recipes are rendered and the files decoded here, never while a game runs.
#pragma once

#include "sound/SoundCatalogue.h"
#include "sound/SoundCues.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Vorn {

struct BankSound {
    std::string name;
    SoundBus bus = SoundBus::Effects;
    int priority = 1;
    int voices = 4;
    // One rendering per variant, mono at SoundSampleRate(); never empty (a silent sound has one sample).
    std::vector<std::vector<float>> variants;
    // The loudest any variant still gets from each block of peakBlockMs onwards, the last entry 0: what a
    // voice that has played so long can still add to the mix.
    std::vector<float> peakFrom;
    float lengthMs = 0;

    static constexpr int peakBlockMs = 10;
    // The peak still to come after a voice has played `playedMs`.
    float PeakAfter(double playedMs) const;
};

struct CueEntry {
    // The index of the sound in the bank, or -1 when the cue has none.
    int sound = -1;
    // The shortest time between two plays.
    int intervalMs = 0;
};

class SoundBank {
public:
    // Room for every WorldEventKind; a kind beyond it has no cue.
    static constexpr std::size_t eventKindSlots = 32;

    // A file's bytes by its path relative to the data folder, or nothing when it cannot be read.
    using FileReader = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& path)>;

    SoundBank() = default;
    // Renders every recipe and decodes every file (a file decodes only while the mixer is open; one that
    // cannot be read or decoded is silent and named in problems).
    SoundBank(const SoundCatalogue& catalogue, const FileReader& readFile,
              std::vector<SoundProblem>* problems = nullptr);

    int SoundCount() const { return static_cast<int>(sounds.size()); }
    const BankSound& Sound(int index) const { return sounds[static_cast<std::size_t>(index)]; }
    // -1 when there is no sound of that name.
    int FindSound(const std::string& name) const;

    // The cue an event is heard through: its detail's own when "sounds.xml" maps it, else its kind's; -1
    // when neither is mapped. Cues are numbered as AllCueNames() lists them.
    int CueOfEvent(WorldEventKind kind, int detail) const;
    int CueOfInterface(InterfaceCue cue) const;
    int CueCount() const { return static_cast<int>(cues.size()); }
    const CueEntry& Cue(int index) const { return cues[static_cast<std::size_t>(index)]; }

private:
    void AddSound(const SoundRecipe& recipe, const FileReader& readFile, std::vector<SoundProblem>* problems);
    void MapCues(const SoundCatalogue& catalogue);

    std::vector<BankSound> sounds;
    std::vector<CueEntry> cues;
    // By WorldEventKind, then detail + 1 (0 for a detail out of range): the cue to hear, or -1.
    std::array<std::vector<int>, eventKindSlots> eventCues;
    std::array<int, interfaceCueCount> interfaceCues{-1, -1, -1, -1};
};

// The samples of a file under the data folder, read whole when not larger than the sound limit.
std::optional<std::vector<std::uint8_t>> ReadSoundFileBytes(const std::string& dataFolder,
                                                            const std::string& path);

} // namespace Vorn
