// The screen before a campaign level: its title and briefing on a dark field, and how to go on. The game
// mode shows it before the first step; Enter starts the level, Escape leaves the game.
#pragma once

#include "game/LevelInfo.h"

#include <string>

namespace Vorn {

// Needs a GL context. The texts are keys of texts.xml or literal texts, as the level gives them.
void DrawBriefing(const LevelInfo& info, const std::string& levelFile, int screenWidth, int screenHeight);

} // namespace Vorn
