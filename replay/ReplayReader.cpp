// The replay reader: a line at a time, each split into words, each word checked before it is used.
#include "replay/ReplayReader.h"

#include "command/CommandLimits.h"
#include "replay/CommandNames.h"
#include "replay/ReplayLimits.h"
#include "replay/ReplayOutcomeNames.h"
#include "world/ObjectKind.h"
#include "world/ProductFamily.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>

namespace Vorn {

namespace {

// A line's fault, thrown to the top of the parse where the file and line are put in front of it.
struct LineFault {
    std::string reason;
};

// A word of the file as a fault quotes it: cut short, so that a fault stays one readable line.
std::string Quoted(std::string_view word) {
    constexpr std::size_t longest = 40;
    return "\"" + std::string(word.substr(0, longest)) + (word.size() > longest ? "...\"" : "\"");
}

// The words of one line, taken in turn.
class Words {
public:
    explicit Words(std::string_view line) : rest(line) {}

    std::string_view Next(const char* what) {
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        if (rest.empty())
            throw LineFault{std::string("the line ends before its ") + what};
        const std::size_t end = rest.find(' ');
        const std::string_view word = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
        return word;
    }
    // Everything after one separating space, as it is (a path may hold spaces).
    std::string_view Rest(const char* what) {
        if (rest.size() < 2 || rest.front() != ' ')
            throw LineFault{std::string("the line ends before its ") + what};
        return rest.substr(1);
    }
    void End() const {
        if (rest.find_first_not_of(' ') != std::string_view::npos)
            throw LineFault{"more on the line than its fields"};
    }

private:
    std::string_view rest;
};

std::uint64_t Whole(Words& words, const char* what, std::uint64_t high) {
    const std::string_view word = words.Next(what);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size())
        throw LineFault{std::string(what) + " " + Quoted(word) + " is not a whole number"};
    if (value > high)
        throw LineFault{std::string(what) + " " + std::to_string(value) + " is beyond " +
                        std::to_string(high)};
    return value;
}

std::uint64_t Hex(Words& words, const char* what) {
    const std::string_view word = words.Next(what);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (word.size() != 16 || error != std::errc{} || end != word.data() + word.size())
        throw LineFault{std::string(what) + " " + Quoted(word) + " is not 16 hexadecimal digits"};
    return value;
}

float Real(Words& words, const char* what, float low, float high) {
    const std::string word(words.Next(what));
    char* end = nullptr;
    const float value = std::strtof(word.c_str(), &end);
    if (end != word.c_str() + word.size() || word.empty() || !std::isfinite(value))
        throw LineFault{std::string(what) + " " + Quoted(word) + " is not a finite number"};
    if (value < low || value > high)
        throw LineFault{std::string(what) + " " + Quoted(word) + " is outside " + std::to_string(low) +
                        " to " + std::to_string(high)};
    return value;
}

bool Flag(Words& words, const char* what) {
    return Whole(words, what, 1) == 1;
}

void ExpectKeyword(Words& words, std::string_view keyword) {
    const std::string_view word = words.Next("keyword");
    if (word != keyword)
        throw LineFault{Quoted(word) + " where \"" + std::string(keyword) + "\" belongs"};
}

// The line's text, checked for the characters a replay may hold.
std::string_view Printable(std::string_view text, const char* what, std::size_t limit) {
    if (text.size() > limit)
        throw LineFault{std::string(what) + " longer than " + std::to_string(limit) + " bytes"};
    for (const char character : text)
        if (static_cast<unsigned char>(character) < 0x20 || character == 0x7f)
            throw LineFault{std::string(what) + " holds a control character"};
    return text;
}

void ReadSkirmish(Words& words, Replay& replay) {
    const std::string_view word = words.Next("skirmish");
    replay.skirmish = word != "no";
    if (word == "no" || word == "level")
        return;
    Words number(word);
    replay.skirmishTanks = static_cast<int>(Whole(number, "skirmish tanks", ReplayLimits::maxSkirmishTanks));
}

Command ReadCommand(Words& words, std::uint32_t lastStep) {
    Command command;
    command.step = static_cast<std::uint32_t>(Whole(words, "step", ReplayLimits::maxStep));
    if (command.step < lastStep)
        throw LineFault{"command of step " + std::to_string(command.step) + " after one of step " +
                        std::to_string(lastStep)};
    command.side = static_cast<int>(Whole(words, "side", sideCount - 1));
    const std::string_view kindName = words.Next("kind");
    const std::optional<CommandKind> kind = CommandKindNamed(kindName);
    if (!kind)
        throw LineFault{"unknown command " + Quoted(kindName)};
    command.kind = *kind;
    const std::size_t units = Whole(words, "unit count", ReplayLimits::maxUnits);
    command.units.reserve(units);
    for (std::size_t index = 0; index < units; ++index)
        command.units.push_back(Whole(words, "unit serial", UINT64_MAX));
    command.target = Whole(words, "target", UINT64_MAX);
    command.x = Real(words, "x", -CommandLimits::maxCoordinate, CommandLimits::maxCoordinate);
    command.y = Real(words, "y", -CommandLimits::maxCoordinate, CommandLimits::maxCoordinate);
    command.spread = Real(words, "spread", 0, CommandLimits::maxSpread);
    command.queued = Flag(words, "queued");
    command.family = static_cast<ProductFamily>(Whole(words, "family", productFamilyCount - 1));
    command.product = static_cast<int>(Whole(words, "product", productTypeRange - 1));
    command.armor = static_cast<int>(Whole(words, "armor", productTypeRange - 1));
    command.turret = static_cast<int>(Whole(words, "turret", productTypeRange - 1));
    command.letter = static_cast<char>(Whole(words, "letter", 255));
    command.count = static_cast<int>(Whole(words, "count", CommandLimits::maxTanksPerOrder));
    command.on = Flag(words, "on");
    words.End();
    return command;
}

enum class HeaderLine { Format, GameVersion, Level, Data, Save, Seed, Skirmish, StepMs, Date, Outcome };

// The header's lines in each format's one order: the first ends after the step length, the third names
// the save the game starts from after the data.
constexpr HeaderLine firstFormatHeader[] = {HeaderLine::Format, HeaderLine::GameVersion, HeaderLine::Level,
                                            HeaderLine::Data,   HeaderLine::Seed,        HeaderLine::Skirmish,
                                            HeaderLine::StepMs};
constexpr HeaderLine secondFormatHeader[] = {
    HeaderLine::Format,   HeaderLine::GameVersion, HeaderLine::Level, HeaderLine::Data,   HeaderLine::Seed,
    HeaderLine::Skirmish, HeaderLine::StepMs,      HeaderLine::Date,  HeaderLine::Outcome};
constexpr HeaderLine thirdFormatHeader[] = {
    HeaderLine::Format, HeaderLine::GameVersion, HeaderLine::Level,  HeaderLine::Data, HeaderLine::Save,
    HeaderLine::Seed,   HeaderLine::Skirmish,    HeaderLine::StepMs, HeaderLine::Date, HeaderLine::Outcome};

std::span<const HeaderLine> HeaderOf(int version) {
    if (version == 1)
        return firstFormatHeader;
    return version == 2 ? std::span<const HeaderLine>(secondFormatHeader) : thirdFormatHeader;
}

void ReadFormat(Words& words, int& version) {
    ExpectKeyword(words, "sector-clash-replay");
    const std::uint64_t number = Whole(words, "format version", UINT32_MAX);
    if (number < oldestReplayFormatVersion || number > replayFormatVersion)
        throw LineFault{"format version " + std::to_string(number) + " (this build reads " +
                        std::to_string(oldestReplayFormatVersion) + " to " +
                        std::to_string(replayFormatVersion) + ")"};
    version = static_cast<int>(number);
}

void ReadStartSave(Words& words, Replay& replay) {
    ExpectKeyword(words, "save");
    ReplayStartSave save;
    save.hash = Hex(words, "save hash");
    save.path = Printable(words.Rest("save path"), "the save path", ReplayLimits::maxPathBytes);
    replay.startSave = std::move(save);
}

void ReadOutcome(Words& words, Replay& replay) {
    ExpectKeyword(words, "outcome");
    const std::string_view name = words.Next("outcome");
    const std::optional<ReplayOutcome> outcome = ReplayOutcomeNamed(name);
    if (!outcome)
        throw LineFault{"unknown outcome " + Quoted(name)};
    replay.outcome = *outcome;
}

// The header line `index` (from 0) of the format read so far; the first line tells the format.
void ReadHeaderLine(std::size_t index, Words& words, Replay& replay, int& version) {
    switch (index == 0 ? HeaderLine::Format : HeaderOf(version)[index]) {
    case HeaderLine::Format:
        ReadFormat(words, version);
        break;
    case HeaderLine::GameVersion:
        ExpectKeyword(words, "game-version");
        replay.gameVersion =
            Printable(words.Rest("game version"), "the game version", ReplayLimits::maxVersionBytes);
        return;
    case HeaderLine::Level:
        ExpectKeyword(words, "level");
        replay.levelHash = Hex(words, "level hash");
        replay.levelPath = Printable(words.Rest("level path"), "the level path", ReplayLimits::maxPathBytes);
        return;
    case HeaderLine::Data:
        ExpectKeyword(words, "data");
        replay.dataHash = Hex(words, "data hash");
        break;
    case HeaderLine::Save:
        ReadStartSave(words, replay);
        return;
    case HeaderLine::Seed:
        ExpectKeyword(words, "seed");
        replay.seed = static_cast<std::uint32_t>(Whole(words, "seed", UINT32_MAX));
        break;
    case HeaderLine::Skirmish:
        ExpectKeyword(words, "skirmish");
        ReadSkirmish(words, replay);
        break;
    case HeaderLine::StepMs:
        ExpectKeyword(words, "step-ms");
        replay.stepMs = static_cast<unsigned>(Whole(words, "step length", ReplayLimits::maxStepMs));
        if (replay.stepMs == 0)
            throw LineFault{"a step length of 0 ms"};
        break;
    case HeaderLine::Date:
        ExpectKeyword(words, "date");
        replay.date = Whole(words, "date", ReplayLimits::maxDate);
        break;
    case HeaderLine::Outcome:
        ReadOutcome(words, replay);
        break;
    }
    words.End();
}

std::size_t HeaderLines(int version) {
    return HeaderOf(version).size();
}

// The lines after the header: commands and second digests in step order, then the end.
class BodyReader {
public:
    explicit BodyReader(Replay& replay) : replay(replay) {}

