// How each kind of object looks on the map.
#include "scene/ObjectDraw.h"

#include "ai/TurretBrain.h"
#include "graphics/DrawingDisplay.h"
#include "graphics/SpriteBatch.h"
#include "rules/BulletData.h"
#include "visuals/Drawing.h"
#include "world/Angles.h"
#include "world/ArmedObject.h"
#include "world/Bullet.h"
#include "world/Debris.h"
#include "world/Obstacle.h"
#include "world/Turret.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <utility>

namespace Vorn {

namespace {
void DrawPlain(const Object& object) {
    SetSideColour(object.side);
    DrawRotated(object.drawing, object.direction);
}

void DrawScaled(const Object& object, float scale) {
    glPushMatrix();
    glScalef(scale, scale, 1);
    DrawPlain(object);
    glPopMatrix();
}

// How far the recoil pushes the turret back along its heading, from its carrier's origin.
std::pair<float, float> RecoilOffset(const Turret& turret) {
    const double h = turret.direction * radiansPerDegree;
    return {static_cast<float>(-std::sin(h) * turret.brain.recoil),
            static_cast<float>(-std::cos(h) * turret.brain.recoil)};
}

void DrawTurret(const Turret& turret) {
    const auto [backX, backY] = RecoilOffset(turret);
    glPushMatrix();
    glTranslatef(backX, backY, 0);
    DrawPlain(turret);
    glPopMatrix();
}

// The side colour as SetSideColour makes it current.
std::array<float, 4> SideColourWithAlpha(int side) {
    const SideColour colour = SideColourOf(side);
    return {colour.red, colour.green, colour.blue, 1};
}
} // namespace

void DrawObject(const Object& object, ObjectKind kind) {
    switch (kind) {
    case KindStatic:
        if (const auto* obstacle = dynamic_cast<const Obstacle*>(&object))
            return DrawScaled(object, obstacle->sizeFactor);
        break;
    case KindDebris:
        if (dynamic_cast<const Debris*>(&object))
            return DrawScaled(object, object.size * 0.1f);
        break;
    case KindTank:
    case KindTower:
        if (const auto* armed = dynamic_cast<const ArmedObject*>(&object)) {
            DrawPlain(object);
            if (armed->turret)
                DrawTurret(*armed->turret);
            return;
        }
        break;
    default:
        break;
    }
    DrawPlain(object);
}

bool AddObjectSprites(SpriteBatch& sprites, const Object& object, ObjectKind kind) {
    if (kind != KindTank && kind != KindTower)
        return false;
    const auto* armed = dynamic_cast<const ArmedObject*>(&object);
    if (armed == nullptr || object.drawing == nullptr)
        return false;
    const SpriteBatch::EyePoint at = sprites.Translate(sprites.Origin(), object.x, object.y);
    if (!sprites.AddAt(*object.drawing, at, object.direction, SideColourWithAlpha(object.side)))
        return false;
    if (!armed->turret || armed->turret->drawing == nullptr)
        return true;
    const Turret& turret = *armed->turret;
    const auto [backX, backY] = RecoilOffset(turret);
    if (sprites.AddAt(*turret.drawing, sprites.Translate(at, backX, backY), turret.direction,
                      SideColourWithAlpha(turret.side)))
        return true;
    glPushMatrix();
    glTranslatef(object.x, object.y, 0);
    DrawTurret(turret);
    glPopMatrix();
    return true;
}

void DrawBullet(const Bullet& bullet) {
    const float alpha = bullet.record && !bullet.record->payload ? bullet.Strength() : 1.0f;
    glColor4f(1, 1, 1, alpha);
    DrawRotated(bullet.drawing, bullet.direction);
}

void SetSideColour(int side) {
    const SideColour colour = SideColourOf(side);
    glColor3f(colour.red, colour.green, colour.blue);
}

void DrawRotated(const Drawing* drawing, float direction) {
    if (drawing)
        DrawDrawing(*drawing, direction);
}

} // namespace Vorn
