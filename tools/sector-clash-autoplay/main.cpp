// The headless driver: runs the real start-up, loading and game modes for a number of frames with a fixed
// frame interval, and writes screenshots of chosen frames.
//
//   sector-clash-autoplay [--frames N] [--interval MS] [--shot FRAME:PATH]... [--input FILE]
//                         [--level FILE] [--seed N] [--skirmish N] [--stats] [--reveal] [--briefing]
//                         [--memory-every N] [--audio-out FILE.wav] [--record FILE] [--keep-replays]
//                         [--draw-every N]
//
// It reads the data the game would read: "data/" in the working directory, else the installed data beside
// the program, and enters that folder as the game does (the files it is given are named absolutely
// first). --interval is at most the longest step the game takes in one frame, 100 ms; every --shot frame
// lies within --frames.
// --input plays a script of timed mouse and key events and checks (docs/autoplay.md). --level plays
// another level (a name under "data/" or any path), --seed seeds the random generator with N instead of
// the tick count, and --stats prints the run's measurements and the final state digest as the last line,
// one JSON object; with the same level, seed, interval and step count the digest is the one
// sector-clash-simulate LEVEL --skirmish --seed N --step MS --steps K prints. --reveal clears the player's
// fog over the whole map before every frame, so screenshots show every side (the fog only decides what is
// drawn: the simulation and the digest never read it). --skirmish fields N skirmish tanks (0..65536) instead
// of the level's own count, in the simulator's widened fields, to measure drawing with larger armies.
// --memory-every N prints, every N frames, one JSON line with the frame, the game clock and the resident
// memory, for soak runs that watch it. --audio-out records everything the game's mixer played during the
// run (on SDL's "dummy" driver when there is no audio device) into a stereo WAV file and prints its length,
// peak and loudness and how many world events the sound player was offered; the simulation never waits for
// the sound, so the digest is the same with and without it. --keep-replays lets every game leave its replay
// in the player's replay folder as the game itself does (the driver's runs are measurements, so by default
// they leave nothing there). The game takes one world step of --interval milliseconds per frame.
// --draw-every N draws only every Nth frame and the --shot frames: the others run as ever, every draw
// call included, but the renderer fills none of their pixels, so a long run whose checks read the game's
// state rather than its pictures costs a fraction of its drawing.
//
// It needs an X display (Xvfb in tests). Exit 0 after the last frame; non-zero with a message when the
// window or its GL context cannot be made, a screenshot cannot be written, or the run ends early.
#include "game/BattleScenery.h"
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "game/ReplayStartSave.h"
#include "game/SkirmishForces.h"
#include "world/ObjectKind.h"
#include "world/SideTable.h"
#include "game/StateDigest.h"
#include "graphics/SpriteBatch.h"
#include "platform/AudioMixer.h"
#include "platform/MixerCapture.h"
#include "platform/PngFile.h"
#include "platform/ProcessMemory.h"
#include "save/SaveFile.h"
#include "shell/FrameTimer.h"
#include "shell/ModeManager.h"
#include "shell/UserFolders.h"
#include "shell/program/DataLocation.h"
#include "shell/program/Program.h"
#include "sound/SoundStatistics.h"
#include "sound/SoundSystem.h"
#include "sound/WavFile.h"
#include "tools/sector-clash-autoplay/DriverReplay.h"
#include "tools/sector-clash-autoplay/InputScript.h"
#include "tools/sector-clash-autoplay/InputScriptClock.h"
#include "tools/sector-clash-autoplay/RunStats.h"
#include "tools/sector-clash-autoplay/SceneryPairs.h"
#include "tools/shared/CommandLine.h"
#include "tools/shared/GameData.h"
#include "world/World.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

