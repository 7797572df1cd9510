// The scenery under the battle.
#include "game/BattleScenery.h"

#include "interface/Minimap.h"
#include "rules/ObjectTypes.h"
#include "scene/FogDraw.h"
#include "scene/WorldCamera.h"
#include "world/Object.h"
#include "world/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

constexpr float degreesPerRadian = 57.2957795f;

struct ScarOfExplosion {
    BattleScars::Kind kind;
    float size;
};

// By ExplosionType: shells scorch, heavy blasts dig a crater.
constexpr ScarOfExplosion explosionScars[explosionTypeCount] = {
    {BattleScars::Scorch, 14}, {BattleScars::Scorch, 20}, {BattleScars::Crater, 28},
    {BattleScars::Scorch, 18}, {BattleScars::Crater, 24}, {BattleScars::Crater, 32},
    {BattleScars::Crater, 38}, {BattleScars::Scorch, 80}};
constexpr float rubbleSize = 72;
// A tank lays a mark each time it has driven this many of its radii.
constexpr float trackSpacing = 1.6f;

// A turn for a scar from where it lies, so that marks differ without drawing on the battle's generator.
float SpinOf(float x, float y) {
    const float h = std::sin(x * 12.9898f + y * 78.233f) * 43758.5453f;
    return (h - std::floor(h)) * 360.0f;
}

} // namespace

void BattleScenery::Start(const LevelGround& chosen, const World& world, Minimap& minimap) {
    ground.Choose({chosen.texture, chosen.detail, chosen.red, chosen.green, chosen.blue}, world.Width() / 2,
                  world.Height() / 2);
    minimap.SetGround(ground.MinimapPicture(minimap.Picture().size));
    fog = &world.fog;
}

void BattleScenery::AfterStep(World& world, unsigned stepMs) {
    fog = &world.fog;
    scars.Age(stepMs);
    TakeEvents(world);
    LayTracks(world);
}

void BattleScenery::TakeEvents(const World& world) {
    for (const WorldEvent& event : world.StepEvents()) {
        if (event.kind == WorldEventKind::Explosion && event.detail >= 0 &&
            event.detail < explosionTypeCount) {
            const ScarOfExplosion scar = explosionScars[event.detail];
            scars.Add(scar.kind, event.x, event.y, scar.size, SpinOf(event.x, event.y));
        } else if (event.kind == WorldEventKind::BuildingDestroyed) {
            scars.Add(BattleScars::Rubble, event.x, event.y, rubbleSize, SpinOf(event.y, event.x));
        }
    }
}

// A tank seen for the first time only marks where it stands; a tank gone is forgotten.
void BattleScenery::LayTracks(World& world) {
    nextTrackEnds.clear();
    for (int side = 0; side < sideCount; ++side)
        for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
            for (const Object* tank : cell) {
                const auto found = trackEnds.find(tank->Serial());
                TrackEnd end{tank->x, tank->y};
                if (found != trackEnds.end()) {
                    const float dx = tank->x - found->second.x;
                    const float dy = tank->y - found->second.y;
                    const float length = std::hypot(dx, dy);
                    const float size = std::max(tank->size, 4.0f);
                    if (length < trackSpacing * size)
                        end = found->second;
                    else
                        LayTrack(found->second, end, size, length);
                }
                nextTrackEnds[tank->Serial()] = end;
            }
    trackEnds.swap(nextTrackEnds);
}

// Marks cover twice a tank's radius: a long step (a slow frame moves the battle by up to 100 ms) gets as
// many marks, evenly spaced, as keep the track unbroken.
void BattleScenery::LayTrack(const TrackEnd& from, const TrackEnd& to, float size, float length) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float angle = std::atan2(-dx, dy) * degreesPerRadian;
    // A jump across the map (no tank drives that far in a step) lays no more than this.
    constexpr int mostMarks = 64;
    const int marks = std::clamp(static_cast<int>(std::ceil(length / (trackSpacing * size))), 1, mostMarks);
    for (int mark = 0; mark < marks; ++mark) {
        const float along = (static_cast<float>(mark) + 0.5f) / static_cast<float>(marks);
        scars.Add(BattleScars::Track, from.x + dx * along, from.y + dy * along, size, angle);
    }
}

// The radius the world draws its objects within: the view's half diagonal and a margin.
float BattleScenery::ViewRadius(float zoom, float screenWidth, float screenHeight) {
    const float viewWidth = screenWidth / zoom;
    const float viewHeight = screenHeight / zoom;
    return 0.5f * std::sqrt(viewWidth * viewWidth + viewHeight * viewHeight) + 50;
}

void BattleScenery::DrawUnder(const WorldCamera& camera, float screenWidth, float screenHeight,
                              std::span<const GroundLayer::Box> covered) const {
    // DrawOver covers what lies beyond the map over the same box, so the world's fog need not paint it.
    SetFogBeyondMapCovered(ground.BeyondOpaque());
    if (layers == Layers::None)
        return;
    glPushMatrix();
    camera.ApplyCamera();
    const float radius = ViewRadius(camera.Zoom(), screenWidth, screenHeight);
    // Ground under opaque fog is never seen: not drawing it is most of what the ground costs before the
    // map is explored.
    GroundMesh::Hidden hidden;
    if (fog != nullptr)
        hidden = [this](const GroundMesh::Box& box) {
            return fog->Hides(box.left, box.bottom, box.right, box.top);
        };
    ground.DrawGround(camera.CentreX(), camera.CentreY(), radius, hidden, covered);
    if (layers == Layers::All)
        scars.Draw(camera.CentreX(), camera.CentreY(), radius);
    glPopMatrix();
}

void BattleScenery::DrawOver(const WorldCamera& camera, float screenWidth, float screenHeight) const {
    glPushMatrix();
    camera.ApplyCamera();
    ground.DrawBeyond(camera.CentreX(), camera.CentreY(),
                      ViewRadius(camera.Zoom(), screenWidth, screenHeight));
    glPopMatrix();
    SetFogBeyondMapCovered(false);
}

} // namespace Vorn
