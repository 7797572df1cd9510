// sector-clash-simulate: plays a level headless, in fixed steps of the real world, and prints what became of
// it as one JSON line.
#include "datafiles/DataArchive.h"
#include "command/SimulationStep.h"
#include "game/Battle.h"
#include "game/Level.h"
#include "game/LevelFile.h"
#include "game/SkirmishForces.h"
#include "game/StateDigest.h"
#include "graphics/DrawingStore.h"
#include "graphics/ParticleSystemFactory.h"
#include "platform/ProcessMemory.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "shell/DurationQuantiles.h"
#include "tools/sector-clash-simulate/Census.h"
#include "tools/sector-clash-simulate/ObjectTrace.h"
#include "tools/shared/CommandLine.h"
#include "tools/shared/GameData.h"
#include "world/World.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

constexpr const char* program = "sector-clash-simulate";

constexpr const char* usage =
    "usage: sector-clash-simulate LEVEL [--data DIR] [--seed N] [--seconds S | --steps K] [--step MS]\n"
    "                             [--skirmish [N]] [--trace] [--objects-every MS] [--play-on]\n"
    "Runs the level LEVEL headless, the random generator seeded with N (0..4294967295, default 1), in\n"
    "steps of MS milliseconds (default 16, 1..1000), until the level quits or S seconds of game time\n"
    "(default 600) have passed, or for at most K steps; the game time must stay within the game clock's\n"
    "4294967.295 seconds. LEVEL is a level of the data folder (levels/level1.xml) or the path of a level\n"
    "file. The rest of the data comes from DIR; without --data, from the data folder LEVEL lies in (its\n"
    "levels/ folder), else from the one the game would read (data/ in the working directory, else the\n"
    "installed data); standard error names the folder used.\n"
    "--skirmish fields the skirmish tanks the level asks for (256 when it does not say), or N (0..65536)\n"
    "in fields widened to hold them as densely, as far as the map reaches; --trace prints a JSON line per game second with the resident memory; --objects-every MS\n"
    "prints every MS of game time and at the end a JSON line with every tank, tower, building, obstacle\n"
    "and landmine; --play-on keeps the battle going after the level has ended (for soak runs).\n"
    "The last line is the summary. Exit 0 when the run completes, 2 when LEVEL is no level or the data\n"
    "cannot be read, or on bad usage.\n";

// The game clock's range: the longest run in milliseconds.
constexpr std::uint64_t largestRunMs = 4294967295u;

struct Options {
    std::string level;
    // Empty until --data names it or the level's place or the game's search chooses it.
    std::string data;
    std::uint32_t seed = 1;
    double seconds = 600;
    long long steps = -1;
    unsigned stepMs = 16;
    bool skirmish = false;
    // Empty: the level's own count.
    std::optional<int> skirmishTanks;
    bool trace = false;
    // Game milliseconds between object lists; 0 for none.
    std::uint32_t objectsEveryMs = 0;
    bool playOn = false;
};

