// Every campaign level, played headless: a player who does nothing loses it (or, in the level won by
// holding out, loses the headquarters before the time is up), while a scripted player who does what the
// level teaches wins it within its time, and so does the computer opponent playing the player's side. The
// scripts give orders as a player's clicks do, at a coarse step to keep the suite quick.
#include "CampaignPlayer.h"

#include "campaign/CampaignList.h"
#include "datafiles/DataArchive.h"
#include "datafiles/ReplaceFile.h"
#include "replay/ReplayWriter.h"
#include "visuals/DrawingStore.h"
#include "rules/ConstantsLoader.h"
#include "world/Building.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

using namespace Vorn;
using CampaignTest::CampaignPlayer;
using CampaignTest::Outcome;
using CampaignTest::Placement;

namespace {

constexpr unsigned coarseStep = 50;
// The game's own step, in which the simulator's tables of commander play are measured.
constexpr unsigned gameStep = 16;

struct LevelPlan {
    const char* file;
    // The level's own time limit, in seconds; a run never goes beyond it.
    double limitSeconds;
    // Won by holding out rather than by destroying the enemy's headquarters.
    bool survival;
    std::function<std::function<void(CampaignPlayer&)>()> script;
};

Placement Build(BuildingType type, float x, float y) {
    return {ProductFamily::Building, static_cast<int>(type), 0, x, y};
}
Placement Tower(TowerType type, TurretType turret, float x, float y) {
    return {ProductFamily::Tower, static_cast<int>(type), static_cast<int>(turret), x, y};
}
Placement Mine(float x, float y) {
    return {ProductFamily::Landmine, static_cast<int>(LandmineType::SmallLandmine), 0, x, y};
}

const TankOrder lightTank{TankType::LightTank, TurretType::Gun1, ArmorType::LightArmor, 'b'};
const TankOrder mediumTank{TankType::MediumTank, TurretType::Cannon1, ArmorType::LightArmor, 'b'};

// An attacking script: build the plan, keep the factory busy, attack with `muster` tanks.
std::function<std::function<void(CampaignPlayer&)>()> Attack(std::vector<Placement> plan, TankOrder design,
                                                             std::size_t muster) {
    return [=] {
        return [plan, design, muster](CampaignPlayer& player) mutable {
            player.BuildInOrder(plan);
            player.KeepFactoryBusy(design);
            player.AttackWhenReady(muster, player.Enemy(1, 'H', 1));
        };
    };
}

const std::vector<LevelPlan>& Plans() {
    static const std::vector<LevelPlan> plans = {
        {"levels/campaign1.xml", 600, false, Attack({}, lightTank, 1)},
        {"levels/campaign2.xml", 600, false, Attack({}, lightTank, 8)},
        {"levels/campaign3.xml", 720, false,
         Attack({Build(BuildingType::PowerPlant, 1000, -750), Build(BuildingType::TankFactory, 1220, -1150)},
                lightTank, 8)},
        {"levels/campaign4.xml", 360, true,
         [] {
             return [plan = std::vector<Placement>{
                         Tower(TowerType::SupportTower, TurretType::Gun2, 700, -550),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 600, -700),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 850, -500),
                         Tower(TowerType::DefenseTower, TurretType::Cannon1, 650, -620),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 750, -650),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 560, -850),
                         Tower(TowerType::DefenseTower, TurretType::Cannon1, 720, -450),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 620, -520),
                         Tower(TowerType::DefenseTower, TurretType::Cannon1, 800, -600),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 520, -620),
                         Tower(TowerType::DefenseTower, TurretType::Cannon1, 680, -750),
                         Tower(TowerType::SupportTower, TurretType::Gun2, 900, -420),
                     }](CampaignPlayer& player) mutable { player.BuildInOrder(plan); };
         }},
        {"levels/campaign5.xml", 900, false,
         Attack({Build(BuildingType::PowerPlant, 750, -1000), Build(BuildingType::Mine, 600, -1200)},
                mediumTank, 10)},
        {"levels/campaign6.xml", 1200, false,
         Attack({Mine(700, -700), Mine(760, -640), Mine(640, -760), Mine(820, -580), Mine(580, -820)},
                mediumTank, 10)},
        {"levels/campaign7.xml", 1800, false,
         Attack({Build(BuildingType::Mine, 1300, -1900), Build(BuildingType::PowerPlant, 1350, -2200)},
                mediumTank, 12)},
    };
    return plans;
}

