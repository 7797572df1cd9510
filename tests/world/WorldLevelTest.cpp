// A world built from a level file takes its map size from the first "level" element.
#include "world/World.h"

#include "rules/ConstantsTable.h"
#include "rules/FowData.h"
#include "tests/support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace Vorn;

namespace {
// The level file's name as the data archive sees it, relative to "data/".
std::string WriteLevel(const std::string& text) {
    const auto folder = testing_support::ScratchDir("world_level");
    const auto path = folder / "level.xml";
    std::ofstream(path) << text;
    return std::filesystem::relative(path, std::filesystem::current_path() / "data").string();
}
} // namespace

TEST(WorldLevel, MapSizeComesFromTheFirstLevelElement) {
    auto record = std::make_unique<Constants::FowData>();
    record->granularity = 100;
    Constants::constantsTable.Replace(Constants::ConstantId::FOW, std::move(record));
    const std::string name = WriteLevel(
        "<level width=\"2000\" height=\"1000\"/><level width=\"9\" height=\"9\"/><event name=\"start\"/>");
    World world(name, 800, 600);
    Constants::constantsTable.Clear();
    EXPECT_EQ(world.Width(), 2000);
    EXPECT_EQ(world.Height(), 1000);
    EXPECT_EQ(world.fog.Columns(), 21);
    EXPECT_EQ(world.fog.Rows(), 11);
    EXPECT_EQ(world.Clock(), 0u);
    EXPECT_NE(world.LevelDocument().FindChild("event"), nullptr) << "kept for the level events";
    EXPECT_EQ(world.sides.playerSide, 3);
    EXPECT_EQ(world.sides[6].name, "---");
    EXPECT_EQ(world.sides[6].nextBuildingCallsign[8], 1);
}

TEST(WorldLevel, MissingFileOrElementGivesAnEmptyMap) {
    World missing("levels/no-such-level.xml", 800, 600);
    EXPECT_EQ(missing.Width(), 0);
    World withoutLevel(WriteLevel("<event name=\"start\"/>"), 800, 600);
    EXPECT_EQ(withoutLevel.Height(), 0);
    withoutLevel.Tick(100);
    EXPECT_EQ(withoutLevel.Clock(), 100u);
}