bool ParseNumber(const char* text, double low, double high, double& value) {
    const std::optional<double> number = toolkit::RealNumber(text, low, high);
    value = number.value_or(0);
    return number.has_value();
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

// The options that take a whole number, with their ranges.
constexpr toolkit::WholeOption<Options> wholeOptionTable[] = {
    {"--seed", 0, toolkit::largestSeed,
     [](Options& options, std::uint64_t value) { options.seed = static_cast<std::uint32_t>(value); }},
    {"--steps", 0, largestRunMs,
     [](Options& options, std::uint64_t value) { options.steps = static_cast<long long>(value); }},
    {"--step", 1, 1000,
     [](Options& options, std::uint64_t value) { options.stepMs = static_cast<unsigned>(value); }},
    {"--objects-every", 1, largestRunMs,
     [](Options& options, std::uint64_t value) {
         options.objectsEveryMs = static_cast<std::uint32_t>(value);
     }},
};
constexpr std::span<const toolkit::WholeOption<Options>> wholeOptions = wholeOptionTable;

bool ParseValueOption(const std::string& option, const char* value, Options& options, std::string& fault) {
    if (option == "--data") {
        options.data = value;
        return true;
    }
    if (option == "--seconds") {
        if (!ParseNumber(value, 0, largestRunMs / 1000.0, options.seconds))
            fault = toolkit::WrongValue(option, value, "a number of seconds from 0 to 4294967.295");
        return fault.empty();
    }
    return toolkit::StoreWholeOption(*toolkit::FindWholeOption(wholeOptions, option), value, options, fault);
}

bool ParseOption(int argc, char** argv, int& index, Options& options, std::string& fault) {
    const std::string option = argv[index];
    if (option == "--skirmish")
        return ParseSkirmish(argc, argv, index, options);
    if (option == "--trace")
        return options.trace = true;
    if (option == "--play-on")
        return options.playOn = true;
    if (option != "--data" && option != "--seconds" &&
        toolkit::FindWholeOption(wholeOptions, option) == nullptr) {
        fault = toolkit::UnknownOption(option);
        return false;
    }
    if (index + 1 >= argc) {
        fault = toolkit::MissingValue(option);
        return false;
    }
    return ParseValueOption(option, argv[++index], options, fault);
}

// The world's and the level's clocks count 32-bit milliseconds: a longer run would wrap them and, with
// --seconds, never reach its end.
bool RunFitsTheClock(const Options& options, std::string& fault) {
    const double step = options.stepMs;
    const bool counted = options.steps >= 0;
    const double lastClock = counted ? static_cast<double>(options.steps) * step
                                     : std::ceil(options.seconds * 1000.0 / step) * step;
    if (lastClock <= static_cast<double>(largestRunMs))
        return true;
    fault = std::string(counted ? "--steps" : "--seconds") + " in steps of " +
            std::to_string(options.stepMs) + " ms ends beyond the game clock's " +
            std::to_string(largestRunMs) + " ms";
    return false;
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        if (argv[index][0] != '-') {
            if (!options.level.empty()) {
                fault = "one level at a time, not \"" + options.level + "\" and \"" + argv[index] + "\"";
                return false;
            }
            options.level = argv[index];
        } else if (!ParseOption(argc, argv, index, options, fault)) {
            return false;
        }
    }
    if (options.level.empty())
        fault = "no LEVEL given";
    return !options.level.empty() && RunFitsTheClock(options, fault);
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
    // Headless runs never read the steps' events, so the level's beeps stay silent.
    Vorn::Battle battle =
        Vorn::StartBattle(std::move(document), 1280, 720, options.skirmish, options.skirmishTanks);
    Vorn::World& world = *battle.world;
    Vorn::Level& level = *battle.level;
    // Bounded, so that an hour's run measures the game's memory and not its own record.
    Zelt::DurationQuantiles tickMs;
    simulate::ObjectTrace objectTrace(options.objectsEveryMs);
    long long steps = 0;
    while (!RunOver(options, world, level, steps)) {
        const unsigned clockBefore = world.Clock();
        const unsigned secondBefore = world.Clock() / 1000;
        const auto start = std::chrono::steady_clock::now();
        Vorn::StepSimulation(world, *battle.commands, options.stepMs);
        tickMs.Add(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ++steps;
        if (options.trace && world.Clock() / 1000 != secondBefore)
            std::printf("%s, \"rss_kb\": %ld}\n", StateJson(world, level, steps).c_str(),
                        platform::ResidentKb());
        objectTrace.AfterStep(world, clockBefore);
    }
    objectTrace.AtEnd(world);
    std::printf("%s, %s}\n", StateJson(world, level, steps).c_str(), TickJson(tickMs).c_str());
    battle.world.reset();
}

// The data folder of a level file that lies in the "levels" folder of one (beside its constants), so a
// mod's level is played with the mod's rules; nothing for any other file and for names under the data
// folder.
std::optional<std::filesystem::path> DataFolderOfLevel(const std::string& level) {
    std::error_code error;
    const std::filesystem::path path(level);
    if (!std::filesystem::is_regular_file(path, error) || path.parent_path().filename() != "levels")
        return std::nullopt;
    std::filesystem::path folder = path.parent_path().parent_path();
    if (folder.empty())
        folder = ".";
    if (!std::filesystem::is_regular_file(folder / "constants.xml", error))
        return std::nullopt;
    return folder;
}

// --data, else the level's own data folder, else the one the game would read; said on standard error,
// so a run never mixes a mod's level with other rules unnoticed.
bool ChooseDataFolder(Options& options) {
    if (options.data.empty()) {
        std::optional<std::filesystem::path> folder = DataFolderOfLevel(options.level);
        if (!folder)
            folder = toolkit::FindGameData();
        if (!folder) {
            std::fprintf(stderr, "%s: %s\n", program, toolkit::NoGameDataFault().c_str());
            return false;
        }
        options.data = folder->string();
    }
    std::error_code error;
    if (!std::filesystem::is_directory(options.data, error)) {
        std::fprintf(stderr, "%s: the data folder %s is not a folder\n", program, options.data.c_str());
        return false;
    }
    std::fprintf(stderr, "%s: data folder %s\n", program, options.data.c_str());
    dataArchive.SetFolder(options.data);
    return true;
}

// The level as the game reads it: a name under the data folder or a path, refused when it is no level.
bool ReadLevel(const Options& options, Brisk::Node& document) {
    std::string error;
    if (Vorn::ReadLevelFile(options.level, document, error))
        return true;
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(usage);
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    Options options;
    if (std::string fault; !ParseOptions(argc, argv, options, fault))
        return toolkit::RefuseUsage(program, fault, usage);
    Brisk::Node document;
    if (!ChooseDataFolder(options) || !ReadLevel(options, document))
        return 2;
    if (!LoadData(options))
        return 2;
    Simulate(options, std::move(document));
    ReleaseData();
    return 0;
}
