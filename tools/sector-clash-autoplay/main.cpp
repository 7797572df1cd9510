// The headless driver: runs the real start-up, loading and game modes for a number of frames with a fixed
// frame interval, and writes screenshots of chosen frames.
//
//   sector-clash-autoplay [--frames N] [--interval MS] [--shot FRAME:PATH]... [--input FILE]
//
// --input plays a script of timed mouse and key events and checks (see InputScript.h).
//
// It needs an X display (Xvfb in tests). Exit 0 after the last frame; non-zero with a message when the
// window or its GL context cannot be made, a screenshot cannot be written, or the run ends early.
#include "platform/PngFile.h"
#include "shell/program/Program.h"
#include "tools/sector-clash-autoplay/InputScript.h"
#include "tools/sector-clash-autoplay/InputScriptClock.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

struct DriverOptions {
    std::uint32_t frames = 60;
    std::uint32_t interval = 16;
    std::map<std::uint32_t, std::string> shots;
    std::string inputFile;
};

void Usage() {
    std::fprintf(
        stderr,
        "usage: sector-clash-autoplay [--frames N] [--interval MS] [--shot FRAME:PATH]... [--input FILE]\n");
}

bool ParseCount(const char* text, std::uint32_t& value) {
    char* end = nullptr;
    unsigned long parsed = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || parsed > 100000000ul) {
        return false;
    }
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

bool ParseShot(const std::string& text, DriverOptions& options) {
    std::size_t colon = text.find(':');
    std::uint32_t frame = 0;
    if (colon == std::string::npos || colon + 1 == text.size() ||
        !ParseCount(text.substr(0, colon).c_str(), frame) || frame == 0) {
        return false;
    }
    options.shots[frame] = text.substr(colon + 1);
    return true;
}

bool ParseArguments(int argc, char** argv, DriverOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        bool hasValue = i + 1 < argc;
        if (argument == "--frames" && hasValue) {
            if (!ParseCount(argv[++i], options.frames) || options.frames == 0) {
                return false;
            }
        } else if (argument == "--interval" && hasValue) {
            if (!ParseCount(argv[++i], options.interval)) {
                return false;
            }
        } else if (argument == "--shot" && hasValue) {
            if (!ParseShot(argv[++i], options)) {
                return false;
            }
        } else if (argument == "--input" && hasValue) {
            options.inputFile = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    DriverOptions options;
    if (!ParseArguments(argc, argv, options)) {
        Usage();
        return 2;
    }
    autoplay::InputScript script;
    if (!options.inputFile.empty() && !script.Load(options.inputFile, stderr)) {
        return 2;
    }

    bool checkFailed = false;
    std::uint32_t framesDone = 0;
    bool shotFailed = false;
    Zelt::ProgramOptions program;
    program.ignoreActivation = true;
    // One time for the frames and the devices' held and idle clocks, moved by the fixed interval, so
    // held keys are exact.
    auto frameTime = std::make_shared<autoplay::FrameTime>();
    Zelt::C::SetInputClockMaker([frameTime] { return frameTime->MakeClock(); });
    program.clock = [frameTime] { return frameTime->Now(); };
    program.beforeFrame = [&](std::uint32_t) { frameTime->Advance(options.interval); };
    program.afterFrame = [&](std::uint32_t frame) {
        framesDone = frame;
        checkFailed = !script.AfterFrame(frame, stderr) || checkFailed;
        auto shot = options.shots.find(frame);
        if (shot != options.shots.end()) {
            std::string error = platform::WritePng(shot->second, Zelt::ReadProgramBackBuffer());
            if (!error.empty()) {
                std::fprintf(stderr, "sector-clash-autoplay: %s\n", error.c_str());
                shotFailed = true;
                return false;
            }
        }
        return frame < options.frames;
    };

    auto start = std::chrono::steady_clock::now();
    int exitCode = Zelt::RunProgram(program);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (exitCode != 0) {
        std::fprintf(stderr, "sector-clash-autoplay: the program ended with code %d\n", exitCode);
        return 1;
    }
    if (shotFailed || !script.Finish(framesDone, stderr) || checkFailed) {
        return 1;
    }
    if (framesDone < options.frames) {
        std::fprintf(stderr, "sector-clash-autoplay: the run ended after %u of %u frames\n", framesDone,
                     options.frames);
        return 1;
    }
    std::printf("frames: %u, seconds: %.3f, frames per second: %.1f\n", framesDone, seconds,
                seconds > 0 ? framesDone / seconds : 0.0);
    return 0;
}
