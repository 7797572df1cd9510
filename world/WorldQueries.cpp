// The world's spatial questions: free places, movement, hits along a segment, nearest enemies, membership,
// callsigns and power.
#include "world/World.h"

#include "rules/BuildingData.h"
#include "world/Building.h"
#include "world/ICallsign.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

bool SegmentPassesWithin(float sx, float sy, float ex, float ey, float px, float py, float r) {
    const float dx = ex - sx;
    const float dy = ey - sy;
    const float length = std::sqrt(dx * dx + dy * dy);
    float closestX = sx;
    float closestY = sy;
    if (length > 0) {
        const float ux = dx / length;
        const float uy = dy / length;
        const float along = (px - sx) * ux + (py - sy) * uy;
        if (along >= 0 && along * along < length * length) {
            closestX = sx + ux * along;
            closestY = sy + uy * along;
        } else if (along >= 0) {
            closestX = ex;
            closestY = ey;
        }
    }
    const float offX = px - closestX;
    const float offY = py - closestY;
    return r * r >= offX * offX + offY * offY;
}

float DistanceSquared(const Object& object, float x, float y) {
    const float dx = object.x - x;
    const float dy = object.y - y;
    return dx * dx + dy * dy;
}

namespace {
// Both ends beyond reach on the same side of the centre along one axis: the segment cannot come near.
bool ClearlyMisses(float a1, float a2, float centre, float reach) {
    return (a1 < centre - reach && a2 < centre - reach) || (a1 > centre + reach && a2 > centre + reach);
}

// The box test before the exact one in movement: a whole unit beyond the reach, so that no rounding in the
// exact test could have called the object a hit, and movement stays exactly as without the shortcut.
constexpr float boxRejectMargin = 1.0f;

bool BlocksSegment(const Object& mover, float x, float y, float r, const Object& other) {
    const float reach = r + other.size;
    if (ClearlyMisses(mover.x, x, other.x, reach + boxRejectMargin) ||
        ClearlyMisses(mover.y, y, other.y, reach + boxRejectMargin))
        return false;
    return SegmentPassesWithin(mover.x, mover.y, x, y, other.x, other.y, reach);
}

constexpr ObjectKind blockingKinds[] = {KindStatic, KindDebris, KindTank, KindTower, KindBuilding};

} // namespace

// A tank asks this several times a step over 35 maps, and at scale each cell's array, its contents and the
// objects they point to all wait on memory in turn. The cells of every map are asked for first, then their
// contents, then the objects, so that the waits overlap; the answer does not depend on the order.
// The cells are those along the whole way, not only around its end: a blocker just behind a cell border
// the way crosses lies in neither end's cells.
bool World::CanMoveTo(const Object* mover, float x, float y, float r) {
    blockingCells.clear();
    float spanReach = -1;
    SpatialCellSpan span;
    for (ObjectKind kind : blockingKinds) {
        // The kinds mostly share one reach, and the span costs four roundings.
        if (QueryReach(kind) != spanReach) {
            spanReach = QueryReach(kind);
            span = SpatialCellSpan::AroundSegment(mover->x, mover->y, x, y, r + spanReach);
        }
        for (int side = 0; side < sideCount; ++side)
            Objects(side, kind).ForEachExistingCellInSpan(span, [this](const ObjectMap::Cell* cell) {
                __builtin_prefetch(cell);
                blockingCells.push_back(cell);
            });
    }
    for (const ObjectMap::Cell* cell : blockingCells)
        if (!cell->empty())
            __builtin_prefetch(cell->data());
    for (const ObjectMap::Cell* cell : blockingCells)
        for (const Object* other : *cell)
            __builtin_prefetch(other);
    for (const ObjectMap::Cell* cell : blockingCells)
        for (const Object* other : *cell)
            if (other != mover && other->size >= blockingSize && BlocksSegment(*mover, x, y, r, *other))
                return false;
    return true;
}

