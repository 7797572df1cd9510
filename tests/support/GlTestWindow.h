// A real window with the game's GL context and projection, for tests that draw and read pixels back.
#pragma once

#include "platform/Window.h"
#include "shell/RenderContext.h"

#include <cstdint>
#include <memory>
#include <string>

namespace testing_support {

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Pixel&) const = default;
};

inline constexpr Pixel black{0, 0, 0};
inline constexpr Pixel white{255, 255, 255};

class GlTestWindow {
public:
    // Opens a width x height window with the pixel-exact projection; Ok() is false without a display.
    GlTestWindow(int width = 320, int height = 240);
    ~GlTestWindow();

    bool Ok() const { return context != nullptr; }
    std::string Reason() const { return reason; }
    Zelt::RenderContext& Context() { return *context; }
    // The colour of the back-buffer pixel at (x, y), origin bottom-left as drawing coordinates are.
    Pixel ReadPixel(int x, int y) const;
    void Clear(float r = 0, float g = 0, float b = 0);

private:
    std::unique_ptr<platform::Window> window;
    Zelt::RenderContext* context = nullptr;
    std::string reason;
};

} // namespace testing_support

// Skips the current test when no display is available (tests are meant to run under Xvfb).
#define SKIP_WITHOUT_GL(window)                                                                              \
    if (!(window).Ok()) {                                                                                    \
        GTEST_SKIP() << "no GL display: " << (window).Reason();                                              \
    }
