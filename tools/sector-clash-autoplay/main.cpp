// The headless driver: runs the real start-up, loading and game modes for a number of frames with a fixed
// frame interval, and writes screenshots of chosen frames.
//
//   sector-clash-autoplay [--frames N] [--interval MS] [--shot FRAME:PATH]... [--input FILE]
//                         [--level FILE] [--seed N] [--skirmish N] [--stats] [--reveal]
//                         [--memory-every N]
//
// --input plays a script of timed mouse and key events and checks (see InputScript.h). --level plays
// another level (a name under "data/" or any path), --seed seeds the random generator with N instead of
// the tick count, and --stats prints the run's measurements and the final state digest as the last line,
// one JSON object; with the same level, seed, interval and step count the digest is the one
// sector-clash-simulate LEVEL --skirmish --seed N --step MS --steps K prints. --reveal clears the player's
// fog over the whole map before every frame, so screenshots show every side (the fog only decides what is
// drawn: the simulation and the digest never read it). --skirmish fields N skirmish tanks (0..65536) instead
// of the game's 256, in the simulator's widened fields, to measure drawing with larger armies.
// --memory-every N prints, every N frames, one JSON line with the frame, the game clock and the resident
// memory, for soak runs that watch it.
//
// It needs an X display (Xvfb in tests). Exit 0 after the last frame; non-zero with a message when the
// window or its GL context cannot be made, a screenshot cannot be written, or the run ends early.
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "game/SkirmishForces.h"
#include "game/StateDigest.h"
#include "platform/PngFile.h"
#include "platform/ProcessMemory.h"
#include "shell/ModeManager.h"
#include "shell/program/Program.h"
#include "tools/sector-clash-autoplay/InputScript.h"
#include "tools/sector-clash-autoplay/InputScriptClock.h"
#include "tools/sector-clash-autoplay/RunStats.h"
#include "world/World.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace {

struct DriverOptions {
    std::uint32_t frames = 60;
    std::uint32_t interval = 16;
    std::map<std::uint32_t, std::string> shots;
    std::string inputFile;
    std::string level;
    std::optional<std::uint32_t> seed;
    std::uint32_t skirmishTanks = Vorn::skirmishTankCount;
    bool stats = false;
    bool reveal = false;
    std::uint32_t memoryEvery = 0;
};

void Usage() {
    std::fprintf(
        stderr,
        "usage: sector-clash-autoplay [--frames N] [--interval MS] [--shot FRAME:PATH]... [--input FILE]\n"
        "                             [--level FILE] [--seed N] [--skirmish N] [--stats] [--reveal]\n"
        "                             [--memory-every N]\n");
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
        } else if (argument == "--level" && hasValue) {
            options.level = argv[++i];
        } else if (argument == "--seed" && hasValue) {
            std::uint32_t seed = 0;
            if (!ParseCount(argv[++i], seed)) {
                return false;
            }
            options.seed = seed;
        } else if (argument == "--skirmish" && hasValue) {
            if (!ParseCount(argv[++i], options.skirmishTanks) ||
                options.skirmishTanks > static_cast<std::uint32_t>(Vorn::largestSkirmish)) {
                return false;
            }
        } else if (argument == "--stats") {
            options.stats = true;
        } else if (argument == "--reveal") {
            options.reveal = true;
        } else if (argument == "--memory-every" && hasValue) {
            if (!ParseCount(argv[++i], options.memoryEvery)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

void RevealWholeMap() {
    if (Vorn::world == nullptr) {
        return;
    }
    // Twice the map's diagonal: every grid point lies within half the radius and clears almost fully.
    const float radius = 2 * std::hypot(Vorn::world->Width(), Vorn::world->Height()) + 1;
    Vorn::world->fog.RevealFog(0, 0, radius, Vorn::world->sides.playerSide);
}

Vorn::Mode::Game* GameMode() {
    return dynamic_cast<Vorn::Mode::Game*>(
        Zelt::modeManager.ModeAt(static_cast<std::size_t>(Zelt::gameModeIndex)));
}

// Reads the game mode's counters after a frame; the digest only after the last, while the world exists.
void Measure(autoplay::RunStats& stats, std::uint32_t frame, std::uint32_t lastFrame) {
    Vorn::Mode::Game* game = GameMode();
    const bool gameFrame = game != nullptr && Zelt::modeManager.Current() == Zelt::gameModeIndex;
    if (gameFrame && game->StepsRun() > stats.steps) {
        stats.tickMs.Add(game->LastTickMs());
    }
    stats.steps = game != nullptr ? game->StepsRun() : 0;
    stats.gameMs = Vorn::world != nullptr ? Vorn::world->Clock() : 0;
    stats.AfterFrame(gameFrame);
    if (frame >= lastFrame && Vorn::world != nullptr) {
        stats.digest =
            Vorn::DigestText(Vorn::StateDigest(*Vorn::world, gameFrame ? game->CurrentLevel() : nullptr));
    }
}

void PrintMemory(std::uint32_t frame) {
    std::printf("{\"frame\": %u, \"game_ms\": %u, \"rss_kb\": %ld}\n", frame,
                Vorn::world != nullptr ? static_cast<unsigned>(Vorn::world->Clock()) : 0u,
                platform::ResidentKb());
    std::fflush(stdout);
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

    if (!options.level.empty()) {
        std::error_code error;
        const std::filesystem::path given(options.level);
        // A file named from the working directory stays found whatever the program makes of its paths.
        Vorn::Mode::Game::levelFileName =
            std::filesystem::is_regular_file(given, error) && given.is_relative()
                ? std::filesystem::absolute(given, error).string()
                : options.level;
    }
    Vorn::Mode::Loading::fixedSeed = options.seed;
    Vorn::Mode::Game::skirmishTanks = static_cast<int>(options.skirmishTanks);
    autoplay::RunStats stats;

    bool checkFailed = false;
    std::uint32_t framesDone = 0;
    bool shotFailed = false;
    Zelt::ProgramOptions program;
    program.ignoreActivation = true;
    program.acceptsInvisibleDisplay = true;
    // One time for the frames and the devices' held and idle clocks, moved by the fixed interval, so
    // held keys are exact.
    auto frameTime = std::make_shared<autoplay::FrameTime>();
    Zelt::C::SetInputClockMaker([frameTime] { return frameTime->MakeClock(); });
    program.clock = [frameTime] { return frameTime->Now(); };
    program.beforeFrame = [&](std::uint32_t) {
        frameTime->Advance(options.interval);
        if (options.reveal) {
            RevealWholeMap();
        }
    };
    program.afterFrame = [&](std::uint32_t frame) {
        framesDone = frame;
        if (options.stats) {
            Measure(stats, frame, options.frames);
        }
        if (options.memoryEvery != 0 && frame % options.memoryEvery == 0) {
            PrintMemory(frame);
        }
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
    if (options.stats) {
        std::printf("%s\n", stats.Json().c_str());
    }
    return 0;
}
