// sector-clash-simulate: plays a level headless, in fixed steps of the real world, and prints what became of
// it as one JSON line.
#include "command/CommandQueue.h"
#include "command/SimulationStep.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/Level.h"
#include "game/LevelFile.h"
#include "game/Outcome.h"
#include "game/ReplayStartSave.h"
#include "game/ReplayTrail.h"
#include "game/SavedBattle.h"
#include "game/SkirmishForces.h"
#include "game/StateDigest.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "platform/ProcessMemory.h"
#include "random/Random.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayInputs.h"
#include "replay/ReplayReader.h"
#include "replay/ReplayWriter.h"
#include "rules/ConstantsLoader.h"
#include "save/SaveFile.h"
#include "shell/DurationQuantiles.h"
#include "shell/GameVersion.h"
#include "tools/sector-clash-simulate/Census.h"
#include "tools/sector-clash-simulate/ObjectTrace.h"
#include "tools/shared/CommandLine.h"
#include "tools/shared/GameData.h"
#include "world/ObjectKind.h"
#include "world/SideTable.h"
#include "world/World.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr const char* program = "sector-clash-simulate";

constexpr const char* usage =
    "usage: sector-clash-simulate LEVEL [--data DIR] [--seed N] [--seconds S | --steps K] [--step MS]\n"
    "                             [--skirmish [N]] [--trace] [--objects-every MS] [--play-on]\n"
    "                             [--record FILE] [--save-at STEP FILE]\n"
    "                             [--commander SIDE=DIFFICULTY ...]\n"
    "       sector-clash-simulate --replay FILE [--data DIR] [--force] [--trace] [--objects-every MS]\n"
    "       sector-clash-simulate --load FILE [--data DIR] [--seconds S | --steps K] [--step MS]\n"
    "                             [--trace] [--objects-every MS] [--play-on] [--save-at STEP FILE]\n"
    "                             [--record FILE]\n"
    "Runs the level LEVEL headless, the random generator seeded with N (0..4294967295, default 1), in\n"
    "steps of MS milliseconds (default 16, 1..1000), until the level quits or S seconds of game time\n"
    "(default 600) have passed, or for at most K steps; the game time must stay within the game clock's\n"
    "4294967.295 seconds. LEVEL is a level of the data folder (levels/level1.xml) or the path of a level\n"
    "file. The rest of the data comes from DIR; without --data, from the data folder LEVEL lies in (its\n"
    "levels/ folder), else from the one the game would read (data/ in the working directory, else the\n"
    "installed data); standard error names the folder used.\n"
    "--skirmish fields the skirmish tanks the level asks for (256 when it does not say), or N (0..65536)\n"
    "in fields widened to hold them as densely, as far as the map reaches; --trace prints a JSON line per "
    "game second with the resident memory; --objects-every MS\n"
    "prints every MS of game time and at the end a JSON line with every tank, tower, building, obstacle\n"
    "and landmine; --play-on keeps the battle going after the level has ended (for soak runs).\n"
    "--commander SIDE=DIFFICULTY (repeatable) lets a computer opponent play the side (Red, Green, Blue,\n"
    "...; the player's side too) at a difficulty of commander.xml (easy, normal, hard; an unknown one\n"
    "plays normal); a level's own <commander> elements start theirs as well.\n"
    "--record FILE writes the run's replay to FILE: its level, data, seed, commands and a digest per game\n"
    "second. --replay FILE runs a replay again (its level, seed, skirmish and steps come from the file)\n"
    "and compares its digests; a replay whose level or data files differ from those at hand is refused\n"
    "unless --force is given. A replay recorded after --load starts from that save, which must be at\n"
    "hand with the same bytes (its path as recorded, a relative one in the saves folder first).\n"
    "--save-at STEP FILE writes a saved game to FILE once this run has run STEP steps (0: before the\n"
    "first) and goes on. --load FILE goes on with a saved game: its level, seed and skirmish come from the\n"
    "file, the steps from MS (default: the saved game's last step length), for S more seconds or K more\n"
    "steps; the summary counts the saved steps too. A save whose level or data files differ from those\n"
    "at hand is refused.\n"
    "The last line is the summary. Exit 0 when the run completes (a replay: ends in the recorded digest),\n"
    "2 when LEVEL is no level, the data or the replay cannot be read, or on bad usage, 3 when a replay\n"
    "goes astray (the step of the first second whose digest differs is named).\n";

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
    // Empty for none.
    std::string record;
    std::string replay;
    bool force = false;
    std::string load;
    // -1: no save is written.
    long long saveAt = -1;
    std::string saveFile;
    // --step was given, so a loaded game runs on in steps of that length rather than its own.
    bool stepGiven = false;
    // --seed or --skirmish was given: a loaded game takes them from its file.
    bool seedOrSkirmishGiven = false;
    // Sides and difficulties of --commander, in the order given.
    std::vector<std::pair<int, std::string>> commanders;
    // An option that sets up the game (seed, length, skirmish) was given: a replay takes these from
    // its file.
    bool setupGiven = false;
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
    options.setupGiven = true;
    options.seedOrSkirmishGiven = true;
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

