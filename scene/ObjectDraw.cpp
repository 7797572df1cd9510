// How each kind of object looks on the map.
#include "scene/ObjectDraw.h"

#include "ai/TurretBrain.h"
#include "graphics/DrawingDisplay.h"
#include "rules/BulletData.h"
#include "visuals/Drawing.h"
#include "world/Angles.h"
#include "world/ArmedObject.h"
#include "world/Bullet.h"
#include "world/Debris.h"
#include "world/Obstacle.h"
#include "world/Turret.h"

#include <GL/gl.h>

#include <cmath>

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

void DrawTurret(const Turret& turret) {
    const double h = turret.direction * radiansPerDegree;
    glPushMatrix();
    glTranslatef(static_cast<float>(-std::sin(h) * turret.brain.recoil),
                 static_cast<float>(-std::cos(h) * turret.brain.recoil), 0);
    DrawPlain(turret);
    glPopMatrix();
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
