// How each kind of object looks on the map: the world's objects keep their state, the scene draws them.
#pragma once

#include "world/ObjectKind.h"

namespace Vorn {

class Bullet;
class Drawing;
class Object;
class SpriteBatch;

// Draws the object at the origin as its container's kind shows it; the caller has translated to (x, y).
// Obstacles are scaled by their size factor, debris by a tenth of its size, tanks and towers carry their
// turret on top, pushed back along its heading by the recoil; everything else is its drawing in the side
// colour, rotated by its heading.
void DrawObject(const Object& object, ObjectKind kind);
// Adds a tank or tower to the open sprite batch at its place, its body and then its turret pushed back by
// the recoil, as DrawObject translated to it would add them, but without the matrix stack or the current
// colour: a battle's crowd reaches the batch without a GL call. False, having added nothing, for other
// kinds and when the body must draw itself; the caller then draws the object as before. A turret that
// must draw itself is drawn here.
bool AddObjectSprites(SpriteBatch& sprites, const Object& object, ObjectKind kind);
// Shells fade over their flight; payloads stay opaque. The caller has translated to the bullet.
void DrawBullet(const Bullet& bullet);

// Makes the side colour the current drawing colour.
void SetSideColour(int side);
// Draws the drawing rotated by the heading in degrees; nothing without a drawing.
void DrawRotated(const Drawing* drawing, float direction);

} // namespace Vorn
