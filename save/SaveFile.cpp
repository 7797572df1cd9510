// Writing and reading save files: the opening, then the sections in a fixed order, the end last.
#include "save/SaveFile.h"

#include "command/CommandLimits.h"
#include "datafiles/ReplaceFile.h"
#include "save/SaveLimits.h"
#include "save/SaveSections.h"
#include "save/StateSection.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace Vorn {

namespace {

namespace Tags = SaveSections;

// The smallest a command can be in the file: every field but the units.
constexpr std::size_t commandBytes = 1 + 1 + 4 + 4 + 8 + 4 * 3 + 1 + 1 + 4 * 3 + 1 + 4 + 1;
constexpr std::size_t stepRunBytes = 8;

std::string RandomBody(const RandomState& state) {
    ByteWriter out;
    for (double value : state.lagged)
        out.F64(value);
    out.F64(state.c);
    out.U32(static_cast<std::uint32_t>(state.i97));
    out.U32(static_cast<std::uint32_t>(state.j97));
    return out.Take();
}

std::string StepsBody(const StepLengths& steps) {
    ByteWriter out;
    out.U32(static_cast<std::uint32_t>(steps.Runs().size()));
    for (const StepRun& run : steps.Runs()) {
        out.U32(run.ms);
        out.U32(run.count);
    }
    return out.Take();
}

void WriteSerials(ByteWriter& out, const std::vector<std::uint64_t>& serials) {
    out.U32(static_cast<std::uint32_t>(serials.size()));
    for (std::uint64_t serial : serials)
        out.U64(serial);
}

void WriteCommand(ByteWriter& out, const Command& command) {
    out.U8(static_cast<std::uint8_t>(command.kind));
    out.U8(static_cast<std::uint8_t>(command.side));
    out.U32(command.step);
    WriteSerials(out, command.units);
    out.U64(command.target);
    out.F32(command.x);
    out.F32(command.y);
    out.F32(command.spread);
    out.U8(command.queued ? 1 : 0);
    out.U8(static_cast<std::uint8_t>(command.family));
    out.I32(command.product);
    out.I32(command.armor);
    out.I32(command.turret);
    out.U8(static_cast<std::uint8_t>(command.letter));
    out.I32(command.count);
    out.U8(command.on ? 1 : 0);
}

std::string CommandsBody(const std::vector<Command>& commands) {
    ByteWriter out;
    out.U32(static_cast<std::uint32_t>(commands.size()));
    for (const Command& command : commands)
        WriteCommand(out, command);
    return out.Take();
}

std::string ViewBody(const PlayerView& view) {
    ByteWriter out;
    out.F32(view.cameraX);
    out.F32(view.cameraY);
    out.F32(view.cameraRotation);
    out.F32(view.cameraZoom);
    WriteSerials(out, view.selection);
    for (const std::vector<std::uint64_t>& group : view.groups)
        WriteSerials(out, group);
    out.U32(view.panelPage);
    return out.Take();
}

std::string CommandersBody(const std::vector<std::pair<int, std::string>>& commanders) {
    ByteWriter out;
    out.U32(static_cast<std::uint32_t>(commanders.size()));
    for (const auto& [side, difficulty] : commanders) {
        out.U8(static_cast<std::uint8_t>(side));
        out.String(difficulty);
    }
    return out.Take();
}

Tags::Head HeadOf(const SavedGame& saved) {
    return {saved.gameVersion,
            saved.levelPath,
            saved.levelHash,
            saved.dataHash,
            saved.skirmish,
            saved.skirmishTanks,
            static_cast<std::uint32_t>(saved.steps.Steps()),
            saved.GameMs()};
}

// --- Reading: each section's body is read whole, then checked against the others.

RandomState ReadRandom(ByteReader& in) {
    RandomState state;
    for (double& value : state.lagged)
        value = in.F64("a lagged value");
    state.c = in.F64("the carry");
    state.i97 = static_cast<int>(in.U32("the first lag index"));
    state.j97 = static_cast<int>(in.U32("the second lag index"));
    // Restoring into a scratch generator applies the generator's own checks.
    if (!in.Failed() && !Random().Restore(state))
        in.Fail("the random generator's state is not one it can be in");
    return state;
}

StepLengths ReadSteps(ByteReader& in) {
    StepLengths steps;
    const std::size_t runs = in.Count("the step runs", SaveLimits::maxStepRuns, stepRunBytes);
    for (std::size_t index = 0; index < runs && !in.Failed(); ++index) {
        StepRun run;
        run.ms = in.U32("a step length");
        run.count = in.Bounded("a step run", SaveLimits::maxStep);
        if (run.ms < 1 || run.ms > SaveLimits::maxStepMs)
            in.Fail("a step length of " + std::to_string(run.ms) + " ms is outside 1 to " +
                    std::to_string(SaveLimits::maxStepMs));
        if (steps.Steps() + run.count > SaveLimits::maxStep)
            in.Fail("the steps run past " + std::to_string(SaveLimits::maxStep));
        if (!in.Failed())
            steps.AddRun(run);
    }
    return steps;
}

std::vector<std::uint64_t> ReadSerials(ByteReader& in, const char* what, std::size_t highest) {
    std::vector<std::uint64_t> serials(in.Count(what, highest, 8));
    for (std::uint64_t& serial : serials)
        serial = in.U64("a serial");
    return serials;
}

Command ReadCommand(ByteReader& in) {
    Command command;
    const std::uint8_t kind = in.U8("a command's kind");
    if (kind >= commandKindCount)
        in.Fail("a command's kind " + std::to_string(kind) + " is unknown");
    command.kind = static_cast<CommandKind>(kind);
    command.side = in.U8("a command's side");
    if (command.side >= 7)
        in.Fail("a command's side " + std::to_string(command.side) + " is no side");
    command.step = in.Bounded("a command's step", SaveLimits::maxStep);
    command.units = ReadSerials(in, "a command's unit count", SaveLimits::maxUnits);
    command.target = in.U64("a command's target");
    command.x = in.F32("a command's x");
    command.y = in.F32("a command's y");
    command.spread = in.F32("a command's spread");
    command.queued = in.U8("a command's queued flag") != 0;
    const std::uint8_t family = in.U8("a command's family");
    if (family >= productFamilyCount)
        in.Fail("a command's family " + std::to_string(family) + " is unknown");
    command.family = static_cast<ProductFamily>(family);
    command.product = static_cast<int>(in.Bounded("a command's product", productTypeRange - 1));
    command.armor = static_cast<int>(in.Bounded("a command's armor", productTypeRange - 1));
    command.turret = static_cast<int>(in.Bounded("a command's turret", productTypeRange - 1));
    command.letter = static_cast<char>(in.U8("a command's letter"));
    command.count = static_cast<int>(in.Bounded("a command's tank count", CommandLimits::maxTanksPerOrder));
    command.on = in.U8("a command's switch") != 0;
    return command;
}

std::vector<Command> ReadCommands(ByteReader& in) {
    std::vector<Command> commands(in.Count("the command count", SaveLimits::maxCommands, commandBytes));
    std::uint32_t lastStep = 0;
    for (Command& command : commands) {
        command = ReadCommand(in);
        if (in.Failed())
            break;
        if (command.step < lastStep)
            in.Fail("a command of step " + std::to_string(command.step) + " follows one of step " +
                    std::to_string(lastStep));
        lastStep = command.step;
    }
    return commands;
}

PlayerView ReadView(ByteReader& in) {
    PlayerView view;
    view.cameraX = in.F32("the camera's x");
    view.cameraY = in.F32("the camera's y");
    view.cameraRotation = in.F32("the camera's rotation");
    view.cameraZoom = in.F32("the camera's zoom");
    view.selection = ReadSerials(in, "the selection", SaveLimits::maxSelected);
    for (std::vector<std::uint64_t>& group : view.groups)
        group = ReadSerials(in, "a control group", SaveLimits::maxSelected);
    view.panelPage = in.U32("the panel page");
    return view;
}

std::vector<std::pair<int, std::string>> ReadCommanders(ByteReader& in) {
    std::vector<std::pair<int, std::string>> commanders(
        in.Count("the commander count", SaveLimits::maxCommanders, 2));
    for (auto& [side, difficulty] : commanders) {
        side = in.U8("a commander's side");
        if (side >= 7)
            in.Fail("a commander's side " + std::to_string(side) + " is no side");
        difficulty = in.String("a commander's difficulty", SaveLimits::maxDifficultyBytes);
        if (in.Failed())
            break;
    }
    return commanders;
}

// Reads one known section's body into the game; a body with bytes left over is refused too, since the
// writer never leaves any.
template <typename Read>
void ReadBody(std::string_view tag, std::string_view body, Read read, ByteReader& file) {
    ByteReader in(body);
    read(in);
    if (!in.Failed() && !in.AtEnd())
        in.Fail("the " + std::string(tag) + " section is longer than its fields");
    if (in.Failed())
        file.Fail(in.Fault());
}

// The sections must agree: the steps with the head's count and clock, the commands with the steps.
void CheckAgreement(const Tags::Head& head, const SavedGame& saved, ByteReader& file) {
    if (saved.steps.Steps() != head.steps)
        file.Fail("the head counts " + std::to_string(head.steps) + " steps but the step lengths " +
                  std::to_string(saved.steps.Steps()));
    else if (saved.steps.TotalMs() != head.gameMs)
        file.Fail("the head's game time " + std::to_string(head.gameMs) + " ms differs from the steps' " +
                  std::to_string(saved.steps.TotalMs()) + " ms");
    else if (saved.steps.TotalMs() > UINT32_MAX)
        file.Fail("the steps run past the game clock's range");
}

struct SectionsSeen {
    std::map<std::string, int, std::less<>> count;
    bool Once(std::string_view tag, ByteReader& file) {
        if (++count[std::string(tag)] == 1)
            return true;
        file.Fail("the " + std::string(tag) + " section appears twice");
        return false;
    }
    bool Has(std::string_view tag) const { return count.find(tag) != count.end(); }
};

void ReadKnownSection(const Tags::Section& section, Tags::Head& head, SavedGame& saved, ByteReader& file) {
    const std::string_view tag = section.tag;
    if (tag == Tags::head)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { head = Tags::ReadHead(in); }, file);
    else if (tag == Tags::random)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.startRandom = ReadRandom(in); }, file);
    else if (tag == Tags::steps)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.steps = ReadSteps(in); }, file);
    else if (tag == Tags::commands)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.commands = ReadCommands(in); }, file);
    else if (tag == Tags::digest)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.digest = in.U64("the digest"); }, file);
    else if (tag == Tags::state)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.state = ReadStateSection(in); }, file);
    else if (tag == Tags::view)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.view = ReadView(in); }, file);
    else if (tag == Tags::commanders)
        ReadBody(
            tag, section.body, [&](ByteReader& in) { saved.commanders = ReadCommanders(in); }, file);
}

