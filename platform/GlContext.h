// An OpenGL context bound to the game window, current on the main thread for its whole life.
#pragma once

#include <memory>
#include <string>

namespace platform {

class Window;

class GlContext {
public:
    // Creates the context and makes it current; null when the driver offers none (LastError tells why).
    static std::unique_ptr<GlContext> Create(Window& window);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    void SwapBuffers();
    // Whether a context exists on this thread: GL objects are only made when one does.
    static bool IsAnyCurrent();
    // Which context was made last, counting from 1 (0 before any): GL objects kept across frames remember
    // it, so that those made in a context since destroyed are made anew rather than used by a stale name.
    static unsigned long long Serial();

private:
    GlContext() = default;
    static inline unsigned long long serial = 0;
    void* context = nullptr;
    Window* window = nullptr;
};

} // namespace platform
