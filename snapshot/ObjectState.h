// The state of every class of object a world's containers hold, written and read class by class.
#pragma once

#include "snapshot/StateStream.h"

#include <memory>

namespace Vorn {

class ArmedObject;
class Building;
class Bullet;
class Object;
class Tank;
class Tower;
class Turret;

// Any object of a container: a tag naming its class, then the class's state.
void WriteObjectState(StateWriter& writer, const Object& object);
// The object as saved, not filed yet; null after a fault, which is in the reader. `serial` gets the
// serial it is to be filed under.
std::unique_ptr<Object> ReadObjectState(StateReader& reader, std::uint64_t& serial);

// The classes with more than a few fields, each in its own file.
void WriteTankState(StateWriter& writer, const Tank& tank);
std::unique_ptr<Tank> ReadTankState(StateReader& reader, std::uint64_t& serial);
void WriteTurretState(StateWriter& writer, const Turret& turret);
std::unique_ptr<Turret> ReadTurretState(StateReader& reader, ArmedObject* carrier);
void WriteTowerState(StateWriter& writer, const Tower& tower);
std::unique_ptr<Tower> ReadTowerState(StateReader& reader, std::uint64_t& serial);
void WriteBuildingState(StateWriter& writer, const Building& building);
std::unique_ptr<Building> ReadBuildingState(StateReader& reader, std::uint64_t& serial);
void WriteBulletState(StateWriter& writer, const Bullet& bullet);
std::unique_ptr<Bullet> ReadBulletState(StateReader& reader);

} // namespace Vorn