bool World::IsPlaceFree(float x, float y, float r, const Object* ignored) {
    for (ObjectKind kind : blockingKinds) {
        const auto span = SpatialCellSpan::Around(x, y, r + QueryReach(kind));
        for (int side = 0; side < sideCount; ++side) {
            bool occupied = false;
            Objects(side, kind).ForEachCellInSpan(span, [&](const ObjectMap::Cell& cell) {
                for (const Object* other : cell) {
                    const float reach = r + other->size;
                    if (other != ignored && other->size >= blockingSize &&
                        DistanceSquared(*other, x, y) <= reach * reach)
                        occupied = true;
                }
            });
            if (occupied)
                return false;
        }
    }
    return true;
}

namespace {
// The first object of the cell, in its order, that the segment passes within reach of.
Object* FirstHitInCell(const World::ObjectMap::Cell& cell, float x1, float y1, float x2, float y2,
                       float extraRadius, const Object* ignored) {
    for (Object* other : cell) {
        if (other == ignored)
            continue;
        const float reach = extraRadius + other->size;
        if (ClearlyMisses(x1, x2, other->x, reach) || ClearlyMisses(y1, y2, other->y, reach))
            continue;
        if (SegmentPassesWithin(x1, y1, x2, y2, other->x, other->y, reach))
            return other;
    }
    return nullptr;
}
} // namespace

// The cells are read in place, in QueryRange's order, rather than copied into its scratch array first.
Object* World::FirstHitInFiledCells(float x1, float y1, float x2, float y2, float extraRadius,
                                    const ObjectMap& candidates, ObjectKind kind,
                                    const Object* ignored) const {
    const float halfLength = 0.5f * std::hypot(x2 - x1, y2 - y1);
    const float reachBeyond = QueryReach(kind) + std::max(extraRadius, 0.0f);
    Object* hit = nullptr;
    candidates.ForEachCellInRange((x1 + x2) / 2, (y1 + y2) / 2, halfLength + reachBeyond,
                                  [&](const ObjectMap::Cell& cell) {
                                      if (!hit)
                                          hit = FirstHitInCell(cell, x1, y1, x2, y2, extraRadius, ignored);
                                  });
    return hit;
}

Object* World::NearestOfKind(float x, float y, float range, ObjectKind kind, int excludedSide) {
    Object* nearest = nullptr;
    float nearestEdge = range;
    const auto span = SpatialCellSpan::Around(x, y, range + QueryReach(kind));
    for (int side = 0; side < sideCount; ++side) {
        if (side == excludedSide)
            continue;
        Objects(side, kind).ForEachCellInSpan(span, [&](const ObjectMap::Cell& cell) {
            for (Object* other : cell) {
                const float edge = std::sqrt(DistanceSquared(*other, x, y)) - other->size;
                if (edge < nearestEdge) {
                    nearestEdge = edge;
                    nearest = other;
                }
            }
        });
    }
    return nearest;
}

// Tanks and towers first, the nearer centre winning and the tower on a tie; buildings only when there is
// neither.
Object* World::FindNearestEnemy(float x, float y, float range, int ownSide) {
    Object* tank = NearestOfKind(x, y, range, KindTank, ownSide);
    Object* tower = NearestOfKind(x, y, range, KindTower, ownSide);
    if (tank && tower)
        return DistanceSquared(*tank, x, y) < DistanceSquared(*tower, x, y) ? tank : tower;
    if (tank || tower)
        return tank ? tank : tower;
    return NearestOfKind(x, y, range, KindBuilding, ownSide);
}

// A turret asks this of its target at every step, and the span of its range holds hundreds of objects in
// a battle over 49 maps: the cell where the object stands is looked at first. Only where that does not
// find it (gone, out of range, or not filed where it stands) are all maps walked, so the answer is the
// walk's.
bool World::ContainsNear(float x, float y, float r, const ObjectRef& object) {
    if (!object)
        return false;
    const auto span = SpatialCellSpan::Around(x, y, r);
    return IsFiledWhereItStands(span, object) || IsFiledInSpan(span, object);
}

