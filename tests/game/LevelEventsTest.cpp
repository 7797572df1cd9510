// Level events: requests by time and destruction, delays, the first request to fire cancelling the others,
// cancel, quit, destroy, order and beep.
#include "LevelTestSupport.h"

#include "ai/TankBrain.h"
#include "game/LevelBeep.h"
#include "game/LevelLimits.h"
#include "game/LevelObjects.h"
#include "world/Armor.h"
#include "world/Building.h"
#include "world/Tank.h"

#include <algorithm>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

// A Red base "H1" and a Blue base "H1", and the events of the text after "start"'s objects.
std::string LevelWithEvents(const std::string& startActions, const std::string& events) {
    return "<level width=\"4096\" height=\"4096\"/><event name=\"start\"><new>"
           "<building type=\"base\" color=\"Red\" group=\"H\" number=\"1\" x=\"-1000\"/>"
           "<building type=\"base\" color=\"Blue\" group=\"H\" number=\"1\" x=\"1000\"/></new>" +
           startActions + "</event>" + events;
}

const std::string winAndLose = "<event name=\"win\"><quit status=\"true\"/></event>"
                               "<event name=\"lose\"><quit status=\"false\"/></event>";

class LevelScript : public LevelFixture {
protected:
    Building* Base(int side) { return First<Building>(side, KindBuilding); }
    void Steps(int count, unsigned ms = 16) {
        for (int i = 0; i < count; ++i)
            world->Tick(ms);
    }
};

} // namespace

TEST_F(LevelScript, DestroyingTheEnemyBaseFirstWinsAndDropsTheTimeLimit) {
    Level& level =
        Load(LevelWithEvents("<request event=\"win\" when=\"destroyed\" color=\"Red\" group=\"H\" number=\"1\"/>"
                    "<request event=\"lose\" when=\"time\" value=\"1000\"/>",
                    winAndLose));
    Steps(1);
    Base(1)->hitPoints = 0;
    Steps(1); // the base dies at the end of this step
    EXPECT_TRUE(level.requests.empty()) << "the time limit went with the first request to fire";
    EXPECT_FALSE(level.finished);
    Steps(1);
    EXPECT_TRUE(level.finished);
    EXPECT_TRUE(level.won);
    Steps(100);
    EXPECT_TRUE(level.won);
}

TEST_F(LevelScript, TheTimeLimitFirstLosesAndDropsTheWinRequest) {
    Level& level =
        Load(LevelWithEvents("<request event=\"win\" when=\"destroyed\" color=\"Red\" group=\"H\" number=\"1\"/>"
                    "<request event=\"lose\" when=\"time\" value=\"100\"/>",
                    winAndLose));
    Steps(7); // clock at entry of step 7 is 96
    EXPECT_FALSE(level.finished);
    Steps(1);
    EXPECT_TRUE(level.finished);
    EXPECT_FALSE(level.won);
    EXPECT_TRUE(level.requests.empty());
    Base(1)->hitPoints = 0;
    Steps(3);
    EXPECT_FALSE(level.won) << "the winning request was dropped and a later quit changes nothing";
}

TEST_F(LevelScript, APersistentRequestSurvivesAnotherFiring) {
    Level& level =
        Load(LevelWithEvents("<request event=\"win\" when=\"destroyed\" color=\"Red\" group=\"H\" number=\"1\" "
                    "persistent=\"true\"/><request event=\"nothing\" when=\"time\" value=\"0\"/>",
                    winAndLose));
    Steps(2);
    ASSERT_EQ(level.requests.size(), 1u);
    EXPECT_EQ(level.requests[0].name, "win");
    Base(1)->hitPoints = 0;
    Steps(2);
    EXPECT_TRUE(level.won);
}

