// A computer opponent for one side. It plays with the player's means only: it looks at the map through its
// side's sight (SideView) and acts only by issuing Commands into the game's queue, which apply at the
// start of the step like a player's orders, so its games replay and check like any other. Each part
// (sight, economy, production, defence, scouting, attack) thinks on its own schedule, and one step runs at
// most one part, so no step pays for all of them.
//
//   Commander commander(2, book.Find("hard"));
//   commander.Think(world, commands);   // before every step
#pragma once

#include "commander/Difficulty.h"
#include "commander/SideView.h"

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace Vorn {

class CommandQueue;
class Object;
class World;
struct Command;

enum class CommanderPart : int { Sight, Economy, Production, Defence, Scouting, Attack };
inline constexpr int commanderPartCount = 6;

struct MapPoint {
    float x = 0;
    float y = 0;
};

class Commander {
public:
    Commander(int side, const Difficulty& difficulty);

    // Runs the part that is due first, if any is due at the world's clock. A side with nothing on the map
    // issues nothing.
    void Think(World& world, CommandQueue& commands);

    int Side() const { return side; }
    const Difficulty& Plan() const { return difficulty; }
    const SideView& View() const { return view; }
    // Commands issued so far, for the tools' reports.
    std::uint64_t CommandsIssued() const { return commandsIssued; }

    // --- The parts, each callable on its own (the tests call them directly).
    void ThinkEconomy(World& world, CommandQueue& commands);
    void ThinkProduction(World& world, CommandQueue& commands);
    void ThinkDefence(World& world, CommandQueue& commands);
    void ThinkScouting(World& world, CommandQueue& commands);
    void ThinkAttack(World& world, CommandQueue& commands);
    void Look(World& world);

    // --- Its state, all plain data, so that a saved game can hold it.
    int side;
    Difficulty difficulty;
    SideView view;
    // When each part thinks next, in world milliseconds.
    std::array<unsigned, commanderPartCount> dueMs{};
    // The tank sent to find the enemy, and the waypoint of its round it drives to.
    std::uint64_t scout = 0;
    std::size_t scoutLeg = 0;
    unsigned scoutLegSinceMs = 0;
    // Tanks on their way to be repaired, defending the base, and in the attack under way.
    std::set<std::uint64_t> repairing;
    std::set<std::uint64_t> defending;
    std::set<std::uint64_t> attacking;
    std::uint64_t attackTarget = 0;
    // The strongest attack on the base seen so far (GroupStrength of the enemy tanks near it), where the
    // last one came from, and whether the towers and tanks at home fall short of it.
    float strongestAttack = 0;
    std::optional<MapPoint> attackFrom;
    bool homeOutmatched = false;
    // The leg of the scouting round a group without a known target drives, and since when.
    std::size_t searchLeg = 0;
    unsigned searchLegSinceMs = 0;
    // Where new tanks gather; factories send their tanks there.
    std::optional<MapPoint> rallyPoint;
    // Armory lines switched on, by armory serial and bullet kind.
    std::set<std::pair<std::uint64_t, int>> armoryLines;
    // How often the headquarters found no place for its finished building in a row.
    int placeFailures = 0;
    std::uint64_t commandsIssued = 0;

private:
    void Issue(CommandQueue& commands, Command command);
    void PlaceFinishedBuilding(World& world, CommandQueue& commands, Object& headquarters);
    void StartNextBuilding(World& world, CommandQueue& commands, Object& headquarters);
    void StockArmories(World& world, CommandQueue& commands);
    void ClearFactoryExits(World& world, CommandQueue& commands);
    void PlaceDefences(World& world, CommandQueue& commands, Object& defence);
    void AnswerThreats(World& world, CommandQueue& commands);
    void WeighThreat(World& world);
    // Whether the base puts its money into towers: against an attack it cannot meet, or with no factory.
    bool HoldingForTowers(World& world) const;
    void SendForRepair(World& world, CommandQueue& commands);
    void LeadAttack(World& world, CommandQueue& commands);
    void SearchOn(World& world, CommandQueue& commands);
    void Reinforce(World& world, CommandQueue& commands, MapPoint rally);
    void SetRallyPoint(MapPoint point);
    void GatherAtRallyPoint(World& world, CommandQueue& commands);
    // The tanks free for an attack: not the scout, not repairing, defending or attacking.
    std::vector<Object*> FreeTanks(World& world) const;
};

} // namespace Vorn
