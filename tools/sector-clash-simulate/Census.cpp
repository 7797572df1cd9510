// Counting what is on the map, side by side.
#include "tools/sector-clash-simulate/Census.h"

#include "datafiles/SideNames.h"
#include "world/Object.h"
#include "world/World.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace simulate {

namespace {

template <typename Each> void ForEachObject(Vorn::World& world, int side, Vorn::ObjectKind kind, Each each) {
    for (const auto& [key, cell] : world.Objects(side, kind).Cells())
        for (Vorn::Object* object : cell)
            each(*object);
}

SideCensus CensusOfSide(Vorn::World& world, int side) {
    SideCensus census;
    census.money = world.sides[side].money;
    census.landmines = world.Objects(side, Vorn::KindLandmine).Count();
    for (const auto& [kind, tally] :
         {std::pair{Vorn::KindTank, &census.tanks}, std::pair{Vorn::KindTower, &census.towers},
          std::pair{Vorn::KindBuilding, &census.buildings}}) {
        auto* count = tally; // clang 14 cannot capture a structured binding in a lambda
        ForEachObject(world, side, kind, [&](Vorn::Object& object) {
            ++*count;
            if (const std::optional<Vorn::HitPoints> health = object.Health())
                census.hitPoints += health->current;
        });
    }
    return census;
}

} // namespace

Census TakeCensus(Vorn::World& world) {
    Census census;
    for (int side = 0; side < Vorn::sideCount; ++side)
        census.sides[static_cast<std::size_t>(side)] = CensusOfSide(world, side);
    census.bullets = world.Bullets().Count();
    census.effects = world.LowerEffects().Count() + world.UpperEffects().Count();
    return census;
}

std::string CensusJson(const Census& census) {
    std::string json = "\"sides\": {";
    char entry[256];
    for (std::size_t side = 0; side < census.sides.size(); ++side) {
        const SideCensus& s = census.sides[side];
        std::snprintf(entry, sizeof entry,
                      "%s\"%.*s\": {\"money\": %d, \"tanks\": %zu, \"towers\": %zu, \"buildings\": %zu, "
                      "\"landmines\": %zu, \"hp\": %.1f}",
                      side == 0 ? "" : ", ", static_cast<int>(sideNames[side].size()), sideNames[side].data(),
                      s.money, s.tanks, s.towers, s.buildings, s.landmines, s.hitPoints);
        json += entry;
    }
    std::snprintf(entry, sizeof entry, "}, \"bullets\": %zu, \"effects\": %zu", census.bullets,
                  census.effects);
    return json + entry;
}

} // namespace simulate
