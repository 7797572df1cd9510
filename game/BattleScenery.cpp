// The scenery under the battle.
#include "game/BattleScenery.h"

#include "interface/Minimap.h"
#include "world/World.h"
#include "world/WorldCamera.h"

#include <GL/gl.h>

#include <cmath>

namespace Vorn {

void BattleScenery::Start(const LevelGround& chosen, const World& world, Minimap& minimap) {
    ground.Choose({chosen.texture, chosen.detail, chosen.red, chosen.green, chosen.blue}, world.Width() / 2,
                  world.Height() / 2);
    minimap.SetGround(ground.MinimapPicture(minimap.Picture().size));
}

// The radius the world draws its objects within: the view's half diagonal and a margin.
float BattleScenery::ViewRadius(float zoom, float screenWidth, float screenHeight) {
    const float viewWidth = screenWidth / zoom;
    const float viewHeight = screenHeight / zoom;
    return 0.5f * std::sqrt(viewWidth * viewWidth + viewHeight * viewHeight) + 50;
}

void BattleScenery::DrawUnder(const WorldCamera& camera, float screenWidth, float screenHeight) const {
    glPushMatrix();
    camera.ApplyCamera();
    ground.DrawGround(camera.CentreX(), camera.CentreY(),
                      ViewRadius(camera.Zoom(), screenWidth, screenHeight));
    glPopMatrix();
}

void BattleScenery::DrawOver(const WorldCamera& camera, float screenWidth, float screenHeight) const {
    glPushMatrix();
    camera.ApplyCamera();
    ground.DrawBeyond(camera.CentreX(), camera.CentreY(),
                      ViewRadius(camera.Zoom(), screenWidth, screenHeight));
    glPopMatrix();
}

} // namespace Vorn