struct DriverOptions {
    std::uint32_t frames = 60;
    std::uint32_t interval = 16;
    std::map<std::uint32_t, std::string> shots;
    std::string inputFile;
    std::string level;
    std::optional<std::uint32_t> seed;
    // Empty: the level's own count.
    std::optional<std::uint32_t> skirmishTanks;
    // --commander's sides and difficulties, in the order given.
    std::vector<std::pair<int, std::string>> commanders;
    bool stats = false;
    bool reveal = false;
    bool briefing = false;
    std::uint32_t memoryEvery = 0;
    std::uint32_t drawEvery = 1;
    // Empty: the game's own threshold for drawing small tanks as sprites.
    std::optional<std::uint32_t> spritesBelow;
    // Empty: the whole scenery, as the game draws it.
    std::optional<Vorn::BattleScenery::Layers> scenery;
    // The whole scenery and none of it in turn, each kind's frames timed apart.
    bool alternateScenery = false;
    std::string audioOut;
    // Empty for none.
    std::string record;
    std::string replay;
    bool force = false;
    bool keepReplays = false;
    // A saved game to go on with; empty for none.
    std::string load;
    // An option that sets up the game (level, seed, skirmish, interval, frames, input) was given: a
    // replay takes these from its file.
    bool setupGiven = false;
};

constexpr const char* program = "sector-clash-autoplay";

constexpr const char* usage =
    "usage: sector-clash-autoplay [--frames N] [--interval MS] [--shot FRAME:PATH]... [--input FILE]\n"
    "                             [--level FILE] [--seed N] [--skirmish N] [--stats] [--reveal] [--briefing]\n"
    "                             [--memory-every N] [--audio-out FILE.wav] [--record FILE]\n"
    "                             [--sprites-below PIXELS] [--scenery none|ground|all|alternate] [--keep-replays]\n"
    "                             [--commander SIDE=DIFFICULTY]... [--draw-every N]\n"
    "       sector-clash-autoplay --replay FILE [--force] [--shot FRAME:PATH]... [--input FILE] [--stats]\n"
    "                             [--reveal] [--draw-every N]\n"
    "       sector-clash-autoplay --load FILE [--frames N] [--interval MS] [--shot FRAME:PATH]...\n"
    "                             [--input FILE] [--stats] [--reveal] [--memory-every N] [--record FILE]\n"
    "                             [--draw-every N]\n"
    "Runs the game's start-up, loading and game modes for N frames (default 60) of MS milliseconds each\n"
    "(default 16, 1..100, the longest step the game takes in one frame) under an X display, with the data\n"
    "the game would read (data/ in the working directory, else the installed data).\n"
    "--shot writes frame FRAME (1..N) to the PNG file PATH; --input plays the script FILE of timed mouse\n"
    "and key events and checks (docs/autoplay.md); --level plays another level (a name under data/ or a\n"
    "path); --seed seeds the random generator (0..4294967295) instead of the clock; --skirmish fields N\n"
    "skirmish tanks (0..65536) instead of the level's own count; --stats prints the run's measurements\n"
    "and state digest as a JSON line;\n"
    "--briefing shows the level's briefing first, as the campaign does (Enter starts the level).\n"
    "--reveal clears the player's fog before every frame; --memory-every prints the resident memory every\n"
    "N frames; --audio-out records what the mixer played into FILE.wav and prints its statistics.\n"
    "--sprites-below draws tanks at most PIXELS across as textured quads of their pictures (0 never,\n"
    "a large number always) instead of the game's own threshold, to compare the two ways.\n"
    "--scenery draws no ground, the ground without the scars of battle, or all of it (the default), to\n"
    "measure what each costs; alternate draws all and none in turn, two frames each, and with --stats\n"
    "prints one more line: the median and mean frame of each kind after the battle settled, and their\n"
    "difference, the scenery's cost (the host's drift between separate runs cancels out).\n"
    "--draw-every N draws only every Nth frame and the --shot frames (default 1, every frame); the others\n"
    "run the game as ever, every draw call included, but fill no pixel and show nothing.\n"
    "--commander SIDE=DIFFICULTY (repeatable) lets a computer opponent play the side (Red, Green, Blue, ...;\n"
    "the player's too) at a difficulty of commander.xml (easy, normal, hard; an unknown one plays normal).\n"
    "--record FILE writes the game the run played (the script's orders included) as a replay to FILE;\n"
    "--replay FILE plays a replay in the game (its level, seed, skirmish and step length from the file)\n"
    "until its last step, refusing one whose level or data files differ from those at hand unless\n"
    "--force is given; a replay that starts from a save (recorded after --load) needs that very save.\n"
    "Its --input script is the viewer's: speed keys, the camera and checks (the replay gives the orders);\n"
    "a save it loads leaves the replay for the saved game, which runs to the replay's last step, exit 0.\n"
    "--keep-replays lets each game leave its replay in the player's replay folder\n"
    "($XDG_DATA_HOME/sector-clash/replays) as the game does.\n"
    "--load FILE goes on with the saved game FILE (its level, seed and skirmish from the file) instead of\n"
    "starting the level; a save that cannot be read ends the run with exit 2. Its --record starts from\n"
    "the save, naming it and the hash of its bytes.\n"
    "Exit 0 after the last frame (a replay: ending in the recorded digest), 1 when the run or a check\n"
    "fails or the recording or replay cannot be written, 2 on bad usage or a replay that cannot be read,\n"
    "3 when a replay goes astray (the step of the first second whose digest differs is named).\n";

