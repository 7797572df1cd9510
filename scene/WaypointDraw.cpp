// Drawing a selected tank's route over the map.
#include "scene/WaypointDraw.h"

#include "ai/TankBrain.h"
#include "datafiles/ColourTable.h"
#include "world/Tank.h"

#include <GL/gl.h>

#include <cmath>
#include <deque>

namespace Vorn {

namespace {
constexpr float routeLineWidth = 1.6f;
constexpr float waypointRadius = 3;
constexpr int waypointSegments = 32;

void DrawDisc(float x, float y) {
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(x, y);
    for (int segment = 0; segment <= waypointSegments; ++segment) {
        const double angle = 2 * 3.14159265358979323846 * segment / waypointSegments;
        glVertex2f(x + waypointRadius * static_cast<float>(std::cos(angle)),
                   y + waypointRadius * static_cast<float>(std::sin(angle)));
    }
    glEnd();
}
} // namespace

void DrawWaypoints(const Tank& tank) {
    if (!tank.brain)
        return;
    const std::deque<TankBrain::Waypoint>& waypoints = tank.brain->Waypoints();
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LINE_BIT | GL_HINT_BIT);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(routeLineWidth);
    glColor4ubv(colourTable.ColourOf("waypoint_line"));
    glBegin(GL_LINE_STRIP);
    glVertex2f(tank.x, tank.y);
    for (const TankBrain::Waypoint& point : waypoints)
        glVertex2f(point.x, point.y);
    glEnd();
    glColor4ubv(colourTable.ColourOf("waypoint"));
    for (const TankBrain::Waypoint& point : waypoints)
        DrawDisc(point.x, point.y);
    glPopAttrib();
}

} // namespace Vorn
