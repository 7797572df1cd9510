// A scripted player for the campaign's levels: plays a level headless through the same commands the
// interface issues for a player's clicks (build, place, order tanks, attack), one script call per game
// second, until the level ends or its time runs out.
#pragma once

#include "command/Command.h"
#include "game/Battle.h"
#include "game/ReplayTrail.h"
#include "replay/Replay.h"
#include "tests/support/SimulationData.h"
#include "world/World.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace CampaignTest {

struct Outcome {
    bool finished = false;
    bool won = false;
    // Game seconds when the level ended, or when the run gave up.
    double seconds = 0;
};

// Where the script's buildings, towers and mines go, in the order they are built.
struct Placement {
    Vorn::ProductFamily family;
    int type;
    int turret;
    float x, y;
};

// The game seeds its generator before it loads its data, and loading draws from it: loading in the same
// order makes a scripted run the game's own run for the seed, so that its replay plays in the game.
class GameDataForSeed {
public:
    explicit GameDataForSeed(std::uint32_t seed);

private:
    std::optional<testing_support::SimulationData> data;
};

class CampaignPlayer {
public:
    // The shipped level with the seed, with the game's data loaded as the game loads it.
    CampaignPlayer(const std::string& levelFile, std::uint32_t seed);

    // Steps of `stepMs` until the level ends or `limitSeconds` pass; `script` runs once every game second.
    Outcome Play(unsigned stepMs, double limitSeconds, const std::function<void(CampaignPlayer&)>& script);

    // The run so far as a replay the game plays in its window (the screenshots of a won level come so).
    Vorn::Replay Recording() const;

    // A computer opponent of the difficulty plays the player's side from the next step on, as
    // `sector-clash-simulate --commander Blue=normal` has it.
    void StartCommander(const std::string& difficulty);

    // The script's means.
    Vorn::World& World() { return *battle.world; }
    double Seconds() const;
    void Issue(Vorn::Command command);
    Vorn::Building* OwnBuilding(Vorn::BuildingType type) const;
    Vorn::Object* Enemy(int side, char letter, std::uint16_t number) const;
    std::vector<std::uint64_t> OwnTanks() const;
    // Works through the build list: starts each item at its producer and places it once finished.
    void BuildInOrder(std::vector<Placement>& plan);
    // Keeps two tanks of the design in the factory's queue.
    void KeepFactoryBusy(const Vorn::TankOrder& design);
    // Once at least `muster` tanks stand, sends them all at the target, again every call so newcomers join.
    void AttackWhenReady(std::size_t muster, Vorn::Object* target);

    static constexpr int player = Vorn::playerSideOfBattle;

private:
    void PlaceOrRetry(std::vector<Placement>& plan, std::uint64_t producer);
    bool ProducerBusy(Vorn::ProductFamily family) const;

    GameDataForSeed data;
    Vorn::Battle battle;
    Vorn::ReplayTrail trail;
    std::string levelFile;
    std::uint32_t seed;
    unsigned stepMs = 16;
    int placeTries = 0;
    bool attacking = false;
    bool rallied = false;
    std::size_t attackers = 0;
    double lastAttack = 0;
};

} // namespace CampaignTest
