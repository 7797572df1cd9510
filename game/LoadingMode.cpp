// The first mode: loads the shared resources one step per frame behind a progress bar, then starts the game.
#include "game/LoadingMode.h"

#include "datafiles/DataArchive.h"
#include "game/LoadingBar.h"
#include "graphics/ParticleSystemFactory.h"
#include "graphics/TextureStore.h"
#include "platform/Timer.h"
#include "shell/ModeManager.h"
#include "shell/Mouse.h"
#include "random/Random.h"

namespace Vorn::Mode {

int Loading::Frame(std::uint32_t) {
    DoStep(loadingStep);
    DrawLoadingBar(loadingStep);
    ++loadingStep;
    return 0;
}

void Loading::DoStep(int step) {
    switch (step) {
    case 0:
        platform::Sleep(50);
        break;
    case 1:
        // [font installer]
        break;
    case 2:
    case 3:
    case 4:
        // [font families]
        break;
    case 5:
        // [font store]
        break;
    case 6:
        randomGenerator.Reseed(platform::TickCount());
        Zelt::mouse = std::make_unique<Zelt::C::Mouse>(true);
        break;
    case 7:
        textureStore.Create();
        break;
    case 8:
        particleSystemFactory = new ParticleSystemFactory;
        particleSystemFactory->Load(dataArchive.ReadDocument("particles.xml"));
        break;
    case 9:
        Zelt::modeManager.Activate(static_cast<std::uint32_t>(Zelt::gameModeIndex));
        platform::Sleep(50);
        break;
    default:
        platform::Sleep(50);
        break;
    }
}

} // namespace Vorn::Mode
