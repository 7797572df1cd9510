// The shipped levels as docs/levels.md describes them at their start: where the player may put a mine.
#include "LevelTestSupport.h"

#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "world/PlacementCheck.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Landmark.h"

#include <cmath>
#include <string>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

using ShippedLevelStart = LevelFixture;

// The deposits on which the player could place a mine at the start, with the whole map explored.
int DepositsForAMine(World& world) {
    const auto* mine =
        Constants::constantsTable.Find<Constants::BuildingData>(ConstantIdOf(BuildingType::Mine));
    if (mine == nullptr)
        return -1;
    const PlacementRules rules{mine->maxBaseDistance, mine->minEnemyDistance, mine->size,
                               mine->areaMustBeSecured, 0};
    world.fog.RevealFog(0, 0, 2 * std::hypot(world.Width(), world.Height()) + 1, playerSideOfBattle);
    int deposits = 0;
    for (const auto& [key, cell] : world.Objects(0, KindLandmark).Cells())
        for (Object* object : cell)
            if (auto* landmark = dynamic_cast<Landmark*>(object);
                landmark && landmark->type == LandmarkType::Deposit)
                deposits += CheckPlacement(world, rules, playerSideOfBattle, object->x, object->y) ==
                            placementAllowed;
    return deposits;
}

} // namespace

// level2's two other deposits lie far out in the field, to be reached with outposts.
TEST_F(ShippedLevelStart, EachGivesThePlayerOneDepositForAMineFromTheStart) {
    for (const char* file : {"levels/level0.xml", "levels/level1.xml", "levels/level2.xml"}) {
        Battle battle = StartBattle(dataArchive.ReadDocument(file), 800, 600, false);
        EXPECT_EQ(DepositsForAMine(*battle.world), 1) << file;
    }
}
