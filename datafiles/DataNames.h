// The colour names and text keys the game looks up, so data checks can tell when a data file misses one.
#pragma once

#include <span>
#include <string_view>

// Every colour name the code passes to ColourOf; "colordef.xml" defines each. Extend it with new uses.
std::span<const std::string_view> RequiredColourNames();
// Every text key the code passes to TextOf; the "en" section of "texts.xml" defines each.
std::span<const std::string_view> RequiredTextKeys();
