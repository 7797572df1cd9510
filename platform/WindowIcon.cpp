// The window icon "A": a tank emblem painted in code at 32 x 32 and 48 x 48.
#include "platform/WindowIcon.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

struct Colour {
    std::uint8_t r, g, b;
};

// The emblem in a unit square (0..1, y down): a blue tank seen from above on a dark steel disc.
Colour EmblemColourAt(float u, float v, float& coverage) {
    const Colour steel{28, 34, 44}, rim{120, 140, 160}, hull{60, 120, 220}, track{86, 94, 108},
        tread{58, 64, 74}, turret{150, 195, 255};
    float dx = u - 0.5f, dy = v - 0.5f;
    float radius = std::sqrt(dx * dx + dy * dy);
    coverage = std::clamp((0.5f - radius) * 24.0f, 0.0f, 1.0f);
    bool inTracks = std::fabs(dx) > 0.17f && std::fabs(dx) < 0.27f && std::fabs(dy) < 0.26f;
    bool inHull = std::fabs(dx) <= 0.17f && std::fabs(dy) < 0.22f;
    bool inTurret = dx * dx + (dy - 0.04f) * (dy - 0.04f) < 0.11f * 0.11f;
    bool inBarrel = std::fabs(dx) < 0.035f && dy < 0.0f && dy > -0.40f;
    if (radius > 0.44f) {
        return rim;
    }
    if (inTurret || inBarrel) {
        return turret;
    }
    if (inHull) {
        return hull;
    }
    if (inTracks) {
        // Tread bars across the tracks.
        return std::fmod(dy + 1.0f, 0.08f) < 0.04f ? track : tread;
    }
    return steel;
}

} // namespace

std::vector<std::uint8_t> PaintIcon(int size) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float coverage = 0.0f;
            Colour colour = EmblemColourAt((x + 0.5f) / size, (y + 0.5f) / size, coverage);
            std::uint8_t* pixel = &pixels[(static_cast<std::size_t>(y) * size + x) * 4];
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = static_cast<std::uint8_t>(coverage * 255.0f);
        }
    }
    return pixels;
}

void SetWindowIcon(SDL_Window* window) {
    const int size = 48;
    std::vector<std::uint8_t> pixels = PaintIcon(size);
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), size, size, 32, size * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface != nullptr) {
        SDL_SetWindowIcon(window, surface);
        SDL_FreeSurface(surface);
    }
}

} // namespace platform
