// Every sound rendered and ready to play, and the cues that play them.
#include "sound/SoundBank.h"

#include "platform/SoundFileDecoder.h"
#include "sound/Synthesizer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace Vorn {

namespace {

std::size_t KindSlot(WorldEventKind kind) {
    return static_cast<std::size_t>(kind);
}

// The largest magnitude of every block, then the largest from each block to the end.
std::vector<float> PeaksFrom(const std::vector<std::vector<float>>& variants, int rate) {
    const std::size_t block = static_cast<std::size_t>(rate) * BankSound::peakBlockMs / 1000;
    std::size_t longest = 0;
    for (const auto& samples : variants)
        longest = std::max(longest, samples.size());
    std::vector<float> peaks((longest + block - 1) / block + 1, 0.0f);
    for (const auto& samples : variants)
        for (std::size_t index = 0; index < samples.size(); ++index)
            peaks[index / block] = std::max(peaks[index / block], std::abs(samples[index]));
    for (std::size_t index = peaks.size() - 1; index > 0; --index)
        peaks[index - 1] = std::max(peaks[index - 1], peaks[index]);
    return peaks;
}

std::vector<float> DecodeFile(const SoundRecipe& recipe, const SoundBank::FileReader& readFile,
                              std::vector<SoundProblem>* problems) {
    std::vector<float> samples;
    const auto report = [&](const std::string& why) {
        if (problems != nullptr)
            problems->push_back(
                {"sound " + recipe.name, "\"" + recipe.file + "\" " + why + "; the sound is silent"});
    };
    const std::optional<std::vector<std::uint8_t>> bytes = readFile(recipe.file);
    if (!bytes) {
        report("cannot be read (missing, or larger than " + std::to_string(SoundLimits::maxFileBytes >> 20) +
               " MB)");
        return samples;
    }
    const auto maxSamples = static_cast<std::size_t>(SoundLimits::maxLengthMs * SoundSampleRate() / 1000);
    if (std::string fault = platform::DecodeSoundFile(*bytes, maxSamples, samples); !fault.empty())
        report("cannot be played: " + fault);
    const float gain = static_cast<float>(std::pow(10.0, recipe.gain / 20.0));
    for (float& sample : samples)
        sample *= gain;
    return samples;
}

} // namespace

float BankSound::PeakAfter(double playedMs) const {
    if (peakFrom.empty())
        return 0;
    const double block = std::max(0.0, playedMs) / peakBlockMs;
    const std::size_t index = std::min(static_cast<std::size_t>(block), peakFrom.size() - 1);
    return peakFrom[index];
}

SoundBank::SoundBank(const SoundCatalogue& catalogue, const FileReader& readFile,
                     std::vector<SoundProblem>* problems) {
    for (const SoundRecipe& recipe : catalogue.sounds)
        AddSound(recipe, readFile, problems);
    MapCues(catalogue);
}

void SoundBank::AddSound(const SoundRecipe& recipe, const FileReader& readFile,
                         std::vector<SoundProblem>* problems) {
    BankSound sound;
    sound.name = recipe.name;
    sound.bus = recipe.bus;
    sound.priority = recipe.priority;
    sound.voices = recipe.voices;
    if (!recipe.file.empty()) {
        sound.variants.push_back(DecodeFile(recipe, readFile, problems));
    } else {
        for (int variant = 0; variant < recipe.variants; ++variant)
            sound.variants.push_back(RenderRecipe(recipe, variant));
    }
    for (auto& samples : sound.variants)
        if (samples.empty())
            samples.push_back(0.0f);
    sound.lengthMs = static_cast<float>(sound.variants.front().size() * 1000.0 / SoundSampleRate());
    sound.peakFrom = PeaksFrom(sound.variants, SoundSampleRate());
    sounds.push_back(std::move(sound));
}

int SoundBank::FindSound(const std::string& name) const {
    for (std::size_t index = 0; index < sounds.size(); ++index)
        if (sounds[index].name == name)
            return static_cast<int>(index);
    return -1;
}

void SoundBank::MapCues(const SoundCatalogue& catalogue) {
    const std::span<const std::string> names = AllCueNames();
    cues.assign(names.size(), CueEntry{});
    const auto indexOf = [&](const std::string& name) {
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    };
    for (WorldEventKind kind : cuedKinds) {
        const int kindCue = indexOf(KindCueName(kind));
        cues[static_cast<std::size_t>(kindCue)].intervalMs = DefaultCueIntervalMs(kind);
        for (int detail = 0; detail < CueDetailCount(kind); ++detail)
            cues[static_cast<std::size_t>(indexOf(DetailCueName(kind, detail)))].intervalMs =
                DefaultCueIntervalMs(kind);
    }
    for (const SoundCueMapping& mapping : catalogue.cues) {
        CueEntry& entry = cues[static_cast<std::size_t>(indexOf(mapping.cue))];
        entry.sound = FindSound(mapping.sound);
        if (mapping.intervalMs >= 0)
            entry.intervalMs = mapping.intervalMs;
    }
    for (WorldEventKind kind : cuedKinds) {
        const int kindCue = indexOf(KindCueName(kind));
        const int fallback = cues[static_cast<std::size_t>(kindCue)].sound >= 0 ? kindCue : -1;
        std::vector<int>& table = eventCues[KindSlot(kind)];
        table.assign(static_cast<std::size_t>(CueDetailCount(kind)) + 1, fallback);
        for (int detail = 0; detail < CueDetailCount(kind); ++detail) {
            const int detailCue = indexOf(DetailCueName(kind, detail));
            if (cues[static_cast<std::size_t>(detailCue)].sound >= 0)
                table[static_cast<std::size_t>(detail) + 1] = detailCue;
        }
    }
    for (int cue = 0; cue < interfaceCueCount; ++cue) {
        const int index = indexOf(InterfaceCueName(static_cast<InterfaceCue>(cue)));
        interfaceCues[static_cast<std::size_t>(cue)] =
            cues[static_cast<std::size_t>(index)].sound >= 0 ? index : -1;
    }
}

int SoundBank::CueOfEvent(WorldEventKind kind, int detail) const {
    if (KindSlot(kind) >= eventCues.size())
        return -1;
    const std::vector<int>& table = eventCues[KindSlot(kind)];
    if (table.empty())
        return -1;
    const bool known = detail >= 0 && static_cast<std::size_t>(detail) + 1 < table.size();
    return table[known ? static_cast<std::size_t>(detail) + 1 : 0];
}

int SoundBank::CueOfInterface(InterfaceCue cue) const {
    const auto index = static_cast<std::size_t>(cue);
    return index < interfaceCues.size() ? interfaceCues[index] : -1;
}

std::optional<std::vector<std::uint8_t>> ReadSoundFileBytes(const std::string& dataFolder,
                                                            const std::string& path) {
    const std::filesystem::path full = std::filesystem::path(dataFolder) / path;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(full, error);
    if (error || size > SoundLimits::maxFileBytes || !std::filesystem::is_regular_file(full, error))
        return std::nullopt;
    std::ifstream in(full, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in)
        return std::nullopt;
    return bytes;
}

} // namespace Vorn
