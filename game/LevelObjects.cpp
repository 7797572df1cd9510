// Making, filing and sending the tanks a level or the skirmish places.
#include "game/LevelObjects.h"

#include "ai/TankBrain.h"
#include "world/Tank.h"
#include "world/World.h"

namespace Vorn {

namespace {

// The world takes the object, or it is deleted when the world refuses its side.
template <typename T> T* File(World& world, std::unique_ptr<T> object, ObjectKind kind) {
    if (!world.InsertObject(object.get(), kind))
        return nullptr;
    return object.release();
}

} // namespace

std::unique_ptr<Tank> MakeTank(World& world, TankType chassis, int side, std::uint16_t number,
                               ArmorType armor, TurretType turret) {
    return std::make_unique<Tank>(&world, chassis, side, number, armor, turret);
}

Tank* FileTank(World& world, std::unique_ptr<Tank> tank) {
    return File(world, std::move(tank), KindTank);
}

void StartTankBrain(Tank& tank, unsigned firstStepMs) {
    tank.brain->SetActive(true);
    tank.brain->Process(firstStepMs);
}

void SendTank(Tank& tank, float x, float y) {
    tank.brain->SetWaypoint(x, y);
}

std::vector<Tank*> TanksOfGroup(World& world, int side, char letter) {
    std::vector<Tank*> tanks;
    if (side < 0 || side >= sideCount)
        return tanks;
    for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
        for (Object* object : cell)
            if (auto* tank = dynamic_cast<Tank*>(object); tank && tank->letter == letter)
                tanks.push_back(tank);
    return tanks;
}

} // namespace Vorn
