// The textures the game's code asks for by name.
#include "graphics/TextureNames.h"

#include <array>

namespace Vorn::TextureNames {

std::span<const std::string_view> RequiredTextureNames() {
    static constexpr std::array<std::string_view, 5> names = {
        "particle", "arrow_left", "arrow_right", "interface_stop_icon", "interface_ammo_animation",
    };
    return names;
}

} // namespace Vorn::TextureNames
