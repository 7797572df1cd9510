// The world: containers, tick order, economy and drawing layers. The queries are in WorldQueries.cpp.
#include "world/World.h"

#include "datafiles/DataArchive.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/CorpseData.h"
#include "rules/ExplosionData.h"
#include "rules/FowData.h"
#include "rules/RecyclerExtraData.h"
#include "shell/PrefetchWhole.h"
#include "world/Building.h"
#include "world/Bullet.h"
#include "world/Corpse.h"
#include "world/Debris.h"
#include "world/Effect.h"
#include "world/Explosion.h"
#include "world/Landmark.h"
#include "world/Landmine.h"
#include "world/LevelEvents.h"
#include "world/PlaceEffect.h"
#include "world/Tank.h"
#include "world/Tower.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace Vorn {

World* world = nullptr;

World::World(const std::string& levelFileName, unsigned screenWidth, unsigned screenHeight)
    : World(dataArchive.ReadDocument(levelFileName), screenWidth, screenHeight) {}

namespace {
// A side of the map beyond this is read as this; a negative or not-a-number size as 0.
constexpr float maxMapSide = 65536.0f;

float MapSideOf(const Brisk::Node* element, const char* name) {
    const Brisk::Attribute* attribute = element ? element->FindAttribute(name) : nullptr;
    const double side = attribute ? Brisk::ToFloat(*attribute) : 0.0;
    return side > 0 ? static_cast<float>(std::min<double>(side, maxMapSide)) : 0.0f;
}
} // namespace

// Only the first "level" element counts; without one the map is 0 by 0.
World::World(Brisk::Node document, unsigned screenWidth, unsigned screenHeight)
    : World(MapSideOf(document.FindChild("level"), "width"), MapSideOf(document.FindChild("level"), "height"),
            screenWidth, screenHeight,
            Constants::constantsTable.Find<Constants::FowData>(Constants::ConstantId::FOW)) {
    levelDocument = std::move(document);
}

World::World(float width, float height, unsigned screenWidth, unsigned screenHeight,
             const Constants::FowData* fowRecord)
    : fog(fowRecord, width / 2, height / 2), sides(this), screenWidth(screenWidth),
      screenHeight(screenHeight), width(width), height(height) {}

World::~World() {
    levelEvents.reset();
    shared.Release();
    // Objects first and bullets next: their destructors end the effects they are attached to.
    for (ObjectMap& map : objects)
        DeleteAll(map, [this](Object* object) { NoteUnfiled(object); });
    const auto notFiled = [](auto*) {};
    DeleteAll(bullets, notFiled);
    DeleteAll(lowerEffects, notFiled);
    DeleteAll(upperEffects, notFiled);
}

// Each cell is emptied before its items are deleted, so a destructor that looks into the world finds no
// pointer to an object already gone.
template <typename T, typename Unfile> void World::DeleteAll(SpatialMap<T>& map, Unfile unfile) {
    for (auto& [key, cell] : map.Cells()) {
        const std::vector<T*> items = std::move(cell);
        cell.clear();
        for (T* item : items)
            unfile(item);
        for (T* item : items)
            delete item;
    }
}

void World::SetLevelEvents(std::unique_ptr<LevelEvents> events) {
    levelEvents = std::move(events);
}

// --- Containers

bool World::InsertObject(Object* object, ObjectKind kind) {
    if (object->side < 0 || object->side >= sideCount)
        return false;
    Objects(object->side, kind).Insert(object->x, object->y, object);
    NoteFiled(object);
    NoteRadius(kind, object->size);
    return true;
}

bool World::RestoreObject(Object* object, ObjectKind kind, std::uint64_t serial) {
    if (serial == 0 || serial >= nextSerial || filedSerials.Contains(serial))
        return false;
    const std::uint64_t before = object->serial;
    object->serial = serial;
    if (!InsertObject(object, kind)) {
        object->serial = before;
        return false;
    }
    return true;
}

void World::RestoreCounters(unsigned savedClock, std::uint64_t savedNextSerial,
                            const std::array<float, objectKindCount>& reaches) {
    clock = savedClock;
    nextSerial = savedNextSerial;
    for (int kind = 0; kind < objectKindCount; ++kind)
        queryReach[kind] = std::max(reaches[kind], largestObjectRadius);
}