TEST_F(LevelScript, DelaysCountFromTheStepTheConditionHeld) {
    // Time: registered by "start" in step 1, the condition is seen to hold in step 2, and 7 steps of 16 ms
    // from there reach 100.
    Level& timed =
        Load(LevelWithEvents("<request event=\"win\" when=\"time\" value=\"0\" delay=\"100\"/>", winAndLose));
    Steps(7);
    EXPECT_FALSE(timed.finished);
    Steps(1);
    EXPECT_TRUE(timed.finished);
    // Destroyed: the unit dies at the end of a step, and the counting starts with the next one.
    Level& destroyed = Load(LevelWithEvents(
        "<request event=\"win\" when=\"destroyed\" color=\"Blue\" group=\"H\" number=\"1\" delay=\"32\"/>",
        winAndLose));
    Steps(1);
    Base(3)->hitPoints = 0;
    Steps(1);
    Steps(1);
    EXPECT_FALSE(destroyed.finished);
    Steps(1);
    EXPECT_TRUE(destroyed.finished);
    EXPECT_TRUE(destroyed.won);
}

TEST_F(LevelScript, EntriesDueTogetherRunInReverseOrder) {
    // Both hold in step 1; "lose" was registered second, so it runs first and its quit counts.
    Level& level = Load(LevelWithEvents("<request event=\"win\" when=\"time\" value=\"0\" persistent=\"1\"/>"
                               "<request event=\"lose\" when=\"time\" value=\"0\" persistent=\"1\"/>",
                               winAndLose));
    Steps(2);
    EXPECT_TRUE(level.finished);
    EXPECT_FALSE(level.won);
}

TEST_F(LevelScript, CancelRemovesWaitingAndDelayedButNotWhatIsDue) {
    // "stop" runs first (reverse order) and cancels "win", which is already due and still runs.
    Level& due = Load(LevelWithEvents("<request event=\"win\" when=\"time\" value=\"0\"/>"
                             "<request event=\"stop\" when=\"time\" value=\"0\"/>",
                             winAndLose + "<event name=\"stop\"><cancel event=\"win\"/></event>"));
    Steps(2);
    EXPECT_TRUE(due.won);
    // Cancelled while waiting, and while counting down its delay.
    Level& waiting =
        Load(LevelWithEvents("<request event=\"win\" when=\"time\" value=\"50\" persistent=\"1\"/>"
                    "<request event=\"lose\" when=\"time\" value=\"0\" delay=\"1000\" persistent=\"1\"/>"
                    "<cancel event=\"win\"/>"
                    "<request event=\"stop\" when=\"time\" value=\"16\" persistent=\"1\"/>",
                    winAndLose + "<event name=\"stop\"><cancel event=\"lose\"/></event>"));
    Steps(100);
    EXPECT_FALSE(waiting.finished);
    EXPECT_TRUE(waiting.requests.empty());
    EXPECT_TRUE(waiting.delayed.empty());
}

TEST_F(LevelScript, DestroyPrefersTheBuildingOfACallsign) {
    Load(LevelWithEvents("<request event=\"strike\" when=\"time\" value=\"16\"/>",
                "<event name=\"strike\"><destroy><object group=\"Hotel\" number=\"1\"/></destroy></event>"));
    Steps(1);
    world->InsertObject(
        MakeTank(*world, TankType::LightTank, 2, 1, ArmorType::NoArmor, TurretType::Gun1).release(),
        KindTank);
    First<Tank>(2, KindTank)->letter = 'H';
    Steps(1);
    EXPECT_EQ(Count(1, KindBuilding), 0u) << "the first building of the callsign";
    EXPECT_EQ(Count(3, KindBuilding), 1u);
    EXPECT_EQ(Count(2, KindTank), 1u);
}

TEST_F(LevelScript, ADestroyedObjectDiesEvenWhenRepairedInTheSameStep) {
    Level& level = Load(
        LevelWithEvents("", "<event name=\"strike\"><destroy><object group=\"H\" number=\"1\"/></destroy></event>"));
    Steps(1);
    level.RunEvent("strike");
    ASSERT_EQ(Base(1)->hitPoints, 0);
    Base(1)->hitPoints = 500; // what a repair would do before the world removes the dead
    Steps(1);
    EXPECT_EQ(Count(1, KindBuilding), 0u);
}

