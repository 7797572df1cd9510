// The sounds area of the data checker: "sounds.xml" read by the game's own reader, every sound rendered or
// decoded as the game would, and what a player would not hear as the modder meant: a sound that is silent
// or clips, a file that is missing or has no licence beside it, a cue that names no sound, a moment of the
// game with no sound at all, a sound nothing plays.
#include "platform/AudioMixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundCatalogue.h"
#include "sound/SoundStatistics.h"
#include "sound/Synthesizer.h"
#include "tools/sector-clash-check/CheckAreas.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace check {
namespace {

// Quieter than this at its loudest, a sound is lost under any other (-40 dBFS).
constexpr double silentPeak = 0.01;
// The mixer's samples are 16-bit: anything at or beyond full scale is cut flat.
constexpr double clippingPeak = 32767.0 / 32768.0;

std::string Decibels(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f dBFS", Vorn::ToDecibels(value));
    return text;
}

std::string VariantLabel(const Vorn::BankSound& sound, std::size_t variant) {
    return sound.variants.size() == 1 ? "" : " (variant " + std::to_string(variant + 1) + ")";
}

void CheckLoudness(const Vorn::SoundBank& bank, const FileProblems& report) {
    for (int index = 0; index < bank.SoundCount(); ++index) {
        const Vorn::BankSound& sound = bank.Sound(index);
        for (std::size_t variant = 0; variant < sound.variants.size(); ++variant) {
            const double peak = Vorn::MeasureSound(sound.variants[variant], Vorn::SoundSampleRate()).peak;
            const std::string label = "sound " + sound.name;
            if (peak < silentPeak)
                report(label, "silent" + VariantLabel(sound, variant) + ": its peak is " + Decibels(peak));
            else if (peak >= clippingPeak)
                report(label, "clips" + VariantLabel(sound, variant) + ": its peak is " + Decibels(peak) +
                                  "; lower its \"gain\"");
        }
    }
}

// A recorded sound is not the project's work: its licence goes beside it, as the fonts' do.
void CheckLicences(const CheckContext& context, const Vorn::SoundCatalogue& catalogue,
                   const FileProblems& report) {
    for (const Vorn::SoundRecipe& sound : catalogue.sounds) {
        if (sound.file.empty())
            continue;
        std::filesystem::path licence = context.PathOf(sound.file);
        licence.replace_extension(".copyright.txt");
        std::error_code error;
        if (std::filesystem::exists(context.PathOf(sound.file), error) &&
            !std::filesystem::is_regular_file(licence, error))
            report("sound " + sound.name,
                   "\"" + sound.file + "\" has no licence beside it (" + licence.filename().string() + ")");
    }
}

void CheckCoverage(const Vorn::SoundCatalogue& catalogue, const Vorn::SoundBank& bank,
                   const FileProblems& report) {
    for (Vorn::WorldEventKind kind : Vorn::cuedKinds) {
        if (bank.CueOfEvent(kind, -1) >= 0)
            continue;
        if (Vorn::CueDetailCount(kind) == 0) {
            report("cue " + Vorn::KindCueName(kind), "not mapped: the game is silent at this moment");
            continue;
        }
        for (int detail = 0; detail < Vorn::CueDetailCount(kind); ++detail)
            if (bank.CueOfEvent(kind, detail) < 0)
                report("cue " + Vorn::DetailCueName(kind, detail),
                       "not mapped, nor \"" + Vorn::KindCueName(kind) +
                           "\": the game is silent at this moment");
    }
    for (int cue = 0; cue < Vorn::interfaceCueCount; ++cue)
        if (bank.CueOfInterface(static_cast<Vorn::InterfaceCue>(cue)) < 0)
            report("cue " + Vorn::InterfaceCueName(static_cast<Vorn::InterfaceCue>(cue)),
                   "not mapped: the game is silent at this moment");
    std::set<std::string> played;
    for (const Vorn::SoundCueMapping& mapping : catalogue.cues)
        played.insert(mapping.sound);
    for (const Vorn::SoundRecipe& sound : catalogue.sounds)
        if (!played.contains(sound.name))
            report("sound " + sound.name, "no cue plays it");
}

} // namespace

void CheckSounds(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel(Vorn::soundsFileName), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(Vorn::soundsFileName);
    if (!document) {
        report("", "missing: the game plays no sounds");
        return;
    }
    std::vector<Vorn::SoundProblem> read;
    const Vorn::SoundCatalogue catalogue = Vorn::ReadSoundCatalogue(*document, &read);
    // SDL_mixer decodes files only into an open device's format; the "dummy" driver plays to nowhere.
    const bool anyFile = std::any_of(catalogue.sounds.begin(), catalogue.sounds.end(),
                                     [](const Vorn::SoundRecipe& sound) { return !sound.file.empty(); });
    std::string reason;
    if (anyFile && !platform::OpenMixer({1, "dummy"}, reason))
        report("", "sound files cannot be decoded to check them: " + reason);
    const std::string folder = context.Folder().string();
    const Vorn::SoundBank bank(
        catalogue, [&](const std::string& path) { return Vorn::ReadSoundFileBytes(folder, path); }, &read);
    platform::CloseMixer();
    for (const Vorn::SoundProblem& problem : read)
        report(problem.element, problem.message);
    CheckLicences(context, catalogue, report);
    CheckLoudness(bank, report);
    CheckCoverage(catalogue, bank, report);
}

} // namespace check