// The longest recording --audio-out keeps (the mixer plays by the wall clock): 10 minutes, 110 MB.
constexpr int maxRecordedSeconds = 600;

// A threshold beyond any window's size: every tank a sprite.
constexpr std::uint64_t largestSpriteThreshold = 100000;

// The longest run and report interval in frames.
constexpr std::uint64_t largestFrameCount = 100000000;

constexpr toolkit::WholeOption<DriverOptions> wholeOptionTable[] = {
    {"--frames", 1, largestFrameCount,
     [](DriverOptions& options, std::uint64_t value) { options.frames = static_cast<std::uint32_t>(value); }},
    // The game moves by at most this much in one frame: a longer interval would not be the run it names.
    {"--interval", 1, Zelt::FrameTimer::maximumStep,
     [](DriverOptions& options, std::uint64_t value) {
         options.interval = static_cast<std::uint32_t>(value);
     }},
    {"--seed", 0, toolkit::largestSeed,
     [](DriverOptions& options, std::uint64_t value) { options.seed = static_cast<std::uint32_t>(value); }},
    {"--skirmish", 0, static_cast<std::uint64_t>(Vorn::largestSkirmish),
     [](DriverOptions& options, std::uint64_t value) {
         options.skirmishTanks = static_cast<std::uint32_t>(value);
     }},
    {"--sprites-below", 0, largestSpriteThreshold,
     [](DriverOptions& options, std::uint64_t value) {
         options.spritesBelow = static_cast<std::uint32_t>(value);
     }},
    {"--memory-every", 0, largestFrameCount,
     [](DriverOptions& options, std::uint64_t value) {
         options.memoryEvery = static_cast<std::uint32_t>(value);
     }},
    {"--draw-every", 1, largestFrameCount,
     [](DriverOptions& options, std::uint64_t value) {
         options.drawEvery = static_cast<std::uint32_t>(value);
     }},
};
constexpr std::span<const toolkit::WholeOption<DriverOptions>> wholeOptions = wholeOptionTable;

bool ParseShot(const std::string& text, DriverOptions& options, std::string& fault) {
    const std::size_t colon = text.find(':');
    const std::optional<std::uint64_t> frame =
        colon == std::string::npos ? std::nullopt
                                   : toolkit::WholeNumber(text.substr(0, colon), 1, largestFrameCount);
    if (!frame || colon + 1 == text.size()) {
        fault = toolkit::WrongValue("--shot", text, "FRAME:PATH, a frame from 1 and a file");
        return false;
    }
    options.shots[static_cast<std::uint32_t>(*frame)] = text.substr(colon + 1);
    return true;
}

// SIDE=DIFFICULTY: a side's colour name in any letter case and a difficulty name.
bool ParseCommander(const std::string& text, DriverOptions& options, std::string& fault) {
    const std::size_t equals = text.find('=');
    const int side = equals == std::string::npos ? Vorn::noSide : Vorn::SideOfName(text.substr(0, equals));
    if (side == Vorn::noSide || equals + 1 >= text.size()) {
        fault = toolkit::WrongValue("--commander", text, "SIDE=DIFFICULTY, e.g. Green=normal");
        return false;
    }
    options.commanders.emplace_back(side, text.substr(equals + 1));
    return true;
}

bool ParseScenery(const std::string& text, DriverOptions& options, std::string& fault) {
    using Layers = Vorn::BattleScenery::Layers;
    if (text == "alternate") {
        options.alternateScenery = true;
        return true;
    }
    if (text == "none" || text == "ground" || text == "all") {
        options.scenery = text == "none" ? Layers::None : text == "ground" ? Layers::Ground : Layers::All;
        return true;
    }
    fault = toolkit::WrongValue("--scenery", text, "none, ground, all or alternate");
    return false;
}

