// The whole program: static start-up, the window and its message loop, shutdown and the exit releases.
#include "shell/program/Program.h"

#include "graphics/CursorSet.h"
#include "platform/CursorClip.h"
#include "platform/HeapReuse.h"
#include "platform/Timer.h"
#include "platform/VideoSystem.h"
#include "platform/Window.h"
#include "shell/Configuration.h"
#include "shell/DisplayMode.h"
#include "shell/program/ShellState.h"
#include "shell/program/StaticStartup.h"
#include "shell/program/WindowProcedure.h"

#include <cstdio>
#include <string>

namespace Zelt {

ShellState shell;

void ChangeToConfiguredDisplayMode() {
    if (configuration.screenSwitch) {
        displayMode.Change(configuration.screenWidth, configuration.screenHeight, configuration.screenBpp,
                           configuration.screenFrequency);
    }
}

namespace {

// Covering the chosen display from its corner, or a framed window in its middle. A switched mode is the
// first display's, where the switch takes place.
platform::WindowStyle GameWindowStyle() {
    platform::WindowStyle style;
    style.title = "Sector Clash";
    const platform::DisplayBounds display =
        platform::DisplayBoundsOf(configuration.screenSwitch ? 0 : configuration.display);
    style.framed = configuration.windowed;
    style.x = display.x + (configuration.windowed ? (display.width - configuration.screenWidth) / 2 : 0);
    style.y = display.y + (configuration.windowed ? (display.height - configuration.screenHeight) / 2 : 0);
    style.width = configuration.screenWidth;
    style.height = configuration.screenHeight;
    style.topmost = configuration.topmost;
    // The system's close command is disabled unless the configuration asks for a fast close.
    style.systemCloseAllowed = configuration.fastclose;
    return style;
}

// Answers the code the quit message carries.
int RunMessageLoop() {
    platform::Message message;
    while (platform::GetMessage(message)) {
        platform::DispatchMessage(message);
    }
    return message.code == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

int EntryPoint() {
    // The game would run with settings nobody chose: say so and fail instead.
    if (!shell.configLoaded) {
        std::fprintf(stderr, "sector-clash: cannot load the configuration (data/config.xml)\n");
        return 1;
    }
    // Unseen, the game would run until killed: say why there is no window and fail instead.
    if (std::string reason; !shell.options.acceptsInvisibleDisplay && !platform::HasVisibleDisplay(reason)) {
        std::fprintf(stderr, "sector-clash: cannot open the game window: %s\n", reason.c_str());
        return 1;
    }
    shell.clipSaved = platform::GetClipCursor(shell.savedClip);
    ChangeToConfiguredDisplayMode();
    Vorn::cursorSet = new Vorn::CursorSet("data/graphics/cursors");
    Vorn::cursorSet->SetCursor("default");
    platform::SetLastError(0);
    std::unique_ptr<platform::Window> window = platform::Window::Create(GameWindowStyle(), WindowProc);
    if (shell.clipSaved) {
        platform::ClipCursor(shell.gameClip);
    }
    int exitCode = static_cast<int>(platform::LastError());
    if (window) {
        window->Show();
        if (const int quitCode = RunMessageLoop(); quitCode != 0) {
            exitCode = quitCode;
        }
    } else {
        std::fprintf(stderr, "sector-clash: cannot open the game window: %s\n",
                     platform::LastErrorText().c_str());
    }
    if (shell.clipSaved) {
        platform::ClipCursor(shell.savedClip);
    }
    delete Vorn::cursorSet;
    Vorn::cursorSet = nullptr;
    displayMode.Restore();
    window.reset();
    shell.window = nullptr;
    return exitCode;
}

} // namespace

int RunProgram(const ProgramOptions& options) {
    platform::KeepFreedMemoryForReuse();
    platform::BackTheHeapWithLargePages();
    shell = ShellState{};
    shell.options = options;
    platform::SetClock(options.clock);
    platform::SetActivationMessagesEnabled(!options.ignoreActivation);
    platform::SetSystemInputEnabled(!options.ignoreSystemInput);
    int exitCode = 0;
    {
        ExitReleases releases;
        StaticStartup(releases);
        exitCode = EntryPoint();
    }
    platform::SetClock({});
    platform::SetSystemInputEnabled(true);
    return exitCode;
}

platform::RgbaImage ReadProgramBackBuffer() {
    if (shell.renderContext == nullptr) {
        return {};
    }
    return shell.renderContext->ReadBackBuffer();
}

} // namespace Zelt
