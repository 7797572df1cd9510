// The game: builds a battle from the level, advances it every frame and draws it.
#include "game/GameMode.h"

#include "game/LoadingBar.h"

namespace Vorn::Mode {

bool Game::Enter() {
    return true;
}

int Game::Frame(std::uint32_t) {
    // Until the world is built, the game shows the finished loading bar.
    DrawLoadingBar(9);
    return 0;
}

void Game::Leave() {}

} // namespace Vorn::Mode
