// The actions of a level's events: beep, new, destroy, request, cancel, quit, order, commander, message,
// objective, camera and reveal.
#include "game/Level.h"

#include "game/LevelLimits.h"
#include "game/LevelNames.h"
#include "game/LevelObjectReader.h"
#include "game/LevelObjects.h"
#include "world/DestroyAtEndOfStep.h"
#include "world/ICallsign.h"
#include "world/Obstacle.h"
#include "world/SideTable.h"
#include "world/Tank.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace Vorn {

namespace {

namespace Names = LevelNames;

const Brisk::Attribute* Find(const Brisk::Node& element, std::string_view name) {
    return element.FindAttribute(std::string(name));
}

// The letter of a "group": its first character, or 0 for an empty text, which names no unit.
char LetterOf(const Brisk::Attribute& group) {
    return group.value.empty() ? 0 : group.value[0];
}

std::uint16_t NumberOf(const Brisk::Attribute& number) {
    return static_cast<std::uint16_t>(Brisk::ToInt(number));
}

// A text as the level gives it, cut to a length the screen and the log can hold.
std::string BoundedText(const Brisk::Attribute& text) {
    return text.value.substr(0, LevelLimits::maxTextLength);
}

// A point of the map, or nothing when either coordinate is missing, not a number or out of all bounds.
std::optional<std::pair<float, float>> PointOf(const Brisk::Node& action) {
    const Brisk::Attribute* x = Find(action, Names::x);
    const Brisk::Attribute* y = Find(action, Names::y);
    if (!x || !y)
        return std::nullopt;
    const float px = static_cast<float>(Brisk::ToFloat(*x));
    const float py = static_cast<float>(Brisk::ToFloat(*y));
    if (!(std::abs(px) <= LevelLimits::maxCoordinate && std::abs(py) <= LevelLimits::maxCoordinate))
        return std::nullopt;
    return std::pair{px, py};
}

struct SearchCallsign : ICallsign {
    SearchCallsign(char letter, std::uint16_t number) {
        this->letter = letter;
        this->number = number;
    }
};

} // namespace

void Level::PerformAction(const Brisk::Node& action) {
    const std::string& name = action.name;
    if (name == Names::beep)
        Beep();
    else if (name == Names::newObjects)
        CreateObjects(action);
    else if (name == Names::destroy)
        Destroy(action);
    else if (name == Names::request)
        Register(action);
    else if (name == Names::cancel)
        Cancel(action);
    else if (name == Names::quit)
        Quit(action);
    else if (name == Names::order)
        Order(action);
    else if (name == Names::commander)
        CallCommander(action);
    else if (name == Names::message)
        Message(action);
    else if (name == Names::objective)
        Objective(action);
    else if (name == Names::camera)
        MoveCamera(action);
    else if (name == Names::reveal)
        Reveal(action);
}

// The beep is news for the presentation, which sounds it; the simulation makes no sound.
void Level::Beep() {
    if (runningAhead)
        ++beepsAhead;
    else
        world->Report({WorldEventKind::Beep});
}

void Level::CreateObjects(const Brisk::Node& action) {
    for (const Brisk::Node& element : action.children) {
        if (createdObjects >= LevelLimits::maxCreatedObjects)
            return;
        if (CreateLevelObject(*world, element))
            ++createdObjects;
    }
}

void Level::Destroy(const Brisk::Node& action) {
    for (const Brisk::Node& child : action.children) {
        if (child.name == Names::destroyObject)
            DestroyObject(child);
        else if (child.name == Names::destroyObstacles)
            DestroyObstacles(child);
    }
}

