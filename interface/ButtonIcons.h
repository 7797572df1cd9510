// The icons of the panel buttons: pictures of the game's own drawings, rendered when a game starts and
// kept in the texture store under "icon_" + the drawing's name, plus a few plain ones painted by hand.
#pragma once

#include <string>
#include <vector>

namespace Vorn {

// The texture store's name of the icon showing the named drawing or plain icon.
std::string IconName(const std::string& picture);
// The icon's texture; the store's magenta default until the icons are rendered.
unsigned int IconTexture(const std::string& picture);

// The drawings that get an icon: every chassis, armour, turret, building, tower, landmine, obstacle and
// ammunition kind, by type name.
std::vector<std::string> IconDrawings();
// The plain icons: "new_tank", "group", "cancel_order", "empty_queue", "count", "destroy", "info".
std::vector<std::string> PlainIcons();

// Renders every icon at side x side pixels in the side's colour into the texture store, replacing icons
// of an earlier game. Needs a current GL context and the drawings loaded; draws in the back buffer's
// bottom-left corner and clears it again, and takes no random value (variant 0 of every drawing).
void RenderButtonIcons(int side, int iconSide = 64);

} // namespace Vorn