bool ParseValue(const std::string& option, const std::string& value, DriverOptions& options,
                std::string& fault) {
    if (option == "--shot") {
        return ParseShot(value, options, fault);
    }
    if (option == "--commander") {
        options.setupGiven = true;
        return ParseCommander(value, options, fault);
    }
    options.setupGiven |= option == "--level" || option == "--seed" ||
                          option == "--skirmish" || option == "--interval" || option == "--frames";
    if (option == "--input") {
        options.inputFile = value;
        return true;
    }
    if (option == "--level") {
        options.level = value;
        return true;
    }
    if (option == "--scenery") {
        return ParseScenery(value, options, fault);
    }
    if (option == "--audio-out") {
        options.audioOut = value;
        return true;
    }
    if (option == "--record" || option == "--replay" || option == "--load") {
        (option == "--record"   ? options.record
         : option == "--replay" ? options.replay
                                : options.load) = value;
        return true;
    }
    return toolkit::StoreWholeOption(*toolkit::FindWholeOption(wholeOptions, option), value, options, fault);
}

// A screenshot of a frame the run never reaches would silently be missing.
bool ShotsWithinRun(const DriverOptions& options, std::string& fault) {
    if (options.shots.empty() || options.shots.rbegin()->first <= options.frames) {
        return true;
    }
    fault = "--shot " + std::to_string(options.shots.rbegin()->first) + ":" + options.shots.rbegin()->second +
            " is beyond the run's " + std::to_string(options.frames) + " frames (--frames)";
    return false;
}

bool ParseArguments(int argc, char** argv, DriverOptions& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--stats") {
            options.stats = true;
        } else if (argument == "--reveal") {
            options.reveal = true;
        } else if (argument == "--briefing") {
            options.briefing = true;
        } else if (argument == "--force") {
            options.force = true;
        } else if (argument == "--keep-replays") {
            options.keepReplays = true;
        } else if (argument != "--shot" && argument != "--input" && argument != "--level" &&
                   argument != "--audio-out" && argument != "--record" && argument != "--replay" &&
                   argument != "--load" && argument != "--commander" && argument != "--scenery" &&
                   toolkit::FindWholeOption(wholeOptions, argument) == nullptr) {
            fault = toolkit::UnknownOption(argument);
            return false;
        } else if (index + 1 >= argc) {
            fault = toolkit::MissingValue(argument);
            return false;
        } else if (!ParseValue(argument, argv[++index], options, fault)) {
            return false;
        }
    }
    if (!options.replay.empty() && options.setupGiven)
        fault = "--replay takes the level, seed, skirmish, step length and length of its file";
    else if (options.replay.empty() && options.force)
        fault = "--force goes with --replay only";
    else if (!options.load.empty() && !options.replay.empty())
        fault = "--load and --replay, one at a time";
    else if (!options.load.empty() && (!options.level.empty() || options.seed || options.skirmishTanks))
        fault = "--load takes the level, seed and skirmish from its file";
    // A replay's length is known once its file is read (TakeReplaySetup checks its shots then).
    return fault.empty() && (!options.replay.empty() || ShotsWithinRun(options, fault));
}

// The files the driver was given keep naming the same files once it has entered the game's data folder.
void NameFilesForTheDataFolder(DriverOptions& options) {
    std::error_code error;
    for (auto& [frame, path] : options.shots) {
        path = std::filesystem::absolute(path, error).string();
    }
    if (!options.level.empty()) {
        options.level = Zelt::NameAfterEnteringData(options.level);
    }
    if (!options.audioOut.empty()) {
        options.audioOut = std::filesystem::absolute(options.audioOut, error).string();
    }
    if (!options.record.empty()) {
        options.record = std::filesystem::absolute(options.record, error).string();
    }
    if (!options.load.empty()) {
        options.load = std::filesystem::absolute(options.load, error).string();
    }
}

