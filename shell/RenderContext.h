// The OpenGL context of the game window with its pixel-exact projection: one unit per pixel, origin at
// the bottom-left corner of the client area, y growing upwards.
#pragma once

#include "platform/GlContext.h"
#include "platform/PngFile.h"

#include <memory>

namespace platform {
class Window;
}

namespace Zelt {

class RenderContext {
public:
    // Binds a new context to the window and makes it current; null when the driver offers none.
    static RenderContext* Create(platform::Window& window);
    // Frees the context; false for null.
    static bool Destroy(RenderContext* context);

    bool Resize(int width, int height);
    bool Clear();
    bool Present();
    // The back buffer as RGBA rows from the top (read before Present swaps it away).
    platform::RgbaImage ReadBackBuffer() const;

    platform::Window* window = nullptr;
    int width = 0;
    int height = 0;

private:
    RenderContext() = default;
    std::unique_ptr<platform::GlContext> glContext;
};

} // namespace Zelt
