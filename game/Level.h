// A running level: its file, its clock, the events due to run and the requests waiting for a moment of the
// clock or for a unit's destruction, and how the level ended.
//
//   Level& level = AttachLevel(world);   // after building the world from the level file
//   world.Tick(16);                      // runs "start", which places the level's objects
//   if (level.finished) ... level.won ...
#pragma once

#include "datafiles/Node.h"
#include "game/LevelPresentation.h"
#include "game/LevelRequest.h"
#include "world/LevelEvents.h"

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace Vorn {

class World;

class Level : public LevelEvents {
public:
    // "start" is due in the first step.
    Level(World* world, Brisk::Node document);

    // The clock's time conditions, the delays, then the events due, in that order.
    void LevelTick(unsigned elapsedMs) override;
    // Moves the requests waiting for this unit to the delayed ones.
    void NotifyDestroyed(Object* object) override;
    // Performs the actions of the first event of that name; nothing when there is none.
    void RunEvent(const std::string& name);
    // Runs "start" at once instead of in the first step, so that whatever is placed next (the skirmish)
    // finds the level's own objects already on the map. "start" still belongs to the first step: the
    // requests it registers are first looked at in the second, and the first step's clock starts at 0.
    void RunStartEvent();

    // The map size as the world read it.
    float Width() const;
    float Height() const;

    World* world;
    Brisk::Node document;
    std::uint32_t clock = 0;
    std::vector<std::string> fireNow;
    std::vector<LevelRequest> delayed;
    std::vector<LevelRequest> requests;
    bool finished = false;
    bool won = false;
    // Tanks, towers and buildings destroyed so far, by the side they belonged to.
    std::array<int, 7> losses{};
    // Objects the level has created so far, bounded by LevelLimits::maxCreatedObjects.
    std::size_t createdObjects = 0;
    // Commanders the level's "commander" actions have called, not yet taken by the battle: a side and a
    // difficulty name each ("normal" when the element names none).
    struct CommanderCall {
        int side = 7;
        std::string difficulty;
    };
    std::vector<CommanderCall> commanderCalls;
    // Messages, objectives and the view's moves, for the presentation only.
    LevelPresentation presentation;

    // What the start event, run before the first step, left for that step to do: its beeps and reveals,
    // and that its time requests wait a step. A save taken before the first step holds it.
    struct Circle {
        float x, y, radius;
    };
    struct Ahead {
        bool startRan = false;
        int beeps = 0;
        std::vector<Circle> reveals;
    };
    Ahead SavedAhead() const { return {startRanAhead, beepsAhead, revealsAhead}; }
    void RestoreAhead(const Ahead& ahead) {
        startRanAhead = ahead.startRan;
        beepsAhead = ahead.beeps;
        revealsAhead = ahead.reveals;
    }

private:
    void PerformAction(const Brisk::Node& action);
    void Beep();
    void CreateObjects(const Brisk::Node& action);
    void Destroy(const Brisk::Node& action);
    void DestroyObject(const Brisk::Node& object);
    void DestroyObstacles(const Brisk::Node& obstacles);
    void Register(const Brisk::Node& action);
    void Cancel(const Brisk::Node& action);
    void Quit(const Brisk::Node& action);
    void Order(const Brisk::Node& action);
    void CallCommander(const Brisk::Node& action);
    void Message(const Brisk::Node& action);
    void Objective(const Brisk::Node& action);
    void MoveCamera(const Brisk::Node& action);
    void Reveal(const Brisk::Node& action);
    void RevealNow(float x, float y, float radius);
    void MoveToDelayed(std::vector<LevelRequest>::iterator first);
    void DropNonPersistent();

    // The first event of each name, found once: the document never changes while the level runs.
    std::map<std::string, const Brisk::Node*> events;
    // Set while "start" has run ahead of the first step, whose time conditions it would have missed.
    bool startRanAhead = false;
    // Set while "start" runs ahead: the world's list of a step's events is cleared when the step begins,
    // so its beeps wait for the first step.
    bool runningAhead = false;
    int beepsAhead = 0;
    // Circles "start" asked to reveal while running ahead: the player's fog is only set up after it, so
    // they are cleared at the beginning of the first step.
    std::vector<Circle> revealsAhead;
};

// Builds the level from the world's level document, hands it to the world and answers it.
Level& AttachLevel(World& world);

} // namespace Vorn
