// The player's view kept in a saved game: the camera, the selection and the control groups come back by
// serial, without the units that are gone, and a view from a file never puts the camera off the map.
#include "game/PlayerViewState.h"
#include "interface/MapOverlay.h"
#include "interface/OrderIssuer.h"
#include "rules/FowData.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "tests/interface/FakeOverlayControls.h"
#include "tests/world/BaseWorld.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Vorn;

namespace {

constexpr int player = 3;

class PlayerViewStateTest : public ::testing::Test {
protected:
    PlayerViewStateTest() {
        Zelt::configuration = Zelt::Configuration{};
        Zelt::configuration.screenWidth = 800;
        Zelt::configuration.screenHeight = 600;
        fow.granularity = 32;
        base.world = std::make_unique<World>(8192.0f, 8192.0f, 800, 600, &fow);
    }

    // A camera and an overlay as a new game (or a loaded one) makes them.
    void NewView() {
        camera = std::make_unique<Camera>(8192.0f, 8192.0f);
        overlay = std::make_unique<MapOverlay>(nullptr, base.world.get(), camera.get(), orders,
                                               std::make_unique<GameTest::FakeOverlayControls>());
        overlay->SetPlayerSide(player);
    }

    WorldTest::BaseWorld base;
    Constants::FowData fow;
    std::unique_ptr<Camera> camera;
    CommandQueue commands;
    OrderIssuer orders{commands};
    std::unique_ptr<MapOverlay> overlay;
};

} // namespace

TEST_F(PlayerViewStateTest, TheViewComesBackBySerialWithoutTheUnitsThatAreGone) {
    NewView();
    Tank* first = base.AddTank(0, 0, player);
    Tank* second = base.AddTank(100, 0, player);
    Tank* third = base.AddTank(200, 0, player);
    overlay->Select({first, third});
    overlay->Groups().Store(2, {ObjectRef(second), ObjectRef(third)});
    camera->SetView(300, -200, 45, 1.25f);
    const PlayerView view = TakePlayerView(*camera, *overlay);
    EXPECT_EQ(view.selection, (std::vector<std::uint64_t>{first->Serial(), third->Serial()}));

    ASSERT_TRUE(base.world->EraseObject(third, KindTank));
    delete third;
    NewView();
    ApplyPlayerView(view, *base.world, *camera, *overlay);
    EXPECT_EQ(overlay->Selection(), (std::vector<Object*>{first}));
    EXPECT_EQ(overlay->Groups().Members(2, *base.world), (std::vector<Object*>{second}));
    EXPECT_TRUE(overlay->Groups().Members(0, *base.world).empty());
    EXPECT_FLOAT_EQ(camera->CentreX(), 300);
    EXPECT_FLOAT_EQ(camera->CentreY(), -200);
    EXPECT_FLOAT_EQ(camera->Rotation(), 45);
    EXPECT_FLOAT_EQ(camera->ZoomLevel(), 1.25f);
}

TEST_F(PlayerViewStateTest, AViewFromAFileStaysOnTheMapAndWithinTheZoomLimits) {
    NewView();
    PlayerView view;
    view.cameraX = 1e9f;
    view.cameraY = -1e9f;
    view.cameraRotation = 720 + 90;
    view.cameraZoom = 1e6f;
    view.selection = {12345};
    ApplyPlayerView(view, *base.world, *camera, *overlay);
    EXPECT_FLOAT_EQ(camera->CentreX(), 4096);
    EXPECT_FLOAT_EQ(camera->CentreY(), -4096);
    EXPECT_FLOAT_EQ(camera->Rotation(), 90);
    EXPECT_FLOAT_EQ(camera->ZoomLevel(), camera->ZoomHighest());
    EXPECT_TRUE(overlay->Selection().empty()) << "a serial no unit has";
}
