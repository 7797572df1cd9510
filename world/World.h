// Everything on the map during a game: the objects in their spatial grids, bullets, effects, the clock,
// the level's events, the fog of war and the sides' economy.
#pragma once

#include "datafiles/Node.h"
#include "rules/ObjectTypes.h"
#include "world/FiledSerials.h"
#include "world/FogOfWar.h"
#include "world/ObjectKind.h"
#include "world/ObjectRef.h"
#include "world/SharedEffects.h"
#include "world/SideTable.h"
#include "world/SpatialMap.h"
#include "world/WorldEvent.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace Vorn {

class Building;
class Bullet;
class Effect;
class LevelEvents;
class Object;
class Tank;
class ICallsign;
namespace Constants {
struct FowData;
}

// The largest radius a record gives a unit, a building or a placeable. Every range query reaches at least
// this much further than asked, so that an object whose centre lies in a neighbouring cell is still found;
// a kind that holds something larger (a level's scaled obstacle) is searched further, by QueryReach.
inline constexpr float largestObjectRadius = 64;

class World {
public:
    using ObjectMap = SpatialMap<Object>;
    using BulletMap = SpatialMap<Bullet>;
    using EffectMap = SpatialMap<Effect>;

    // Reads the level file through the data archive for the map size; the level's objects are placed by
    // its "start" event in the first tick. The constants must be loaded before, since the fog reads them.
    World(const std::string& levelFileName, unsigned screenWidth, unsigned screenHeight);
    // The same from a level document already read, such as a level file outside the data folder.
    World(Brisk::Node document, unsigned screenWidth, unsigned screenHeight);
    // Builds an empty world of the given size without reading any file; for tools, tests and benchmarks.
    World(float width, float height, unsigned screenWidth, unsigned screenHeight,
          const Constants::FowData* fowRecord = nullptr);
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    // Deletes every object, bullet and effect still held.
    ~World();

    // --- Containers. The world owns what they hold: whoever takes a pointer out deletes it or files it
    // elsewhere. The side must be 0..6.
    ObjectMap& Objects(int side, ObjectKind kind) { return objects[side * objectKindCount + kind]; }
    BulletMap& Bullets() { return bullets; }
    EffectMap& LowerEffects() { return lowerEffects; }
    EffectMap& UpperEffects() { return upperEffects; }

    // Files the object at its own position in the container of its side and the kind, giving it the
    // world's next serial when it has none yet. An object whose side is not 0..6 is refused (false) and
    // stays the caller's. Its size must be set before: the kind's QueryReach grows to it here (or at its
    // next refile).
    bool InsertObject(Object* object, ObjectKind kind);
    // Takes the object out of the container of its side and the kind; false when it is not there.
    bool EraseObject(Object* object, ObjectKind kind);
    // Moves an object; fails, leaving it where it was, when it is not in the cell of its position.
    bool RefileObject(Object* object, ObjectKind kind, float newX, float newY);
    bool RefileBullet(Bullet* bullet, float newX, float newY);
    bool RefileEffect(EffectMap& layer, Effect* effect, float newX, float newY);
    // Files the effect at its own position in the layer.
    void InsertEffect(EffectMap& layer, Effect* effect);
    void InsertBullet(Bullet* bullet);

    // --- Queries. Positions are centres; an object's radius is its size.
    // How far beyond its own radius a query over the kind's containers looks, so that every object whose
    // body reaches into the searched circle is met: the largest size ever filed under the kind, and at
    // least largestObjectRadius. It never shrinks, so the cells a query visits only ever grow.
    float QueryReach(ObjectKind kind) const { return queryReach[kind]; }
    bool CanMoveTo(const Object* mover, float x, float y, float r);
    bool IsPlaceFree(float x, float y, float r, const Object* ignored);
    // The first object of the side and kind, in QueryRange's order around the segment's middle, that the
    // segment passes within its size plus extraRadius of. A turret's line of fire and a bullet's step ask
    // this of every side's wrecks and debris, and most of those containers never held anything: they are
    // passed over here, inline, before any call, length or cell.
    Object* FirstHitOnSegment(float x1, float y1, float x2, float y2, float extraRadius, int side,
                              ObjectKind kind, const Object* ignored) {
        if (side < 0 || side >= sideCount)
            return nullptr;
        const ObjectMap& candidates = Objects(side, kind);
        if (candidates.Cells().empty())
            return nullptr;
        return FirstHitInFiledCells(x1, y1, x2, y2, extraRadius, candidates, kind, ignored);
    }
    Object* NearestOfKind(float x, float y, float range, ObjectKind kind, int excludedSide);
    Object* FindNearestEnemy(float x, float y, float range, int ownSide);
    // Whether the remembered object is still filed in a cell within r of (x, y), in any object container.
    bool ContainsNear(float x, float y, float r, const ObjectRef& object);
    // Whether the remembered object is still filed anywhere in the object containers; answered from the
    // table of filed serials, at once.
    bool ContainsAnywhere(const ObjectRef& object);
    // The object of that serial while it is filed in an object container, else null; at once.
    Object* FindBySerial(std::uint64_t serial) const;
    // The first object of the kind over all sides whose callsign has this letter and number.
    Object* FindByCallsign(const ICallsign& callsign, ObjectKind kind);
    bool IsPowered(const Building& building);

    // --- Per frame.
    // Starts a step: the last step's events are dropped. What is done to the world between this and the
    // Tick (the step's commands) reports into the step's events.
    void BeginStep();
    // Advances the world by one step; begins the step itself unless BeginStep has.
    void Tick(unsigned elapsedMs);

