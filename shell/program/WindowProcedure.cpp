// The window procedure: creation, one frame per paint message, activation, and the ordered shutdown.
#include "shell/program/WindowProcedure.h"

#include "datafiles/DataArchive.h"
#include "game/KeyActions.h"
#include "graphics/CursorSet.h"
#include "graphics/FontStore.h"
#include "platform/DrawingDiscard.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "shell/Configuration.h"
#include "shell/DisplayMode.h"
#include "shell/KeyBindingOverrides.h"
#include "shell/Keyboard.h"
#include "shell/UserSettingsFile.h"
#include "shell/ModeManager.h"
#include "shell/Mouse.h"
#include "shell/WindowReleases.h"
#include "shell/program/ShellState.h"
#include "shell/program/StartupReports.h"

#include <GL/gl.h>

#include <cstdio>
#include <exception>
#include <string>

namespace Zelt {

namespace {

// Answers -1 when no rendering context can be made: the window is then refused, since the game
// cannot draw a single frame without one.
platform::LParam OnCreate(platform::Window& window) {
    shell.window = &window;
    shell.renderContext = RenderContext::Create(window);
    if (shell.renderContext == nullptr) {
        return -1;
    }
    shell.timerCapabilities = platform::GetTimerCapabilities();
    platform::TimeBeginPeriod(shell.timerCapabilities.minimumPeriod);
    shell.frameTimer.Restart(platform::TimeGetTime());
    // The player's own bindings replace the shipped ones action by action; only the shipped file is
    // checked here, the player's was written by the settings screen or is the player's own business.
    const Brisk::Node keyDefinitions = ShippedKeyDefinitions();
    keyboard = std::make_unique<C::Keyboard>(
        MergeKeyDefinitions(keyDefinitions, ReadUserSettings(UserSettingsPath("keydef.xml"))));
    ReportKeyDefinitions(keyDefinitions);
    modeManager.Activate(static_cast<std::uint32_t>(loadingModeIndex));
    return 0;
}

// The game goes first: its World's effects point into the particle systems' records and its drawings
// hold display lists, so it is taken down while both and the rendering context still exist.
void OnDestroy() {
    platform::TimeEndPeriod(shell.timerCapabilities.minimumPeriod);
    modeManager.Deactivate();
    Vorn::fontStore.Release();
    windowReleases.RunAll();
    RenderContext::Destroy(shell.renderContext);
    shell.renderContext = nullptr;
    shell.inactiveFlag = 1;
    if (keyboard != nullptr) {
        keyboard->ClearBindings();
        keyboard.reset();
    }
    Vorn::fontStore.ReleaseInstaller();
    platform::PostQuitMessage(0);
}

void OnActivateApp(platform::Window& window, bool active) {
    shell.inactiveFlag = active ? 0 : 1;
    if (active) {
        ChangeToConfiguredDisplayMode();
        if (shell.clipSaved) {
            platform::ClipCursor(shell.gameClip);
        }
        platform::PostMessage(&window, RepaintMessage);
        shell.frameTimer.Restart(platform::TimeGetTime());
        return;
    }
    window.Minimise();
    displayMode.Restore();
    if (shell.clipSaved) {
        platform::ClipCursor(shell.savedClip);
    }
}

// The overlay the "switch_fps" action shows: the frame rate and the running time.
void DrawFrameRateOverlay() {
    if (keyboard == nullptr || !keyboard->ActionToggled(std::string(Vorn::KeyActions::switchFps))) {
        return;
    }
    glLoadIdentity();
    const Vorn::TextFont& font = Vorn::fontStore.FindFont("default");
    const double top = configuration.screenHeight;
    font.PrintText(24, top - 40, "FPS: %.2f", static_cast<double>(shell.frameRateMeter.Rate()));
    font.PrintText(24, top - 58, " T9: %u", static_cast<unsigned>(shell.frameTimer.runningTime));
}

void RunFrame(platform::Window& window) {
    ++shell.framesRun;
    if (shell.options.beforeFrame) {
        shell.options.beforeFrame(shell.framesRun);
    }
    std::uint32_t interval = shell.frameTimer.BeginFrame(platform::TimeGetTime());
    shell.frameRateMeter.Push(interval);
    // A second reading, so that the next interval covers all of this frame's work.
    shell.frameTimer.Restart(platform::TimeGetTime());
    if (shell.renderContext == nullptr) {
        window.Validate();
        return;
    }
    const bool drawn = !shell.options.drawFrame || shell.options.drawFrame(shell.framesRun);
    platform::DiscardDrawing(!drawn);
    shell.renderContext->Clear();
    if (Vorn::cursorSet != nullptr) {
        Vorn::cursorSet->Animate();
    }
    if (modeManager.RunFrame(shell.frameTimer.ClampedInterval()) < 0) {
        platform::PostMessage(&window, WM_CLOSE);
    }
    if (shell.inactiveFlag == 0) {
        platform::PostMessage(&window, RepaintMessage);
    }
    DrawFrameRateOverlay();
    if (shell.options.afterFrame && !shell.options.afterFrame(shell.framesRun)) {
        platform::PostMessage(&window, WM_CLOSE);
    }
    if (!drawn) {
        platform::DiscardDrawing(false);
        window.Validate();
        return;
    }
    shell.renderContext->Present();
}

platform::LParam HandleMessage(platform::Window& window, std::uint32_t message, platform::WParam wParam,
                               platform::LParam lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SIZE:
        if (shell.renderContext != nullptr) {
            shell.renderContext->Resize(platform::LowWord(lParam), platform::HighWord(lParam));
        }
        window.Invalidate();
        return 0;
    case RepaintMessage:
        window.Invalidate();
        return 0;
    case WM_PAINT:
        RunFrame(window);
        return 0;
    case WM_ACTIVATEAPP:
        OnActivateApp(window, wParam != 0);
        return 0;
    default:
        return window.DefaultProcedure(message, wParam, lParam);
    }
}

} // namespace

platform::LParam WindowProc(platform::Window& window, std::uint32_t message, platform::WParam wParam,
                            platform::LParam lParam) {
    // The devices keep their state from every message, whatever the window makes of it.
    if (mouse != nullptr) {
        mouse->HandleMessage(&window, message, wParam, lParam);
    }
    if (keyboard != nullptr) {
        keyboard->HandleMessage(&window, message, wParam, lParam);
    }
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception& error) {
        // The game cannot go on from a frame that broke off half-way; say why, and end with a failure.
        std::fprintf(stderr, "sector-clash: %s\n", error.what());
        platform::PostQuitMessage(EscapedErrorExitCode);
        return 0;
    }
}

} // namespace Zelt