bool World::EraseObject(Object* object, ObjectKind kind) {
    if (object->side < 0 || object->side >= sideCount)
        return false;
    if (!Objects(object->side, kind).Erase(object->x, object->y, object))
        return false;
    NoteUnfiled(object);
    return true;
}

void World::NoteFiled(Object* object) {
    if (object->serial == 0)
        object->serial = nextSerial++;
    filedSerials.Note(object);
}

void World::NoteUnfiled(const Object* object) {
    filedSerials.Unnote(object);
}

namespace {
// Moving within a cell touches only the position; across cells the pointer moves, and only once it was
// found where the object says it is.
template <typename T> bool Refile(SpatialMap<T>& map, T* item, float newX, float newY) {
    if (SpatialCellKeyOf(item->x, item->y) != SpatialCellKeyOf(newX, newY)) {
        if (!map.Erase(item->x, item->y, item))
            return false;
        map.Insert(newX, newY, item);
    }
    item->x = newX;
    item->y = newY;
    return true;
}
} // namespace

bool World::RefileObject(Object* object, ObjectKind kind, float newX, float newY) {
    if (object->side < 0 || object->side >= sideCount)
        return false;
    NoteRadius(kind, object->size);
    return Refile(Objects(object->side, kind), object, newX, newY);
}

bool World::RefileBullet(Bullet* bullet, float newX, float newY) {
    return Refile(bullets, bullet, newX, newY);
}

bool World::RefileEffect(EffectMap& layer, Effect* effect, float newX, float newY) {
    return Refile(layer, effect, newX, newY);
}

namespace {
// What the world removes at the end of a tick: an effect no owner holds, with nothing left to show.
bool IsRemovable(const Effect* effect) {
    return !effect->held && effect->IsFinished();
}
} // namespace

// An effect placed after the tick's update walk is not tested by it; one finished already is noted here.
void World::InsertEffect(EffectMap& layer, Effect* effect) {
    layer.Insert(effect->x, effect->y, effect);
    if (IsRemovable(effect))
        effect->NoteAsFinishing();
}

void World::InsertBullet(Bullet* bullet) {
    bullets.Insert(bullet->x, bullet->y, bullet);
}

// --- Tick

// A cell's array lies behind its header, each elsewhere on the heap: the walk asks for the headers a few
// cells ahead and for the arrays behind them a little later, so that copying a cell seldom waits on either.
template <typename T> void World::TakeSnapshot(SpatialMap<T>& map, std::vector<T*>& into) {
    constexpr std::size_t headersAhead = 8;
    constexpr std::size_t arraysAhead = 4;
    const auto& cells = map.CellsInOrder();
    const std::size_t count = cells.size();
    into.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + headersAhead < count)
            __builtin_prefetch(cells[i + headersAhead]);
        if (i + arraysAhead < count)
            __builtin_prefetch(cells[i + arraysAhead]->data());
        into.insert(into.end(), cells[i]->begin(), cells[i]->end());
    }
}

void World::BeginStep() {
    // Clearing keeps the list's capacity: a big battle's many events a step are not allocated anew.
    events.clear();
    stepBegun = true;
}

void World::Tick(unsigned elapsedMs) {
    if (!stepBegun)
        events.clear();
    stepBegun = false;
    const unsigned oldClock = clock;
    clock += elapsedMs;
    if (levelEvents)
        levelEvents->LevelTick(elapsedMs);
    fog.Update(elapsedMs);
    for (ObjectKind kind : {KindLandmine, KindLandmark, KindStatic, KindTank, KindTower, KindBuilding})
        UpdateObjects(kind, elapsedMs);
    UpdateBullets(elapsedMs);
    RemoveFinishedBullets();
    UpdateEffects(elapsedMs);
    for (int side = 0; side < sideCount; ++side) {
        RemoveExpired(side);
        RemoveDestroyed(side);
    }
    RemoveFinishedEffects();
    PayIncome(oldClock, clock);
    sides.EndStep();
}