TEST_F(LevelScript, AnEmptyGroupNamesNothing) {
    Level& level =
        Load(LevelWithEvents("<new><building type=\"power\" color=\"Green\" x=\"0\"/></new>"
                    "<request event=\"win\" when=\"destroyed\" color=\"Green\" group=\"\" number=\"0\"/>",
                    winAndLose + "<event name=\"strike\"><destroy><object group=\"\" number=\"0\"/>"
                                 "</destroy></event>"));
    Steps(1);
    EXPECT_TRUE(level.requests.empty()) << "not registered";
    level.RunEvent("strike");
    Steps(1);
    EXPECT_EQ(Count(2, KindBuilding), 1u);
    First<Building>(2, KindBuilding)->hitPoints = 0;
    Steps(2);
    EXPECT_FALSE(level.finished);
}

TEST_F(LevelScript, RequestNumbersAreCutTo16Bits) {
    Level& level =
        Load(LevelWithEvents("<request event=\"win\" when=\"destroyed\" color=\"red\" group=\"Hq\" number=\"65537\"/>",
                    winAndLose));
    Steps(1);
    Base(1)->hitPoints = 0;
    Steps(2);
    EXPECT_TRUE(level.won);
}

TEST_F(LevelScript, IncompleteRequestsRegisterNothing) {
    Level& level =
        Load(LevelWithEvents("<request event=\"win\" when=\"time\"/>"
                    "<request when=\"time\" value=\"1\"/>"
                    "<request event=\"win\" value=\"1\"/>"
                    "<request event=\"win\" when=\"Time\" value=\"1\"/>"
                    "<request event=\"win\" when=\"destroyed\" color=\"Red\" group=\"H\"/>"
                    "<request event=\"win\" when=\"destroyed\" color=\"Pink\" group=\"H\" number=\"1\"/>",
                    winAndLose));
    Steps(1);
    EXPECT_TRUE(level.requests.empty());
    EXPECT_TRUE(level.delayed.empty());
}

TEST_F(LevelScript, OnlyTheFirstQuitCounts) {
    Level& level = Load(LevelWithEvents("<quit/><quit status=\"true\"/>", ""));
    Steps(1);
    EXPECT_TRUE(level.finished);
    EXPECT_FALSE(level.won);
}

// The level makes no sound itself: each "beep" is a Beep event of its step, and the game sounds each as a
// high tone and a low one. A beep of "start", which runs before the first step, waits for that step.
TEST_F(LevelScript, ABeepIsAnEventOfItsStepThatTheGameSounds) {
    Level& level =
        Load("<event name=\"start\"><beep/><request event=\"twice\" when=\"time\" value=\"20\"/></event>"
             "<event name=\"twice\"><beep/><beep/></event>");
    level.RunStartEvent();
    const auto beeps = [&] {
        return std::count_if(world->StepEvents().begin(), world->StepEvents().end(),
                             [](const WorldEvent& event) { return event.kind == WorldEventKind::Beep; });
    };
    Steps(1);
    EXPECT_EQ(beeps(), 1);
    Steps(1);
    EXPECT_EQ(beeps(), 0);
    Steps(1);
    EXPECT_EQ(beeps(), 2);

    static std::vector<std::pair<int, int>> tones;
    SoundBeeps(world->StepEvents(),
               [](int frequencyHz, int durationMs) { tones.emplace_back(frequencyHz, durationMs); });
    const std::vector<std::pair<int, int>> expected = {{1000, 200}, {40, 50}, {1000, 200}, {40, 50}};
    EXPECT_EQ(tones, expected);
}

