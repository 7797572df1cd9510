// Writing and reading the state of the computer opponents.
#include "snapshot/CommanderState.h"

#include "commander/CommanderSet.h"
#include "save/ByteStream.h"
#include "save/SaveLimits.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/World.h"

namespace Vorn {

namespace {

using SaveLimits::maxObjectsPerContainer;

// What a commander remembers is about objects: no list of it outgrows a container.
constexpr std::size_t maxRemembered = maxObjectsPerContainer;
// The least a commander takes: its side, its difficulty's length and when its parts think next.
constexpr std::size_t leastCommanderBytes = 4 + 4 + 4 * commanderPartCount;
constexpr std::size_t knownStructureBytes = 48;
constexpr std::size_t knownTankBytes = 44;

// The kind an object is filed under, as far as a commander tells kinds apart; objectKindCount for the rest.
ObjectKind KindOf(const Object& object) {
    if (object.AsTank() != nullptr)
        return KindTank;
    if (dynamic_cast<const Building*>(&object) != nullptr)
        return KindBuilding;
    if (dynamic_cast<const Tower*>(&object) != nullptr)
        return KindTower;
    return static_cast<ObjectKind>(objectKindCount);
}

int TypeCountOf(ObjectKind kind) {
    switch (kind) {
    case KindTank:
        return tankTypeCount;
    case KindTower:
        return towerTypeCount;
    default:
        return buildingTypeCount;
    }
}

void WritePoint(ByteWriter& out, const std::optional<MapPoint>& point) {
    out.Flag(point.has_value());
    if (point) {
        out.F32(point->x);
        out.F32(point->y);
    }
}

void WriteSerials(ByteWriter& out, const std::set<std::uint64_t>& serials) {
    out.U32(static_cast<std::uint32_t>(serials.size()));
    for (std::uint64_t serial : serials)
        out.U64(serial);
}

void WriteKnown(ByteWriter& out, const KnownObject& known, bool withKind) {
    out.U64(known.serial);
    out.U32(static_cast<std::uint32_t>(known.side));
    if (withKind)
        out.U32(static_cast<std::uint32_t>(known.kind));
    out.U32(static_cast<std::uint32_t>(known.type));
    out.F32(known.x);
    out.F32(known.y);
    out.F32(known.size);
    out.F32(known.strength.hitPoints);
    out.F32(known.strength.damagePerSecond);
    out.F32(known.strength.range);
    out.U32(known.lastSeenMs);
}

void WriteView(ByteWriter& out, const SideView& view) {
    out.U32(static_cast<std::uint32_t>(view.structures.size()));
    for (const auto& [serial, known] : view.structures)
        WriteKnown(out, known, true);
    out.U32(static_cast<std::uint32_t>(view.tanks.size()));
    for (const auto& [serial, known] : view.tanks)
        WriteKnown(out, known, false);
    out.U32(static_cast<std::uint32_t>(view.deposits.size()));
    for (const KnownDeposit& deposit : view.deposits) {
        out.F32(deposit.x);
        out.F32(deposit.y);
    }
    out.U32(view.lastContactMs);
    out.I32(view.debrisSeen);
    out.F32(view.debrisX);
    out.F32(view.debrisY);
}

void WriteCommander(ByteWriter& out, const Commander& commander) {
    out.U32(static_cast<std::uint32_t>(commander.side));
    out.String(commander.difficulty.name);
    for (unsigned due : commander.dueMs)
        out.U32(due);
    WriteView(out, commander.view);
    out.U64(commander.scout);
    out.U64(commander.scoutLeg);
    out.U32(commander.scoutLegSinceMs);
    WriteSerials(out, commander.repairing);
    WriteSerials(out, commander.defending);
    WriteSerials(out, commander.attacking);
    out.U64(commander.attackTarget);
    out.F32(commander.strongestAttack);
    WritePoint(out, commander.attackFrom);
    out.Flag(commander.homeOutmatched);
    out.U64(commander.searchLeg);
    out.U32(commander.searchLegSinceMs);
    WritePoint(out, commander.rallyPoint);
    out.U32(static_cast<std::uint32_t>(commander.armoryLines.size()));
    for (const auto& [armory, bulletKind] : commander.armoryLines) {
        out.U64(armory);
        out.U32(static_cast<std::uint32_t>(bulletKind));
    }
    out.I32(commander.placeFailures);
    out.U64(commander.commandsIssued);
}

// Reads one commander's fields, checking each serial against the world it plays in.
class CommanderReader {
public:
    CommanderReader(ByteReader& in, const World& world, int side) : in(in), world(world), side(side) {}

