// The textures the game's code asks for by name.
#include "graphics/TextureNames.h"

#include <array>

namespace Vorn::TextureNames {

std::span<const std::string_view> RequiredTextureNames() {
    // The ground: the default a level without its own choice is drawn on, the hatching beyond the map's
    // edge, and the scars of battle.
    static constexpr std::array<std::string_view, 9> names = {
        "particle",
        "arrow_left",
        "arrow_right",
        "interface_stop_icon",
        "interface_ammo_animation",
        "ground_grass",
        "ground_detail",
        "ground_beyond",
        "scars",
    };
    return names;
}

} // namespace Vorn::TextureNames
