// A real window with the game's GL context and projection, for tests that draw and read pixels back.
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace testing_support {

GlTestWindow::GlTestWindow(int width, int height) {
    platform::WindowStyle style;
    style.title = "Sector Clash test";
    style.width = width;
    style.height = height;
    window = platform::Window::Create(style,
                                      [](platform::Window&, std::uint32_t, platform::WParam,
                                         platform::LParam) -> platform::LParam { return 0; });
    if (!window) {
        reason = platform::LastErrorText();
        return;
    }
    context = Zelt::RenderContext::Create(*window);
    if (context == nullptr) {
        reason = "no GL context";
        return;
    }
    context->Resize(width, height);
}

GlTestWindow::~GlTestWindow() {
    Zelt::RenderContext::Destroy(context);
    window.reset();
}

Pixel GlTestWindow::ReadPixel(int x, int y) const {
    std::uint8_t rgba[4] = {};
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

void GlTestWindow::Clear(float r, float g, float b) {
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

} // namespace testing_support
