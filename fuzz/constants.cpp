// Fuzzes the constants loader and the rules under whatever numbers it accepts: the input's records replace
// the shipped ones, and a small battle of every tank, turret, tower, building, landmine and obstacle type
// runs two simulated seconds on them.
#include "datafiles/DataArchive.h"
#include "fuzz/loader_input.h"
#include "game/LevelObjects.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "rules/ConstantsTable.h"
#include "rules/FowData.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/World.h"

namespace {

using namespace Vorn;

constexpr int steps = 125;
constexpr unsigned stepMs = 16;

const Brisk::Node& ShippedConstants() {
    static const Brisk::Node document = dataArchive.ReadDocument(Constants::constantsFileName);
    return document;
}

void LoadShippedResources() {
    loader_fuzz::UseShippedData();
    (void)ShippedConstants();
    particleSystemFactory = new ParticleSystemFactory;
    particleSystemFactory->Load(dataArchive.ReadDocument(particlesFileName));
    drawingStore.Load();
}

// Two rows facing each other within every weapon's reach, one unit of each kind and type per column.
void FieldArena(World& world) {
    std::uint16_t number = 1;
    for (int side : {2, 3}) {
        const float row = side == 2 ? -120.0f : 120.0f;
        float column = -600;
        for (int turret = 0; turret < turretTypeCount; ++turret, column += 50) {
            auto tank =
                MakeTank(world, static_cast<TankType>(turret % tankTypeCount), side, number++,
                         static_cast<ArmorType>(turret % armorTypeCount), static_cast<TurretType>(turret));
            tank->x = column;
            tank->y = row;
            if (Tank* filed = FileTank(world, std::move(tank)))
                SendTank(*filed, column, -row);
        }
        for (int type = 0; type < towerTypeCount; ++type, column += 50)
            PlaceTower(world, {column, row * 2, 0, side, 'T', number++}, static_cast<TowerType>(type),
                       static_cast<TurretType>(type % turretTypeCount));
        for (int type = 0; type < buildingTypeCount; ++type, column += 130)
            PlaceBuilding(world, {column, row * 4, 0, side, 'B', number++}, static_cast<BuildingType>(type));
        for (int type = 0; type < landmineTypeCount; ++type)
            PlaceLandmine(world, {column + 60.0f * static_cast<float>(type), 0, 0, side, 0, 0},
                          static_cast<LandmineType>(type));
    }
    for (int type = 0; type < obstacleTypeCount; ++type)
        PlaceObstacle(world, {-700.0f - 60.0f * static_cast<float>(type), 0, 0, 0, 0, 0},
                      static_cast<ObstacleType>(type), 1.0f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool loaded = (LoadShippedResources(), true);
    (void)loaded;
    const Brisk::Node document = loader_fuzz::Document(data, size);
    Constants::constantsTable.Clear();
    Constants::LoadConstantsFrom(ShippedConstants(), Constants::constantsTable);
    Constants::LoadConstantsFrom(document, Constants::constantsTable);
    (void)Constants::MissingConstantsMessage();
    randomGenerator.Reseed(static_cast<std::uint32_t>(size));
    {
        World arena(4096, 4096, 1280, 720,
                    Constants::constantsTable.Find<Constants::FowData>(Constants::ConstantId::FOW));
        arena.fog.Reset(3);
        FieldArena(arena);
        for (int step = 0; step < steps; ++step)
            arena.Tick(stepMs);
    }
    Constants::ReleaseConstants();
    return 0;
}
