// The first mode: loads the shared resources one step per frame behind a progress bar, then starts the game.
#pragma once

#include "shell/Mode.h"

namespace Vorn::Mode {

class Loading : public Zelt::X::Mode {
public:
    using Zelt::X::Mode::Mode;

    bool Enter() override { return true; }
    int Frame(std::uint32_t elapsedMs) override;
    void Leave() override {}

    int LoadingStep() const { return loadingStep; }

private:
    void DoStep(int step);
    void EnsureFontFamilies(int index);

    int loadingStep = 0;
};

} // namespace Vorn::Mode
