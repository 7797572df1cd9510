// Drawing the world: what is drawn, what the fog hides, and the fog overlay itself.
#include "world/World.h"

#include "datafiles/Node.h"
#include "graphics/Drawing.h"
#include "rules/FowData.h"
#include "rules/ObstacleData.h"
#include "tests/support/GlTestWindow.h"
#include "world/Bullet.h"
#include "world/Obstacle.h"
#include "world/WorldCamera.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using namespace Vorn;

namespace {
// Puts the world's origin at the window's centre, unzoomed.
class CentredCamera : public WorldCamera {
public:
    void ApplyCamera() const override { glTranslatef(160, 120, 0); }
    float CentreX() const override { return 0; }
    float CentreY() const override { return 0; }
    float Zoom() const override { return 1; }
};

class CountedObject : public Object {
public:
    CountedObject(float x, float y, int side) {
        this->x = x;
        this->y = y;
        this->side = side;
        size = 5;
    }
    void Draw() override { ++draws; }
    int draws = 0;
};

class CountedBullet : public Bullet {
public:
    CountedBullet(float x, float y) : Bullet(nullptr, nullptr, BulletType::GunBullet, 1) {
        this->x = x;
        this->y = y;
    }
    void Draw() override { ++draws; }
    int draws = 0;
};

Constants::FowData RedFog() {
    Constants::FowData record;
    record.granularity = 50;
    record.beforeFadeBackTime = 10;
    record.fadeBackTime = 10;
    record.colorR = 1;
    return record;
}

class WorldDraw : public ::testing::Test {
protected:
    void SetUp() override {
        world.fog.Reset(3);
        world.fog.RevealFog(0, 0, 150, 3);
    }

    // Adds an object the world owns and returns it for counting.
    template <typename T> T* Add(T* object, ObjectKind kind) {
        world.InsertObject(object, kind);
        return object;
    }

    testing_support::GlTestWindow window;
    Constants::FowData record = RedFog();
    World world{4000, 4000, 320, 240, &record};
    CentredCamera camera;
};
} // namespace

TEST_F(WorldDraw, DrawsWhatIsInViewAndOutOfTheFog) {
    SKIP_WITHOUT_GL(window);
    auto* seen = Add(new CountedObject(50, 0, 2), KindTank);
    auto* fogged = Add(new CountedObject(0, 220, 2), KindTank); // in view, beyond the cleared circle
    auto* away = Add(new CountedObject(1500, 0, 2), KindTank);
    world.Draw(camera);
    EXPECT_EQ(seen->draws, 1);
    EXPECT_EQ(fogged->draws, 0);
    EXPECT_EQ(away->draws, 0);
}

TEST_F(WorldDraw, ABodyReachingIntoViewIsDrawnThoughItsCentreIsFarOut) {
    SKIP_WITHOUT_GL(window);
    world.fog.RevealFog(250, 0, 100, 3);
    auto* hill = new CountedObject(1000, 0, 0);
    hill->size = 800; // its edge lies 200 from the view's centre
    Add(hill, KindStatic);
    auto* beyond = Add(new CountedObject(1500, 0, 0), KindStatic);
    world.Draw(camera);
    EXPECT_EQ(hill->draws, 1);
    EXPECT_EQ(beyond->draws, 0);
}

// What blocks is what the player sees: a stone scaled three times is drawn three times as wide.
TEST_F(WorldDraw, AnObstacleIsDrawnAtItsScaledSize) {
    SKIP_WITHOUT_GL(window);
    Brisk::Node square;
    square.LoadText(R"(<triangle fan="1"><vertex x="-10" y="-10"/><vertex x="10" y="-10"/>
                       <vertex x="10" y="10"/><vertex x="-10" y="10"/></triangle>)");
    Drawing drawing;
    drawing.Compile(square);
    Constants::ObstacleData record;
    record.size = 10;
    Add(new Obstacle(ObstacleType::Stone, &record, 3), KindStatic)->drawing = &drawing;
    window.Clear();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    world.Draw(camera);
    glPopMatrix();
    glDisable(GL_BLEND);
    EXPECT_GT(window.ReadPixel(160 + 25, 120 - 25).g, 200);
    EXPECT_LT(window.ReadPixel(160 + 35, 120).g, 30);
}

TEST_F(WorldDraw, OnlyThePlayersLandminesAreDrawn) {
    SKIP_WITHOUT_GL(window);
    auto* own = Add(new CountedObject(10, 0, 3), KindLandmine);
    auto* enemy = Add(new CountedObject(-10, 0, 2), KindLandmine);
    world.Draw(camera);
    EXPECT_EQ(own->draws, 1);
    EXPECT_EQ(enemy->draws, 0);
}

TEST_F(WorldDraw, BulletsShowThroughTheFog) {
    SKIP_WITHOUT_GL(window);
    auto* bullet = new CountedBullet(0, 220);
    world.InsertBullet(bullet);
    world.Draw(camera);
    EXPECT_EQ(bullet->draws, 1);
}

TEST_F(WorldDraw, FogCoversTheUnseenAndLeavesTheClearedGround) {
    SKIP_WITHOUT_GL(window);
    window.Clear();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    world.Draw(camera);
    glPopMatrix();
    glDisable(GL_BLEND);
    EXPECT_GT(window.ReadPixel(5, 5).r, 200);    // far corner: full fog
    EXPECT_LT(window.ReadPixel(160, 120).r, 30); // the cleared centre
}
