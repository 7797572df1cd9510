// An OpenGL context bound to the game window.
#include "platform/GlContext.h"

#include "platform/Window.h"

#include <SDL.h>

namespace platform {

std::unique_ptr<GlContext> GlContext::Create(Window& window) {
    SDL_GLContext native = SDL_GL_CreateContext(window.Native());
    if (native == nullptr) {
        SetLastError(3);
        return nullptr;
    }
    if (SDL_GL_MakeCurrent(window.Native(), native) != 0) {
        SDL_GL_DeleteContext(native);
        SetLastError(3);
        return nullptr;
    }
    // Frames follow each other as fast as the swap allows: no waiting for the display's refresh.
    SDL_GL_SetSwapInterval(0);
    std::unique_ptr<GlContext> context(new GlContext);
    context->context = native;
    context->window = &window;
    ++serial;
    return context;
}

GlContext::~GlContext() {
    SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
}

void GlContext::SwapBuffers() {
    if (window != nullptr && window->Native() != nullptr) {
        SDL_GL_SwapWindow(window->Native());
    }
}

bool GlContext::IsAnyCurrent() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_GL_GetCurrentContext() != nullptr;
}

unsigned long long GlContext::Serial() {
    return serial;
}

} // namespace platform
