// Writing and reading the state of a level's events.
#include "game/LevelState.h"

#include "game/Level.h"
#include "save/ByteStream.h"
#include "save/SaveLimits.h"
#include "world/ObjectKind.h"

namespace Vorn {

namespace {

using SaveLimits::maxLevelEntries;
using SaveLimits::maxLevelTextBytes;

void WriteRequests(ByteWriter& out, const std::vector<LevelRequest>& requests) {
    out.U32(static_cast<std::uint32_t>(requests.size()));
    for (const LevelRequest& request : requests) {
        out.String(request.name);
        out.I32(request.delay);
        out.U32(static_cast<std::uint32_t>(request.kind));
        out.Flag(request.persistent);
        out.I32(request.side);
        out.U8(static_cast<std::uint8_t>(request.letter));
        out.U32(request.number);
        out.U32(request.when);
    }
}

std::vector<LevelRequest> ReadRequests(ByteReader& in) {
    // A name's length, then six fields and a flag at the least.
    const std::size_t count = in.Count("request count", maxLevelEntries, 26);
    std::vector<LevelRequest> requests;
    for (std::size_t index = 0; index < count && !in.Failed(); ++index) {
        LevelRequest request;
        request.name = in.String("request's event", maxLevelTextBytes);
        request.delay = in.I32("request's delay");
        request.kind = static_cast<RequestKind>(in.Bounded("request kind", 2));
        request.persistent = in.Flag("persistent flag");
        request.side = in.I32("request's side");
        request.letter = static_cast<char>(in.U8("request's letter"));
        request.number = static_cast<std::uint16_t>(in.Bounded("request's number", 0xffff));
        request.when = in.U32("request's time");
        requests.push_back(std::move(request));
    }
    return requests;
}

void WriteNames(ByteWriter& out, const std::vector<std::string>& names) {
    out.U32(static_cast<std::uint32_t>(names.size()));
    for (const std::string& name : names)
        out.String(name);
}

std::vector<std::string> ReadNames(ByteReader& in) {
    const std::size_t count = in.Count("event count", maxLevelEntries, 4);
    std::vector<std::string> names;
    for (std::size_t index = 0; index < count && !in.Failed(); ++index)
        names.push_back(in.String("event name", maxLevelTextBytes));
    return names;
}

void WritePresentation(ByteWriter& out, const LevelPresentation& shown) {
    out.U32(static_cast<std::uint32_t>(shown.messages.size()));
    for (const LevelMessage& message : shown.messages) {
        out.String(message.text);
        out.U32(message.clock);
    }
    out.U64(shown.messagesSaid);
    out.U32(static_cast<std::uint32_t>(shown.objectives.size()));
    for (const LevelObjective& objective : shown.objectives) {
        out.String(objective.name);
        out.String(objective.text);
        out.U8(static_cast<std::uint8_t>(objective.state));
    }
    out.F32(shown.cameraX);
    out.F32(shown.cameraY);
    out.U64(shown.cameraMoves);
}

void ReadPresentation(ByteReader& in, LevelPresentation& shown) {
    const std::size_t messages = in.Count("message count", maxLevelEntries, 8);
    shown.messages.clear();
    for (std::size_t index = 0; index < messages && !in.Failed(); ++index) {
        LevelMessage message;
        message.text = in.String("message", maxLevelTextBytes);
        message.clock = in.U32("message's time");
        shown.messages.push_back(std::move(message));
    }
    shown.messagesSaid = in.U64("messages said");
    if (shown.messagesSaid > shown.messages.size())
        in.Fail("more messages said than the level has");
    const std::size_t objectives = in.Count("objective count", maxLevelEntries, 9);
    shown.objectives.clear();
    for (std::size_t index = 0; index < objectives && !in.Failed(); ++index) {
        LevelObjective objective;
        objective.name = in.String("objective's name", maxLevelTextBytes);
        objective.text = in.String("objective", maxLevelTextBytes);
        const std::uint8_t state = in.U8("objective's state");
        if (state > static_cast<std::uint8_t>(ObjectiveState::Failed))
            in.Fail("objective state " + std::to_string(state) + " is not one of the game's");
        objective.state = static_cast<ObjectiveState>(state);
        shown.objectives.push_back(std::move(objective));
    }
    shown.cameraX = in.F32("level camera x");
    shown.cameraY = in.F32("level camera y");
    shown.cameraMoves = in.U64("camera moves");
}

void WriteAhead(ByteWriter& out, const Level::Ahead& ahead) {
    out.Flag(ahead.startRan);
    out.I32(ahead.beeps);
    out.U32(static_cast<std::uint32_t>(ahead.reveals.size()));
    for (const Level::Circle& circle : ahead.reveals) {
        out.F32(circle.x);
        out.F32(circle.y);
        out.F32(circle.radius);
    }
}

Level::Ahead ReadAhead(ByteReader& in) {
    Level::Ahead ahead;
    ahead.startRan = in.Flag("start flag");
    ahead.beeps = in.I32("beeps");
    const std::size_t reveals = in.Count("reveal count", maxLevelEntries, 12);
    for (std::size_t index = 0; index < reveals && !in.Failed(); ++index) {
        const float x = in.F32("reveal x");
        const float y = in.F32("reveal y");
        ahead.reveals.push_back({x, y, in.F32("reveal radius")});
    }
    return ahead;
}

} // namespace

std::string WriteLevelState(const Level& level) {
    ByteWriter out;
    out.U32(level.clock);
    WriteNames(out, level.fireNow);
    WriteRequests(out, level.delayed);
    WriteRequests(out, level.requests);
    out.Flag(level.finished);
    out.Flag(level.won);
    for (int losses : level.losses)
        out.I32(losses);
    out.U64(level.createdObjects);
    out.U32(static_cast<std::uint32_t>(level.commanderCalls.size()));
    for (const Level::CommanderCall& call : level.commanderCalls) {
        out.U32(static_cast<std::uint32_t>(call.side));
        out.String(call.difficulty);
    }
    WritePresentation(out, level.presentation);
    WriteAhead(out, level.SavedAhead());
    return out.Take();
}

bool ReadLevelState(std::string_view body, Level& level, std::string& fault) {
    ByteReader in(body);
    level.clock = in.U32("level clock");
    level.fireNow = ReadNames(in);
    level.delayed = ReadRequests(in);
    level.requests = ReadRequests(in);
    level.finished = in.Flag("finished flag");
    level.won = in.Flag("won flag");
    for (int& losses : level.losses)
        losses = in.I32("losses");
    level.createdObjects = static_cast<std::size_t>(in.U64("objects created"));
    const std::size_t calls = in.Count("commander calls", maxLevelEntries, 8);
    level.commanderCalls.clear();
    for (std::size_t index = 0; index < calls && !in.Failed(); ++index) {
        Level::CommanderCall call;
        call.side = static_cast<int>(in.Bounded("called side", noSide));
        call.difficulty = in.String("difficulty", SaveLimits::maxDifficultyBytes);
        level.commanderCalls.push_back(std::move(call));
    }
    ReadPresentation(in, level.presentation);
    const Level::Ahead ahead = ReadAhead(in);
    if (!in.Failed())
        level.RestoreAhead(ahead);
    if (!in.Failed() && !in.AtEnd())
        in.Fail("the level's state has bytes left after its fields");
    fault = in.Fault();
    return !in.Failed();
}

} // namespace Vorn