// With SECTOR_CLASH_CAMPAIGN_REPLAYS naming a folder, every scripted run leaves its replay there, so that
// the game can show a won level (sector-clash-autoplay --replay FILE --shot ...).
void KeepReplayWhenAsked(const CampaignPlayer& player, std::uint32_t seed, const char* playing) {
    const char* folder = std::getenv("SECTOR_CLASH_CAMPAIGN_REPLAYS");
    if (folder == nullptr)
        return;
    const Replay replay = player.Recording();
    const std::string name = std::filesystem::path(replay.levelPath).stem().string();
    const std::string path =
        std::string(folder) + "/" + name + "-" + playing + "-seed" + std::to_string(seed) + ".replay";
    EXPECT_TRUE(Brisk::ReplaceFile(path, ReplayText(replay))) << path;
}

class CampaignLevels : public ::testing::TestWithParam<std::size_t> {
protected:
    const LevelPlan& Plan() const { return Plans()[GetParam()]; }
};

} // namespace

// The campaign file lists exactly the levels played here, in order.
TEST(CampaignFile, ListsItsLevelsInOrder) {
    const CampaignReading reading = ReadCampaign(dataArchive.ReadDocument(CampaignNames::file));
    EXPECT_TRUE(reading.problems.empty());
    ASSERT_EQ(reading.campaign.levels.size(), Plans().size());
    for (std::size_t i = 0; i < Plans().size(); ++i)
        EXPECT_EQ(reading.campaign.levels[i], Plans()[i].file);
}

constexpr std::uint32_t seeds = 5;

// Every seed: the level's waves and scatter differ, but doing nothing never wins.
TEST_P(CampaignLevels, APassivePlayerLoses) {
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        CampaignPlayer player(Plan().file, seed);
        const Outcome outcome = player.Play(coarseStep, Plan().limitSeconds + 5, [](CampaignPlayer&) {});
        std::printf("%s seed %u passive: %s at %.0f s\n", Plan().file, seed, outcome.won ? "won" : "lost",
                    outcome.seconds);
        EXPECT_TRUE(outcome.finished) << "seed " << seed;
        EXPECT_FALSE(outcome.won) << "seed " << seed;
        if (Plan().survival) {
            EXPECT_LT(outcome.seconds, Plan().limitSeconds) << "the headquarters falls before the time is up";
        }
        KeepReplayWhenAsked(player, seed, "passive");
    }
}

// As a computer player is held to: at least three wins in five seeds, each within the level's time.
TEST_P(CampaignLevels, AScriptedPlayerWinsWithinTheTimeLimit) {
    unsigned wins = 0;
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        CampaignPlayer player(Plan().file, seed);
        const Outcome outcome = player.Play(coarseStep, Plan().limitSeconds + 5, Plan().script());
        std::printf("%s seed %u scripted: %s at %.0f s\n", Plan().file, seed, outcome.won ? "won" : "lost",
                    outcome.seconds);
        // The level ends in the step after its time limit comes.
        wins += outcome.won && outcome.seconds <= Plan().limitSeconds + 1;
        KeepReplayWhenAsked(player, seed, "scripted");
    }
    EXPECT_GE(wins, 3u);
}

// The campaign is proven winnable by the computer opponent: a "normal" commander playing the player's
// side wins at least three seeds of five within the level's time, in the game's own steps (the same runs
// as `sector-clash-simulate LEVEL --seed S --commander Blue=normal`; docs/levels.md has the table).
TEST_P(CampaignLevels, ANormalCommanderOnThePlayersSideWinsThreeSeedsOfFive) {
    unsigned wins = 0;
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        CampaignPlayer player(Plan().file, seed);
        player.StartCommander("normal");
        const Outcome outcome = player.Play(gameStep, Plan().limitSeconds + 5, [](CampaignPlayer&) {});
        std::printf("%s seed %u commander: %s at %.0f s\n", Plan().file, seed, outcome.won ? "won" : "lost",
                    outcome.seconds);
        wins += outcome.won && outcome.seconds <= Plan().limitSeconds + 1;
        KeepReplayWhenAsked(player, seed, "commander");
    }
    EXPECT_GE(wins, 3u);
}

INSTANTIATE_TEST_SUITE_P(Shipped, CampaignLevels, ::testing::Range<std::size_t>(0, 7),
                         [](const auto& info) { return "campaign" + std::to_string(info.param + 1); });