void World::UpdateObject(Object* object, ObjectKind kind, unsigned elapsedMs) {
    switch (kind) {
    case KindLandmine:
        if (auto* landmine = dynamic_cast<Landmine*>(object))
            landmine->Update(*this, elapsedMs);
        break;
    case KindLandmark:
        if (auto* landmark = dynamic_cast<Landmark*>(object))
            landmark->Update();
        break;
    case KindStatic:
        if (auto* corpse = dynamic_cast<Corpse*>(object))
            corpse->Update(*this, elapsedMs);
        break;
    case KindTank: // UpdateTanks
    case KindDebris:
        break;
    case KindTower:
        if (auto* tower = dynamic_cast<Tower*>(object))
            tower->Update(elapsedMs);
        break;
    case KindBuilding:
        if (auto* building = dynamic_cast<Building*>(object))
            building->Update(elapsedMs);
        break;
    }
}

// Each side in turn; a snapshot lets an update move its object to another cell without being met twice.
void World::UpdateObjects(ObjectKind kind, unsigned elapsedMs) {
    for (int side = 0; side < sideCount; ++side) {
        TakeSnapshot(Objects(side, kind), objectSnapshot);
        if (kind == KindTank) {
            UpdateTanks(elapsedMs);
            continue;
        }
        for (Object* object : objectSnapshot)
            UpdateObject(object, kind, elapsedMs);
    }
}

// The snapshot's tanks, each cast once: the walk then asks for what the next updates read, a few tanks
// ahead, without casting every tank again at every stage.
void World::UpdateTanks(unsigned elapsedMs) {
    tankSnapshot.clear();
    for (Object* object : objectSnapshot)
        tankSnapshot.push_back(object->AsTank());
    for (std::size_t i = 0; i < tankSnapshot.size(); ++i) {
        PrefetchTanksAhead(i);
        if (Tank* tank = tankSnapshot[i])
            tank->Update(elapsedMs);
    }
}

// A tank's update ends in moving its exhaust and dust, which lie elsewhere on the heap behind two pointers:
// the tank, its lists of attached effects and the effects (which hold their particle systems) are asked
// for in stages, a tank or two apart, so each has arrived by the time the next stage or the update reads it.
void World::PrefetchTanksAhead(std::size_t next) const {
    const std::size_t count = tankSnapshot.size();
    if (next + 4 < count && tankSnapshot[next + 4] != nullptr)
        tankSnapshot[next + 4]->PrefetchWholeTank();
    if (next + 3 < count && tankSnapshot[next + 3] != nullptr)
        tankSnapshot[next + 3]->PrefetchParts();
    if (next + 2 < count && tankSnapshot[next + 2] != nullptr)
        tankSnapshot[next + 2]->PrefetchEffects();
}

void World::UpdateBullets(unsigned elapsedMs) {
    TakeSnapshot(bullets, bulletSnapshot);
    for (Bullet* bullet : bulletSnapshot)
        bullet->Update(elapsedMs);
}

void World::RemoveFinishedBullets() {
    RemoveBackwards(
        bullets, [](Bullet* bullet) { return bullet->finished; }, [](Bullet* bullet) { delete bullet; });
}

// The effects lie scattered over the heap, so the walk asks for each effect's first line, then for its
// second if it will run, then its particles and layers, then its layers' particles, a few effects ahead:
// each step then finds its data arrived instead of waiting for it.
//
// With its lines at hand after its update, each effect is tested for removal here, so the removal at the
// tick's end need not read every effect again; what finishes after this walk is noted as it happens.
void World::UpdateEffects(unsigned elapsedMs) {
    constexpr std::size_t effectsAhead = 32;
    constexpr std::size_t runLinesAhead = 24;
    constexpr std::size_t particlesAhead = 16;
    constexpr std::size_t layersAhead = 8;
    // Notes from before the walk are dropped: the walk tests every effect again.
    Effect::TakeNotedAsFinishing(removalScratch);
    for (EffectMap* layer : {&lowerEffects, &upperEffects}) {
        TakeSnapshot(*layer, effectSnapshot);
        const std::size_t count = effectSnapshot.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (i + effectsAhead < count)
                __builtin_prefetch(effectSnapshot[i + effectsAhead]);
            if (i + runLinesAhead < count)
                effectSnapshot[i + runLinesAhead]->PrefetchRunLines();
            if (i + particlesAhead < count)
                effectSnapshot[i + particlesAhead]->PrefetchParticles();
            if (i + layersAhead < count)
                effectSnapshot[i + layersAhead]->PrefetchLayerParticles();
            Effect* effect = effectSnapshot[i];
            effect->Update(elapsedMs);
            if (IsRemovable(effect))
                effect->NoteAsFinishing();
        }
    }
}

