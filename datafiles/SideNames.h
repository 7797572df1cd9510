// The fixed names of the seven sides; also the keys of their display texts.
#pragma once

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 7> sideNames = {"Neutral", "Red",  "Green",  "Blue",
                                                              "Yellow",  "Aqua", "Magenta"};
