#include "CampaignPlayer.h"

#include "command/SimulationStep.h"
#include "commander/CommanderSet.h"
#include "datafiles/DataArchive.h"
#include "game/Outcome.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "replay/ReplayInputs.h"
#include "rules/ConstantsLoader.h"
#include "shell/GameVersion.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/ICallsign.h"
#include "world/Tank.h"
#include "world/TankFactory.h"

#include <algorithm>
#include <cmath>

namespace CampaignTest {

using namespace Vorn;

GameDataForSeed::GameDataForSeed(std::uint32_t seed) {
    randomGenerator.Reseed(seed);
    data.emplace();
}

CampaignPlayer::CampaignPlayer(const std::string& levelFile, std::uint32_t seed)
    : data(seed), levelFile(levelFile), seed(seed) {
    battle = StartBattle(dataArchive.ReadDocument(levelFile), 1280, 720, true);
}

void CampaignPlayer::StartCommander(const std::string& difficulty) {
    battle.commanders->Start(player, difficulty);
}

double CampaignPlayer::Seconds() const {
    return battle.world->Clock() / 1000.0;
}

Outcome CampaignPlayer::Play(unsigned stepMs, double limitSeconds,
                             const std::function<void(CampaignPlayer&)>& script) {
    this->stepMs = stepMs;
    unsigned nextScript = 0;
    while (!battle.level->finished && Seconds() < limitSeconds) {
        if (battle.world->Clock() >= nextScript) {
            script(*this);
            nextScript += 1000;
        }
        const unsigned clockBefore = battle.world->Clock();
        StepBattle(*battle.world, *battle.level, *battle.commands, battle.commanders.get(), stepMs);
        trail.AfterStep(*battle.world, battle.level, clockBefore, battle.commands->NextStep());
    }
    return {battle.level->finished, battle.level->won, Seconds()};
}

Replay CampaignPlayer::Recording() const {
    Replay replay;
    replay.gameVersion = std::string(Zelt::GameVersion());
    replay.levelPath = levelFile;
    replay.levelHash = HashOfFile(LevelFilePath(levelFile)).value_or(0);
    replay.dataHash = SimulationDataHash();
    replay.seed = seed;
    replay.skirmish = true;
    replay.stepMs = stepMs;
    replay.commands = battle.commands->Applied();
    replay.seconds = trail.Seconds();
    replay.steps = battle.commands->NextStep();
    replay.finalDigest = StateDigest(*battle.world, battle.level);
    replay.outcome = ReplayOutcomeOf(*battle.level);
    return replay;
}

void CampaignPlayer::Issue(Command command) {
    command.side = player;
    battle.commands->Issue(std::move(command));
}

Building* CampaignPlayer::OwnBuilding(BuildingType type) const {
    for (const auto& [key, cell] : battle.world->Objects(player, KindBuilding).Cells())
        for (Object* object : cell)
            if (auto* building = static_cast<Building*>(object); building->type == type)
                return building;
    return nullptr;
}

Object* CampaignPlayer::Enemy(int side, char letter, std::uint16_t number) const {
    for (ObjectKind kind : {KindBuilding, KindTower, KindTank})
        for (const auto& [key, cell] : battle.world->Objects(side, kind).Cells())
            for (Object* object : cell)
                if (auto* callsign = dynamic_cast<ICallsign*>(object);
                    callsign && callsign->letter == letter && callsign->number == number)
                    return object;
    return nullptr;
}

std::vector<std::uint64_t> CampaignPlayer::OwnTanks() const {
    std::vector<std::uint64_t> tanks;
    for (const auto& [key, cell] : battle.world->Objects(player, KindTank).Cells())
        for (Object* object : cell)
            tanks.push_back(object->Serial());
    return tanks;
}

namespace {

template <class T> bool Finished(IBuildProgress<T>& slot) {
    return slot.active && slot.IsComplete();
}

} // namespace

// A place may be refused for a while (an enemy within reach of it); after a few refusals the script
// tries the next place of its plan with the same product.
void CampaignPlayer::PlaceOrRetry(std::vector<Placement>& plan, std::uint64_t producer) {
    const Placement next = plan.front();
    Issue(PlaceCommand(producer, next.family, next.x, next.y));
    if (++placeTries >= 5 && plan.size() > 1) {
        plan.erase(plan.begin());
        placeTries = 0;
    }
}

void CampaignPlayer::BuildInOrder(std::vector<Placement>& plan) {
    if (plan.empty())
        return;
    // The last place was taken: the producer is free again.
    if (placeTries > 0 && !ProducerBusy(plan.front().family)) {
        plan.erase(plan.begin());
        placeTries = 0;
        if (plan.empty())
            return;
    }
    const Placement& next = plan.front();
    if (next.family == ProductFamily::Building) {
        auto* hq = static_cast<HQ*>(OwnBuilding(BuildingType::Base));
        if (hq == nullptr)
            return;
        if (!hq->Slot().active) {
            Issue(BuildCommand(hq->Serial(), static_cast<BuildingType>(next.type)));
        } else if (Finished(hq->Slot())) {
            PlaceOrRetry(plan, hq->Serial());
        }
        return;
    }
    auto* defence = static_cast<Defence*>(OwnBuilding(BuildingType::Defense));
    if (defence == nullptr)
        return;
    const bool tower = next.family == ProductFamily::Tower;
    const bool idle = tower                                    ? !defence->TowerSlot().active
                      : next.family == ProductFamily::Landmine ? !defence->LandmineSlot().active
                                                               : !defence->ObstacleSlot().active;
    const bool ready = tower ? Finished(defence->TowerSlot()) && Finished(defence->TurretSlot())
                       : next.family == ProductFamily::Landmine ? Finished(defence->LandmineSlot())
                                                                : Finished(defence->ObstacleSlot());
    if (idle) {
        if (tower)
            Issue(BuildCommand(defence->Serial(), static_cast<TowerType>(next.type),
                               static_cast<TurretType>(next.turret)));
        else if (next.family == ProductFamily::Landmine)
            Issue(BuildCommand(defence->Serial(), static_cast<LandmineType>(next.type)));
        else
            Issue(BuildCommand(defence->Serial(), static_cast<ObstacleType>(next.type)));
    } else if (ready) {
        PlaceOrRetry(plan, defence->Serial());
    }
}

bool CampaignPlayer::ProducerBusy(ProductFamily family) const {
    if (family == ProductFamily::Building) {
        auto* hq = static_cast<HQ*>(OwnBuilding(BuildingType::Base));
        return hq != nullptr && hq->Slot().active;
    }
    auto* defence = static_cast<Defence*>(OwnBuilding(BuildingType::Defense));
    if (defence == nullptr)
        return false;
    return family == ProductFamily::Tower      ? defence->TowerSlot().active
           : family == ProductFamily::Landmine ? defence->LandmineSlot().active
                                               : defence->ObstacleSlot().active;
}

void CampaignPlayer::KeepFactoryBusy(const TankOrder& design) {
    auto* factory = static_cast<TankFactory*>(OwnBuilding(BuildingType::TankFactory));
    if (factory == nullptr)
        return;
    // New tanks gather out of the factory's way, towards the enemy (every level puts it north-west).
    if (!rallied) {
        rallied = true;
        Issue(RallyPointCommand({factory->Serial()}, factory->x - 450, factory->y + 250));
    }
    if (factory->Orders().size() < 2)
        Issue(OrderTanksCommand(factory->Serial(), design, 1));
}

// Tanks sent straight at a building crowd onto it and block each other's fire, as they would for a player:
// the group first gathers in the open short of the target, then attacks from there, again every few
// seconds so that tanks which came since join and every turret in reach takes the target.
void CampaignPlayer::AttackWhenReady(std::size_t muster, Object* target) {
    const std::vector<std::uint64_t> tanks = OwnTanks();
    if (target == nullptr || tanks.empty() || (!attacking && tanks.size() < muster))
        return;
    if (!attacking) {
        attacking = true;
        lastAttack = Seconds();
        const Object* base = OwnBuilding(BuildingType::Base);
        const float fromX = base ? base->x - target->x : 1.0f;
        const float fromY = base ? base->y - target->y : 1.0f;
        const float length = std::max(1.0f, std::hypot(fromX, fromY));
        Issue(
            MoveCommand(tanks, target->x + fromX / length * 300, target->y + fromY / length * 300, false, 1));
        return;
    }
    if (Seconds() < lastAttack + 10)
        return;
    lastAttack = Seconds();
    Issue(AttackCommand(tanks, target->Serial()));
}

} // namespace CampaignTest
