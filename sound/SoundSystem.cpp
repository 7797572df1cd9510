// The game's sound for the whole run.
#include "sound/SoundSystem.h"

#include "datafiles/DataArchive.h"
#include "platform/AudioMixer.h"
#include "platform/MixerCapture.h"

#include <chrono>
#include <cstdio>

namespace Vorn {

std::unique_ptr<SoundSystem> soundSystem;
SoundStartOptions soundStartOptions;

namespace {

// A modder's broken file could name hundreds of problems; the checker lists them all.
constexpr std::size_t mostProblemsShown = 20;

bool OpenMixerFor(const SoundStartOptions& options, std::string& reason) {
    platform::MixerRequest request;
    request.voices = options.voices;
    if (platform::OpenMixer(request, reason))
        return true;
    if (!options.record)
        return false;
    request.driver = "dummy";
    return platform::OpenMixer(request, reason);
}

void ReportProblems(const std::vector<SoundProblem>& problems) {
    const std::string file = dataArchive.Folder() + soundsFileName;
    for (std::size_t index = 0; index < problems.size() && index < mostProblemsShown; ++index)
        std::fprintf(stderr, "sector-clash: %s: %s: %s\n", file.c_str(), problems[index].element.c_str(),
                     problems[index].message.c_str());
    if (problems.size() > mostProblemsShown)
        std::fprintf(stderr, "sector-clash: %s: %zu more problems (sector-clash-check lists them)\n",
                     file.c_str(), problems.size() - mostProblemsShown);
}

} // namespace

std::unique_ptr<SoundSystem> SoundSystem::Start(const SoundStartOptions& options, std::string& reason) {
    if (options.record)
        platform::StartMixerCapture(options.recordLimitFrames);
    if (!OpenMixerFor(options, reason))
        return nullptr;
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<SoundSystem> system(new SoundSystem);
    std::vector<SoundProblem> problems;
    const SoundCatalogue catalogue = ReadSoundCatalogue(dataArchive.ReadDocument(soundsFileName), &problems);
    const std::string folder = dataArchive.Folder();
    system->bank = SoundBank(
        catalogue, [&](const std::string& path) { return ReadSoundFileBytes(folder, path); }, &problems);
    system->player = std::make_unique<SoundPlayer>(system->bank, system->output);
    system->preparationMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ReportProblems(problems);
    return system;
}

SoundSystem::~SoundSystem() {
    if (player)
        player->StopAll();
    platform::StopMixerCapture();
    platform::CloseMixer();
}

void PlayInterfaceSound(InterfaceCue cue) {
    if (soundSystem)
        soundSystem->Player().HearInterface(cue);
}

} // namespace Vorn
