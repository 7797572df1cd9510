// Drawing the world's layers: lower effects, objects, upper effects, bullets and the fog on top.
#include "scene/WorldDraw.h"

#include "graphics/DrawingBatch.h"
#include "graphics/ParticleBatch.h"
#include "graphics/ParticleDrawing.h"
#include "graphics/SpriteBatch.h"
#include "scene/FogDraw.h"
#include "scene/ObjectDraw.h"
#include "scene/WorldCamera.h"
#include "world/Bullet.h"
#include "world/Effect.h"
#include "world/World.h"

#include <GL/gl.h>

#include <cmath>
#include <optional>

namespace Vorn {

namespace {
template <typename T> bool WithinOf(const T& item, float x, float y, float radius) {
    const float dx = item.x - x;
    const float dy = item.y - y;
    return dx * dx + dy * dy <= radius * radius;
}

template <typename T, typename Draw> void DrawTranslated(const T& item, Draw draw) {
    glPushMatrix();
    glTranslatef(item.x, item.y, 0);
    draw();
    glPopMatrix();
}

// An effect's particles at its place; an effect without a system draws nothing here.
void DrawEffect(const Effect& effect, ParticleBatch& batch) {
    if (const ParticleSystem* system = effect.System())
        DrawParticleSystemInto(*system, batch, effect.x, effect.y);
}

// Effects in view and out of the fog, then every always-drawn effect wherever it is, all into one batch
// under the camera's matrix.
void DrawEffects(World& world, World::EffectMap& layer, float centreX, float centreY, float radius) {
    // Kept from frame to frame (drawing happens on the main thread only): a zoomed-out battle fills it
    // with thousands of quads, whose arrays would otherwise be grown anew every frame.
    static ParticleBatch batch;
    batch.LeaveOutWhatCoversNoPixel();
    for (Effect* effect : layer.QueryRange(centreX, centreY, radius))
        if (!effect->alwaysDrawn && WithinOf(*effect, centreX, centreY, radius) &&
            world.fog.IsVisible(effect->x, effect->y, effect->size))
            DrawEffect(*effect, batch);
    for (const auto& [key, cell] : layer.Cells())
        for (Effect* effect : cell)
            if (effect->alwaysDrawn)
                DrawEffect(*effect, batch);
    batch.Flush();
}

void DrawObjects(World& world, const ViewCircle& view) {
    DrawingBatch batch;
    // Tanks far away are the crowd of a battle: drawn as quads of their pictures. The sprite batch of a
    // kind lives while its objects are drawn.
    std::optional<SpriteBatch> sprites;
    int spritesKind = -1;
    ForEachObjectInView(world, view, [&](Object& object, ObjectKind kind) {
        if (kind != spritesKind) {
            sprites.reset();
            if (kind == KindTank)
                sprites.emplace();
            spritesKind = kind;
        }
        if (!sprites || !AddObjectSprites(*sprites, object, kind))
            DrawTranslated(object, [&] { DrawObject(object, kind); });
    });
}
} // namespace

ViewCircle VisibleCircle(const World& world, const WorldCamera& camera) {
    const float zoom = camera.Zoom();
    const float viewWidth = world.ScreenWidth() / zoom;
    const float viewHeight = world.ScreenHeight() / zoom;
    return {camera.CentreX(), camera.CentreY(),
            0.5f * std::sqrt(viewHeight * viewHeight + viewWidth * viewWidth) + 50};
}

void ForEachObjectInView(World& world, const ViewCircle& view,
                         const std::function<void(Object&, ObjectKind)>& visit) {
    for (int kind = 0; kind < objectKindCount; ++kind) {
        const auto objectKind = static_cast<ObjectKind>(kind);
        const float reach = view.radius + world.QueryReach(objectKind);
        for (int side = 0; side < sideCount; ++side) {
            if (kind == KindLandmine && side != world.sides.playerSide)
                continue;
            for (Object* object :
                 world.Objects(side, objectKind).QueryRange(view.centreX, view.centreY, reach))
                if (WithinOf(*object, view.centreX, view.centreY,
                             view.radius + (object->size > 0 ? object->size : 0)) &&
                    world.fog.IsVisible(object->x, object->y, object->size))
                    visit(*object, objectKind);
        }
    }
}

void ForEachBulletInView(World& world, const ViewCircle& view, const std::function<void(Bullet&)>& visit) {
    for (Bullet* bullet : world.Bullets().QueryRange(view.centreX, view.centreY, view.radius))
        if (WithinOf(*bullet, view.centreX, view.centreY, view.radius))
            visit(*bullet);
}

void DrawWorld(World& world, const WorldCamera& camera) {
    camera.ApplyCamera();
    const ViewCircle view = VisibleCircle(world, camera);
    // Particles fly beyond their effect's position, so effects are looked for a cell further out.
    const float effectRadius = view.radius + 512;

    glEnable(GL_TEXTURE_2D);
    DrawEffects(world, world.LowerEffects(), view.centreX, view.centreY, effectRadius);
    glDisable(GL_TEXTURE_2D);
    DrawObjects(world, view);
    glEnable(GL_TEXTURE_2D);
    DrawEffects(world, world.UpperEffects(), view.centreX, view.centreY, effectRadius);
    glDisable(GL_TEXTURE_2D);
    {
        DrawingBatch batch;
        ForEachBulletInView(world, view,
                            [](Bullet& bullet) { DrawTranslated(bullet, [&] { DrawBullet(bullet); }); });
    }
    DrawFog(world.fog, view.centreX, view.centreY, view.radius);
}

} // namespace Vorn