bool IsKnown(std::string_view tag) {
    return tag == Tags::head || tag == Tags::random || tag == Tags::steps || tag == Tags::commands ||
           tag == Tags::digest || tag == Tags::state || tag == Tags::view || tag == Tags::commanders ||
           tag == Tags::end;
}

// Sections this game does not know (a later game's additions) are skipped whole; the head comes first
// so that a list of saves reads only it. From format 2 on, the battle's state is there too.
void ReadSections(ByteReader& file, std::uint32_t version, SavedGame& saved) {
    Tags::Head head;
    SectionsSeen seen;
    bool first = true;
    while (!file.Failed()) {
        if (file.AtEnd()) {
            file.Fail("cut short: the end section is missing");
            return;
        }
        const Tags::Section section = Tags::ReadSection(file);
        if (file.Failed())
            return;
        if (first && section.tag != Tags::head)
            file.Fail("the first section is not the head");
        first = false;
        if (!IsKnown(section.tag) || !seen.Once(section.tag, file))
            continue;
        if (section.tag == Tags::end)
            break;
        ReadKnownSection(section, head, saved, file);
    }
    if (file.Failed())
        return;
    if (!file.AtEnd())
        return file.Fail("bytes follow the end section");
    for (std::string_view tag : {Tags::random, Tags::steps, Tags::commands, Tags::digest, Tags::state})
        if (!seen.Has(tag) && (tag != Tags::state || version >= 2))
            return file.Fail("the " + std::string(tag) + " section is missing");
    CheckAgreement(head, saved, file);
    saved.gameVersion = head.gameVersion;
    saved.levelPath = head.levelPath;
    saved.levelHash = head.levelHash;
    saved.dataHash = head.dataHash;
    saved.skirmish = head.skirmish;
    saved.skirmishTanks = head.skirmishTanks;
}

} // namespace

