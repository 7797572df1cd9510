// The player's view in and out of a saved game.
#include "game/PlayerViewState.h"

#include "interface/MapOverlay.h"
#include "scene/Camera.h"
#include "world/World.h"

namespace Vorn {

namespace {
std::vector<std::uint64_t> SerialsOfReferences(const std::vector<ObjectRef>& references) {
    std::vector<std::uint64_t> serials;
    serials.reserve(references.size());
    for (const ObjectRef& reference : references)
        serials.push_back(reference.Serial());
    return serials;
}

std::vector<Object*> LivingObjects(const std::vector<std::uint64_t>& serials, World& world) {
    std::vector<Object*> objects;
    for (std::uint64_t serial : serials)
        if (Object* object = world.FindBySerial(serial))
            objects.push_back(object);
    return objects;
}
} // namespace

PlayerView TakePlayerView(const Camera& camera, MapOverlay& overlay) {
    PlayerView view;
    view.cameraX = camera.CentreX();
    view.cameraY = camera.CentreY();
    view.cameraRotation = camera.Rotation();
    view.cameraZoom = camera.ZoomLevel();
    view.selection = SerialsOf(overlay.Selection());
    for (int group = 0; group < PlayerView::groupCount; ++group)
        view.groups[static_cast<std::size_t>(group)] = SerialsOfReferences(overlay.Groups().Stored(group));
    return view;
}

void ApplyPlayerView(const PlayerView& view, World& world, Camera& camera, MapOverlay& overlay) {
    camera.SetView(view.cameraX, view.cameraY, view.cameraRotation, view.cameraZoom);
    overlay.Select(LivingObjects(view.selection, world));
    for (int group = 0; group < PlayerView::groupCount; ++group) {
        std::vector<ObjectRef> members;
        for (Object* object : LivingObjects(view.groups[static_cast<std::size_t>(group)], world))
            members.emplace_back(object);
        overlay.Groups().Store(group, members);
    }
}

} // namespace Vorn