// Only the effects noted as finishing can be removable now. Each is taken out of the cell where it stands,
// keeping the order of the others as the walk over every cell would. One not found there (moved without
// being refiled) sends both layers through that walk instead.
void World::RemoveFinishedEffects() {
    Effect::TakeNotedAsFinishing(removalScratch);
    bool notFiledWhereItStands = false;
    for (Effect* effect : removalScratch) {
        if (!IsRemovable(effect))
            continue;
        if (lowerEffects.Erase(effect->x, effect->y, effect) || upperEffects.Erase(effect->x, effect->y, effect))
            delete effect;
        else
            notFiledWhereItStands = true;
    }
    removalScratch.clear();
    if (!notFiledWhereItStands)
        return;
    for (EffectMap* layer : {&lowerEffects, &upperEffects})
        RemoveBackwards(
            *layer, IsRemovable, [](Effect* effect) { delete effect; },
            [](const Effect* effect) {
                if (!effect->held)
                    effect->PrefetchForFinishTest();
            });
}

namespace {
// The flat copy a removal walk tests first, one per kind of entry, kept for its capacity.
template <typename T> std::vector<T*>& RemovalCandidates() {
    thread_local std::vector<T*> entries;
    return entries;
}

// The lines of an entry a removal test reads: a tank's armour pointer lies in its second or third line; an
// effect, its system included, fills two whole lines, and a third request would bring in the next effect's
// first line for nothing while the processor has few requests to spare.
template <typename T> constexpr std::size_t linesTested = 3;
template <> constexpr std::size_t linesTested<Effect> = sizeof(Effect) / Zelt::cacheLineBytes;

// Whether any entry meets the condition, each entry asked for well ahead of its test and what it points to
// a little later.
template <typename T, typename Condition, typename PrefetchInner>
bool AnyMeets(const std::vector<T*>& entries, Condition& condition, PrefetchInner& prefetchInner) {
    constexpr std::size_t innerAhead = 8;
    constexpr std::size_t entriesAhead = 2 * innerAhead;
    const std::size_t count = entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + entriesAhead < count) {
            const char* ahead = reinterpret_cast<const char*>(entries[i + entriesAhead]);
            for (std::size_t line = 0; line < linesTested<T>; ++line)
                __builtin_prefetch(ahead + Zelt::cacheLineBytes * line);
        }
        if (i + innerAhead < count)
            prefetchInner(entries[i + innerAhead]);
        if (condition(entries[i]))
            return true;
    }
    return false;
}
} // namespace

// Most steps remove nothing, so the entries are first tested in one flat copy, where asking ahead is not
// cut short at every cell's end. Only when one is to go does the walk run: every cell from its last entry
// to its first, so that taking entries out keeps the walk valid.
template <typename T, typename Condition, typename Dispose, typename PrefetchInner>
void World::RemoveBackwards(SpatialMap<T>& map, Condition condition, Dispose dispose,
                            PrefetchInner prefetchInner) {
    std::vector<T*>& candidates = RemovalCandidates<T>();
    TakeSnapshot(map, candidates);
    if (!AnyMeets(candidates, condition, prefetchInner))
        return;
    map.ForEachCellInOrder([&](typename SpatialMap<T>::Cell& cell) {
        for (std::size_t i = cell.size(); i-- > 0;) {
            if (i >= cell.size() || !condition(cell[i]))
                continue;
            T* item = cell[i];
            cell.erase(cell.begin() + static_cast<std::ptrdiff_t>(i));
            dispose(item);
        }
    });
}

void World::RemoveExpired(int side) {
    const auto deleteObject = [this](Object* object) {
        NoteUnfiled(object);
        delete object;
    };
    RemoveBackwards(
        Objects(side, KindLandmine),
        [](Object* object) {
            auto* landmine = dynamic_cast<Landmine*>(object);
            return landmine && landmine->HasDetonated();
        },
        deleteObject);
    RemoveBackwards(
        Objects(side, KindStatic),
        [](Object* object) {
            auto* corpse = dynamic_cast<Corpse*>(object);
            return corpse && corpse->IsEmpty();
        },
        deleteObject);
    RemoveBackwards(
        Objects(side, KindDebris),
        [](Object* object) {
            auto* debris = dynamic_cast<Debris*>(object);
            return debris && debris->HasExpired();
        },
        deleteObject);
}