// SIDE=DIFFICULTY: a side's colour name in any letter case and a difficulty name.
bool ParseCommander(const char* value, Options& options, std::string& fault) {
    const std::string text = value;
    const std::size_t equals = text.find('=');
    const int side = equals == std::string::npos ? Vorn::noSide : Vorn::SideOfName(text.substr(0, equals));
    if (side == Vorn::noSide || equals + 1 >= text.size()) {
        fault = toolkit::WrongValue("--commander", value, "SIDE=DIFFICULTY, e.g. Green=normal");
        return false;
    }
    options.commanders.emplace_back(side, text.substr(equals + 1));
    return true;
}

bool ParseValueOption(const std::string& option, const char* value, Options& options, std::string& fault) {
    if (option == "--commander") {
        options.setupGiven = true;
        return ParseCommander(value, options, fault);
    }
    if (option == "--data") {
        options.data = value;
        return true;
    }
    if (option == "--record" || option == "--replay" || option == "--load") {
        (option == "--record"   ? options.record
         : option == "--replay" ? options.replay
                                : options.load) = value;
        return true;
    }
    options.setupGiven |= option != "--objects-every";
    options.seedOrSkirmishGiven |= option == "--seed";
    options.stepGiven |= option == "--step";
    if (option == "--seconds") {
        if (!ParseNumber(value, 0, largestRunMs / 1000.0, options.seconds))
            fault = toolkit::WrongValue(option, value, "a number of seconds from 0 to 4294967.295");
        return fault.empty();
    }
    return toolkit::StoreWholeOption(*toolkit::FindWholeOption(wholeOptions, option), value, options, fault);
}

// A step count and a file name.
bool ParseSaveAt(int argc, char** argv, int& index, Options& options, std::string& fault) {
    if (index + 2 >= argc) {
        fault = "--save-at needs a step count and a file name";
        return false;
    }
    const std::optional<double> step = toolkit::RealNumber(argv[index + 1], 0, largestRunMs);
    if (!step || *step != std::floor(*step)) {
        fault = toolkit::WrongValue("--save-at", argv[index + 1], "a step count from 0 to 4294967295");
        return false;
    }
    options.saveAt = static_cast<long long>(*step);
    options.saveFile = argv[index + 2];
    index += 2;
    return true;
}

