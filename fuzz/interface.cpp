// Fuzzes interface.xml: any layout gives an interface over the shipped level0 battle that slides its
// panels, paints the minimap through whole cycles, lays out the build info and the toolbars, and answers
// where the cursor is over a panel, without reading outside its tables or dividing by its numbers.
#include "interface/Interface.h"
#include "datafiles/CallsignTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "fuzz/loader_input.h"
#include "game/Battle.h"
#include "random/Random.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "world/World.h"

#include <memory>

namespace {

constexpr int screenWidth = 1280;
constexpr int screenHeight = 720;
// Enough updates for the panels to slide and the minimap to finish two cycles.
constexpr int updates = 12;
constexpr unsigned stepMs = 16;

// One battle serves every input: the interface only asks it questions, so it stays as it was.
Vorn::Battle& ShippedBattle() {
    static Vorn::Battle battle = [] {
        loader_fuzz::LoadShippedRules();
        Zelt::configuration.screenWidth = screenWidth;
        Zelt::configuration.screenHeight = screenHeight;
        LoadTexts(textTable, dataArchive.ReadDocument("texts.xml"), "en");
        LoadCallsigns(callsignTable, dataArchive.ReadDocument("callsigns.xml"), "en");
        Vorn::randomGenerator.Reseed(1);
        return Vorn::StartBattle(dataArchive.ReadDocument("levels/level0.xml"), screenWidth, screenHeight,
                                 false);
    }();
    return battle;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Vorn::Battle& battle = ShippedBattle();
    Vorn::Camera camera(battle.world->Width(), battle.world->Height());
    Vorn::Interface ui(battle.world.get(), &camera, *battle.commands, loader_fuzz::Document(data, size));
    ui.SetPlayerSide(battle.world->sides.playerSide);
    for (int step = 0; step < updates; ++step) {
        ui.Update(stepMs, Vorn::PanelSwitches{step % 5 == 4, step % 7 == 6, step % 3 == 2});
        for (int y = 0; y < screenHeight; y += 90)
            for (int x = 0; x < screenWidth; x += 160)
                (void)ui.Click(x, y, -1);
    }
    return 0;
}