    // --- The door out: what happened in the last step that a player would notice, for the presentation
    // only. Cleared when a step begins; Report adds to it during the step.
    const WorldEvents& StepEvents() const { return events; }
    void Report(const WorldEvent& event) { events.push_back(event); }

    // --- State.
    unsigned Clock() const { return clock; }
    float Width() const { return width; }
    // The window's size in pixels the world was made for: the scene draws what of the map it shows.
    unsigned ScreenWidth() const { return screenWidth; }
    unsigned ScreenHeight() const { return screenHeight; }
    float Height() const { return height; }
    // The level file as read at creation (an empty document for the sized constructor); the level code
    // builds its events from it and hands them over with SetLevelEvents.
    const Brisk::Node& LevelDocument() const { return levelDocument; }
    void SetLevelEvents(std::unique_ptr<LevelEvents> events);
    LevelEvents* Events() const { return levelEvents.get(); }

    // --- Restoring a saved state: what the world's own steps keep and nothing else sets.
    std::uint64_t NextSerial() const { return nextSerial; }
    // Files an object read from a save under its saved serial, at its own position. Refused (false, the
    // object stays the caller's) for a side that is not 0..6, a serial of 0, a serial already filed or one
    // the world has not given yet.
    bool RestoreObject(Object* object, ObjectKind kind, std::uint64_t serial);
    // The clock, the next serial and the query reaches as saved; before any object is restored, so that
    // RestoreObject can check the serials against the saved counter. The reaches never fall below the
    // least every world starts with.
    void RestoreCounters(unsigned savedClock, std::uint64_t savedNextSerial,
                         const std::array<float, objectKindCount>& reaches);

    FogOfWar fog;
    SideTable sides;
    // The shell and armour fragment effects all units of this world share.
    SharedEffects shared;

private:
    template <typename T, typename Unfile> static void DeleteAll(SpatialMap<T>& map, Unfile unfile);
    // The table behind ContainsAnywhere follows every way an object enters or leaves a container.
    void NoteFiled(Object* object);
    void NoteRadius(ObjectKind kind, float radius) {
        if (radius > queryReach[kind])
            queryReach[kind] = radius;
    }
    void NoteUnfiled(const Object* object);
    bool IsFiledWhereItStands(const SpatialCellSpan& span, const ObjectRef& object);
    Object* FirstHitInFiledCells(float x1, float y1, float x2, float y2, float extraRadius,
                                 const ObjectMap& candidates, ObjectKind kind, const Object* ignored) const;
    bool IsFiledInSpan(const SpatialCellSpan& span, const ObjectRef& object);
    template <typename T, typename Condition, typename Dispose, typename PrefetchInner = void (*)(const T*)>
    static void RemoveBackwards(
        SpatialMap<T>& map, Condition condition, Dispose dispose,
        PrefetchInner prefetchInner = [](const T*) {});
    void UpdateObject(Object* object, ObjectKind kind, unsigned elapsedMs);
    void UpdateObjects(ObjectKind kind, unsigned elapsedMs);
    void UpdateTanks(unsigned elapsedMs);
    void PrefetchTanksAhead(std::size_t next) const;
    void UpdateBullets(unsigned elapsedMs);
    void UpdateEffects(unsigned elapsedMs);
    void RemoveFinishedBullets();
    void RemoveExpired(int side);
    void RemoveDestroyed(int side);
    void RemoveFinishedEffects();
    // How a loss is reported: as a unit or a building, with its detail.
    struct Loss {
        WorldEventKind kind;
        int detail;
    };
    void Die(Object* object, ExplosionType explosionType, CorpseType corpseType, Loss loss);
    void PayIncome(unsigned oldClock, unsigned newClock);
    int MineIncome(int side);
    int RecyclerIncome(int side);
    // Copies a container's pointers in walk order, so an update may move objects between cells.
    template <typename T> static void TakeSnapshot(SpatialMap<T>& map, std::vector<T*>& into);

    unsigned screenWidth;
    unsigned screenHeight;
    std::array<ObjectMap, sideCount * objectKindCount> objects;
    BulletMap bullets;
    EffectMap lowerEffects;
    EffectMap upperEffects;
    unsigned clock = 0;
    WorldEvents events;
    std::unique_ptr<LevelEvents> levelEvents;
    Brisk::Node levelDocument;
    float width = 0;
    float height = 0;
    std::vector<Object*> objectSnapshot;
    std::vector<Tank*> tankSnapshot;
    std::vector<Bullet*> bulletSnapshot;
    std::vector<Effect*> effectSnapshot;
    // The effects noted as finishing, taken from their list while they are tested, kept for its capacity.
    std::vector<Effect*> removalScratch;
    std::array<float, objectKindCount> queryReach = [] {
        std::array<float, objectKindCount> reach;
        reach.fill(largestObjectRadius);
        return reach;
    }();
    // CanMoveTo's cells, kept for their capacity.
    std::vector<const ObjectMap::Cell*> blockingCells;
    // Every object in the object containers by its serial.
    FiledSerials filedSerials;
    // The serial the next object filed for the first time gets; 0 is never given.
    std::uint64_t nextSerial = 1;
    bool stepBegun = false;
};

// The one world of the running game; set by the game mode while a game runs, null otherwise.
extern World* world;

float DistanceSquared(const Object& object, float x, float y);

// The segment-point test of the queries: whether the segment from S to E passes within R of P.
bool SegmentPassesWithin(float sx, float sy, float ex, float ey, float px, float py, float r);

} // namespace Vorn