bool ParseOption(int argc, char** argv, int& index, Options& options, std::string& fault) {
    const std::string option = argv[index];
    if (option == "--skirmish")
        return ParseSkirmish(argc, argv, index, options);
    if (option == "--trace")
        return options.trace = true;
    if (option == "--play-on")
        return options.playOn = true;
    if (option == "--force")
        return options.force = true;
    if (option == "--save-at")
        return ParseSaveAt(argc, argv, index, options, fault);
    if (option != "--data" && option != "--seconds" && option != "--record" && option != "--replay" &&
        option != "--load" && option != "--commander" &&
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

// A replay is its own level, seed, skirmish and length.
bool ReplayOptionsFit(const Options& options, std::string& fault) {
    if (!options.level.empty())
        fault = "--replay plays the level of its file, not \"" + options.level + "\"";
    else if (options.setupGiven)
        fault = "--replay takes the seed, skirmish, step and length from its file";
    else if (options.playOn)
        fault = "--replay plays the recorded steps, with or without --play-on";
    return fault.empty();
}

// A saved game is its own level, seed and skirmish; its replay starts from the save.
bool LoadOptionsFit(const Options& options, std::string& fault) {
    if (!options.level.empty())
        fault = "--load plays the level of its file, not \"" + options.level + "\"";
    else if (options.seedOrSkirmishGiven)
        fault = "--load takes the seed and the skirmish from its file";
    else if (options.force)
        fault = "--force goes with --replay only";
    return fault.empty();
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
    if (!options.replay.empty() && !options.load.empty())
        fault = "--replay and --load, one at a time";
    else if (!options.replay.empty() && options.saveAt >= 0)
        fault = "--save-at goes with a level or --load, not --replay";
    if (!fault.empty())
        return false;
    if (!options.replay.empty())
        return ReplayOptionsFit(options, fault);
    if (!options.load.empty())
        return LoadOptionsFit(options, fault);
    if (options.level.empty())
        fault = "no LEVEL given";
    if (options.force)
        fault = "--force goes with --replay only";
    return fault.empty() && RunFitsTheClock(options, fault);
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
    Vorn::particleSystemFactory->Load(dataArchive.ReadDocument(Vorn::particlesFileName));
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

// `steps` and the game time from `startMs` count this run only: a loaded game runs on for as long again.
bool RunOver(const Options& options, const Vorn::World& world, const Vorn::Level& level, long long steps,
             unsigned startMs) {
    if (level.finished && !options.playOn)
        return true;
    if (options.steps >= 0)
        return steps >= options.steps;
    return world.Clock() - startMs >= options.seconds * 1000.0;
}

// What a run checks against (a replay played again) and what it records (--record).
struct ReplayRun {
    const Vorn::Replay* recorded = nullptr;
    Vorn::Replay* record = nullptr;
    Vorn::ReplayTrail trail;
};

// The step at which a replay played again first differs from its file; nothing while it agrees.
std::optional<std::uint32_t> Divergence(const ReplayRun& run) {
    return Vorn::FirstDivergence(run.recorded->seconds, run.trail.Seconds());
}

std::optional<std::uint32_t> FinalDivergence(const ReplayRun& run, std::uint64_t digest, long long steps) {
    if (std::optional<std::uint32_t> step = Divergence(run))
        return step;
    if (digest != run.recorded->finalDigest || steps != run.recorded->steps ||
        run.trail.Seconds().size() != run.recorded->seconds.size())
        return static_cast<std::uint32_t>(steps);
    return std::nullopt;
}

// What a run saves from (the battle's setup and the steps it has run, those of a loaded game included)
// and whether it has saved.
struct SaveRun {
    Vorn::BattleSetup setup;
    Vorn::StepLengths steps;
    // The commands of the save the battle was built from: the first applied, and not the replay's.
    std::size_t loadedCommands = 0;
    bool written = false;
    bool failed = false;
};

void SaveNow(const Options& options, const Vorn::Battle& battle, SaveRun& save) {
    save.written = true;
    if (Vorn::WriteSaveFile(options.saveFile, Vorn::SaveOfBattle(save.setup, save.steps, battle)))
        return;
    std::fprintf(stderr, "%s: cannot write the saved game %s: %s\n", program, options.saveFile.c_str(),
                 std::strerror(errno));
    save.failed = true;
}

void ScheduleRecorded(const ReplayRun& run, Vorn::CommandQueue& commands) {
    if (run.recorded == nullptr)
        return;
    // The reader keeps the commands in step order from step 0 on, so every one is accepted.
    for (const Vorn::Command& command : run.recorded->commands)
        commands.Schedule(command);
}

// Plays the battle on; answers the exit code (3 when a replay goes astray, at the first second that does;
// 2 when the save asked for could not be written).
int Simulate(const Options& options, Vorn::Battle& battle, ReplayRun& run, SaveRun& save) {
    Vorn::World& world = *battle.world;
    Vorn::Level& level = *battle.level;
    ScheduleRecorded(run, *battle.commands);
    // A replay holds every command its commanders gave.
    if (run.recorded != nullptr)
        battle.commanders.reset();
    for (const auto& [side, difficulty] : options.commanders) {
        if (!battle.commanders->Book().Has(difficulty))
            std::fprintf(stderr, "%s: no difficulty \"%s\" in commander.xml: normal plays\n", program,
                         difficulty.c_str());
        battle.commanders->Start(side, difficulty);
    }
    const bool keepTrail = run.recorded != nullptr || run.record != nullptr;
    // Bounded, so that an hour's run measures the game's memory and not its own record.
    Zelt::DurationQuantiles tickMs;
    simulate::ObjectTrace objectTrace(options.objectsEveryMs);
    long long steps = 0;
    const auto stepsBefore = static_cast<long long>(save.steps.Steps());
    const unsigned startMs = world.Clock();
    std::optional<std::uint32_t> divergence;
    while (!divergence && !RunOver(options, world, level, steps, startMs)) {
        if (steps == options.saveAt)
            SaveNow(options, battle, save);
        const unsigned clockBefore = world.Clock();
        const unsigned secondBefore = world.Clock() / 1000;
        const auto start = std::chrono::steady_clock::now();
        Vorn::StepBattle(world, level, *battle.commands, battle.commanders.get(), options.stepMs);
        save.steps.Add(options.stepMs);
        ++steps;
        // Counted from the level's beginning, as a save and a replay that starts from it count them.
        if (keepTrail)
            run.trail.AfterStep(world, &level, clockBefore, static_cast<std::uint32_t>(stepsBefore + steps));
        tickMs.Add(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (options.trace && world.Clock() / 1000 != secondBefore)
            std::printf("%s, \"rss_kb\": %ld}\n", StateJson(world, level, stepsBefore + steps).c_str(),
                        platform::ResidentKb());
        objectTrace.AfterStep(world, clockBefore);
        if (run.recorded != nullptr)
            divergence = Divergence(run);
    }
    if (steps == options.saveAt)
        SaveNow(options, battle, save);
    objectTrace.AtEnd(world);
    std::printf("%s, %s}\n", StateJson(world, level, stepsBefore + steps).c_str(), TickJson(tickMs).c_str());
    const std::uint64_t digest = Vorn::StateDigest(world, &level);
    if (run.record != nullptr) {
        run.record->commands = Vorn::CommandsSinceSave(battle.commands->Applied(), save.loadedCommands);
        run.record->seconds = run.trail.Seconds();
        run.record->steps = static_cast<std::uint32_t>(stepsBefore + steps);
        run.record->finalDigest = digest;
        run.record->outcome = Vorn::ReplayOutcomeOf(level);
    }
    battle.world.reset();
    battle.level = nullptr;
    if (run.recorded != nullptr)
        divergence = FinalDivergence(run, digest, stepsBefore + steps);
    if (options.saveAt >= 0 && !save.written)
        std::fprintf(stderr, "%s: the run ended after %lld steps, before --save-at %lld\n", program, steps,
                     options.saveAt);
    if (save.failed || (options.saveAt >= 0 && !save.written))
        return 2;
    if (!divergence)
        return 0;
    std::fprintf(stderr,
                 "%s: %s: the game goes astray at step %u (its digest differs from the recorded one)\n",
                 program, options.replay.c_str(), static_cast<unsigned>(*divergence));
    return 3;
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
    if (!std::filesystem::is_regular_file(folder / Vorn::Constants::constantsFileName, error))
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

// Takes the level and the game's setup from the replay file.
bool ReadReplay(Options& options, Vorn::Replay& replay) {
    if (std::string fault; !Vorn::ReadReplayFile(options.replay, replay, fault)) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        return false;
    }
    options.level = replay.levelPath;
    options.seed = replay.seed;
    options.skirmish = replay.skirmish;
    options.skirmishTanks = replay.skirmishTanks;
    options.stepMs = replay.stepMs;
    options.steps = replay.steps;
    // The recorded run's length is the replay's, whether or not its level ended first.
    options.playOn = true;
    if (std::string fault; !RunFitsTheClock(options, fault)) {
        std::fprintf(stderr, "%s: %s: %s\n", program, options.replay.c_str(), fault.c_str());
        return false;
    }
    return true;
}

// A replay played on another level or other rules would give another game: refused, naming what
// differs, unless --force.
bool ReplayInputsMatch(const Options& options, const Vorn::Replay& replay) {
    std::string differs;
    if (Vorn::HashOfFile(Vorn::LevelFilePath(options.level)) != replay.levelHash)
        differs = "the level " + options.level + " differs from the one recorded";
    else if (Vorn::SimulationDataHash() != replay.dataHash)
        differs = "the data files of " + options.data + " differ from those recorded";
    if (differs.empty())
        return true;
    std::fprintf(stderr, "%s: %s: %s%s\n", program, options.replay.c_str(), differs.c_str(),
                 options.force ? " (played anyway: --force)" : " (--force plays it anyway)");
    return options.force;
}

// The setup of a run to record, taken before it starts, so that the hashes are of the files it read. A
// run that goes on from a save records a replay that starts from it.
Vorn::Replay ReplayHeader(const Options& options, std::optional<Vorn::ReplayStartSave> startSave) {
    Vorn::Replay replay;
    replay.startSave = std::move(startSave);
    replay.gameVersion = std::string(Zelt::GameVersion());
    replay.levelPath = options.level;
    replay.levelHash = Vorn::HashOfFile(Vorn::LevelFilePath(options.level)).value_or(0);
    replay.dataHash = Vorn::SimulationDataHash();
    replay.seed = replay.startSave ? 0 : options.seed;
    replay.skirmish = options.skirmish;
    replay.skirmishTanks = options.skirmishTanks;
    replay.stepMs = options.stepMs;
    replay.date = Vorn::SecondsSince1970();
    return replay;
}

// Takes the level and the game's setup from the saved game; its steps run on in its last step length
// unless --step says otherwise.
bool ReadSave(Options& options, Vorn::SavedGame& saved, std::uint64_t& hash) {
    std::string bytes;
    if (std::string fault; !Vorn::ReadSaveAndHash(options.load, saved, bytes, hash, fault)) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        return false;
    }
    options.level = saved.levelPath;
    options.skirmish = saved.skirmish;
    options.skirmishTanks = saved.skirmishTanks;
    if (!options.stepGiven && saved.steps.Last() != 0)
        options.stepMs = saved.steps.Last();
    const double runMs = options.steps >= 0
                             ? static_cast<double>(options.steps) * options.stepMs
                             : std::ceil(options.seconds * 1000.0 / options.stepMs) * options.stepMs;
    if (static_cast<double>(saved.GameMs()) + runMs > static_cast<double>(largestRunMs)) {
        std::fprintf(stderr, "%s: %s: going on from %llu ms ends beyond the game clock's %llu ms\n", program,
                     options.load.c_str(), static_cast<unsigned long long>(saved.GameMs()),
                     static_cast<unsigned long long>(largestRunMs));
        return false;
    }
    return true;
}

// The battle to run: the saved one (from `savePath`) built again, or a new one from the level.
bool BuildBattle(const Options& options, const Vorn::SavedGame* saved, const std::string& savePath,
                 Brisk::Node document, Vorn::Battle& battle, SaveRun& save) {
    if (saved == nullptr) {
        save.setup = Vorn::TakeBattleSetup(options.level, options.skirmish, options.skirmishTanks);
        save.setup.commanders = options.commanders;
        // Headless runs never read the steps' events, so the level's beeps stay silent.
        battle = Vorn::StartBattle(std::move(document), 1280, 720, options.skirmish, options.skirmishTanks);
        return true;
    }
    save.loadedCommands = saved->commands.size();
    std::string fault;
    if (Vorn::RestoreBattle(*saved, 1280, 720, battle, save.setup, save.steps, fault))
        return true;
    std::fprintf(stderr, "%s: %s: %s\n", program, savePath.c_str(), fault.c_str());
    return false;
}

// A replay that starts from a save runs the save's battle again, then the replay's own steps after it.
bool ReadReplayStart(Options& options, const Vorn::Replay& replay, Vorn::SavedGame& saved,
                     std::string& saveFile) {
    std::string fault;
    if (!Vorn::FindReplayStartSave(*replay.startSave, saveFile, fault) ||
        !Vorn::ReadReplayStartSave(replay, saveFile, saved, fault)) {
        std::fprintf(stderr, "%s: %s: %s\n", program, options.replay.c_str(), fault.c_str());
        return false;
    }
    options.steps = replay.steps - static_cast<long long>(saved.steps.Steps());
    return true;
}

bool WriteRecord(const Options& options, const Vorn::Replay& replay) {
    if (Vorn::WriteReplayFile(options.record, replay))
        return true;
    std::fprintf(stderr, "%s: cannot write the replay %s: %s\n", program, options.record.c_str(),
                 std::strerror(errno));
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
    Vorn::Replay recorded;
    if (!options.replay.empty() && !ReadReplay(options, recorded))
        return 2;
    // The save the battle is built from: --load's, or the one a replay starts from.
    Vorn::SavedGame saved;
    std::string savePath = options.load;
    std::uint64_t saveHash = 0;
    if (!options.load.empty() && !ReadSave(options, saved, saveHash))
        return 2;
    if (recorded.startSave && !ReadReplayStart(options, recorded, saved, savePath))
        return 2;
    Brisk::Node document;
    if (!ChooseDataFolder(options) || !ReadLevel(options, document))
        return 2;
    if (!options.replay.empty() && !ReplayInputsMatch(options, recorded))
        return 2;
    if (!LoadData(options))
        return 2;
    ReplayRun run;
    Vorn::Replay record;
    if (!options.replay.empty())
        run.recorded = &recorded;
    if (!options.record.empty()) {
        record = ReplayHeader(options, options.load.empty()
                                           ? std::nullopt
                                           : std::optional<Vorn::ReplayStartSave>(
                                                 {Vorn::SaveNameInReplay(options.load), saveHash}));
        run.record = &record;
    }
    Vorn::Battle battle;
    SaveRun save;
    if (!BuildBattle(options, savePath.empty() ? nullptr : &saved, savePath, std::move(document), battle,
                     save)) {
        ReleaseData();
        return 2;
    }
    const int code = Simulate(options, battle, run, save);
    battle = Vorn::Battle{};
    ReleaseData();
    if (!options.record.empty() && !WriteRecord(options, record))
        return 2;
    return code;
}
