// The whole program: static start-up, the window and its message loop, shutdown and the exit releases.
#pragma once

#include "platform/PngFile.h"

#include <cstdint>
#include <functional>
#include <string>

namespace Zelt {

// How a run differs from the game's own: the headless driver fixes the frame interval, looks at every
// frame before it is shown, and ends the run itself.
struct ProgramOptions {
    // Replaces the millisecond clock (empty: the real one).
    std::function<std::uint32_t()> clock;
    // Called at the start of every frame with its number from 1, before the clock is read.
    std::function<void(std::uint32_t frame)> beforeFrame;
    // Called once per frame after the mode and the overlay have drawn, before the buffers are swapped,
    // with the frame's number from 1. Answering false closes the window.
    std::function<bool(std::uint32_t frame)> afterFrame;
    // Whether frame N (from 1) is drawn; empty: every frame. A frame not drawn runs as any other, every
    // draw call included, but the renderer rasterizes none of it and nothing is shown: the driver's long
    // runs pay for the game without the pixels no screenshot takes.
    std::function<bool(std::uint32_t frame)> drawFrame;
    // The headless driver ignores focus changes of the desktop it runs on.
    bool ignoreActivation = false;
    // ... and takes its input from its script alone, never from the desktop's mouse and keyboard.
    bool ignoreSystemInput = false;
    // The headless driver may draw where nobody sees it (a display in memory); the game refuses to.
    bool acceptsInvisibleDisplay = false;
};

// Runs the program and answers its exit code.
int RunProgram(const ProgramOptions& options);

// The back buffer of the running program's window (for the driver's screenshots).
platform::RgbaImage ReadProgramBackBuffer();

} // namespace Zelt