// The run a replay asks for: its level, seed, skirmish and steps, with frames enough for the loading
// mode and every step; the watch ends it at the last step.
void TakeReplaySetup(const Vorn::Replay& replay, DriverOptions& options) {
    options.level = replay.levelPath;
    options.seed = replay.seed;
    if (replay.skirmishTanks)
        options.skirmishTanks = static_cast<std::uint32_t>(*replay.skirmishTanks);
    options.interval = replay.stepMs;
    constexpr std::uint64_t loadingFrames = 1000;
    options.frames = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(largestFrameCount, static_cast<std::uint64_t>(replay.steps) + loadingFrames));
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
// Whether the game mode ran the frame.
bool Measure(autoplay::RunStats& stats, std::uint32_t frame, std::uint32_t lastFrame) {
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
    return gameFrame;
}

// The sound player goes with the window, so what it was offered is read while the frames run.
std::uint64_t WorldEventsOffered() {
    return Vorn::soundSystem ? Vorn::soundSystem->Player().EventsOffered() : 0;
}

void RecordAudio() {
    Vorn::soundStartOptions.record = true;
    Vorn::soundStartOptions.recordLimitFrames =
        static_cast<std::size_t>(maxRecordedSeconds) * platform::mixerSampleRate;
}

// Writes what the mixer played and one line of what it holds; false when the file cannot be written.
bool WriteRecording(const std::string& path, std::uint64_t eventsOffered) {
    Vorn::PcmRecording recording{platform::mixerSampleRate, platform::mixerChannels,
                                 platform::TakeMixerCapture()};
    if (std::string fault = Vorn::WriteWav(path, recording); !fault.empty()) {
        std::fprintf(stderr, "sector-clash-autoplay: %s\n", fault.c_str());
        return false;
    }
    if (platform::MixerCaptureTruncated()) {
        std::fprintf(stderr, "sector-clash-autoplay: the recording stops after its %d seconds\n",
                     maxRecordedSeconds);
    }
    const Vorn::SoundStatistics statistics =
        Vorn::MeasureSound(Vorn::MonoFromStereo(recording.samples), recording.sampleRate);
    std::printf("audio: %.0f ms, peak %.1f dBFS, rms %.1f dBFS, %llu world events offered\n",
                statistics.lengthMs, Vorn::ToDecibels(statistics.peak), Vorn::ToDecibels(statistics.rms),
                static_cast<unsigned long long>(eventsOffered));
    return true;
}

