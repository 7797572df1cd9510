// System cursors made from cursor files, shown and animated at the rate their file asks for.
#include "platform/CursorFileLoader.h"

#include <SDL.h>

#include <memory>

namespace platform {

namespace {

struct CursorState {
    std::vector<std::unique_ptr<LoadedCursor>> loaded;
    std::unique_ptr<LoadedCursor> arrow;
    CursorHandle current = nullptr;
    std::size_t step = 0;
    std::uint32_t stepStarted = 0;
};

CursorState& State() {
    static CursorState state;
    return state;
}

bool VideoRunning() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

SDL_Cursor* MakeNativeCursor(const CursorImage& image) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(image.pixels.data()), image.width,
                                           image.height, 32, image.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, image.hotspotX, image.hotspotY);
    SDL_FreeSurface(surface);
    return cursor;
}

void MakeNativeCursors(CursorHandle cursor) {
    if (!cursor->native.empty() || !VideoRunning()) {
        return;
    }
    if (cursor->animation.frames.empty()) {
        cursor->native.push_back(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
        return;
    }
    for (const CursorImage& frame : cursor->animation.frames) {
        cursor->native.push_back(MakeNativeCursor(frame));
    }
}

void SetNativeFrame(CursorHandle cursor, std::size_t step) {
    const int frame = cursor->animation.steps[step].frame;
    if (static_cast<std::size_t>(frame) < cursor->native.size() && cursor->native[frame] != nullptr) {
        SDL_SetCursor(cursor->native[frame]);
    }
}

} // namespace

CursorHandle LoadCursorFromFile(const std::string& path) {
    auto cursor = std::make_unique<LoadedCursor>();
    if (!ReadCursorFile(path, cursor->animation).empty()) {
        return nullptr;
    }
    State().loaded.push_back(std::move(cursor));
    return State().loaded.back().get();
}

CursorHandle ArrowCursor() {
    CursorState& state = State();
    if (state.arrow == nullptr) {
        state.arrow = std::make_unique<LoadedCursor>();
        state.arrow->animation.steps.push_back({0, 0});
    }
    return state.arrow.get();
}

void ShowCursor(CursorHandle cursor) {
    CursorState& state = State();
    state.current = cursor;
    state.step = 0;
    state.stepStarted = SDL_GetTicks();
    if (cursor != nullptr && !cursor->animation.steps.empty()) {
        MakeNativeCursors(cursor);
        SetNativeFrame(cursor, 0);
    }
}

void AnimateCursor() {
    CursorState& state = State();
    CursorHandle cursor = state.current;
    if (cursor == nullptr) {
        return;
    }
    // A cursor chosen before the window existed gets its system cursors as soon as the video system runs.
    if (cursor->native.empty() && VideoRunning()) {
        MakeNativeCursors(cursor);
        SetNativeFrame(cursor, state.step);
    }
    if (cursor->animation.steps.size() < 2) {
        return;
    }
    const std::uint32_t now = SDL_GetTicks();
    const std::size_t before = state.step;
    // After a long stall whole cycles are skipped at once, so the walk below covers at most one cycle.
    std::uint32_t cycle = 0;
    for (const CursorAnimation::Step& step : cursor->animation.steps) {
        cycle += static_cast<std::uint32_t>(step.milliseconds);
    }
    state.stepStarted += (now - state.stepStarted) / cycle * cycle;
    while (now - state.stepStarted >=
           static_cast<std::uint32_t>(cursor->animation.steps[state.step].milliseconds)) {
        state.stepStarted += static_cast<std::uint32_t>(cursor->animation.steps[state.step].milliseconds);
        state.step = (state.step + 1) % cursor->animation.steps.size();
    }
    if (state.step != before) {
        SetNativeFrame(cursor, state.step);
    }
}

} // namespace platform