TEST_F(LevelScript, DestroyObstaclesRemovesThoseWhoseCentresLieInTheCircle) {
    Level& level =
        Load(LevelWithEvents("<new><obstacle type=\"stone\" x=\"0\"/><obstacle type=\"stone\" x=\"99\"/>"
                    "<obstacle type=\"stone\" x=\"101\"/><obstacle type=\"cblock\" x=\"2000\"/></new>",
                    "<event name=\"open\"><destroy><obstacles x=\"0\" y=\"0\" radius=\"100\"/>"
                    "<obstacles x=\"nan\" y=\"0\" radius=\"1e30\"/></destroy></event>"));
    Steps(1);
    ASSERT_EQ(Count(0, KindStatic), 4u);
    level.RunEvent("open");
    EXPECT_EQ(Count(0, KindStatic), 2u);
}

TEST_F(LevelScript, OrderSelectsTheTanksOfOneSideAndGroup) {
    Load(LevelWithEvents(
        "<new><tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"W\" number=\"1\" "
        "x=\"0\" to_x=\"100\" to_y=\"0\"/>"
        "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"V\" number=\"2\" "
        "x=\"200\"/>"
        "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Blue\" group=\"W\" number=\"3\" "
        "x=\"400\"/></new><order color=\"Red\" group=\"W\" x=\"-1500\" y=\"900\"/>",
        ""));
    Steps(1);
    const std::vector<Tank*> group = TanksOfGroup(*world, 1, 'W');
    ASSERT_EQ(group.size(), 1u);
    EXPECT_EQ(group[0]->number, 1);
    EXPECT_TRUE(TanksOfGroup(*world, 7, 'W').empty());
    // The order replaced the Red W tank's route and reached no other tank.
    const auto sentThere = [](const Tank& tank) {
        return !tank.brain->Waypoints().empty() && tank.brain->Waypoints().back().x == -1500 &&
               tank.brain->Waypoints().back().y == 900;
    };
    EXPECT_TRUE(sentThere(*group[0]));
    EXPECT_EQ(group[0]->brain->Waypoints().size(), 1u);
    const std::vector<Tank*> otherGroup = TanksOfGroup(*world, 1, 'V');
    const std::vector<Tank*> otherSide = TanksOfGroup(*world, 3, 'W');
    ASSERT_EQ(otherGroup.size(), 1u);
    ASSERT_EQ(otherSide.size(), 1u);
    EXPECT_FALSE(sentThere(*otherGroup[0]));
    EXPECT_FALSE(sentThere(*otherSide[0]));
}

TEST_F(LevelScript, AnEventThatRequestsItselfTwiceDoesNotGrowWithoutBound) {
    Level& level =
        Load("<event name=\"start\"><request event=\"start\" when=\"time\" value=\"-5\" persistent=\"1\"/>"
             "<request event=\"start\" when=\"time\" value=\"0\" persistent=\"1\"/></event>");
    for (int i = 0; i < 40; ++i)
        world->Tick(16);
    EXPECT_LE(level.requests.size() + level.delayed.size(), LevelLimits::maxPendingRequests);
    EXPECT_GT(level.requests.size() + level.delayed.size(), 0u);
}

TEST_F(LevelScript, HugeDelaysNeitherOverflowNorFireEarly) {
    Level& level = Load(LevelWithEvents("<request event=\"win\" when=\"time\" value=\"0\" delay=\"99999999999\"/>"
                               "<request event=\"lose\" when=\"time\" value=\"0\" delay=\"-99999999999\"/>",
                               winAndLose));
    Steps(2);
    EXPECT_TRUE(level.finished) << "the most negative delay is due at once";
    EXPECT_FALSE(level.won);
    ASSERT_EQ(level.delayed.size(), 1u);
    Steps(100);
    EXPECT_EQ(level.delayed.size(), 1u) << "the largest delay is still counting down";
    level.LevelTick(4'000'000'000u);
    EXPECT_TRUE(level.delayed.empty());
}

TEST_F(LevelScript, UnknownEventsAndActionsDoNothing) {
    Level& level = Load(LevelWithEvents("<request event=\"nowhere\" when=\"time\" value=\"0\"/><explode/>",
                               "<event name=\"start\"><quit status=\"true\"/></event>"));
    Steps(3);
    EXPECT_FALSE(level.finished) << "only the first event of a name runs";
    EXPECT_EQ(Count(1, KindBuilding), 1u);
}
