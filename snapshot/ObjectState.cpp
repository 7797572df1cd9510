// Any object of a world's containers by its class, and the small classes: landmines, landmarks,
// obstacles, wrecks and their debris.
#include "snapshot/ObjectState.h"

#include "rules/ConstantsTable.h"
#include "rules/LandmineData.h"
#include "rules/ObstacleData.h"
#include "rules/TypeCatalogue.h"
#include "save/SaveLimits.h"
#include "world/Building.h"
#include "world/Corpse.h"
#include "world/Debris.h"
#include "world/Landmark.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/World.h"

namespace Vorn {

namespace {

// What a tag names; a plain object is one a tool or a test filed, with nothing of its own.
enum class ObjectClass : std::uint8_t {
    Plain,
    Tank,
    Tower,
    Building,
    Landmine,
    Landmark,
    Obstacle,
    Corpse,
    Debris
};
constexpr int objectClassCount = 9;

ObjectClass ClassOf(const Object& object) {
    if (object.AsTank() != nullptr)
        return ObjectClass::Tank;
    if (dynamic_cast<const Tower*>(&object) != nullptr)
        return ObjectClass::Tower;
    if (dynamic_cast<const Building*>(&object) != nullptr)
        return ObjectClass::Building;
    if (dynamic_cast<const Landmine*>(&object) != nullptr)
        return ObjectClass::Landmine;
    if (dynamic_cast<const Landmark*>(&object) != nullptr)
        return ObjectClass::Landmark;
    if (dynamic_cast<const Obstacle*>(&object) != nullptr)
        return ObjectClass::Obstacle;
    if (dynamic_cast<const Corpse*>(&object) != nullptr)
        return ObjectClass::Corpse;
    if (dynamic_cast<const Debris*>(&object) != nullptr)
        return ObjectClass::Debris;
    return ObjectClass::Plain;
}

void WriteLandmine(StateWriter& writer, const Landmine& landmine) {
    writer.Type(landmine.type);
    writer.ObjectBase(landmine);
    writer.out.Flag(landmine.triggered);
    writer.out.I32(landmine.elapsed);
    writer.out.Flag(landmine.detonated);
}

std::unique_ptr<Object> ReadLandmine(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<LandmineType>("landmine type", landmineTypeCount);
    auto landmine = std::make_unique<Landmine>(
        type, Constants::constantsTable.Find<Constants::LandmineData>(ConstantIdOf(type)));
    serial = reader.ObjectBase(*landmine);
    landmine->triggered = reader.in.Flag("triggered flag");
    landmine->elapsed = reader.in.I32("landmine time");
    landmine->detonated = reader.in.Flag("detonated flag");
    return landmine;
}

void WriteLandmark(StateWriter& writer, const Landmark& landmark) {
    writer.Type(landmark.type);
    writer.ObjectBase(landmark);
    writer.out.Flag(landmark.firstUpdatePending);
    writer.EffectList(landmark.effects);
}

std::unique_ptr<Object> ReadLandmark(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<LandmarkType>("landmark type", landmarkTypeCount);
    auto landmark = std::make_unique<Landmark>(&reader.world, type, 0.0f, 0.0f, 0.0f, 0);
    serial = reader.ObjectBase(*landmark);
    landmark->firstUpdatePending = reader.in.Flag("first update flag");
    landmark->effects = reader.EffectList("landmark's effects");
    return landmark;
}

void WriteObstacle(StateWriter& writer, const Obstacle& obstacle) {
    writer.Type(obstacle.type);
    writer.ObjectBase(obstacle);
    writer.out.Flag(obstacle.record != nullptr);
    writer.out.F32(obstacle.sizeFactor);
}

std::unique_ptr<Object> ReadObstacle(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<ObstacleType>("obstacle type", obstacleTypeCount);
    auto obstacle = std::make_unique<Obstacle>(
        type, Constants::constantsTable.Find<Constants::ObstacleData>(ConstantIdOf(type)));
    serial = reader.ObjectBase(*obstacle);
    if (!reader.in.Flag("obstacle record flag"))
        obstacle->record = nullptr;
    obstacle->sizeFactor = reader.in.F32("size factor");
    return obstacle;
}

// The debris are named by serial; each piece learns its wreck when the links are resolved.
void WriteCorpse(StateWriter& writer, const Corpse& corpse) {
    writer.Type(corpse.type);
    writer.ObjectBase(corpse);
    writer.out.F32(corpse.bodySize);
    writer.out.U32(corpse.elapsed);
    writer.out.Flag(corpse.brokenUp);
    writer.out.U32(static_cast<std::uint32_t>(corpse.debris.size()));
    for (const Debris* piece : corpse.debris)
        writer.out.U64(piece->Serial());
}

std::unique_ptr<Object> ReadCorpse(StateReader& reader, std::uint64_t& serial) {
    const auto type = reader.Type<CorpseType>("wreck type", corpseTypeCount);
    auto corpse = std::make_unique<Corpse>(type, 0.0f);
    serial = reader.ObjectBase(*corpse);
    corpse->bodySize = reader.in.F32("body size");
    corpse->elapsed = reader.in.U32("wreck time");
    corpse->brokenUp = reader.in.Flag("broken up flag");
    const std::size_t pieces = reader.in.Count("debris count", SaveLimits::maxDebrisPerCorpse, 8);
    for (std::size_t index = 0; index < pieces; ++index) {
        const std::uint64_t pieceSerial = reader.in.U64("debris serial");
        Corpse* wreck = corpse.get();
        reader.Link([&reader, wreck, pieceSerial] {
            auto* piece = dynamic_cast<Debris*>(reader.world.FindBySerial(pieceSerial));
            if (piece == nullptr || piece->corpse != nullptr) {
                reader.in.Fail("a wreck names debris " + std::to_string(pieceSerial) +
                               " that is not its own");
                return;
            }
            piece->corpse = wreck;
            wreck->debris.push_back(piece);
        });
    }
    return corpse;
}

void WriteDebris(StateWriter& writer, const Debris& debris) {
    writer.ObjectBase(debris);
    writer.out.I32(debris.remainingTime);
}

std::unique_ptr<Object> ReadDebris(StateReader& reader, std::uint64_t& serial) {
    auto debris = std::make_unique<Debris>(0);
    serial = reader.ObjectBase(*debris);
    debris->remainingTime = reader.in.I32("debris time");
    return debris;
}

} // namespace

void WriteObjectState(StateWriter& writer, const Object& object) {
    const ObjectClass objectClass = ClassOf(object);
    writer.Type(objectClass);
    switch (objectClass) {
    case ObjectClass::Tank:
        return WriteTankState(writer, *object.AsTank());
    case ObjectClass::Tower:
        return WriteTowerState(writer, static_cast<const Tower&>(object));
    case ObjectClass::Building:
        return WriteBuildingState(writer, static_cast<const Building&>(object));
    case ObjectClass::Landmine:
        return WriteLandmine(writer, static_cast<const Landmine&>(object));
    case ObjectClass::Landmark:
        return WriteLandmark(writer, static_cast<const Landmark&>(object));
    case ObjectClass::Obstacle:
        return WriteObstacle(writer, static_cast<const Obstacle&>(object));
    case ObjectClass::Corpse:
        return WriteCorpse(writer, static_cast<const Corpse&>(object));
    case ObjectClass::Debris:
        return WriteDebris(writer, static_cast<const Debris&>(object));
    case ObjectClass::Plain:
        return writer.ObjectBase(object);
    }
}

std::unique_ptr<Object> ReadObjectState(StateReader& reader, std::uint64_t& serial) {
    const auto objectClass = reader.Type<ObjectClass>("object class", objectClassCount);
    if (reader.in.Failed())
        return nullptr;
    std::unique_ptr<Object> object;
    switch (objectClass) {
    case ObjectClass::Tank:
        object = ReadTankState(reader, serial);
        break;
    case ObjectClass::Tower:
        object = ReadTowerState(reader, serial);
        break;
    case ObjectClass::Building:
        object = ReadBuildingState(reader, serial);
        break;
    case ObjectClass::Landmine:
        object = ReadLandmine(reader, serial);
        break;
    case ObjectClass::Landmark:
        object = ReadLandmark(reader, serial);
        break;
    case ObjectClass::Obstacle:
        object = ReadObstacle(reader, serial);
        break;
    case ObjectClass::Corpse:
        object = ReadCorpse(reader, serial);
        break;
    case ObjectClass::Debris:
        object = ReadDebris(reader, serial);
        break;
    case ObjectClass::Plain:
        object = std::make_unique<Object>();
        serial = reader.ObjectBase(*object);
        break;
    }
    return reader.in.Failed() ? nullptr : std::move(object);
}

} // namespace Vorn
