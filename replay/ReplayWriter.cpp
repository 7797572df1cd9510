// One line per header field, command, second digest and the end, each a keyword and its fields.
#include "replay/ReplayWriter.h"

#include "datafiles/ReplaceFile.h"
#include "replay/CommandNames.h"
#include "replay/ReplayOutcomeNames.h"

#include <cstdio>

namespace Vorn {

namespace {

std::string DigestText(std::uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

// Nine significant digits give every float back exactly.
std::string FloatText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string CommandLine(const Command& command) {
    std::string line = "command " + std::to_string(command.step) + " " + std::to_string(command.side) + " " +
                       std::string(CommandKindName(command.kind)) + " " +
                       std::to_string(command.units.size());
    for (const std::uint64_t serial : command.units)
        line += " " + std::to_string(serial);
    line += " " + std::to_string(command.target) + " " + FloatText(command.x) + " " + FloatText(command.y) +
            " " + FloatText(command.spread) + " " + (command.queued ? "1" : "0") + " " +
            std::to_string(static_cast<int>(command.family)) + " " + std::to_string(command.product) + " " +
            std::to_string(command.armor) + " " + std::to_string(command.turret) + " " +
            std::to_string(static_cast<unsigned char>(command.letter)) + " " + std::to_string(command.count) +
            " " + (command.on ? "1" : "0") + "\n";
    return line;
}

std::string SkirmishText(const Replay& replay) {
    if (!replay.skirmish)
        return "no";
    return replay.skirmishTanks ? std::to_string(*replay.skirmishTanks) : "level";
}

// Only a replay that starts from a save needs the newest format: any other reads in older games too.
std::string HeaderText(const Replay& replay) {
    const int version = replay.startSave ? replayFormatVersion : levelStartReplayFormatVersion;
    std::string text = "sector-clash-replay " + std::to_string(version) + "\n" + "game-version " +
                       replay.gameVersion + "\n" + "level " + DigestText(replay.levelHash) + " " +
                       replay.levelPath + "\n" + "data " + DigestText(replay.dataHash) + "\n";
    if (replay.startSave)
        text += "save " + DigestText(replay.startSave->hash) + " " + replay.startSave->path + "\n";
    return text + "seed " + std::to_string(replay.seed) + "\n" + "skirmish " + SkirmishText(replay) + "\n" +
           "step-ms " + std::to_string(replay.stepMs) + "\n" + "date " + std::to_string(replay.date) + "\n" +
           "outcome " + std::string(ReplayOutcomeName(replay.outcome)) + "\n";
}

} // namespace

std::string ReplayText(const Replay& replay) {
    std::string text = HeaderText(replay);
    // A second's digest is taken once that many steps have run, and a command of the same number applies
    // at the start of the step after them: at equal numbers the digest comes first.
    std::size_t second = 0;
    for (const Command& command : replay.commands) {
        for (; second < replay.seconds.size() && replay.seconds[second].step <= command.step; ++second)
            text += "second " + std::to_string(replay.seconds[second].step) + " " +
                    DigestText(replay.seconds[second].digest) + "\n";
        text += CommandLine(command);
    }
    for (; second < replay.seconds.size(); ++second)
        text += "second " + std::to_string(replay.seconds[second].step) + " " +
                DigestText(replay.seconds[second].digest) + "\n";
    text += "end " + std::to_string(replay.steps) + " " + DigestText(replay.finalDigest) + "\n";
    return text;
}

bool WriteReplayFile(const std::string& path, const Replay& replay) {
    return Brisk::ReplaceFile(path, ReplayText(replay));
}

} // namespace Vorn
