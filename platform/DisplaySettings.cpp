// Switching the monitor's resolution for the game and back.
#include "platform/DisplaySettings.h"

#include "platform/VideoSystem.h"

#include <SDL.h>

namespace platform {

namespace {

// The offered mode closest to the request, with the unmarked fields taken from the desktop.
bool FindOfferedMode(const DisplaySettings& settings, SDL_DisplayMode& found) {
    SDL_DisplayMode wanted{};
    if (SDL_GetDesktopDisplayMode(0, &wanted) != 0) {
        return false;
    }
    if (settings.fields & DM_PELSWIDTH) {
        wanted.w = settings.width;
    }
    if (settings.fields & DM_PELSHEIGHT) {
        wanted.h = settings.height;
    }
    if (settings.fields & DM_DISPLAYFREQUENCY) {
        wanted.refresh_rate = settings.frequency;
    }
    if (SDL_GetClosestDisplayMode(0, &wanted, &found) == nullptr) {
        return false;
    }
    return found.w == wanted.w && found.h == wanted.h;
}

SDL_Window* GameWindow() {
    return SDL_GL_GetCurrentWindow();
}

} // namespace

int ChangeDisplaySettings(const DisplaySettings* settings, std::uint32_t flags) {
    if (!EnsureVideo()) {
        return DISP_CHANGE_FAILED;
    }
    SDL_Window* window = GameWindow();
    if (settings == nullptr) {
        if (window != nullptr) {
            SDL_SetWindowFullscreen(window, 0);
        }
        return DISP_CHANGE_SUCCESSFUL;
    }
    SDL_DisplayMode mode{};
    if (!FindOfferedMode(*settings, mode)) {
        return DISP_CHANGE_BADMODE;
    }
    if (flags & CDS_TEST) {
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (window != nullptr) {
        if (SDL_SetWindowDisplayMode(window, &mode) != 0 ||
            SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
            return DISP_CHANGE_FAILED;
        }
    }
    return DISP_CHANGE_SUCCESSFUL;
}

bool EnumDisplaySettings(int index, DisplaySettings& settings) {
    SDL_DisplayMode mode{};
    if (!EnsureVideo() || SDL_GetDisplayMode(0, index, &mode) != 0) {
        return false;
    }
    settings.fields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    settings.width = mode.w;
    settings.height = mode.h;
    settings.bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
    settings.frequency = mode.refresh_rate;
    return true;
}

} // namespace platform