    void ReadInto(Commander& commander) {
        for (unsigned& due : commander.dueMs)
            due = in.U32("part's next thought");
        ReadView(commander.view);
        commander.scout = OwnTank("scout");
        commander.scoutLeg = static_cast<std::size_t>(in.U64("scout's leg"));
        commander.scoutLegSinceMs = in.U32("scout's leg time");
        commander.repairing = OwnTanks("units sent for repair");
        commander.defending = OwnTanks("defenders");
        commander.attacking = OwnTanks("attackers");
        commander.attackTarget = EnemyBuilding("attack target");
        commander.strongestAttack = in.F32("strongest attack");
        commander.attackFrom = Point("attack's origin");
        commander.homeOutmatched = in.Flag("home outmatched flag");
        commander.searchLeg = static_cast<std::size_t>(in.U64("search leg"));
        commander.searchLegSinceMs = in.U32("search leg time");
        commander.rallyPoint = Point("rally point");
        commander.armoryLines = ArmoryLines();
        commander.placeFailures = in.I32("placing failures");
        if (commander.placeFailures < 0)
            in.Fail("the placing failures are fewer than none");
        commander.commandsIssued = in.U64("commands issued");
    }

private:
    ByteReader& in;
    const World& world;
    int side;

    // A serial the world has given out, or 0 where `what` may be none; the object it named, if it stands.
    const Object* Serial(std::uint64_t serial, const char* what, bool noneAllowed) {
        if ((serial == 0 && !noneAllowed) || serial >= world.NextSerial())
            in.Fail(std::string(what) + ": serial " + std::to_string(serial) + " was never given out");
        return serial != 0 && !in.Failed() ? world.FindBySerial(serial) : nullptr;
    }

    void NeedKindAndSide(const Object* object, ObjectKind kind, bool ownSide, const char* what) {
        if (object != nullptr && (KindOf(*object) != kind || (object->side == side) != ownSide))
            in.Fail(std::string(what) + ": serial " + std::to_string(object->Serial()) + " is not a " +
                    (kind == KindTank ? "tank" : "building") + (ownSide ? " of the side" : " of an enemy"));
    }

    std::uint64_t OwnTank(const char* what) {
        const std::uint64_t serial = in.U64(what);
        NeedKindAndSide(Serial(serial, what, true), KindTank, true, what);
        return serial;
    }

    std::uint64_t EnemyBuilding(const char* what) {
        const std::uint64_t serial = in.U64(what);
        NeedKindAndSide(Serial(serial, what, true), KindBuilding, false, what);
        return serial;
    }

    // Sets are written in their order: a serial not above the one before it is a damaged set.
    std::set<std::uint64_t> OwnTanks(const char* what) {
        const std::size_t count = in.Count(what, maxRemembered, 8);
        std::set<std::uint64_t> serials;
        for (std::size_t index = 0; index < count && !in.Failed(); ++index) {
            const std::uint64_t serial = in.U64(what);
            if (!serials.empty() && serial <= *serials.rbegin())
                in.Fail(std::string(what) + ": the serials are not in ascending order");
            NeedKindAndSide(Serial(serial, what, false), KindTank, true, what);
            serials.insert(serials.end(), serial);
        }
        return serials;
    }

    std::set<std::pair<std::uint64_t, int>> ArmoryLines() {
        const std::size_t count = in.Count("armory lines", maxRemembered, 12);
        std::set<std::pair<std::uint64_t, int>> lines;
        for (std::size_t index = 0; index < count && !in.Failed(); ++index) {
            const std::uint64_t armory = in.U64("armory");
            const auto line =
                std::pair(armory, static_cast<int>(in.Bounded("armory line's bullet", bulletTypeCount - 1)));
            if (!lines.empty() && line <= *lines.rbegin())
                in.Fail("the armory lines are not in ascending order");
            const Object* object = Serial(armory, "armory", false);
            const auto* building = dynamic_cast<const Building*>(object);
            if (object != nullptr &&
                (building == nullptr || building->type != BuildingType::Armory || building->side != side))
                in.Fail("armory: serial " + std::to_string(armory) + " is not one of the side's armories");
            lines.insert(lines.end(), line);
        }
        return lines;
    }

    std::optional<MapPoint> Point(const char* what) {
        if (!in.Flag(what))
            return std::nullopt;
        MapPoint point;
        point.x = in.F32(what);
        point.y = in.F32(what);
        return point;
    }

