// The message line and what posts to it: lost units, refused orders and refused placements.
#include "PanelWorld.h"
#include "command/OrderRefusal.h"
#include "command/SimulationStep.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "interface/LossReport.h"
#include "interface/RefusalReport.h"
#include "world/HQ.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace PanelTest;

TEST(MessageLine, AMessageShowsForItsTimeAndANewerOneReplacesIt) {
    MessageLine line;
    line.Post("first");
    line.Update(MessageLine::showMs - 1);
    EXPECT_EQ(line.Text(), "first");
    line.Post("second");
    line.Update(MessageLine::showMs - 1);
    EXPECT_EQ(line.Text(), "second");
    line.Update(1);
    EXPECT_TRUE(line.Text().empty());
}

// Losses come from the step's destroyed events of the player's side only, counted once in their step.
TEST(LossReport, EachStepsLossesOfThePlayersSideAreOneMessage) {
    PanelWorld base;
    Tank* first = base.AddTank(0, 0, PanelWorld::side);
    Tank* second = base.AddTank(100, 0, PanelWorld::side);
    base.AddTank(200, 0, PanelWorld::side);
    Tank* enemy = base.AddTank(300, 0, PanelWorld::side + 1);
    LossReport report;
    base.world->Tick(16);
    report.Take(base.world->StepEvents(), PanelWorld::side, base.messages);
    EXPECT_TRUE(base.messages.Text().empty());
    first->armor->hitPoints = 0;
    second->armor->hitPoints = 0;
    enemy->armor->hitPoints = 0;
    base.world->Tick(16);
    report.Take(base.world->StepEvents(), PanelWorld::side, base.messages);
    EXPECT_EQ(base.messages.Text(), "2 " + Text("msg_units_lost"));
    base.messages.Update(MessageLine::showMs);
    base.world->Tick(16);
    report.Take(base.world->StepEvents(), PanelWorld::side, base.messages);
    EXPECT_TRUE(base.messages.Text().empty()) << "a loss is news once";
    base.messages.Update(MessageLine::showMs);
    textTable.Store("msg_unit_lost", "unit lost");
    base.AddTank(400, 0, PanelWorld::side)->armor->hitPoints = 0;
    base.world->Tick(16);
    report.Take(base.world->StepEvents(), PanelWorld::side, base.messages);
    EXPECT_EQ(base.messages.Text(), "1 unit lost") << "one loss reads in the singular";
    textTable.Clear();
}

// The player hears why an order of theirs was refused; another side's refusals are not the player's news.
TEST(RefusalReport, ThePlayersRefusedOrderReadsAsItsReason) {
    PanelWorld base;
    Building* factory = base.AddBuilding(BuildingType::TankFactory, 0, 0, PanelWorld::side);
    Building* enemyFactory = base.AddBuilding(BuildingType::TankFactory, 900, 0, PanelWorld::side + 1);
    Command enemyOrder = OrderTanksCommand(enemyFactory->Serial(), TankOrder{}, 0);
    enemyOrder.side = PanelWorld::side + 1;
    base.commands.Issue(enemyOrder);
    StepSimulation(*base.world, base.commands, 16);
    ReportRefusals(base.world->StepEvents(), PanelWorld::side, base.messages);
    EXPECT_TRUE(base.messages.Text().empty()) << base.messages.Text();

    base.orders.Issue(OrderTanksCommand(factory->Serial(), TankOrder{}, 0));
    StepSimulation(*base.world, base.commands, 16);
    ReportRefusals(base.world->StepEvents(), PanelWorld::side, base.messages);
    EXPECT_EQ(base.messages.Text(), Text("msg_refused_bad_count"));
}

// Every reason has its own text in each shipped language, and a reason from a newer build reads plainly.
TEST(RefusalReport, EveryReasonHasItsTextInEveryShippedLanguage) {
    const Brisk::Node texts = dataArchive.ReadDocument("texts.xml");
    for (const char* language : {"en", "de"}) {
        TextTable table;
        LoadTexts(table, texts, language);
        std::set<std::string> seen;
        for (int reason = static_cast<int>(OrderRefusal::NotAProducer);
             reason <= static_cast<int>(OrderRefusal::BadCount); ++reason) {
            const std::string key = RefusalTextKey(reason);
            EXPECT_NE(table.TextOf(key), key) << language << ": " << key;
            EXPECT_TRUE(seen.insert(table.TextOf(key)).second)
                << language << ": " << key << " reads as another";
        }
        EXPECT_NE(table.TextOf("msg_refused"), "msg_refused") << language;
    }
    EXPECT_EQ(RefusalTextKey(0), "msg_refused");
    EXPECT_EQ(RefusalTextKey(static_cast<int>(OrderRefusal::BadCount) + 1), "msg_refused");
}

TEST(PlacementMessages, ARefusedPlaceIsToldOnceWhenItsReasonChangesButNotBeforeItIsJudged) {
    PanelWorld base;
    auto* hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, PanelWorld::side);
    base.Select(hq);
    base.Update();
    base.Press(5);
    base.TickUntil([&] { return hq->Slot().IsComplete(); });
    base.overlay.status = 1; // what the overlay says before it has judged the place
    base.Press(MainPanel::PlaceToolbar::placeButton);
    EXPECT_EQ(base.messages.Text().find(Text("msg_cannot_place")), std::string::npos)
        << "nothing is refused before the overlay has looked";
    base.overlay.status = 3;
    base.Update();
    EXPECT_EQ(base.messages.Text(), Text("msg_cannot_place") + ": " + Text("placement_enemy_near"));
    base.messages.Post("");
    base.Update();
    EXPECT_TRUE(base.messages.Text().empty()) << "the same reason is not repeated every frame";
    base.overlay.status = 0;
    base.Update();
    EXPECT_TRUE(base.messages.Text().empty());
}
