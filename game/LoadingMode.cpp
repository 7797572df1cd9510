// The first mode: loads the shared resources one step per frame behind a progress bar, then starts the game.
#include "game/LoadingMode.h"

#include "datafiles/DataArchive.h"
#include "game/GameMode.h"
#include "game/LoadingBar.h"
#include "graphics/FontNames.h"
#include "graphics/FontStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "graphics/TextureStore.h"
#include "platform/Timer.h"
#include "random/Random.h"
#include "shell/ModeManager.h"
#include "shell/Mouse.h"
#include "shell/WindowReleases.h"
#include "sound/SoundSystem.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace Vorn::Mode {

std::optional<std::uint32_t> Loading::fixedSeed;
std::uint32_t Loading::seedUsed = 0;
bool Loading::startScreenFirst = false;

// Steps 2 to 4 make the families "fonts.xml" names known, one each; the last of them takes any beyond the
// third, so a fourth family in the data is not silently left to substitution.
void Loading::EnsureFontFamilies(int index) {
    const std::vector<std::string> families = fontStore.Families();
    const std::size_t last = index == 2 ? families.size() : static_cast<std::size_t>(index) + 1;
    for (std::size_t family = static_cast<std::size_t>(index); family < last && family < families.size();
         ++family) {
        fontStore.EnsureFamily(families[family]);
    }
}

// A game that refuses to start ends the program with the reason instead of leaving the player on a full
// bar for good: the window procedure reports the exception and exits with a failure code.
void Loading::StartGame() {
    if (startScreenFirst && Zelt::startModeIndex >= 0) {
        Zelt::modeManager.Activate(static_cast<std::uint32_t>(Zelt::startModeIndex));
        return;
    }
    Zelt::modeManager.Activate(static_cast<std::uint32_t>(Zelt::gameModeIndex));
    if (Zelt::modeManager.Current() == Zelt::gameModeIndex)
        return;
    const auto* game =
        dynamic_cast<const Game*>(Zelt::modeManager.ModeAt(static_cast<std::size_t>(Zelt::gameModeIndex)));
    throw std::runtime_error("the game cannot start: " +
                             (game != nullptr ? game->Refusal() : std::string("the game mode refused")));
}

// The sound opens the audio device and renders "sounds.xml"; without a device the game goes on silently
// and says so once. The game mode is gone by the time the window's releases run, so no voice outlives it.
void Loading::StartSound() {
    // A later game keeps the sound the first one opened: rendering it again would only delay the loading.
    if (soundSystem)
        return;
    std::string reason;
    soundSystem = SoundSystem::Start(soundStartOptions, reason);
    if (!soundSystem) {
        std::fprintf(stderr, "sector-clash: no sound (%s); the game goes on without it\n", reason.c_str());
        return;
    }
    Zelt::windowReleases.Register("sound", [] { soundSystem.reset(); });
}

int Loading::Frame(std::uint32_t) {
    DoStep(loadingStep);
    DrawLoadingBar(loadingStep);
    ++loadingStep;
    return 0;
}

void Loading::DoStep(int step) {
    switch (step) {
    case 0:
        StartSound();
        platform::Sleep(50);
        break;
    case 1:
        fontStore.OpenInstaller(FontNames::fontsDirectory);
        break;
    case 2:
    case 3:
    case 4:
        EnsureFontFamilies(step - 2);
        break;
    case 5:
        fontStore.Create();
        break;
    case 6:
        seedUsed = fixedSeed ? *fixedSeed : static_cast<std::uint32_t>(platform::TickCount());
        randomGenerator.Reseed(seedUsed);
        Zelt::mouse = std::make_unique<Zelt::C::Mouse>(true);
        Zelt::windowReleases.Register("mouse", [] { Zelt::mouse.reset(); });
        break;
    case 7:
        textureStore.Create();
        Zelt::windowReleases.Register("textures", [] { textureStore.Release(); });
        break;
    case 8:
        particleSystemFactory = new ParticleSystemFactory;
        particleSystemFactory->Load(dataArchive.ReadDocument(particlesFileName));
        Zelt::windowReleases.Register("particle systems", [] {
            particleSystemFactory->Release();
            delete particleSystemFactory;
            particleSystemFactory = nullptr;
        });
        break;
    case 9:
        StartGame();
        platform::Sleep(50);
        break;
    default:
        platform::Sleep(50);
        break;
    }
}

} // namespace Vorn::Mode
