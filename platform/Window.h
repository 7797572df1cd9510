// The game's one top-level window and its message queue, with the ordering the frame loop relies on:
// posted messages first, then input, and a paint message only when nothing else is waiting.
#pragma once

#include "platform/WindowMessages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct SDL_Window;

namespace platform {

using WindowProcedure = std::function<LParam(Window&, std::uint32_t code, WParam, LParam)>;

struct WindowStyle {
    std::string title = "Sector Clash";
    int x = 0;
    int y = 0;
    int width = 640;
    int height = 480;
    bool topmost = false;
    // A window with the system's frame (title bar, borders) rather than a borderless one covering a display.
    bool framed = false;
    // When false the system's close request (window manager close, Alt+F4) is ignored; the game itself can
    // still close the window by posting WM_CLOSE.
    bool systemCloseAllowed = true;
};

class Window {
public:
    // Makes the borderless window with an OpenGL-capable surface and sends WM_CREATE to the procedure
    // before returning. Answers null when the window cannot be made or the procedure answers -1 to
    // WM_CREATE; LastError() then tells why.
    static std::unique_ptr<Window> Create(const WindowStyle& style, WindowProcedure procedure);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Shows the window and sends the activation and size messages a freshly shown window receives.
    void Show();
    // Sends WM_DESTROY and takes the window off the screen; further messages for it are dropped.
    void Destroy();
    void Minimise();
    bool IsDestroyed() const { return destroyed; }
    bool AllowsSystemClose() const { return systemCloseAllowed; }

    // Marks the client area for repainting: one WM_PAINT follows once the queue holds nothing else.
    void Invalidate() { paintPending = true; }
    // Clears the repaint mark, as a finished frame does.
    void Validate() { paintPending = false; }
    bool IsPaintPending() const { return paintPending; }

    // Calls the window procedure at once, as sending a message does.
    LParam Send(std::uint32_t code, WParam wParam = 0, LParam lParam = 0);
    // The default handling: WM_CLOSE destroys the window, everything else answers 0.
    LParam DefaultProcedure(std::uint32_t code, WParam wParam, LParam lParam);

    int ClientWidth() const;
    int ClientHeight() const;
    SDL_Window* Native() const { return window; }

private:
    Window() = default;

    SDL_Window* window = nullptr;
    WindowProcedure procedure;
    bool paintPending = false;
    bool destroyed = false;
    bool systemCloseAllowed = true;

    friend bool GetMessage(Message& message);
};

// Queues a message for the window (or, with no window, for the thread) behind those already waiting.
void PostMessage(Window* window, std::uint32_t code, WParam wParam = 0, LParam lParam = 0);
// Queues WM_QUIT: GetMessage answers false once it is reached.
void PostQuitMessage(int exitCode);
// Waits for the next message: posted ones first, then input from the system, then WM_PAINT for a window
// whose repaint was asked for. Answers false for WM_QUIT, whose wParam carries the exit code.
bool GetMessage(Message& message);
// Hands a message to its window's procedure; messages of a destroyed window are dropped.
LParam DispatchMessage(const Message& message);
// Whether any message is waiting, without taking it (tests and the headless driver use it).
bool IsMessageWaiting();

// Lets the headless driver ignore focus changes of the desktop it runs on.
void SetActivationMessagesEnabled(bool enabled);
// Lets the headless driver be the only source of input: the system's mouse and key events are dropped
// and moving the cursor no longer moves the desktop's pointer. Runs side by side on one display would
// otherwise move each other's cursors.
void SetSystemInputEnabled(bool enabled);
bool SystemInputEnabled();

// The error of the last failed platform call, 0 when none; the shell's exit code.
std::uint32_t LastError();
void SetLastError(std::uint32_t error);
// A human-readable reason for the last failure.
std::string LastErrorText();

} // namespace platform
