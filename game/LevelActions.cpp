// The actions of a level's events: beep, new, destroy, request, cancel, quit, order and commander.
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

} // namespace Vorn