// Buildings are looked at first, then tanks, then towers: one callsign names at most one object.
void Level::DestroyObject(const Brisk::Node& object) {
    const Brisk::Attribute* number = Find(object, Names::number);
    const Brisk::Attribute* group = Find(object, Names::group);
    if (!number || !group || LetterOf(*group) == 0)
        return;
    const SearchCallsign callsign(LetterOf(*group), NumberOf(*number));
    for (ObjectKind kind : {KindBuilding, KindTank, KindTower}) {
        if (Object* found = world->FindByCallsign(callsign, kind)) {
            DestroyAtEndOfStep(*found);
            return;
        }
    }
}

void Level::DestroyObstacles(const Brisk::Node& obstacles) {
    const Brisk::Attribute* x = Find(obstacles, Names::x);
    const Brisk::Attribute* y = Find(obstacles, Names::y);
    const Brisk::Attribute* radius = Find(obstacles, Names::radius);
    if (!x || !y || !radius)
        return;
    const float cx = static_cast<float>(Brisk::ToFloat(*x));
    const float cy = static_cast<float>(Brisk::ToFloat(*y));
    const float r = static_cast<float>(Brisk::ToFloat(*radius));
    if (!std::isfinite(cx) || !std::isfinite(cy) || !(r >= 0))
        return;
    World::ObjectMap& statics = world->Objects(0, KindStatic);
    // The query's result is the map's scratch array, so the obstacles are picked before any is taken out.
    std::vector<Object*> doomed;
    for (Object* object : statics.QueryRange(cx, cy, r))
        if (dynamic_cast<Obstacle*>(object) && DistanceSquared(*object, cx, cy) <= r * r)
            doomed.push_back(object);
    for (Object* object : doomed)
        if (world->EraseObject(object, KindStatic))
            delete object;
}

void Level::Register(const Brisk::Node& action) {
    const Brisk::Attribute* event = Find(action, Names::requestEvent);
    const Brisk::Attribute* when = Find(action, Names::when);
    if (!event || !when || requests.size() + delayed.size() >= LevelLimits::maxPendingRequests)
        return;
    LevelRequest request;
    request.name = event->value;
    if (const Brisk::Attribute* delay = Find(action, Names::delay))
        request.delay = Brisk::ToInt(*delay);
    if (const Brisk::Attribute* persistent = Find(action, Names::persistent))
        request.persistent = Brisk::ToBool(*persistent);
    if (when->value == Names::whenTime) {
        const Brisk::Attribute* value = Find(action, Names::value);
        if (!value)
            return;
        request.kind = RequestKind::Time;
        // A moment before the level began is simply due.
        request.when = static_cast<std::uint32_t>(std::max(Brisk::ToInt(*value), 0));
    } else if (when->value == Names::whenDestroyed) {
        const Brisk::Attribute* color = Find(action, Names::color);
        const Brisk::Attribute* group = Find(action, Names::group);
        const Brisk::Attribute* number = Find(action, Names::number);
        if (!color || !group || !number || LetterOf(*group) == 0)
            return;
        request.kind = RequestKind::Destroyed;
        request.side = SideOfName(color->value);
        request.letter = LetterOf(*group);
        request.number = NumberOf(*number);
        if (request.side == noSide)
            return;
    } else {
        return;
    }
    requests.push_back(std::move(request));
}

void Level::Cancel(const Brisk::Node& action) {
    const Brisk::Attribute* event = Find(action, Names::requestEvent);
    if (!event)
        return;
    const auto named = [&](const LevelRequest& request) { return request.name == event->value; };
    std::erase_if(requests, named);
    std::erase_if(delayed, named);
}

void Level::Quit(const Brisk::Node& action) {
    if (finished)
        return;
    finished = true;
    const Brisk::Attribute* status = Find(action, Names::status);
    won = status && Brisk::ToBool(*status);
}