// The reference is followed only once the serial table vouches for the object at that address.
bool World::IsFiledWhereItStands(const SpatialCellSpan& span, const ObjectRef& object) {
    if (filedSerials.Find(object.Serial()) != object.Get())
        return false;
    const Object& target = *object.Get();
    const int column = SpatialCellIndex(target.x);
    const int row = SpatialCellIndex(target.y);
    if (column < span.firstColumn || column > span.lastColumn || row < span.firstRow || row > span.lastRow ||
        target.side < 0 || target.side >= sideCount)
        return false;
    for (int kind = 0; kind < objectKindCount; ++kind)
        if (const ObjectMap::Cell* cell =
                Objects(target.side, static_cast<ObjectKind>(kind)).FindCell(target.x, target.y))
            if (std::find(cell->begin(), cell->end(), &target) != cell->end())
                return true;
    return false;
}

bool World::IsFiledInSpan(const SpatialCellSpan& span, const ObjectRef& object) {
    for (int kind = 0; kind < objectKindCount; ++kind)
        for (int side = 0; side < sideCount; ++side) {
            bool found = false;
            Objects(side, static_cast<ObjectKind>(kind))
                .ForEachCellInSpan(span, [&](const ObjectMap::Cell& cell) {
                    for (const Object* candidate : cell)
                        if (object.Is(candidate))
                            found = true;
                });
            if (found)
                return true;
        }
    return false;
}

// A serial names one object for the whole life of the world, so a filed serial vouches for the remembered
// address too.
bool World::ContainsAnywhere(const ObjectRef& object) {
    return object && filedSerials.Contains(object.Serial());
}

Object* World::FindBySerial(std::uint64_t serial) const {
    return filedSerials.Find(serial);
}

namespace {
// Walks one kind over all sides and leaves the nested loops by throwing x_found at the first match.
class CsFindProcessing {
public:
    struct x_found {
        Object* object;
    };

    CsFindProcessing(char letter, std::uint16_t number) : letter(letter), number(number) {}

    void Process(Object* object) const {
        const auto* callsign = dynamic_cast<const ICallsign*>(object);
        if (callsign && callsign->letter == letter && callsign->number == number)
            throw x_found{object};
    }

private:
    char letter;
    std::uint16_t number;
};
} // namespace

Object* World::FindByCallsign(const ICallsign& callsign, ObjectKind kind) {
    const CsFindProcessing processing(callsign.letter, callsign.number);
    try {
        for (int side = 0; side < sideCount; ++side)
            for (const auto& [key, cell] : Objects(side, kind).Cells())
                for (Object* object : cell)
                    processing.Process(object);
    } catch (const CsFindProcessing::x_found& found) {
        return found.object;
    }
    return nullptr;
}

namespace {
// Looks for a power plant of the side whose centre lies strictly within the range, throwing Found.
class PowerPlantFindProcessor {
public:
    struct Found {};

    PowerPlantFindProcessor(float x, float y, float range) : x(x), y(y), rangeSquared(range * range) {}

    void Process(const Object* object) const {
        const auto* building = dynamic_cast<const Building*>(object);
        if (building && building->type == BuildingType::PowerPlant &&
            DistanceSquared(*building, x, y) < rangeSquared)
            throw Found{};
    }

private:
    float x;
    float y;
    float rangeSquared;
};
} // namespace

bool World::IsPowered(const Building& building) {
    const float range = building.record ? building.record->powerPlantRange : 0;
    if (range <= 0.1f)
        return true;
    if (building.side < 0 || building.side >= sideCount)
        return false;
    const PowerPlantFindProcessor processor(building.x, building.y, range);
    try {
        Objects(building.side, KindBuilding)
            .ForEachCellInRange(building.x, building.y, range + QueryReach(KindBuilding),
                                [&](const ObjectMap::Cell& cell) {
                                    for (const Object* object : cell)
                                        processor.Process(object);
                                });
    } catch (const PowerPlantFindProcessor::Found&) {
        return true;
    }
    return false;
}

} // namespace Vorn
