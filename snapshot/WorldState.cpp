// Writing and reading the state of a whole world.
#include "snapshot/WorldState.h"

#include "save/SaveLimits.h"
#include "snapshot/CellOrder.h"
#include "snapshot/EffectState.h"
#include "snapshot/ObjectState.h"
#include "visuals/DrawingStore.h"
#include "world/Bullet.h"
#include "world/SpatialMap.h"
#include "world/World.h"

namespace Vorn {

namespace {

// The least a serialised object takes: its class tag, type and base fields.
constexpr std::size_t leastObjectBytes = 34;

void WriteCounters(ByteWriter& out, const World& world) {
    out.U32(world.Clock());
    out.U64(world.NextSerial());
    for (int kind = 0; kind < objectKindCount; ++kind)
        out.F32(world.QueryReach(static_cast<ObjectKind>(kind)));
}

void ReadCounters(ByteReader& in, World& world) {
    const std::uint32_t clock = in.U32("clock");
    const std::uint64_t nextSerial = in.U64("next serial");
    std::array<float, objectKindCount> reaches{};
    for (float& reach : reaches)
        reach = in.F32("query reach");
    if (nextSerial == 0)
        in.Fail("the next serial is 0");
    // A world never reaches less far than its largest kind of object, and never less than any object it
    // files: a reach the world would raise on reading is written back other than it was read.
    for (float reach : reaches)
        if (!in.Failed() && reach < largestObjectRadius)
            in.Fail("a query reach is below " + std::to_string(static_cast<int>(largestObjectRadius)) +
                    ", the least a world keeps");
    if (!in.Failed())
        world.RestoreCounters(clock, nextSerial, reaches);
}

void WriteSides(ByteWriter& out, const SideTable& sides) {
    out.U32(static_cast<std::uint32_t>(sides.playerSide));
    for (const SideRecord& record : sides.records) {
        out.String(record.name);
        out.I32(record.money);
        out.I32(record.points);
        out.I32(record.nextTankCallsign);
        out.I32(record.nextTowerCallsign);
        for (int next : record.nextBuildingCallsign)
            out.I32(next);
        out.Flag(record.outOfMoney);
        out.Flag(record.productionWanting);
    }
}

void ReadSides(ByteReader& in, SideTable& sides) {
    sides.playerSide = static_cast<int>(in.Bounded("player's side", sideCount - 1));
    for (SideRecord& record : sides.records) {
        record.name = in.String("side's name", SaveLimits::maxSideNameBytes);
        record.money = in.I32("money");
        record.points = in.I32("points");
        record.nextTankCallsign = in.I32("next tank callsign");
        record.nextTowerCallsign = in.I32("next tower callsign");
        for (int& next : record.nextBuildingCallsign)
            next = in.I32("next building callsign");
        record.outOfMoney = in.Flag("out of money flag");
        record.productionWanting = in.Flag("production wanting flag");
    }
}

void WriteFog(ByteWriter& out, const FogOfWar& fog) {
    out.U32(static_cast<std::uint32_t>(fog.Side()));
    out.U32(static_cast<std::uint32_t>(fog.Points().size()));
    for (const FogOfWar::GridPoint& point : fog.Points()) {
        out.F32(point.fog);
        out.F32(point.age);
    }
}

void ReadFog(ByteReader& in, FogOfWar& fog) {
    const int side = static_cast<int>(in.Bounded("fog's side", noSide));
    const std::size_t count = in.Count("fog points", SaveLimits::maxFogPoints, 8);
    std::vector<FogOfWar::GridPoint> points(count);
    for (FogOfWar::GridPoint& point : points) {
        point.fog = in.F32("fog");
        point.age = in.F32("fog's age");
    }
    if (!in.Failed() && !fog.Restore(side, points))
        in.Fail("the fog has " + std::to_string(count) + " points where the level's map has " +
                std::to_string(fog.Points().size()));
}

void WriteContainers(StateWriter& writer, World& world) {
    for (int side = 0; side < sideCount; ++side)
        for (int kind = 0; kind < objectKindCount; ++kind) {
            const World::ObjectMap& map = world.Objects(side, static_cast<ObjectKind>(kind));
            writer.out.U32(static_cast<std::uint32_t>(map.Count()));
            for (const World::ObjectMap::Cell* cell : map.CellsInOrder())
                for (const Object* object : *cell)
                    WriteObjectState(writer, *object);
        }
}

void ReadContainers(StateReader& reader, World& world) {
    for (int side = 0; side < sideCount && !reader.in.Failed(); ++side)
        for (int kind = 0; kind < objectKindCount && !reader.in.Failed(); ++kind) {
            const std::size_t count =
                reader.in.Count("object count", SaveLimits::maxObjectsPerContainer, leastObjectBytes);
            CellOrder order;
            for (std::size_t index = 0; index < count && !reader.in.Failed(); ++index) {
                std::uint64_t serial = 0;
                std::unique_ptr<Object> object = ReadObjectState(reader, serial);
                if (!object)
                    return;
                if (object->side != side)
                    return reader.in.Fail("an object of side " + std::to_string(object->side) +
                                          " is filed under side " + std::to_string(side));
                if (object->size > world.QueryReach(static_cast<ObjectKind>(kind)))
                    return reader.in.Fail("object " + std::to_string(serial) +
                                          " is larger than the reach of the queries for its kind");
                if (!order.Follows(object->x, object->y))
                    return reader.in.Fail("object " + std::to_string(serial) +
                                          " is listed after objects of a later cell of the map");
                if (!world.RestoreObject(object.get(), static_cast<ObjectKind>(kind), serial))
                    return reader.in.Fail("serial " + std::to_string(serial) + " is given twice or not yet");
                object.release();
            }
        }
}

void WriteBullets(StateWriter& writer, World& world) {
    writer.out.U32(static_cast<std::uint32_t>(world.Bullets().Count()));
    for (const World::BulletMap::Cell* cell : world.Bullets().CellsInOrder())
        for (const Bullet* bullet : *cell)
            WriteBulletState(writer, *bullet);
}

void ReadBullets(StateReader& reader, World& world) {
    const std::size_t count = reader.in.Count("bullet count", SaveLimits::maxBullets, leastObjectBytes);
    CellOrder order;
    for (std::size_t index = 0; index < count && !reader.in.Failed(); ++index)
        if (std::unique_ptr<Bullet> bullet = ReadBulletState(reader)) {
            if (!order.Follows(bullet->x, bullet->y))
                return reader.in.Fail("a bullet is listed after bullets of a later cell of the map");
            world.InsertBullet(bullet.release());
        }
}

} // namespace

std::string WriteWorldState(World& world) {
    const DrawingIndex drawings(drawingStore);
    ByteWriter out;
    StateWriter writer{out, drawings};
    WriteCounters(out, world);
    WriteSides(out, world.sides);
    WriteFog(out, world.fog);
    WriteEffects(writer, world);
    WriteContainers(writer, world);
    WriteBullets(writer, world);
    return out.Take();
}

bool ReadWorldState(std::string_view body, World& world, std::string& fault) {
    const DrawingIndex drawings(drawingStore);
    ByteReader in(body);
    StateReader reader(in, world, drawings);
    ReadCounters(in, world);
    ReadSides(in, world.sides);
    ReadFog(in, world.fog);
    ReadEffects(reader, world);
    ReadContainers(reader, world);
    ReadBullets(reader, world);
    if (!in.Failed())
        reader.ResolveLinks();
    if (!in.Failed() && !in.AtEnd())
        in.Fail("the world's state has bytes left after its fields");
    fault = in.Fault();
    return !in.Failed();
}

} // namespace Vorn
