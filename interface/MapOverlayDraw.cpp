// What the map overlay draws over the map: the drag rectangle, status bars and frames, routes, rally
// flags, experience badges and the placement shadow with the reason a place is refused.
#include "interface/MapOverlay.h"

#include "ai/TankBrain.h"
#include "ai/TurretBrain.h"
#include "datafiles/ColourTable.h"
#include "datafiles/TextTable.h"
#include "graphics/DrawingDisplay.h"
#include "graphics/FontStore.h"
#include "graphics/TextFont.h"
#include "interface/OverlayNames.h"
#include "scene/Camera.h"
#include "scene/StatusBar.h"
#include "scene/WaypointDraw.h"
#include "visuals/Drawing.h"
#include "world/IInfo.h"
#include "world/Tank.h"
#include "world/TankFactory.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <GL/gl.h>

#include <cmath>
#include <string>

namespace Vorn {

namespace {

void UseColour(std::string_view name) {
    glColor4ubv(colourTable.ColourOf(std::string(name)));
}

void DrawScaled(const Drawing* drawing, float scale) {
    if (drawing == nullptr) {
        return;
    }
    glScalef(scale, scale, 1.0f);
    DrawDrawing(*drawing, 0);
}

// The flag on a factory's rally point: a pole and a pennant, in world units.
void DrawFlag() {
    glBegin(GL_LINES);
    glVertex2f(0, 0);
    glVertex2f(0, 14);
    glEnd();
    glBegin(GL_TRIANGLES);
    glVertex2f(0, 14);
    glVertex2f(8, 11);
    glVertex2f(0, 8);
    glEnd();
}

// Pixels between the cursor and the refusal text beside the shadow.
constexpr float refusalOffset = 18;

} // namespace

void MapOverlay::Draw() const {
    if (camera == nullptr) {
        return;
    }
    DrawDragRectangle();
    DrawHoverBar();
    DrawSelected(controls->Held(OverlayNames::showTrackModifier), SpreadOfModifiers());
    DrawRallyPoints();
    DrawBadges();
    if (placing) {
        DrawShadow();
        DrawRefusal();
    }
}

void MapOverlay::StartOnMap() const {
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    camera->ApplyCamera();
}

// At the point, turned back against the camera so the drawing stands upright on the screen.
void MapOverlay::StartUpright(float x, float y) const {
    StartOnMap();
    glTranslatef(x, y, 0.0f);
    glRotatef(-camera->Rotation(), 0.0f, 0.0f, 1.0f);
}

// The corners are the drag's ends and the two points that complete the rectangle on the screen, so the
// rectangle stays screen-aligned on a turned map.
void MapOverlay::DrawDragRectangle() const {
    if (dragButton != 0 || (dragStartX == dragEndX && dragStartY == dragEndY)) {
        return;
    }
    const ScreenPoint start = camera->WorldToScreen(dragStartX, dragStartY);
    const ScreenPoint end = camera->WorldToScreen(dragEndX, dragEndY);
    const WorldPoint across = camera->ScreenToWorld(static_cast<float>(end.x), static_cast<float>(start.y));
    const WorldPoint down = camera->ScreenToWorld(static_cast<float>(start.x), static_cast<float>(end.y));
    const float corners[4][2] = {
        {dragStartX, dragStartY}, {across.x, across.y}, {dragEndX, dragEndY}, {down.x, down.y}};
    StartOnMap();
    glDisable(GL_TEXTURE_2D);
    UseColour(OverlayNames::selectionBackground);
    glBegin(GL_QUADS);
    for (const auto& corner : corners) {
        glVertex2f(corner[0], corner[1]);
    }
    glEnd();
    UseColour(OverlayNames::selectionFrame);
    glBegin(GL_LINE_LOOP);
    for (const auto& corner : corners) {
        glVertex2f(corner[0], corner[1]);
    }
    glEnd();
}

void MapOverlay::DrawHoverBar() const {
    if (lastPointer.overPanel) {
        return;
    }
    const Object* object = PickObject(cursorX, cursorY);
    const auto* info = dynamic_cast<const IInfo*>(object);
    if (info == nullptr || !IsVisible(*object)) {
        return;
    }
    StartOnMap();
    glTranslatef(object->x, object->y, 0.0f);
    DrawStatusBar(*object, *info);
}

void MapOverlay::DrawSelected(bool showTracks, float spread) const {
    float centreX = 0;
    float centreY = 0;
    SelectionCentre(centreX, centreY);
    for (const Object* object : selection.Objects()) {
        const auto* tank = dynamic_cast<const Tank*>(object);
        if (showTracks && tank != nullptr && tank->brain) {
            StartOnMap();
            DrawWaypoints(*tank);
            // Where a move to the cursor would send it, with the modifiers held now.
            StartUpright(cursorX + spread * (tank->x - centreX), cursorY + spread * (tank->y - centreY));
            UseColour(OverlayNames::waypointNewColour);
            DrawScaled(waypoint, 1.0f);
        }
        StartUpright(object->x, object->y);
        glPushMatrix();
        if (const auto* info = dynamic_cast<const IInfo*>(object)) {
            DrawStatusBar(*object, *info);
        }
        glPopMatrix();
        DrawScaled(infoFrame, 0.1f * object->size);
    }
}

void MapOverlay::DrawRallyPoints() const {
    for (const Object* object : selection.Objects()) {
        const auto* factory = dynamic_cast<const TankFactory*>(object);
        if (factory == nullptr || !factory->HasRallyPoint()) {
            continue;
        }
        StartUpright(factory->RallyX(), factory->RallyY());
        glDisable(GL_TEXTURE_2D);
        UseColour(OverlayNames::rallyColour);
        DrawFlag();
    }
}

void MapOverlay::DrawBadges() const {
    if (playerSide < 0 || playerSide >= sideCount) {
        return;
    }
    const float scale = camera->Scale();
    const float reach =
        std::sqrt(std::pow(screenWidth / scale, 2.0f) + std::pow(screenHeight / scale, 2.0f)) / 2 + 50;
    glColor4f(1, 1, 1, 1);
    for (ObjectKind kind : {KindTank, KindTower}) {
        world->Objects(playerSide, kind)
            .ForEachCellInRange(
                camera->CentreX(), camera->CentreY(), reach, [&](const World::ObjectMap::Cell& cell) {
                    for (const Object* object : cell) {
                        const auto* armed = dynamic_cast<const ArmedObject*>(object);
                        if (armed == nullptr || !armed->turret ||
                            DistanceSquared(*object, camera->CentreX(), camera->CentreY()) > reach * reach) {
                            continue;
                        }
                        const int level = armed->turret->brain.ExperienceLevel();
                        if (level > 0 && level <= 3) {
                            StartUpright(object->x, object->y);
                            DrawScaled(experienceLevels[level - 1], 0.1f * object->size);
                        }
                    }
                });
    }
}

void MapOverlay::DrawShadow() const {
    StartUpright(cursorX, cursorY);
    UseColour(status == placementAllowed ? OverlayNames::shadowAllowed : OverlayNames::shadowRefused);
    DrawScaled(buildingShadow, placement.size);
}

// The player is told why the place is refused, beside the shadow.
void MapOverlay::DrawRefusal() const {
    if (status <= placementAllowed || status > placementNoDeposit || lastPointer.x < 0) {
        return;
    }
    const std::string text = textTable.TextOf(std::string(OverlayNames::refusalTexts[status - 1]));
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    fontStore.FindFont(std::string(OverlayNames::refusalFont))
        .DrawText(lastPointer.x + refusalOffset, screenHeight - 1 - lastPointer.y - refusalOffset,
                  text.c_str());
}

} // namespace Vorn
