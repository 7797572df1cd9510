// The ground a level is drawn on: its texture, the colour it is tinted with and the detail layer blended
// over it, read from the level's "ground" element. Decoration only: the battle never reads it.
#pragma once

#include "datafiles/Node.h"

#include <optional>
#include <string>
#include <string_view>

namespace Vorn {

struct LevelGround {
    // Texture names of textures.xml.
    std::string texture = "ground_grass";
    std::string detail = "ground_detail";
    // Multiplies the texture's colours, 0 to 1 each.
    float red = 1;
    float green = 1;
    float blue = 1;
};

// The first "ground" element's choices over the defaults; an attribute that is missing or unreadable
// keeps its default, so a level without the element is drawn on grass.
LevelGround ReadLevelGround(const Brisk::Node& levelDocument);

// A tint written "#rrggbb"; nothing for any other text.
struct GroundTint {
    float red, green, blue;
};
std::optional<GroundTint> ReadGroundTint(std::string_view text);

// Texture names are words of letters, digits and underscores, at most 64 characters.
bool IsGroundTextureName(std::string_view name);

} // namespace Vorn
