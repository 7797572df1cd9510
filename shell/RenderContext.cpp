// The OpenGL context of the game window with its pixel-exact projection.
#include "shell/RenderContext.h"

#include "platform/Window.h"

#include <GL/gl.h>

#include <cstring>
#include <new>

namespace Zelt {

RenderContext* RenderContext::Create(platform::Window& window) {
    auto* context = new (std::nothrow) RenderContext;
    if (context == nullptr) {
        return nullptr;
    }
    context->window = &window;
    context->glContext = platform::GlContext::Create(window);
    if (!context->glContext) {
        delete context;
        return nullptr;
    }
    glLoadIdentity();
    glHint(GL_LINE_SMOOTH_HINT, GL_FASTEST);
    return context;
}

bool RenderContext::Destroy(RenderContext* context) {
    if (context == nullptr) {
        return false;
    }
    delete context;
    return true;
}

bool RenderContext::Resize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Near 1, far 0: the depth range is reversed; no depth test is used.
    glOrtho(0, width, 0, height, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    return true;
}

bool RenderContext::Clear() {
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

bool RenderContext::Present() {
    window->Validate();
    glFlush();
    glFinish();
    glContext->SwapBuffers();
    return true;
}

platform::RgbaImage RenderContext::ReadBackBuffer() const {
    platform::RgbaImage image;
    if (width <= 0 || height <= 0) {
        return image;
    }
    image.width = width;
    image.height = height;
    std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    // GL reads the bottom row first; images are stored from the top.
    image.pixels.resize(bottomUp.size());
    std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        std::memcpy(&image.pixels[row * rowBytes], &bottomUp[(height - 1 - row) * rowBytes], rowBytes);
    }
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) {
        image.pixels[i] = 255;
    }
    return image;
}

} // namespace Zelt
