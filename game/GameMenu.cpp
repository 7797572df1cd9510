// The game's menu, set by the program.
#include "game/GameMenu.h"

namespace Vorn {

GameMenu* gameMenu = nullptr;

} // namespace Vorn