    void Read(Words& words) {
        if (ended)
            throw LineFault{"a line after the \"end\" line"};
        const std::string_view keyword = words.Next("keyword");
        if (keyword == "command")
            ReadCommandLine(words);
        else if (keyword == "second")
            ReadSecond(words);
        else if (keyword == "end")
            ReadEnd(words);
        else
            throw LineFault{"unknown line " + Quoted(keyword)};
    }
    bool Ended() const { return ended; }

private:
    void ReadCommandLine(Words& words) {
        if (replay.commands.size() >= ReplayLimits::maxCommands)
            throw LineFault{"more than " + std::to_string(ReplayLimits::maxCommands) + " commands"};
        replay.commands.push_back(ReadCommand(words, lastCommandStep));
        lastCommandStep = replay.commands.back().step;
    }
    void ReadSecond(Words& words) {
        SecondDigest second;
        second.step = static_cast<std::uint32_t>(Whole(words, "step", ReplayLimits::maxStep));
        if (!replay.seconds.empty() && second.step <= replay.seconds.back().step)
            throw LineFault{"second digest of step " + std::to_string(second.step) + " after one of step " +
                            std::to_string(replay.seconds.back().step)};
        second.digest = Hex(words, "digest");
        words.End();
        replay.seconds.push_back(second);
    }
    void ReadEnd(Words& words) {
        replay.steps = static_cast<std::uint32_t>(Whole(words, "step count", ReplayLimits::maxStep));
        replay.finalDigest = Hex(words, "digest");
        words.End();
        if (!replay.commands.empty() && replay.commands.back().step >= replay.steps)
            throw LineFault{"a command of step " + std::to_string(replay.commands.back().step) +
                            " in a game of " + std::to_string(replay.steps) + " steps"};
        if (!replay.seconds.empty() && replay.seconds.back().step > replay.steps)
            throw LineFault{"a second digest of step " + std::to_string(replay.seconds.back().step) +
                            " in a game of " + std::to_string(replay.steps) + " steps"};
        ended = true;
    }

