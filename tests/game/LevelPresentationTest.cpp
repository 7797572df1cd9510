// What a level tells the player: messages with their log, objectives, the view's moves and revealed fog,
// each bounded against a hostile file, and none of them changing how the battle plays.
#include "LevelTestSupport.h"

#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/LevelLimits.h"
#include "game/StateDigest.h"

#include <algorithm>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

class LevelPresentationTest : public LevelFixture {
protected:
    // A level whose "start" performs the actions.
    Level& Run(const std::string& actions) {
        Level& level =
            Load("<level width=\"4096\" height=\"4096\"/><event name=\"start\">" + actions + "</event>");
        world->fog.Reset(3);
        world->Tick(16);
        return level;
    }
    int Beeps() const {
        return static_cast<int>(
            std::count_if(world->StepEvents().begin(), world->StepEvents().end(),
                          [](const WorldEvent& e) { return e.kind == WorldEventKind::Beep; }));
    }
    // The fog at the grid point nearest (x, y).
    float FogAt(float x, float y) const {
        const FogOfWar& fog = world->fog;
        const int column = static_cast<int>((x + world->Width() / 2) / fog.Granularity() + 0.5f);
        const int row = static_cast<int>((y + world->Height() / 2) / fog.Granularity() + 0.5f);
        return fog.PointAt(column, row).fog;
    }
};

} // namespace

TEST_F(LevelPresentationTest, MessagesGoToTheLogInOrderAndBeepOnlyWhenAsked) {
    Level& level = Run("<message text=\"first\"/><message text=\"second\" beep=\"true\"/><message/>"
                       "<message text=\"\"/>");
    ASSERT_EQ(level.presentation.messages.size(), 2u) << "a message without text says nothing";
    EXPECT_EQ(level.presentation.messages[0].text, "first");
    EXPECT_EQ(level.presentation.messages[1].text, "second");
    EXPECT_EQ(level.presentation.messagesSaid, 2u);
    EXPECT_EQ(Beeps(), 1);
}

TEST_F(LevelPresentationTest, TheLogKeepsTheLatestMessagesAndCutsLongOnes) {
    std::string actions;
    for (std::size_t i = 0; i < LevelLimits::maxLogMessages + 5; ++i)
        actions += "<message text=\"m" + std::to_string(i) + "\"/>";
    actions += "<message text=\"" + std::string(5000, 'x') + "\"/>";
    Level& level = Run(actions);
    const auto& log = level.presentation.messages;
    ASSERT_EQ(log.size(), LevelLimits::maxLogMessages);
    EXPECT_EQ(log.front().text, "m6") << "the oldest left the log";
    EXPECT_EQ(log.back().text.size(), LevelLimits::maxTextLength);
    EXPECT_EQ(level.presentation.messagesSaid, LevelLimits::maxLogMessages + 6);
}

TEST_F(LevelPresentationTest, ObjectivesAreAddedByNameThenUpdatedCompletedOrFailed) {
    Level& level = Run("<objective name=\"base\" text=\"Destroy the base\"/>"
                       "<objective name=\"hold\" text=\"Hold out\"/>"
                       "<objective name=\"base\" state=\"completed\"/>"
                       "<objective name=\"hold\" text=\"Hold out longer\" state=\"failed\"/>"
                       "<objective name=\"hold\" state=\"sideways\"/>"
                       "<objective text=\"nameless\"/>");
    const auto& objectives = level.presentation.objectives;
    ASSERT_EQ(objectives.size(), 2u);
    EXPECT_EQ(objectives[0].text, "Destroy the base") << "a state alone keeps the text";
    EXPECT_EQ(objectives[0].state, ObjectiveState::Completed);
    EXPECT_EQ(objectives[1].text, "Hold out longer");
    EXPECT_EQ(objectives[1].state, ObjectiveState::Failed) << "an unknown state changes nothing";
}

TEST_F(LevelPresentationTest, ObjectivesBeyondThePanelAreNotAdded) {
    std::string actions;
    for (std::size_t i = 0; i < LevelLimits::maxObjectives + 3; ++i)
        actions += "<objective name=\"o" + std::to_string(i) + "\" text=\"t\"/>";
    actions += "<objective name=\"o0\" state=\"completed\"/>";
    Level& level = Run(actions);
    ASSERT_EQ(level.presentation.objectives.size(), LevelLimits::maxObjectives);
    EXPECT_EQ(level.presentation.objectives[0].state, ObjectiveState::Completed);
}

TEST_F(LevelPresentationTest, CameraMovesAreCountedAndOutlandishPointsIgnored) {
    Level& level = Run("<camera x=\"100\" y=\"-200\"/><camera x=\"1e30\" y=\"0\"/><camera x=\"nan\" y=\"0\"/>"
                       "<camera x=\"5\"/>");
    EXPECT_EQ(level.presentation.cameraMoves, 1u);
    EXPECT_EQ(level.presentation.cameraX, 100);
    EXPECT_EQ(level.presentation.cameraY, -200);
}

TEST_F(LevelPresentationTest, RevealClearsThePlayersFogInTheCircleOnly) {
    Run("<reveal x=\"1000\" y=\"1000\" radius=\"600\"/><reveal x=\"-1000\" y=\"-1000\" radius=\"-5\"/>"
        "<reveal x=\"-1000\" y=\"-1000\" radius=\"1e30\"/><reveal x=\"-1000\" y=\"-1000\"/>");
    EXPECT_LT(FogAt(1000, 1000), 0.5f);
    EXPECT_GE(FogAt(-1000, -1000), 0.99f);
    EXPECT_GE(FogAt(1000, -1000), 0.99f);
}

// "start" runs before the player's fog is set up, so its reveals wait for the first step.
TEST_F(LevelPresentationTest, AStartEventsRevealHoldsInABattle) {
    const std::string text = "<level width=\"4096\" height=\"4096\" skirmish=\"0\"/><event name=\"start\">"
                             "<reveal x=\"1000\" y=\"1000\" radius=\"600\"/></event>";
    Brisk::Node document;
    document.LoadText(text.c_str());
    Battle battle = StartBattle(std::move(document), 800, 600, false);
    battle.world->Tick(16);
    const FogOfWar& fog = battle.world->fog;
    const int point = static_cast<int>((1000 + 2048) / fog.Granularity() + 0.5f);
    EXPECT_LT(fog.PointAt(point, point).fog, 0.5f);
}

// Messages, objectives and the camera are for the player only: a level using them plays the same battle.
TEST_F(LevelPresentationTest, SpeakingDoesNotChangeTheBattle) {
    const auto digestAfter = [](const std::string& extra) {
        randomGenerator.Reseed(11);
        Brisk::Node document = dataArchive.ReadDocument("levels/level1.xml");
        for (Brisk::Node& element : document.children)
            if (element.name == "event") {
                Brisk::Node said;
                said.LoadText(extra.c_str());
                for (Brisk::Node& action : said.children)
                    element.children.push_back(action), element.positions.push_back(0);
            }
        Battle battle = StartBattle(std::move(document), 800, 600, false);
        for (int step = 0; step < 300; ++step)
            battle.world->Tick(16);
        return StateDigest(*battle.world, battle.level);
    };
    EXPECT_EQ(digestAfter(""), digestAfter("<message text=\"hello\"/><objective name=\"a\" text=\"b\"/>"
                                           "<camera x=\"0\" y=\"0\"/>"));
}
