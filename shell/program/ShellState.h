// The shell's process-wide state: the window, its rendering context, the frame clock and the meter.
#pragma once

#include "platform/CursorClip.h"
#include "platform/Timer.h"
#include "shell/FrameRateMeter.h"
#include "shell/FrameTimer.h"
#include "shell/RenderContext.h"
#include "shell/program/Program.h"

#include <cstdint>

namespace platform {
class Window;
}

namespace Zelt {

// The private message that asks for the next frame.
inline constexpr std::uint32_t RepaintMessage = 0x0400 + 1;

struct ShellState {
    platform::Window* window = nullptr;
    bool configLoaded = false;
    RenderContext* renderContext = nullptr;
    platform::TimerCapabilities timerCapabilities;
    FrameTimer frameTimer;
    int inactiveFlag = 0;
    bool clipSaved = false;
    platform::Rect savedClip;
    platform::Rect gameClip;
    FrameRateMeter frameRateMeter;
    std::uint32_t framesRun = 0;
    ProgramOptions options;
};

extern ShellState shell;

// Switches the display to the configured mode when the configuration asks for a switch.
void ChangeToConfiguredDisplayMode();

} // namespace Zelt