std::string SaveBytes(const SavedGame& saved) {
    ByteWriter opening;
    for (char c : SaveSections::magic)
        opening.U8(static_cast<std::uint8_t>(c));
    opening.U32(saveFormatVersion);
    std::string file = opening.Take();
    ByteWriter head;
    Tags::WriteHead(head, HeadOf(saved));
    Tags::AppendSection(file, Tags::head, head.Bytes());
    Tags::AppendSection(file, Tags::random, RandomBody(saved.startRandom));
    Tags::AppendSection(file, Tags::steps, StepsBody(saved.steps));
    Tags::AppendSection(file, Tags::commands, CommandsBody(saved.commands));
    ByteWriter digest;
    digest.U64(saved.digest);
    Tags::AppendSection(file, Tags::digest, digest.Bytes());
    Tags::AppendSection(file, Tags::state, StateSectionBody(saved.state));
    if (saved.view)
        Tags::AppendSection(file, Tags::view, ViewBody(*saved.view));
    // Only a game with chosen commanders has the section, so other saves stay as they were.
    if (!saved.commanders.empty())
        Tags::AppendSection(file, Tags::commanders, CommandersBody(saved.commanders));
    Tags::AppendSection(file, Tags::end, {});
    return file;
}

bool WriteSaveFile(const std::string& path, const SavedGame& saved) {
    return Brisk::ReplaceFile(path, SaveBytes(saved));
}

bool ParseSave(std::string_view bytes, const std::string& name, SavedGame& saved, std::string& fault) {
    saved = SavedGame{};
    ByteReader file(bytes);
    const std::uint32_t version = Tags::ReadOpening(file);
    ReadSections(file, version, saved);
    if (!file.Failed())
        return true;
    saved = SavedGame{};
    fault = name + ": " + file.Fault();
    return false;
}

bool ReadSaveBytes(const std::string& path, std::string& bytes, std::string& fault) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        fault = path + ": cannot be read: " + error.message();
        return false;
    }
    if (size > SaveLimits::maxFileBytes) {
        fault = path + ": " + std::to_string(size) + " bytes is more than a save may hold (" +
                std::to_string(SaveLimits::maxFileBytes) + ")";
        return false;
    }
    std::ifstream stream(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    if (!stream.good() && !stream.eof()) {
        fault = path + ": cannot be read";
        return false;
    }
    return true;
}

bool ReadSaveFile(const std::string& path, SavedGame& saved, std::string& fault) {
    saved = SavedGame{};
    std::string bytes;
    return ReadSaveBytes(path, bytes, fault) && ParseSave(bytes, path, saved, fault);
}

} // namespace Vorn
