// The game's one top-level window and its message queue.
#include "platform/Window.h"

#include "platform/InputTranslation.h"
#include "platform/VideoSystem.h"
#include "platform/WindowIcon.h"

#include <SDL.h>

#include <csignal>
#include <deque>
#include <string>
#include <vector>

namespace platform {

namespace {

std::uint32_t lastError = 0;
std::string lastErrorText;
std::deque<Message> postedMessages;
std::deque<Message> inputMessages;
Window* theWindow = nullptr;
bool activationMessagesEnabled = true;
bool systemInputEnabled = true;

void RequestGlSurface() {
    // Double buffered, 8-bit RGB without alpha, and a 2.1 context in which the fixed-function pipeline and
    // display lists are available. No depth buffer: everything is drawn flat, in order, and nothing tests
    // depth; without one the software renderer shades the blocks a triangle covers whole by a faster path.
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

// Window events become the messages a Windows window would receive for them.
void TranslateWindowEvent(const SDL_WindowEvent& event, Window& window, std::vector<Message>& messages) {
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        messages.push_back({&window, WM_SIZE, 0, MakeLParam(event.data1, event.data2)});
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        window.Invalidate();
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        if (activationMessagesEnabled) {
            WParam active = event.event == SDL_WINDOWEVENT_FOCUS_GAINED ? 1 : 0;
            messages.push_back({&window, WM_ACTIVATEAPP, active, 0});
        }
        break;
    default:
        break;
    }
}

volatile std::sig_atomic_t terminateRequested = 0;

void OnTerminateSignal(int) {
    terminateRequested = 1;
}

// A terminate or interrupt signal must end the game cleanly whatever the window allows the desktop, so
// it is caught here instead of arriving as the desktop's close request. A signal the parent told us to
// ignore stays ignored.
void CatchTerminateSignals() {
    for (int signalNumber : {SIGTERM, SIGINT}) {
        struct sigaction current {};
        sigaction(signalNumber, nullptr, &current);
        if (current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction handler {};
        handler.sa_handler = OnTerminateSignal;
        sigemptyset(&handler.sa_mask);
        sigaction(signalNumber, &handler, nullptr);
    }
}

// The game's own close, as if the window had posted it.
void TakeTerminateRequest(std::vector<Message>& messages) {
    if (terminateRequested != 0 && theWindow != nullptr) {
        terminateRequested = 0;
        messages.push_back({theWindow, WM_CLOSE, 0, 0});
    }
}

void TranslateEvent(const SDL_Event& event, std::vector<Message>& messages) {
    if (theWindow == nullptr) {
        return;
    }
    if (event.type == SDL_QUIT ||
        (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
        // The system's close request: honoured only when the window allows it.
        if (theWindow->AllowsSystemClose()) {
            messages.push_back({theWindow, WM_CLOSE, 0, 0});
        }
        return;
    }
    if (event.type == SDL_WINDOWEVENT) {
        TranslateWindowEvent(event.window, *theWindow, messages);
        return;
    }
    if (systemInputEnabled) {
        TranslateInputEvent(event, theWindow, messages);
    }
}

// Moves every event the system holds into the input queue; answers whether any message arrived.
bool DrainSystemEvents() {
    std::vector<Message> translated;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        TranslateEvent(event, translated);
    }
    TakeTerminateRequest(translated);
    inputMessages.insert(inputMessages.end(), translated.begin(), translated.end());
    return !translated.empty();
}

} // namespace

std::unique_ptr<Window> Window::Create(const WindowStyle& style, WindowProcedure procedure) {
    if (!EnsureVideo()) {
        lastErrorText = SDL_GetError();
        SetLastError(1);
        return nullptr;
    }
    RequestGlSurface();
    CatchTerminateSignals();
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN |
                   (style.framed ? 0u : static_cast<Uint32>(SDL_WINDOW_BORDERLESS));
    if (style.topmost) {
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    }
    SDL_Window* native =
        SDL_CreateWindow(style.title.c_str(), style.x, style.y, style.width, style.height, flags);
    if (native == nullptr) {
        lastErrorText = SDL_GetError();
        SetLastError(2);
        return nullptr;
    }
    std::unique_ptr<Window> window(new Window);
    window->window = native;
    window->procedure = std::move(procedure);
    window->systemCloseAllowed = style.systemCloseAllowed;
    SetWindowIcon(native);
    // The game reads keys, never typed text: no input method should stand between the keyboard and it.
    SDL_StopTextInput();
    theWindow = window.get();
    // As on Windows, a procedure that answers -1 to WM_CREATE refuses the window: it is destroyed again.
    if (window->Send(WM_CREATE) == -1) {
        window->Destroy();
        theWindow = nullptr;
        lastErrorText = "the window procedure refused the window (no OpenGL context?)";
        SetLastError(3);
        return nullptr;
    }
    return window;
}

Window::~Window() {
    if (!destroyed && window != nullptr) {
        Destroy();
    }
    if (theWindow == this) {
        theWindow = nullptr;
    }
}

void Window::Show() {
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    // A Windows window receives its activation and its first size as it is shown.
    if (activationMessagesEnabled) {
        Send(WM_ACTIVATEAPP, 1, 0);
    }
    Send(WM_SIZE, 0, MakeLParam(ClientWidth(), ClientHeight()));
}

void Window::Destroy() {
    if (destroyed) {
        return;
    }
    Send(WM_DESTROY);
    destroyed = true;
    SDL_DestroyWindow(window);
    window = nullptr;
}

void Window::Minimise() {
    if (window != nullptr) {
        SDL_MinimizeWindow(window);
    }
}

LParam Window::Send(std::uint32_t code, WParam wParam, LParam lParam) {
    if (destroyed || !procedure) {
        return 0;
    }
    return procedure(*this, code, wParam, lParam);
}

LParam Window::DefaultProcedure(std::uint32_t code, WParam, LParam) {
    if (code == WM_CLOSE) {
        Destroy();
    }
    return 0;
}

int Window::ClientWidth() const {
    int width = 0;
    if (window != nullptr) {
        SDL_GetWindowSize(window, &width, nullptr);
    }
    return width;
}

int Window::ClientHeight() const {
    int height = 0;
    if (window != nullptr) {
        SDL_GetWindowSize(window, nullptr, &height);
    }
    return height;
}

void PostMessage(Window* window, std::uint32_t code, WParam wParam, LParam lParam) {
    postedMessages.push_back({window, code, wParam, lParam});
}

void PostQuitMessage(int exitCode) {
    postedMessages.push_back({nullptr, WM_QUIT, static_cast<WParam>(exitCode), 0});
}

bool GetMessage(Message& message) {
    for (;;) {
        if (!postedMessages.empty()) {
            message = postedMessages.front();
            postedMessages.pop_front();
            return message.code != WM_QUIT;
        }
        if (inputMessages.empty()) {
            DrainSystemEvents();
        }
        if (!inputMessages.empty()) {
            message = inputMessages.front();
            inputMessages.pop_front();
            return true;
        }
        if (theWindow != nullptr && !theWindow->destroyed && theWindow->paintPending) {
            message = {theWindow, WM_PAINT, 0, 0};
            return true;
        }
        // Nothing to do: sleep until the system has something for us.
        SDL_WaitEventTimeout(nullptr, 100);
    }
}

LParam DispatchMessage(const Message& message) {
    if (message.window == nullptr || message.window != theWindow) {
        return 0;
    }
    return message.window->Send(message.code, message.wParam, message.lParam);
}

bool IsMessageWaiting() {
    if (!postedMessages.empty() || !inputMessages.empty()) {
        return true;
    }
    return DrainSystemEvents();
}

void SetActivationMessagesEnabled(bool enabled) {
    activationMessagesEnabled = enabled;
}

void SetSystemInputEnabled(bool enabled) {
    systemInputEnabled = enabled;
}

bool SystemInputEnabled() {
    return systemInputEnabled;
}

std::uint32_t LastError() {
    return lastError;
}
void SetLastError(std::uint32_t error) {
    lastError = error;
}
std::string LastErrorText() {
    return lastErrorText;
}

} // namespace platform