void World::RemoveDestroyed(int side) {
    RemoveBackwards(
        Objects(side, KindTank),
        [](Object* object) {
            auto* tank = object->AsTank();
            return tank && (tank->doomed || tank->IsDestroyed());
        },
        [this](Object* object) {
            Die(object, ExplosionType::ExplosionTank,
                static_cast<CorpseType>(static_cast<Tank*>(object)->type),
                {WorldEventKind::UnitDestroyed, unitDestroyedTank});
        },
        [](const Object* object) {
            if (const Tank* tank = object->AsTank())
                __builtin_prefetch(tank->armor.get());
        });
    RemoveBackwards(
        Objects(side, KindTower),
        [](Object* object) {
            auto* tower = dynamic_cast<Tower*>(object);
            return tower && (tower->doomed || tower->IsDestroyed());
        },
        [this](Object* object) {
            const int type = static_cast<int>(static_cast<Tower*>(object)->type);
            Die(object, ExplosionType::ExplosionTower,
                static_cast<CorpseType>(static_cast<int>(CorpseType::SurveilanceTowerCorpse) + type),
                {WorldEventKind::UnitDestroyed, unitDestroyedTower});
        });
    RemoveBackwards(
        Objects(side, KindBuilding),
        [](Object* object) {
            auto* building = dynamic_cast<Building*>(object);
            return building && (building->doomed || building->IsDestroyed());
        },
        [this](Object* object) {
            const int type = static_cast<int>(static_cast<Building*>(object)->type);
            Die(object, ExplosionType::ExplosionBuilding,
                static_cast<CorpseType>(static_cast<int>(CorpseType::BaseCorpse) + type),
                {WorldEventKind::BuildingDestroyed, type});
        });
}

// A destroyed unit leaves an explosion above and a wreck under side 0, and the level and the presentation
// hear of it before it is deleted. The wreck's explosion is nobody's weapon.
void World::Die(Object* object, ExplosionType explosionType, CorpseType corpseType, Loss loss) {
    NoteUnfiled(object);
    Report({loss.kind, object->side, object->x, object->y, loss.detail, object->Serial()});
    PlaceExplosion(*this, explosionType, object->x, object->y, noSide);
    auto* corpse = new Corpse(corpseType, object->size);
    corpse->x = object->x;
    corpse->y = object->y;
    corpse->direction = object->direction;
    corpse->side = 0;
    InsertObject(corpse, KindStatic);
    if (levelEvents)
        levelEvents->NotifyDestroyed(object);
    delete object;
}

// --- Economy

void World::PayIncome(unsigned oldClock, unsigned newClock) {
    const bool mineBoundary = oldClock / 10000 != newClock / 10000;
    const bool recyclerBoundary = oldClock / 500 != newClock / 500;
    for (int side = 0; side < sideCount; ++side) {
        int income = 0;
        if (mineBoundary)
            income += MineIncome(side);
        if (recyclerBoundary)
            income += RecyclerIncome(side);
        sides[side].money += income;
    }
}

int World::MineIncome(int side) {
    int income = 0;
    for (const auto& [key, cell] : Objects(side, KindBuilding).Cells())
        for (Object* object : cell) {
            auto* building = dynamic_cast<Building*>(object);
            if (building && building->record && IsPowered(*building))
                income += static_cast<int>(HitPointFraction(*building) * building->record->moneyGenerated);
        }
    return income;
}

int World::RecyclerIncome(int side) {
    const auto* record =
        Constants::constantsTable.Find<Constants::RecyclerExtraData>(Constants::ConstantId::RecyclerExtra);
    if (!record)
        return 0;
    const float range = record->corpseRange;
    int income = 0;
    for (const auto& [key, cell] : Objects(side, KindBuilding).Cells())
        for (Object* object : cell) {
            auto* building = dynamic_cast<Building*>(object);
            if (!building || building->type != BuildingType::Recycler)
                continue;
            for (int debrisSide = 0; debrisSide < sideCount; ++debrisSide)
                Objects(debrisSide, KindDebris)
                    .ForEachCellInRange(
                        building->x, building->y, range + largestObjectRadius, [&](auto& pieces) {
                            for (Object* piece : pieces)
                                if (DistanceSquared(*piece, building->x, building->y) < range * range)
                                    income += record->corpseMoney;
                        });
        }
    return income;
}

} // namespace Vorn
