// Drawing the world: what is drawn, what the fog hides, and the fog overlay itself.
#include "scene/WorldDraw.h"

#include "datafiles/Node.h"
#include "visuals/Drawing.h"
#include "rules/FowData.h"
#include "rules/ObstacleData.h"
#include "scene/WorldCamera.h"
#include "tests/support/GlTestWindow.h"
#include "world/Bullet.h"
#include "world/Obstacle.h"
#include "world/World.h"

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

class PlainObject : public Object {
public:
    PlainObject(float x, float y, int side) {
        this->x = x;
        this->y = y;
        this->side = side;
        size = 5;
    }
};

class PlainBullet : public Bullet {
public:
    PlainBullet(float x, float y) : Bullet(nullptr, nullptr, BulletType::GunBullet, 1) {
        this->x = x;
        this->y = y;
    }
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

    // Adds an object the world owns and returns it.
    template <typename T> T* Add(T* object, ObjectKind kind) {
        world.InsertObject(object, kind);
        return object;
    }

    // The objects the camera's view shows, in the order they are drawn.
    std::vector<const Object*> Shown() {
        std::vector<const Object*> shown;
        ForEachObjectInView(world, VisibleCircle(world, camera),
                            [&](Object& object, ObjectKind) { shown.push_back(&object); });
        return shown;
    }

    static bool Contains(const std::vector<const Object*>& objects, const Object* object) {
        return std::find(objects.begin(), objects.end(), object) != objects.end();
    }

    testing_support::GlTestWindow window;
    Constants::FowData record = RedFog();
    World world{4000, 4000, 320, 240, &record};
    CentredCamera camera;
};
} // namespace

// Shown once each, kind by kind in draw order: whatever is drawn later covers what came before.
TEST_F(WorldDraw, ShowsWhatIsInViewAndOutOfTheFogKindByKind) {
    auto* building = Add(new PlainObject(-40, 0, 2), KindBuilding);
    auto* seen = Add(new PlainObject(50, 0, 2), KindTank);
    auto* fogged = Add(new PlainObject(0, 220, 2), KindTank); // in view, beyond the cleared circle
    auto* away = Add(new PlainObject(1500, 0, 2), KindTank);
    auto* stone = Add(new PlainObject(0, 40, 0), KindStatic);
    const std::vector<const Object*> expected{stone, seen, building};
    EXPECT_EQ(Shown(), expected);
    EXPECT_FALSE(Contains(Shown(), fogged));
    EXPECT_FALSE(Contains(Shown(), away));
}

TEST_F(WorldDraw, ABodyReachingIntoViewIsShownThoughItsCentreIsFarOut) {
    world.fog.RevealFog(250, 0, 100, 3);
    auto* hill = new PlainObject(1000, 0, 0);
    hill->size = 800; // its edge lies 200 from the view's centre
    Add(hill, KindStatic);
    auto* beyond = Add(new PlainObject(1500, 0, 0), KindStatic);
    EXPECT_TRUE(Contains(Shown(), hill));
    EXPECT_FALSE(Contains(Shown(), beyond));
}

// What blocks is what the player sees: a stone scaled three times is drawn three times as wide.
TEST_F(WorldDraw, AnObstacleIsDrawnAtItsScaledSize) {
    SKIP_WITHOUT_GL(window);
    Brisk::Node square;
    square.LoadText(R"(<triangle fan="1"><vertex x="-10" y="-10"/><vertex x="10" y="-10"/>
                       <vertex x="10" y="10"/><vertex x="-10" y="10"/></triangle>)");
    Drawing drawing;
    drawing.Read(square);
    Constants::ObstacleData record;
    record.size = 10;
    Add(new Obstacle(ObstacleType::Stone, &record, 3), KindStatic)->drawing = &drawing;
    window.Clear();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    DrawWorld(world, camera);
    glPopMatrix();
    glDisable(GL_BLEND);
    EXPECT_GT(window.ReadPixel(160 + 25, 120 - 25).g, 200);
    EXPECT_LT(window.ReadPixel(160 + 35, 120).g, 30);
}

TEST_F(WorldDraw, OnlyThePlayersLandminesAreShown) {
    auto* own = Add(new PlainObject(10, 0, 3), KindLandmine);
    auto* enemy = Add(new PlainObject(-10, 0, 2), KindLandmine);
    EXPECT_TRUE(Contains(Shown(), own));
    EXPECT_FALSE(Contains(Shown(), enemy));
}

TEST_F(WorldDraw, BulletsShowThroughTheFogButNotOutOfView) {
    auto* fogged = new PlainBullet(0, 220);
    auto* away = new PlainBullet(1500, 0);
    world.InsertBullet(fogged);
    world.InsertBullet(away);
    std::vector<const Bullet*> shown;
    ForEachBulletInView(world, VisibleCircle(world, camera),
                        [&](Bullet& bullet) { shown.push_back(&bullet); });
    EXPECT_EQ(shown, std::vector<const Bullet*>{fogged});
}

TEST_F(WorldDraw, FogCoversTheUnseenAndLeavesTheClearedGround) {
    SKIP_WITHOUT_GL(window);
    window.Clear();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    DrawWorld(world, camera);
    glPopMatrix();
    glDisable(GL_BLEND);
    EXPECT_GT(window.ReadPixel(5, 5).r, 200);    // far corner: full fog
    EXPECT_LT(window.ReadPixel(160, 120).r, 30); // the cleared centre
}
