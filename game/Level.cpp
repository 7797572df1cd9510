// The level's clock, requests and delays; the actions of its events are in LevelActions.cpp.
#include "game/Level.h"

#include "game/LevelNames.h"
#include "world/ICallsign.h"
#include "world/Object.h"
#include "world/World.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace Vorn {

Level::Level(World* world, Brisk::Node document)
    : world(world), document(std::move(document)), fireNow{std::string(LevelNames::startEvent)} {
    for (const Brisk::Node& element : this->document.children) {
        if (element.name != LevelNames::event)
            continue;
        const Brisk::Attribute* name = element.FindAttribute(std::string(LevelNames::name));
        if (name)
            events.try_emplace(name->value, &element);
    }
}

float Level::Width() const {
    return world->Width();
}

float Level::Height() const {
    return world->Height();
}

// Moves the requests from `first` to the end of the list (already partitioned there) over to the delayed
// ones in their order, and lets the first request to fire cancel every waiting one that is not persistent.
void Level::MoveToDelayed(std::vector<LevelRequest>::iterator first) {
    if (first == requests.end())
        return;
    delayed.insert(delayed.end(), std::make_move_iterator(first), std::make_move_iterator(requests.end()));
    requests.erase(first, requests.end());
    DropNonPersistent();
}

void Level::DropNonPersistent() {
    std::erase_if(requests, [](const LevelRequest& request) { return !request.persistent; });
}

namespace {
std::int32_t CountDown(std::int32_t delay, unsigned elapsedMs) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(std::int64_t(delay) - elapsedMs, INT32_MIN));
}
} // namespace

void Level::LevelTick(unsigned elapsedMs) {
    const std::uint32_t now = clock;
    // Had "start" run in this step, as events do, its requests would have come after this look.
    for (; beepsAhead > 0; --beepsAhead)
        world->Report({WorldEventKind::Beep});
    for (const Circle& circle : std::exchange(revealsAhead, {}))
        RevealNow(circle.x, circle.y, circle.radius);
    if (!std::exchange(startRanAhead, false))
        MoveToDelayed(
            std::stable_partition(requests.begin(), requests.end(), [now](const LevelRequest& request) {
                return !(request.kind == RequestKind::Time && request.when <= now);
            }));
    for (LevelRequest& entry : delayed)
        entry.delay = CountDown(entry.delay, elapsedMs);
    // Entries that come due together run last-registered first.
    for (std::size_t i = delayed.size(); i-- > 0;) {
        if (delayed[i].delay >= 1)
            continue;
        fireNow.push_back(std::move(delayed[i].name));
        delayed.erase(delayed.begin() + static_cast<std::ptrdiff_t>(i));
    }
    // An event may register and cancel, but it never adds to the names due in this step.
    const std::vector<std::string> due = std::move(fireNow);
    fireNow.clear();
    for (const std::string& name : due)
        RunEvent(name);
    clock = now + elapsedMs;
}

void Level::NotifyDestroyed(Object* object) {
    const int side = object->side;
    if (side >= 0 && side < static_cast<int>(losses.size()))
        ++losses[static_cast<std::size_t>(side)];
    const auto* callsign = dynamic_cast<const ICallsign*>(object);
    // Without a letter an object has no callsign a level could name.
    if (!callsign || callsign->letter == 0)
        return;
    MoveToDelayed(std::stable_partition(requests.begin(), requests.end(), [&](const LevelRequest& request) {
        return !(request.kind == RequestKind::Destroyed && request.side == side &&
                 request.letter == callsign->letter && request.number == callsign->number);
    }));
}

void Level::RunEvent(const std::string& name) {
    const auto found = events.find(name);
    if (found == events.end())
        return;
    for (const Brisk::Node& action : found->second->children)
        PerformAction(action);
}

void Level::RunStartEvent() {
    const std::string start(LevelNames::startEvent);
    std::erase(fireNow, start);
    runningAhead = true;
    RunEvent(start);
    runningAhead = false;
    startRanAhead = true;
}

Level& AttachLevel(World& world) {
    auto level = std::make_unique<Level>(&world, world.LevelDocument());
    Level& attached = *level;
    world.SetLevelEvents(std::move(level));
    return attached;
}

} // namespace Vorn
