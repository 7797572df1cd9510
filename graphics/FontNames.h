// The names "fonts.xml" is written in, and the fonts the game asks for by name: loader, checker and tests
// all take them from here.
#pragma once

#include <span>
#include <string_view>

namespace Vorn::FontNames {

inline constexpr const char* fontsFile = "fonts.xml";
inline constexpr const char* fontsDirectory = "data/graphics/fonts";

inline constexpr const char* face = "face";
inline constexpr const char* type = "type";
inline constexpr const char* size = "size";
inline constexpr const char* bold = "bold";
inline constexpr const char* italic = "italic";
inline constexpr const char* underline = "underline";
inline constexpr const char* color = "color";
inline constexpr const char* offset = "offset";
inline constexpr const char* shadow = "shadow";
inline constexpr const char* x = "x";
inline constexpr const char* y = "y";
inline constexpr const char* r = "r";
inline constexpr const char* g = "g";
inline constexpr const char* b = "b";
inline constexpr const char* a = "a";

// The face used when a font names none: metrically the same as the face the game's layout was made for.
inline constexpr const char* defaultFace = "Liberation Sans";
inline constexpr int defaultSize = 16;

// Every font name the code passes to FindFont. Extend it with new uses.
std::span<const std::string_view> RequiredFontNames();

} // namespace Vorn::FontNames