    // A structure is a building or a tower; the tanks seen are kept apart.
    KnownObject Known(bool structure, const char* what) {
        KnownObject known;
        known.serial = in.U64(what);
        known.side = static_cast<int>(in.Bounded("seen object's side", sideCount - 1));
        known.kind = structure
                         ? static_cast<ObjectKind>(in.Bounded("seen object's kind", objectKindCount - 1))
                         : KindTank;
        if (structure && known.kind != KindBuilding && known.kind != KindTower)
            in.Fail("a seen structure is neither a building nor a tower");
        known.type = static_cast<int>(in.Bounded("seen object's type", TypeCountOf(known.kind) - 1));
        known.x = in.F32("seen object's x");
        known.y = in.F32("seen object's y");
        known.size = in.F32("seen object's size");
        known.strength.hitPoints = in.F32("seen object's hit points");
        known.strength.damagePerSecond = in.F32("seen object's damage");
        known.strength.range = in.F32("seen object's range");
        known.lastSeenMs = in.U32("seen object's time");
        if (known.side == side)
            in.Fail(std::string(what) + ": serial " + std::to_string(known.serial) +
                    " is of the side itself");
        const Object* object = Serial(known.serial, what, false);
        if (object != nullptr && (KindOf(*object) != known.kind || object->side != known.side))
            in.Fail(std::string(what) + ": serial " + std::to_string(known.serial) +
                    " names an object of another kind or side");
        return known;
    }

    std::map<std::uint64_t, KnownObject> KnownObjects(bool structures, const char* what) {
        const std::size_t count =
            in.Count(what, maxRemembered, structures ? knownStructureBytes : knownTankBytes);
        std::map<std::uint64_t, KnownObject> objects;
        for (std::size_t index = 0; index < count && !in.Failed(); ++index) {
            KnownObject known = Known(structures, what);
            if (!objects.empty() && known.serial <= objects.rbegin()->first)
                in.Fail(std::string(what) + ": the serials are not in ascending order");
            objects.emplace_hint(objects.end(), known.serial, known);
        }
        return objects;
    }

    void ReadView(SideView& view) {
        view.structures = KnownObjects(true, "seen structures");
        view.tanks = KnownObjects(false, "seen tanks");
        const std::size_t deposits = in.Count("seen deposits", maxRemembered, 8);
        for (std::size_t index = 0; index < deposits && !in.Failed(); ++index) {
            const float x = in.F32("deposit x");
            view.deposits.push_back({x, in.F32("deposit y")});
        }
        view.lastContactMs = in.U32("last contact");
        view.debrisSeen = in.I32("debris seen");
        if (view.debrisSeen < 0)
            in.Fail("fewer than no debris seen");
        view.debrisX = in.F32("debris x");
        view.debrisY = in.F32("debris y");
    }
};

} // namespace

std::string WriteCommanderState(const CommanderSet* commanders) {
    ByteWriter out;
    if (commanders == nullptr) {
        out.U32(0);
        return out.Take();
    }
    out.U32(static_cast<std::uint32_t>(commanders->Commanders().size()));
    for (const auto& commander : commanders->Commanders())
        WriteCommander(out, *commander);
    return out.Take();
}

bool ReadCommanderState(std::string_view body, const World& world, CommanderSet& commanders,
                        std::string& fault) {
    ByteReader in(body);
    if (!commanders.Commanders().empty())
        in.Fail("the computer opponents are read into a game that has some already");
    const std::size_t count = in.Count("commander count", SaveLimits::maxCommanders, leastCommanderBytes);
    for (std::size_t index = 0; index < count && !in.Failed(); ++index) {
        const int side = static_cast<int>(in.Bounded("commander's side", sideCount - 1));
        const std::string name = in.String("difficulty", SaveLimits::maxDifficultyBytes);
        if (in.Failed())
            break;
        // The book answers "normal" for a name it lacks, which would load as another opponent.
        if (!commanders.Book().Has(name) && name != defaultDifficultyName) {
            in.Fail("difficulty \"" + ShownInFault(name) + "\" is not one of " +
                    std::string(commanderFileName) + "'s");
            break;
        }
        for (const auto& started : commanders.Commanders())
            if (started->Side() == side)
                in.Fail("two commanders play side " + std::to_string(side));
        if (in.Failed())
            break;
        commanders.Start(side, name);
        CommanderReader(in, world, side).ReadInto(*commanders.Commanders().back());
    }
    if (!in.Failed() && !in.AtEnd())
        in.Fail("the computer opponents' state has bytes left after its fields");
    fault = in.Fault();
    return !in.Failed();
}

} // namespace Vorn