void Level::Order(const Brisk::Node& action) {
    const Brisk::Attribute* color = Find(action, Names::color);
    const Brisk::Attribute* group = Find(action, Names::group);
    const Brisk::Attribute* x = Find(action, Names::x);
    const Brisk::Attribute* y = Find(action, Names::y);
    if (!color || !group || !x || !y || LetterOf(*group) == 0)
        return;
    const float toX = static_cast<float>(Brisk::ToFloat(*x));
    const float toY = static_cast<float>(Brisk::ToFloat(*y));
    if (!(std::abs(toX) <= LevelLimits::maxCoordinate && std::abs(toY) <= LevelLimits::maxCoordinate))
        return;
    for (Tank* tank : TanksOfGroup(*world, SideOfName(color->value), LetterOf(*group)))
        SendTank(*tank, toX, toY);
}

// A commander for the side; the battle starts it before the next step. A call for no side is dropped, and
// the calls are bounded like the requests, so an event that calls itself cannot grow the list without end.
void Level::CallCommander(const Brisk::Node& action) {
    const Brisk::Attribute* color = Find(action, Names::color);
    const int side = color ? SideOfName(color->value) : noSide;
    if (side == noSide || commanderCalls.size() >= LevelLimits::maxPendingRequests)
        return;
    const Brisk::Attribute* difficulty = Find(action, Names::difficulty);
    commanderCalls.push_back({side, difficulty ? difficulty->value.substr(0, 64) : "normal"});
}

void Level::Message(const Brisk::Node& action) {
    const Brisk::Attribute* text = Find(action, Names::text);
    if (!text || text->value.empty())
        return;
    std::vector<LevelMessage>& log = presentation.messages;
    if (log.size() >= LevelLimits::maxLogMessages)
        log.erase(log.begin());
    log.push_back({BoundedText(*text), clock});
    ++presentation.messagesSaid;
    if (const Brisk::Attribute* beep = Find(action, Names::beep); beep && Brisk::ToBool(*beep))
        Beep();
}

// An objective is added by its first mention; later ones change its text, its state or both.
void Level::Objective(const Brisk::Node& action) {
    const Brisk::Attribute* name = Find(action, Names::name);
    if (!name || name->value.empty())
        return;
    std::optional<ObjectiveState> state;
    if (const Brisk::Attribute* given = Find(action, Names::state)) {
        if (given->value == Names::stateOpen)
            state = ObjectiveState::Open;
        else if (given->value == Names::stateCompleted)
            state = ObjectiveState::Completed;
        else if (given->value == Names::stateFailed)
            state = ObjectiveState::Failed;
        else
            return;
    }
    std::vector<LevelObjective>& objectives = presentation.objectives;
    auto found = std::find_if(objectives.begin(), objectives.end(),
                              [&](const LevelObjective& objective) { return objective.name == name->value; });
    if (found == objectives.end()) {
        if (objectives.size() >= LevelLimits::maxObjectives)
            return;
        found = objectives.insert(
            objectives.end(),
            LevelObjective{name->value.substr(0, LevelLimits::maxTextLength), {}, ObjectiveState::Open});
    }
    if (const Brisk::Attribute* text = Find(action, Names::text))
        found->text = BoundedText(*text);
    if (state)
        found->state = *state;
}

void Level::MoveCamera(const Brisk::Node& action) {
    const auto point = PointOf(action);
    if (!point)
        return;
    presentation.cameraX = point->first;
    presentation.cameraY = point->second;
    ++presentation.cameraMoves;
}

void Level::Reveal(const Brisk::Node& action) {
    const auto point = PointOf(action);
    const Brisk::Attribute* radius = Find(action, Names::radius);
    if (!point || !radius)
        return;
    const float r = static_cast<float>(Brisk::ToFloat(*radius));
    if (!(r > 0 && r <= LevelLimits::maxCoordinate))
        return;
    if (runningAhead)
        revealsAhead.push_back({point->first, point->second, r});
    else
        RevealNow(point->first, point->second, r);
}

// The fog belongs to the player's side, so a level reveals for the player and no one else.
void Level::RevealNow(float x, float y, float radius) {
    world->fog.RevealFog(x, y, radius, world->fog.Side());
}

} // namespace Vorn
