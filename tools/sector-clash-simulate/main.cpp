// sector-clash-simulate: plays a level headless, in fixed steps of the real world, and prints what became of
// it as one JSON line.
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/Level.h"
#include "game/SkirmishForces.h"
#include "game/StateDigest.h"
#include "graphics/DrawingStore.h"
#include "graphics/ParticleSystemFactory.h"
#include "platform/ProcessMemory.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "shell/DurationQuantiles.h"
#include "tools/sector-clash-simulate/Census.h"
#include "world/World.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace {

void PrintUsage() {
    std::fprintf(
        stderr,
        "usage: sector-clash-simulate LEVEL [--data DIR] [--seed N] [--seconds S | --steps K] [--step MS]\n"
        "                             [--skirmish [N]] [--trace] [--play-on]\n"
        "Runs the level file LEVEL headless with the rest of the data from DIR (default \"data\"), the\n"
        "random generator seeded with N (default 1), in steps of MS milliseconds (default 16, 1..1000),\n"
        "until the level quits or S seconds of game time (default 600) have passed, or for at most K\n"
        "steps. --skirmish fields the skirmish tanks the level asks for (256 when it does not say), or N\n"
        "(0..65536) in fields widened to hold them as densely, as far as the map reaches; --trace prints a\n"
        "JSON line per game second with the resident memory; --play-on keeps the battle going after the\n"
        "level has ended (for soak runs).\n"
        "The last line is the summary. Exit 0 when the run completes, 2 when LEVEL or the data cannot\n"
        "be read or on bad usage.\n");
}

struct Options {
    std::string level;
    std::string data = "data";
    std::uint32_t seed = 1;
    double seconds = 600;
    long long steps = -1;
    unsigned stepMs = 16;
    bool skirmish = false;
    // Empty: the level's own count.
    std::optional<int> skirmishTanks;
    bool trace = false;
    bool playOn = false;
};

bool ParseNumber(const char* text, double low, double high, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= low && value <= high;
}

// The count is optional: a following argument that is not a whole number in range is the next option or
// the level.
bool ParseSkirmish(int argc, char** argv, int& index, Options& options) {
    options.skirmish = true;
    double number = 0;
    if (index + 1 < argc && ParseNumber(argv[index + 1], 0, Vorn::largestSkirmish, number) &&
        number == std::floor(number)) {
        options.skirmishTanks = static_cast<int>(number);
        ++index;
    }
    return true;
}

bool ParseOption(int argc, char** argv, int& index, Options& options) {
    const std::string option = argv[index];
    if (option == "--skirmish")
        return ParseSkirmish(argc, argv, index, options);
    if (option == "--trace")
        return options.trace = true;
    if (option == "--play-on")
        return options.playOn = true;
    if (index + 1 >= argc)
        return false;
    const char* value = argv[++index];
    double number = 0;
    if (option == "--data") {
        options.data = value;
        return true;
    }
    if (option == "--seed" && ParseNumber(value, 0, 4294967295.0, number) && number == std::floor(number)) {
        options.seed = static_cast<std::uint32_t>(number);
        return true;
    }
    if (option == "--seconds" && ParseNumber(value, 0, 1e7, number)) {
        options.seconds = number;
        return true;
    }
    if (option == "--steps" && ParseNumber(value, 0, 1e9, number) && number == std::floor(number)) {
        options.steps = static_cast<long long>(number);
        return true;
    }
    if (option == "--step" && ParseNumber(value, 1, 1000, number) && number == std::floor(number)) {
        options.stepMs = static_cast<unsigned>(number);
        return true;
    }
    return false;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        if (argv[index][0] != '-') {
            if (!options.level.empty())
                return false;
            options.level = argv[index];
        } else if (!ParseOption(argc, argv, index, options)) {
            return false;
        }
    }
    return !options.level.empty();
}

void ReleaseData() {
    Vorn::drawingStore.Release();
    delete Vorn::particleSystemFactory;
    Vorn::particleSystemFactory = nullptr;
    Vorn::Constants::ReleaseConstants();
}

// The data the world needs, loaded in the game's order from the moment the game seeds its random
// generator (particle systems, drawings, constants), so that the random sequence is the game's.
bool LoadData(const Options& options) {
    dataArchive.SetFolder(options.data);
    Vorn::randomGenerator.Reseed(options.seed);
    Vorn::particleSystemFactory = new Vorn::ParticleSystemFactory;
    Vorn::particleSystemFactory->Load(dataArchive.ReadDocument("particles.xml"));
    Vorn::drawingStore.Load();
    Vorn::Constants::LoadConstants();
    const std::string refusal = Vorn::Constants::MissingConstantsMessage();
    if (!refusal.empty()) {
        std::fprintf(stderr, "sector-clash-simulate: %s/constants.xml: %s\n", options.data.c_str(),
                     refusal.c_str());
        ReleaseData();
        return false;
    }
    return true;
}

std::string StateJson(Vorn::World& world, const Vorn::Level& level, long long steps) {
    char head[256];
    std::snprintf(head, sizeof head,
                  "{\"seconds\": %.3f, \"steps\": %lld, \"finished\": %s, \"won\": %s, \"digest\": \"%s\", ",
                  world.Clock() / 1000.0, steps, level.finished ? "true" : "false",
                  level.won ? "true" : "false", Vorn::DigestText(Vorn::StateDigest(world, &level)).c_str());
    return head + simulate::CensusJson(simulate::TakeCensus(world));
}

std::string TickJson(const Zelt::DurationQuantiles& tickMs) {
    char text[160];
    std::snprintf(text, sizeof text, "\"tick_ms\": {\"median\": %.4f, \"p99\": %.4f, \"max\": %.4f}",
                  tickMs.Quantile(0.5), tickMs.Quantile(0.99), tickMs.Max());
    return text;
}

bool RunOver(const Options& options, const Vorn::World& world, const Vorn::Level& level, long long steps) {
    if (level.finished && !options.playOn)
        return true;
    if (options.steps >= 0)
        return steps >= options.steps;
    return world.Clock() >= options.seconds * 1000.0;
}

void Simulate(const Options& options, Brisk::Node document) {
    // Headless runs stay silent whatever audio the machine has.
    Vorn::Battle battle =
        Vorn::StartBattle(std::move(document), 1280, 720, options.skirmish, nullptr, options.skirmishTanks);
    Vorn::World& world = *battle.world;
    Vorn::Level& level = *battle.level;
    // Bounded, so that an hour's run measures the game's memory and not its own record.
    Zelt::DurationQuantiles tickMs;
    long long steps = 0;
    while (!RunOver(options, world, level, steps)) {
        const unsigned secondBefore = world.Clock() / 1000;
        const auto start = std::chrono::steady_clock::now();
        world.Tick(options.stepMs);
        tickMs.Add(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ++steps;
        if (options.trace && world.Clock() / 1000 != secondBefore)
            std::printf("%s, \"rss_kb\": %ld}\n", StateJson(world, level, steps).c_str(),
                        platform::ResidentKb());
    }
    std::printf("%s, %s}\n", StateJson(world, level, steps).c_str(), TickJson(tickMs).c_str());
    battle.world.reset();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage();
        return 2;
    }
    Brisk::Node document;
    if (!std::filesystem::is_regular_file(options.level) || document.LoadFile(options.level) != 0) {
        std::fprintf(stderr, "sector-clash-simulate: cannot read the level file %s\n", options.level.c_str());
        return 2;
    }
    if (!LoadData(options))
        return 2;
    Simulate(options, std::move(document));
    ReleaseData();
    return 0;
}
