// The first mode: loads the shared resources one step per frame behind a progress bar, then starts the game.
#pragma once

#include "shell/Mode.h"

#include <cstdint>
#include <optional>

namespace Vorn::Mode {

class Loading : public Zelt::X::Mode {
public:
    using Zelt::X::Mode::Mode;

    bool Enter() override { return true; }
    int Frame(std::uint32_t elapsedMs) override;
    void Leave() override {}

    int LoadingStep() const { return loadingStep; }

    // Seeds the random generator in step 6 instead of the tick count, for repeatable runs.
    static std::optional<std::uint32_t> fixedSeed;
    // The seed step 6 gave the generator, for a replay of the game.
    static std::uint32_t seedUsed;
    // The loading ends on the start screen rather than in a game (the player named no level to play).
    static bool startScreenFirst;

private:
    void DoStep(int step);
    void StartSound();
    void EnsureFontFamilies(int index);
    void StartGame();

    int loadingStep = 0;
};

} // namespace Vorn::Mode
