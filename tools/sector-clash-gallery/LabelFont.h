// A tiny built-in 5 x 7 pixel font for the gallery sheets' labels, drawn as GL quads.
#pragma once

#include <string>

namespace gallery {

// Draws text with its lower-left corner at (x, y) in the current colour, each font pixel a square of
// `pixel` screen pixels; answers the x after the last character. Characters without a glyph draw as a box.
float DrawLabel(float x, float y, const std::string& text, float pixel = 1.0f);
// The width DrawLabel would use.
float LabelWidth(const std::string& text, float pixel = 1.0f);

} // namespace gallery