    Replay& replay;
    std::uint32_t lastCommandStep = 0;
    bool ended = false;
};

} // namespace

bool ParseReplay(std::string_view text, const std::string& name, Replay& replay, std::string& fault) {
    replay = Replay{};
    BodyReader body(replay);
    std::size_t lineNumber = 0;
    int version = replayFormatVersion;
    try {
        while (!text.empty()) {
            ++lineNumber;
            const std::size_t end = text.find('\n');
            if (end == std::string_view::npos)
                throw LineFault{"the last line has no line end (the file is cut short)"};
            const std::string_view line = text.substr(0, end);
            text.remove_prefix(end + 1);
            if (line.size() > ReplayLimits::maxLineBytes)
                throw LineFault{"a line longer than " + std::to_string(ReplayLimits::maxLineBytes) +
                                " bytes"};
            Words words(line);
            if (lineNumber <= HeaderLines(version))
                ReadHeaderLine(lineNumber - 1, words, replay, version);
            else
                body.Read(words);
        }
    } catch (const LineFault& lineFault) {
        fault = name + ":" + std::to_string(lineNumber) + ": " + lineFault.reason;
        replay = Replay{};
        return false;
    }
    if (!body.Ended()) {
        fault = name + ": the file ends before its \"end\" line (cut short)";
        replay = Replay{};
        return false;
    }
    return true;
}

bool ReadReplayFile(const std::string& path, Replay& replay, std::string& fault) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || !std::filesystem::is_regular_file(path, error)) {
        fault = path + ": cannot read the replay (" + (error ? error.message() : "not a file") + ")";
        return false;
    }
    if (size > ReplayLimits::maxFileBytes) {
        fault = path + ": a replay of " + std::to_string(size) + " bytes, more than the " +
                std::to_string(ReplayLimits::maxFileBytes) + " a replay may have";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!file || !file.read(text.data(), static_cast<std::streamsize>(size))) {
        fault = path + ": cannot read the replay";
        return false;
    }
    return ParseReplay(text, path, replay, fault);
}

} // namespace Vorn
