// The textures the game's code asks for by name: the data checker and the tests take them from here.
#pragma once

#include <span>
#include <string_view>

namespace Vorn::TextureNames {

// Every texture name the code passes to FindTexture; "textures.xml" declares each. Extend it with new uses.
std::span<const std::string_view> RequiredTextureNames();

} // namespace Vorn::TextureNames
