// The window icon "A": a tank emblem painted in code at 32 x 32 and 48 x 48.
#pragma once

#include <cstdint>
#include <vector>

struct SDL_Window;

namespace platform {

// RGBA pixels, rows from the top, of the icon at the given square size.
std::vector<std::uint8_t> PaintIcon(int size);
void SetWindowIcon(SDL_Window* window);

} // namespace platform
