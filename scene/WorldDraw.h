// Drawing the world's layers through a camera: lower effects, objects, upper effects, bullets and the fog
// on top. The world keeps its objects' state; what of it shows, and how, is decided here.
#pragma once

#include "world/ObjectKind.h"

#include <functional>

namespace Vorn {

class Bullet;
class Object;
class World;
class WorldCamera;

// The circle of the map a view shows: objects and bullets whose centre lies within it are drawn.
struct ViewCircle {
    float centreX = 0;
    float centreY = 0;
    float radius = 0;
};

// What the camera shows of a window of the world's screen size, with a margin.
ViewCircle VisibleCircle(const World& world, const WorldCamera& camera);

// Every object the view shows, kind by kind in draw order, side by side within a kind; other sides'
// landmines stay hidden, as does whatever the fog covers. An object is shown while any of its body
// reaches into view: a large stone whose centre is off the screen still shows its edge.
void ForEachObjectInView(World& world, const ViewCircle& view,
                         const std::function<void(Object&, ObjectKind)>& visit);
// Every bullet in view; the fog never hides bullets.
void ForEachBulletInView(World& world, const ViewCircle& view, const std::function<void(Bullet&)>& visit);

// Draws the map's layers through the camera. Needs a GL context.
void DrawWorld(World& world, const WorldCamera& camera);

} // namespace Vorn