void PrintMemory(std::uint32_t frame) {
    std::printf("{\"frame\": %u, \"game_ms\": %u, \"rss_kb\": %ld}\n", frame,
                Vorn::world != nullptr ? static_cast<unsigned>(Vorn::world->Clock()) : 0u,
                platform::ResidentKb());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv)) {
        return toolkit::ShowUsage(usage);
    }
    if (toolkit::AsksForVersion(argc, argv)) {
        return toolkit::ShowVersion(program);
    }
    DriverOptions options;
    if (std::string fault; !ParseArguments(argc, argv, options, fault)) {
        return toolkit::RefuseUsage(program, fault, usage);
    }
    if (options.spritesBelow)
        Vorn::SpriteBatch::SetThreshold(static_cast<float>(*options.spritesBelow));
    if (options.scenery)
        Vorn::BattleScenery::SetLayers(*options.scenery);
    std::optional<autoplay::SceneryPairs> sceneryPairs;
    if (options.alternateScenery)
        sceneryPairs.emplace();
    autoplay::InputScript script;
    if (!options.inputFile.empty() && !script.Load(options.inputFile, stderr)) {
        return 2;
    }
    auto replay = std::make_shared<Vorn::Replay>();
    if (!options.replay.empty()) {
        if (!autoplay::ReadDriverReplay(options.replay, Zelt::FrameTimer::maximumStep, *replay)) {
            return 2;
        }
        TakeReplaySetup(*replay, options);
        // Found before the data folder is entered, so that a relative name means what it meant here.
        if (std::string fault;
            replay->startSave &&
            !Vorn::FindReplayStartSave(*replay->startSave, Vorn::Mode::Game::replayStartFile, fault)) {
            std::fprintf(stderr, "%s: %s: %s\n", program, options.replay.c_str(), fault.c_str());
            return 2;
        }
        if (std::string fault; !ShotsWithinRun(options, fault)) {
            std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
            return 2;
        }
        Vorn::Mode::Game::replayed = replay;
    }
    autoplay::ReplayWatch watch(options.replay, replay);
    bool replayEnded = false;
    std::optional<Vorn::Replay> recorded;
    if (Vorn::SavedGame saved; !options.load.empty()) {
        if (std::string fault; !Vorn::ReadSaveFile(options.load, saved, fault)) {
            std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
            return 2;
        }
    }
    NameFilesForTheDataFolder(options);
    if (!toolkit::EnterGameData(program)) {
        return 1;
    }
    if (!options.replay.empty() &&
        !autoplay::DriverReplayInputsMatch(options.replay, *replay, options.force)) {
        return 2;
    }

    if (!options.level.empty()) {
        Vorn::Mode::Game::levelFileName = options.level;
    }
    Vorn::Mode::Game::loadFileName = options.load;
    // As the game: without a level, a save or a replay to play, the run opens on the start screen.
    Vorn::Mode::Loading::startScreenFirst = options.level.empty() && options.replay.empty() && options.load.empty();
    Vorn::Mode::Game::showBriefing = options.briefing;
    Vorn::Mode::Loading::fixedSeed = options.seed;
    // One step per frame, as the driver has always run the game.
    Vorn::Mode::Game::stepMs = options.interval;
    if (options.keepReplays) {
        Vorn::Mode::Game::replayFolder = Zelt::UserDataSubfolder("replays");
    }
    if (options.skirmishTanks) {
        Vorn::Mode::Game::skirmishTanks = static_cast<int>(*options.skirmishTanks);
    }
    Vorn::Mode::Game::chosenCommanders = options.commanders;
    autoplay::RunStats stats;
    if (!options.audioOut.empty()) {
        RecordAudio();
    }
    std::uint64_t eventsOffered = 0;

    bool checkFailed = false;
    std::uint32_t framesDone = 0;
    bool shotFailed = false;
    Zelt::ProgramOptions program;
    program.ignoreActivation = true;
    program.ignoreSystemInput = true;
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
    program.drawFrame = [&options](std::uint32_t frame) {
        return frame % options.drawEvery == 0 || options.shots.contains(frame);
    };
    program.afterFrame = [&](std::uint32_t frame) {
        framesDone = frame;
        eventsOffered = std::max(eventsOffered, WorldEventsOffered());
        if (options.stats && Measure(stats, frame, options.frames) && sceneryPairs) {
            sceneryPairs->AfterGameFrame(stats.lastFrameMs, stats.gameMs >= stats.settledGameMs);
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
        if (!options.record.empty() && frame >= options.frames) {
            recorded = autoplay::RecordDriverGame(GameMode());
        }
        if (!options.replay.empty() && !replayEnded && Zelt::modeManager.Current() == Zelt::gameModeIndex &&
            !watch.AfterFrame(GameMode())) {
            replayEnded = true;
            // A replay is written again as it ends, not when its frame budget would.
            if (!options.record.empty()) {
                recorded = autoplay::RecordDriverGame(GameMode());
            }
            if (options.stats && Vorn::world != nullptr) {
                stats.digest = Vorn::DigestText(Vorn::StateDigest(*Vorn::world, GameMode()->CurrentLevel()));
            }
        }
        // After its last step a replay shows what the game shows then (its outcome) for the shots still
        // asked for, and ends with the last of them.
        if (replayEnded) {
            return !options.shots.empty() && frame < options.shots.rbegin()->first;
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
    if (!options.audioOut.empty() && !WriteRecording(options.audioOut, eventsOffered)) {
        return 1;
    }
    if (!options.record.empty() && !autoplay::WriteDriverRecord(options.record, recorded)) {
        return 1;
    }
    // The run's rate, and with --stats its measurements: a replay's run prints them as a level's does.
    const auto printSummary = [&] {
        std::printf("frames: %u, seconds: %.3f, frames per second: %.1f\n", framesDone, seconds,
                    seconds > 0 ? framesDone / seconds : 0.0);
        if (options.stats) {
            std::printf("%s\n", stats.Json().c_str());
        }
        if (options.stats && sceneryPairs) {
            std::printf("%s\n", sceneryPairs->Json().c_str());
        }
    };
    if (shotFailed || !script.Finish(framesDone, stderr) || checkFailed) {
        return 1;
    }
    if (!options.replay.empty()) {
        printSummary();
        return watch.Verdict();
    }
    if (framesDone < options.frames) {
        std::fprintf(stderr, "sector-clash-autoplay: the run ended after %u of %u frames\n", framesDone,
                     options.frames);
        return 1;
    }
    printSummary();
    return 0;
}
