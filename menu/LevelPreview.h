// The new game page's picture of a level: the minimap's ground with a square in its side's colour for
// everything the level's "start" places, read from the level file without building the battle.
#pragma once

#include "menu/LevelCatalogue.h"
#include "menu/MenuList.h"

namespace Vorn {

// Draws the map, kept to its proportions and centred, inside the box. Needs the GL context.
void DrawLevelPreview(const LevelEntry& level, const MenuBox& box);

} // namespace Vorn
