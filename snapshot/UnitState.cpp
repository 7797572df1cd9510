// The state of tanks, towers and the turrets they carry: hull, armour, turret and their brains.
#include "ai/TankBrain.h"
#include "rules/ConstantsTable.h"
#include "rules/TowerData.h"
#include "rules/TypeCatalogue.h"
#include "save/SaveLimits.h"
#include "snapshot/ObjectState.h"
#include "visuals/Drawing.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"

#include <deque>

namespace Vorn {

namespace {

void WriteCallsign(StateWriter& writer, const ICallsign& callsign) {
    writer.out.U8(static_cast<std::uint8_t>(callsign.letter));
    writer.out.U32(callsign.number);
}

void ReadCallsign(StateReader& reader, ICallsign& callsign) {
    callsign.letter = static_cast<char>(reader.in.U8("callsign letter"));
    callsign.number = static_cast<std::uint16_t>(reader.in.Bounded("callsign number", 0xffff));
}

void WriteArmor(StateWriter& writer, const Armor& armor) {
    writer.Type(armor.type);
    writer.ObjectBase(armor);
    writer.out.F32(armor.maxHitPoints);
    writer.out.F32(armor.hitPoints);
}

void ReadArmor(StateReader& reader, Armor& armor) {
    reader.UnfiledBase(armor);
    armor.maxHitPoints = reader.in.F32("armour's maximum");
    armor.hitPoints = reader.in.F32("armour's hit points");
}

void WriteTankBrain(StateWriter& writer, const TankBrain& brain) {
    writer.BrainBase(brain);
    writer.Type(brain.state);
    writer.out.F32(brain.speedFraction);
    writer.out.Flag(brain.movedFlag);
    writer.out.F32(brain.gasAngle);
    writer.out.F32(brain.sightBase);
    writer.out.U32(static_cast<std::uint32_t>(brain.Waypoints().size()));
    for (const TankBrain::Waypoint& point : brain.Waypoints()) {
        writer.out.F32(point.x);
        writer.out.F32(point.y);
    }
}

void ReadTankBrain(StateReader& reader, TankBrain& brain) {
    reader.BrainBase(brain);
    brain.state = reader.Type<TankState>("tank state", 3);
    brain.speedFraction = reader.in.F32("speed fraction");
    brain.movedFlag = reader.in.Flag("moved flag");
    brain.gasAngle = reader.in.F32("gas angle");
    brain.sightBase = reader.in.F32("sight");
    const std::size_t count = reader.in.Count("waypoint count", SaveLimits::maxWaypoints, 8);
    std::deque<TankBrain::Waypoint> route;
    for (std::size_t index = 0; index < count; ++index) {
        const float x = reader.in.F32("waypoint x");
        route.push_back({x, reader.in.F32("waypoint y")});
    }
    brain.RestoreRoute(std::move(route));
}

} // namespace

void WriteTurretState(StateWriter& writer, const Turret& turret) {
    writer.Type(turret.type);
    writer.ObjectBase(turret);
    writer.out.I32(turret.ammunition);
    writer.out.I32(turret.shotsLeftInSerie);
    writer.out.F32(turret.shotTimer);
    writer.out.F32(turret.serieTimer);
    writer.out.I32(turret.currentMouth);
    const TurretBrain& brain = turret.brain;
    writer.BrainBase(brain);
    writer.Type(brain.state);
    writer.Reference(brain.target);
    writer.out.F32(brain.range);
    writer.out.F32(brain.aimAngle);
    writer.out.F32(brain.recoil);
    writer.out.F32(brain.rangeMultiplier);
    writer.out.U32(brain.kills);
    writer.out.Flag(brain.aimHold);
}

std::unique_ptr<Turret> ReadTurretState(StateReader& reader, ArmedObject* carrier) {
    const auto type = reader.Type<TurretType>("turret type", turretTypeCount);
    if (reader.in.Failed())
        return nullptr;
    auto turret = std::make_unique<Turret>(&reader.world, carrier, type, carrier->side);
    reader.UnfiledBase(*turret);
    turret->mouthCount = turret->drawing ? static_cast<int>(turret->drawing->Mouths().size()) : 0;
    turret->ammunition = reader.in.I32("ammunition");
    turret->shotsLeftInSerie = reader.in.I32("shots left in the serie");
    turret->shotTimer = reader.in.F32("shot timer");
    turret->serieTimer = reader.in.F32("serie timer");
    turret->currentMouth = reader.in.I32("mouth");
    // The mouth picks the drawing's point a shot leaves from.
    if (turret->currentMouth < 0 || (turret->currentMouth > 0 && turret->currentMouth >= turret->mouthCount))
        reader.in.Fail("mouth " + std::to_string(turret->currentMouth) + " is not one of the turret's");
    TurretBrain& brain = turret->brain;
    reader.BrainBase(brain);
    brain.state = reader.Type<TurretState>("turret state", 4);
    reader.Reference(brain.target, "turret's target");
    brain.range = reader.in.F32("turret range");
    brain.aimAngle = reader.in.F32("aim angle");
    brain.recoil = reader.in.F32("recoil");
    brain.rangeMultiplier = reader.in.F32("range multiplier");
    brain.kills = reader.in.U32("kills");
    brain.aimHold = reader.in.Flag("aim hold");
    return turret;
}

void WriteTankState(StateWriter& writer, const Tank& tank) {
    writer.Type(tank.type);
    writer.ObjectBase(tank);
    WriteCallsign(writer, tank);
    writer.out.Flag(tank.firstUpdatePending);
    writer.out.Flag(tank.armor != nullptr);
    if (tank.armor)
        WriteArmor(writer, *tank.armor);
    writer.out.Flag(tank.turret != nullptr);
    if (tank.turret)
        WriteTurretState(writer, *tank.turret);
    WriteTankBrain(writer, *tank.brain);
    writer.AttachedEffects(tank.exhaust);
    writer.AttachedEffects(tank.dust);
}

// The tank is assembled as its constructor does, without its parts; then each part is read in its place.
std::unique_ptr<Tank> ReadTankState(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<TankType>("tank type", tankTypeCount);
    if (reader.in.Failed())
        return nullptr;
    auto tank = std::make_unique<Tank>(&reader.world, type, 0, 0, ArmorType::NoArmor, TurretType::Gun1);
    serial = reader.ObjectBase(*tank);
    ReadCallsign(reader, *tank);
    tank->firstUpdatePending = reader.in.Flag("first update flag");
    tank->armor.reset();
    if (reader.in.Flag("armour flag")) {
        const auto armorType = reader.Type<ArmorType>("armour type", armorTypeCount);
        tank->armor = std::make_unique<Armor>(armorType, 0);
        ReadArmor(reader, *tank->armor);
    }
    tank->turret.reset();
    if (reader.in.Flag("turret flag"))
        tank->turret = ReadTurretState(reader, tank.get());
    ReadTankBrain(reader, *tank->brain);
    tank->exhaust = reader.AttachedEffects("exhaust");
    tank->dust = reader.AttachedEffects("dust");
    return reader.in.Failed() ? nullptr : std::move(tank);
}

void WriteTowerState(StateWriter& writer, const Tower& tower) {
    writer.Type(tower.type);
    writer.ObjectBase(tower);
    WriteCallsign(writer, tower);
    writer.out.Flag(tower.record != nullptr);
    writer.out.F32(tower.hitPoints);
    writer.BrainBase(tower.brain);
    writer.out.Flag(tower.brain.active);
    writer.out.Flag(tower.turret != nullptr);
    if (tower.turret)
        WriteTurretState(writer, *tower.turret);
}

std::unique_ptr<Tower> ReadTowerState(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<TowerType>("tower type", towerTypeCount);
    if (reader.in.Failed())
        return nullptr;
    const auto* record = Constants::constantsTable.Find<Constants::TowerData>(ConstantIdOf(type));
    auto tower = std::make_unique<Tower>(&reader.world, type, 0, 0, record);
    serial = reader.ObjectBase(*tower);
    ReadCallsign(reader, *tower);
    if (!reader.in.Flag("tower record flag"))
        tower->record = nullptr;
    tower->hitPoints = reader.in.F32("tower's hit points");
    reader.BrainBase(tower->brain);
    tower->brain.active = reader.in.Flag("tower's power switch");
    if (reader.in.Flag("turret flag"))
        tower->turret = ReadTurretState(reader, tower.get());
    return reader.in.Failed() ? nullptr : std::move(tower);
}

} // namespace Vorn
