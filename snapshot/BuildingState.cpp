// The state of buildings: hit points and thinking, and what the producers have under way (their slots,
// a factory's orders and the tanks at its exit, an armory's stocks).
#include "save/SaveLimits.h"
#include "snapshot/ObjectState.h"
#include "world/Armory.h"
#include "world/CreateBuilding.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/Tank.h"
#include "world/TankFactory.h"

#include <deque>

namespace Vorn {

namespace {

template <typename T> constexpr int TypeCount();
template <> constexpr int TypeCount<BuildingType>() {
    return buildingTypeCount;
}
template <> constexpr int TypeCount<TankType>() {
    return tankTypeCount;
}
template <> constexpr int TypeCount<ArmorType>() {
    return armorTypeCount;
}
template <> constexpr int TypeCount<TurretType>() {
    return turretTypeCount;
}
template <> constexpr int TypeCount<TowerType>() {
    return towerTypeCount;
}
template <> constexpr int TypeCount<LandmineType>() {
    return landmineTypeCount;
}
template <> constexpr int TypeCount<ObstacleType>() {
    return obstacleTypeCount;
}

template <typename T> void WriteSlot(StateWriter& writer, const IBuildProgress<T>& slot) {
    writer.out.Flag(slot.active);
    writer.Type(slot.type);
    writer.out.U32(slot.elapsed);
    writer.out.U32(slot.pending);
    writer.out.I32(slot.paid);
    writer.out.I32(slot.price);
    writer.out.I32(slot.buildTime);
    writer.out.Flag(slot.readyTaken);
}

template <typename T> void ReadSlot(StateReader& reader, IBuildProgress<T>& slot) {
    slot.active = reader.in.Flag("production flag");
    slot.type = reader.Type<T>("product", TypeCount<T>());
    slot.elapsed = reader.in.U32("production time");
    slot.pending = reader.in.U32("production time waiting");
    slot.paid = reader.in.I32("money paid");
    slot.price = reader.in.I32("price");
    slot.buildTime = reader.in.I32("build time");
    slot.readyTaken = reader.in.Flag("ready flag");
}

void WriteFactory(StateWriter& writer, const TankFactory& factory) {
    WriteSlot<TankType>(writer, factory);
    WriteSlot<ArmorType>(writer, factory);
    WriteSlot<TurretType>(writer, factory);
    writer.out.U32(static_cast<std::uint32_t>(factory.Orders().size()));
    for (const TankOrder& order : factory.Orders()) {
        writer.Type(order.chassis);
        writer.Type(order.turret);
        writer.Type(order.armor);
        writer.out.U8(static_cast<std::uint8_t>(order.letter));
    }
    writer.out.U32(static_cast<std::uint32_t>(factory.WaitingAtExit().size()));
    for (const auto& tank : factory.WaitingAtExit())
        WriteTankState(writer, *tank);
    writer.out.Flag(factory.HasRallyPoint());
    writer.out.F32(factory.RallyX());
    writer.out.F32(factory.RallyY());
    const FactoryPanelState& panel = factory.panelState;
    writer.Type(panel.step);
    writer.out.I32(panel.chassis);
    writer.out.I32(panel.armor);
    writer.out.I32(panel.turret);
    writer.out.U8(static_cast<std::uint8_t>(panel.groupLetter));
}

void ReadFactory(StateReader& reader, TankFactory& factory) {
    ReadSlot<TankType>(reader, factory);
    ReadSlot<ArmorType>(reader, factory);
    ReadSlot<TurretType>(reader, factory);
    const std::size_t orders = reader.in.Count("order count", SaveLimits::maxFactoryOrders, 16);
    for (std::size_t index = 0; index < orders && !reader.in.Failed(); ++index) {
        TankOrder order;
        order.chassis = reader.Type<TankType>("chassis", tankTypeCount);
        order.turret = reader.Type<TurretType>("turret", turretTypeCount);
        order.armor = reader.Type<ArmorType>("armour", armorTypeCount);
        order.letter = static_cast<char>(reader.in.U8("group letter"));
        factory.QueueOrders(order, 1);
    }
    const std::size_t waiting = reader.in.Count("tanks at the exit", SaveLimits::maxFactoryOrders, 64);
    std::deque<std::unique_ptr<Tank>> exit;
    for (std::size_t index = 0; index < waiting && !reader.in.Failed(); ++index) {
        std::uint64_t serial = 0;
        if (auto tank = ReadTankState(reader, serial))
            exit.push_back(std::move(tank));
        // Finished tanks get their serial when they leave the factory.
        if (serial != 0)
            reader.in.Fail("a tank waiting at a factory's exit has a serial");
    }
    factory.RestoreExitQueue(std::move(exit));
    const bool rally = reader.in.Flag("rally flag");
    const float rallyX = reader.in.F32("rally x");
    const float rallyY = reader.in.F32("rally y");
    if (rally)
        factory.SetRallyPoint(rallyX, rallyY);
    else if (rallyX != 0 || rallyY != 0)
        reader.in.Fail("a factory without a rally point has one's place");
    FactoryPanelState& panel = factory.panelState;
    panel.step = reader.Type<FactoryPanelStep>("panel step", static_cast<int>(FactoryPanelStep::Count));
    panel.chassis = reader.in.I32("panel chassis");
    panel.armor = reader.in.I32("panel armour");
    panel.turret = reader.in.I32("panel turret");
    panel.groupLetter = static_cast<char>(reader.in.U8("panel letter"));
}

void WriteArmory(StateWriter& writer, const Armory& armory) {
    for (int kind = 0; kind < bulletTypeCount; ++kind) {
        writer.out.Flag(armory.productionOn[kind]);
        writer.out.U32(armory.stock[kind]);
        writer.out.F32(armory.accumulator[kind]);
    }
    writer.out.U32(armory.clock);
}

void ReadArmory(StateReader& reader, Armory& armory) {
    for (int kind = 0; kind < bulletTypeCount; ++kind) {
        armory.productionOn[kind] = reader.in.Flag("armory production flag");
        armory.stock[kind] = reader.in.U32("armory stock");
        armory.accumulator[kind] = reader.in.F32("armory progress");
    }
    armory.clock = reader.in.U32("armory clock");
}

void WriteDefence(StateWriter& writer, const Defence& defence) {
    WriteSlot<TowerType>(writer, defence);
    WriteSlot<TurretType>(writer, defence);
    WriteSlot<LandmineType>(writer, defence);
    WriteSlot<ObstacleType>(writer, defence);
    const DefencePanelState& panel = defence.panelState;
    writer.Type(panel.step);
    writer.Type(panel.tower);
    writer.Type(panel.turret);
    writer.Type(panel.landmine);
}

void ReadDefence(StateReader& reader, Defence& defence) {
    ReadSlot<TowerType>(reader, defence);
    ReadSlot<TurretType>(reader, defence);
    ReadSlot<LandmineType>(reader, defence);
    ReadSlot<ObstacleType>(reader, defence);
    DefencePanelState& panel = defence.panelState;
    panel.step = reader.Type<DefencePanelStep>("panel step", 5);
    panel.tower = reader.Type<TowerType>("panel tower", towerTypeCount);
    panel.turret = reader.Type<TurretType>("panel turret", turretTypeCount);
    panel.landmine = reader.Type<LandmineType>("panel landmine", landmineTypeCount);
}

} // namespace

// The class follows from the type, as CreateBuilding makes it; its own part comes after the base.
void WriteBuildingState(StateWriter& writer, const Building& building) {
    writer.Type(building.type);
    writer.ObjectBase(building);
    writer.out.U8(static_cast<std::uint8_t>(building.letter));
    writer.out.U32(building.number);
    writer.BrainBase(building.brain);
    writer.out.F32(building.hitPoints);
    writer.out.Flag(building.firstUpdatePending);
    writer.out.Flag(building.powered);
    writer.EffectList(building.effects);
    if (const auto* hq = dynamic_cast<const HQ*>(&building))
        WriteSlot<BuildingType>(writer, *hq);
    else if (const auto* factory = dynamic_cast<const TankFactory*>(&building))
        WriteFactory(writer, *factory);
    else if (const auto* armory = dynamic_cast<const Armory*>(&building))
        WriteArmory(writer, *armory);
    else if (const auto* defence = dynamic_cast<const Defence*>(&building))
        WriteDefence(writer, *defence);
}

std::unique_ptr<Building> ReadBuildingState(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<BuildingType>("building type", buildingTypeCount);
    if (reader.in.Failed())
        return nullptr;
    std::unique_ptr<Building> building(CreateBuilding(&reader.world, type, 0, 0));
    serial = reader.ObjectBase(*building);
    building->letter = static_cast<char>(reader.in.U8("callsign letter"));
    building->number = static_cast<std::uint16_t>(reader.in.Bounded("callsign number", 0xffff));
    reader.BrainBase(building->brain);
    building->hitPoints = reader.in.F32("building's hit points");
    building->firstUpdatePending = reader.in.Flag("first update flag");
    building->powered = reader.in.Flag("powered flag");
    building->effects = reader.EffectList("building's effects");
    // The slots took side 0 at their making; they pay from the building's side.
    if (auto* hq = dynamic_cast<HQ*>(building.get())) {
        hq->IBuildProgress<BuildingType>::side = building->side;
        ReadSlot<BuildingType>(reader, *hq);
    } else if (auto* factory = dynamic_cast<TankFactory*>(building.get())) {
        factory->IBuildProgress<TankType>::side = building->side;
        factory->IBuildProgress<ArmorType>::side = building->side;
        factory->IBuildProgress<TurretType>::side = building->side;
        ReadFactory(reader, *factory);
    } else if (auto* armory = dynamic_cast<Armory*>(building.get())) {
        ReadArmory(reader, *armory);
    } else if (auto* defence = dynamic_cast<Defence*>(building.get())) {
        defence->IBuildProgress<TowerType>::side = building->side;
        defence->IBuildProgress<TurretType>::side = building->side;
        defence->IBuildProgress<LandmineType>::side = building->side;
        defence->IBuildProgress<ObstacleType>::side = building->side;
        ReadDefence(reader, *defence);
    }
    return reader.in.Failed() ? nullptr : std::move(building);
}

} // namespace Vorn
