// Drawing the world's layers: lower effects, objects, upper effects, bullets and the fog on top.
#include "world/World.h"

#include "graphics/DrawingBatch.h"
#include "graphics/ParticleBatch.h"
#include "graphics/SpriteBatch.h"
#include "world/Bullet.h"
#include "world/Effect.h"
#include "world/WorldCamera.h"

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

template <typename T> void DrawTranslated(T& item) {
    glPushMatrix();
    glTranslatef(item.x, item.y, 0);
    item.Draw();
    glPopMatrix();
}
} // namespace

void World::Draw(const WorldCamera& camera) {
    camera.ApplyCamera();
    const float zoom = camera.Zoom();
    const float viewWidth = screenWidth / zoom;
    const float viewHeight = screenHeight / zoom;
    const float visibleRadius = 0.5f * std::sqrt(viewHeight * viewHeight + viewWidth * viewWidth) + 50;
    // Particles fly beyond their effect's position, so effects are looked for a cell further out.
    const float effectRadius = visibleRadius + 512;
    const float centreX = camera.CentreX();
    const float centreY = camera.CentreY();

    glEnable(GL_TEXTURE_2D);
    DrawEffects(lowerEffects, centreX, centreY, effectRadius);
    glDisable(GL_TEXTURE_2D);
    DrawObjects(centreX, centreY, visibleRadius);
    glEnable(GL_TEXTURE_2D);
    DrawEffects(upperEffects, centreX, centreY, effectRadius);
    glDisable(GL_TEXTURE_2D);
    DrawBullets(centreX, centreY, visibleRadius);
    fog.Draw(centreX, centreY, visibleRadius);
}

// Effects in view and out of the fog, then every always-drawn effect wherever it is, all into one batch
// under the camera's matrix.
void World::DrawEffects(EffectMap& layer, float centreX, float centreY, float radius) {
    // Kept from frame to frame (drawing happens on the main thread only): a zoomed-out battle fills it
    // with thousands of quads, whose arrays would otherwise be grown anew every frame.
    static ParticleBatch batch;
    batch.LeaveOutWhatCoversNoPixel();
    for (Effect* effect : layer.QueryRange(centreX, centreY, radius))
        if (!effect->alwaysDrawn && WithinOf(*effect, centreX, centreY, radius) &&
            fog.IsVisible(effect->x, effect->y, effect->size))
            effect->DrawInto(batch);
    for (const auto& [key, cell] : layer.Cells())
        for (Effect* effect : cell)
            if (effect->alwaysDrawn)
                effect->DrawInto(batch);
    batch.Flush();
}

// Kind by kind in draw order, side by side within a kind; other sides' landmines stay hidden. An object
// is drawn while any of its body reaches into view: a large stone whose centre is off the screen still
// shows its edge.
void World::DrawObjects(float centreX, float centreY, float radius) {
    DrawingBatch batch;
    for (int kind = 0; kind < objectKindCount; ++kind) {
        // Tanks far away are the crowd of a battle: drawn as quads of their pictures.
        std::optional<SpriteBatch> sprites;
        if (kind == KindTank)
            sprites.emplace();
        const float reach = radius + QueryReach(static_cast<ObjectKind>(kind));
        for (int side = 0; side < sideCount; ++side) {
            if (kind == KindLandmine && side != sides.playerSide)
                continue;
            for (Object* object :
                 Objects(side, static_cast<ObjectKind>(kind)).QueryRange(centreX, centreY, reach))
                if (WithinOf(*object, centreX, centreY, radius + (object->size > 0 ? object->size : 0)) &&
                    fog.IsVisible(object->x, object->y, object->size))
                    DrawTranslated(*object);
        }
    }
}

// The fog never hides bullets.
void World::DrawBullets(float centreX, float centreY, float radius) {
    DrawingBatch batch;
    for (Bullet* bullet : bullets.QueryRange(centreX, centreY, radius))
        if (WithinOf(*bullet, centreX, centreY, radius))
            DrawTranslated(*bullet);
}

} // namespace Vorn
