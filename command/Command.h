// An order a side gives the simulation, as a plain value: what kind of order, which side gives it, the
// step at whose start it takes effect, the units it names by their serials and its arguments. Nothing in
// it points into memory, so commands can be written to a file and read back to play a game again;
// ApplyCommand carries one out. The constructors below fill the fields each kind reads; the side and the
// step are stamped when the command is issued.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/ProductFamily.h"
#include "world/TankOrder.h"

#include <cstdint>
#include <vector>

namespace Vorn {

class Object;

enum class CommandKind : std::uint8_t {
    Move,        // units; x, y; queued; spread
    Attack,      // units; target
    Stop,        // units
    RallyPoint,  // units (tank factories); x, y
    Destroy,     // units
    Build,       // units[0] the producer; family; product (and turret for a tower)
    OrderTanks,  // units[0] the factory; product (chassis), armor, turret, letter, count
    Place,       // units[0] the producer; family; x, y
    CancelOrder, // units[0] the producer; family
    EmptyQueue,  // units[0] the factory
    ArmoryLine,  // units[0] the armory; product (bullet kind); on
};
inline constexpr int commandKindCount = 11;

struct Command {
    CommandKind kind = CommandKind::Stop;
    int side = 7;
    // The battle step at whose start the command is applied, counted from 0.
    std::uint32_t step = 0;
    std::vector<std::uint64_t> units;
    std::uint64_t target = 0;
    float x = 0;
    float y = 0;
    // A move's stretch of the group's offsets from its centre.
    float spread = 1;
    // A move added to the routes instead of replacing them.
    bool queued = false;
    ProductFamily family = ProductFamily::Building;
    // The type ordered, as an index of its family's enumeration (the chassis of a tank order, the bullet
    // kind of an armory line).
    int product = 0;
    int armor = 0;
    int turret = 0;
    char letter = 0;
    int count = 0;
    // An armory line switched on rather than off.
    bool on = false;

    bool operator==(const Command&) const = default;
};

// The serials of the objects, in their order.
std::vector<std::uint64_t> SerialsOf(const std::vector<Object*>& objects);

Command MoveCommand(std::vector<std::uint64_t> units, float x, float y, bool queued, float spread);
Command AttackCommand(std::vector<std::uint64_t> units, std::uint64_t target);
Command StopCommand(std::vector<std::uint64_t> units);
Command RallyPointCommand(std::vector<std::uint64_t> factories, float x, float y);
Command DestroyCommand(std::vector<std::uint64_t> units);
Command BuildCommand(std::uint64_t headquarters, BuildingType type);
Command BuildCommand(std::uint64_t defence, TowerType tower, TurretType turret);
Command BuildCommand(std::uint64_t defence, LandmineType type);
Command BuildCommand(std::uint64_t defence, ObstacleType type);
Command OrderTanksCommand(std::uint64_t factory, const TankOrder& design, int count);
Command PlaceCommand(std::uint64_t producer, ProductFamily family, float x, float y);
Command CancelOrderCommand(std::uint64_t producer, ProductFamily family);
Command EmptyQueueCommand(std::uint64_t factory);
Command ArmoryLineCommand(std::uint64_t armory, BulletType kind, bool on);

} // namespace Vorn
