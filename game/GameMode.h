// The game: builds a battle from the level, advances it every frame and draws it.
#pragma once

#include "shell/Mode.h"

namespace Vorn::Mode {

class Game : public Zelt::X::Mode {
public:
    using Zelt::X::Mode::Mode;

    bool Enter() override;
    int Frame(std::uint32_t elapsedMs) override;
    void Leave() override;
};

} // namespace Vorn::Mode
