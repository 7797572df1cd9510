// The player's selection and orders on the map.
#include "interface/MapOverlay.h"

#include "graphics/CursorSet.h"
#include "visuals/DrawingStore.h"
#include "interface/OrderIssuer.h"
#include "interface/OverlayNames.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "world/BoxCentre.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/TankFactory.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <cmath>

namespace Vorn {

namespace {

bool IsSide(int side) {
    return side >= 0 && side < sideCount;
}

// Tanks, towers and their kinds are what a drag or a double press gathers.
bool SameUnitType(const Object& object, const Object& like) {
    if (const auto* tank = dynamic_cast<const Tank*>(&object)) {
        const auto* other = dynamic_cast<const Tank*>(&like);
        return other != nullptr && other->type == tank->type;
    }
    if (const auto* tower = dynamic_cast<const Tower*>(&object)) {
        const auto* other = dynamic_cast<const Tower*>(&like);
        return other != nullptr && other->type == tower->type;
    }
    return false;
}

} // namespace

MapOverlay::MapOverlay(Interface* interface, World* world, Camera* camera, OrderIssuer& orders)
    : MapOverlay(interface, world, camera, orders, std::make_unique<DeviceControls>(interface)) {}

MapOverlay::MapOverlay(Interface* interface, World* world, Camera* camera, OrderIssuer& orders,
                       std::unique_ptr<OverlayControls> controls)
    : interface(interface), world(world), camera(camera), orders(orders), controls(std::move(controls)),
      screenWidth(Zelt::configuration.screenWidth), screenHeight(Zelt::configuration.screenHeight) {
    LoadDrawings();
}

MapOverlay::~MapOverlay() = default;

void MapOverlay::LoadDrawings() {
    infoFrame = drawingStore.FindFirstDrawing(std::string(OverlayNames::infoFrame));
    buildingShadow = drawingStore.FindFirstDrawing(std::string(OverlayNames::buildingShadow));
    waypoint = drawingStore.FindFirstDrawing(std::string(OverlayNames::waypoint));
    for (int level = 0; level < 3; ++level) {
        experienceLevels[level] =
            drawingStore.FindFirstDrawing(std::string(OverlayNames::experienceLevels[level]));
    }
}

void MapOverlay::StartPlacement(float maxBaseDistance, float minEnemyDistance, float size,
                                bool areaMustBeSecured, int depositRequirement) {
    placing = true;
    status = placementUnexplored;
    cancelled = false;
    confirmed = false;
    placement =
        PlacementRules{maxBaseDistance, minEnemyDistance, size, areaMustBeSecured, depositRequirement};
}

// --- Presses.

void MapOverlay::PressAt(float worldX, float worldY, int button) {
    ++presses;
    lastPointer = controls->Pointer();
    const PointerState pointer = lastPointer;
    if (!pointer.overPanel) {
        dragButton = button;
    }
    dragStartX = dragEndX = worldX;
    dragStartY = dragEndY = worldY;
    if (button == 1) {
        if (placing) {
            placing = false;
            cancelled = true;
        } else {
            selection.Clear();
        }
    } else if (button == 0) {
        PressLeft(worldX, worldY, pointer);
    }
}

void MapOverlay::PressLeft(float worldX, float worldY, const PointerState& pointer) {
    if (placing) {
        ConfirmPlacement(pointer);
        return;
    }
    Object* object = PickObject(worldX, worldY);
    if (object != nullptr && object->side == playerSide) {
        PressOwnObject(*object);
    } else if (object != nullptr) {
        if (!selection.Empty()) {
            AttackOrder(*object);
        }
    } else {
        PressGround(worldX, worldY);
    }
}

// The point confirmed is the cursor's now, which may differ from where the last update judged it, so it
// is judged again; and a press over a panel (the minimap forwards its presses) never places.
void MapOverlay::ConfirmPlacement(const PointerState& pointer) {
    if (status != placementAllowed || pointer.overPanel || camera == nullptr) {
        return;
    }
    const WorldPoint point =
        camera->ScreenToWorld(static_cast<float>(pointer.x), static_cast<float>(pointer.y));
    if (IsSide(playerSide)) {
        status = CheckPlacement(*world, placement, playerSide, point.x, point.y);
    }
    if (status != placementAllowed) {
        return;
    }
    confirmed = true;
    placing = false;
    placementX = point.x;
    placementY = point.y;
}

void MapOverlay::PressOwnObject(Object& object) {
    if (controls->Held(OverlayNames::toggleModifier)) {
        if (selection.Contains(&object)) {
            selection.Remove(&object);
        } else {
            selection.Add(&object);
        }
        lastPicked.Reset();
        return;
    }
    if (lastPicked.Is(&object) && clockMs - lastPickedAt <= doublePressMs) {
        SelectSameTypeOnScreen(object);
        lastPicked.Reset();
        return;
    }
    selection.Assign({&object});
    lastPicked = ObjectRef(&object);
    lastPickedAt = clockMs;
}

void MapOverlay::PressGround(float worldX, float worldY) {
    if (selection.Empty()) {
        return;
    }
    SetRallyPoints(worldX, worldY);
    MoveOrder(worldX, worldY, controls->Held(OverlayNames::queueModifier), SpreadOfModifiers());
}

// Disperse doubles the group's offsets, gather halves them, both together keep them.
float MapOverlay::SpreadOfModifiers() const {
    float spread = controls->Held(OverlayNames::disperseModifier) ? 2.0f : 1.0f;
    if (controls->Held(OverlayNames::gatherModifier)) {
        spread *= 0.5f;
    }
    return spread;
}

void MapOverlay::SelectSameTypeOnScreen(const Object& like) {
    if (!IsSide(playerSide)) {
        return;
    }
    const ObjectKind kind = dynamic_cast<const Tank*>(&like) != nullptr ? KindTank : KindTower;
    std::vector<Object*> same;
    for (const auto& [key, cell] : world->Objects(playerSide, kind).Cells()) {
        for (Object* object : cell) {
            if (SameUnitType(*object, like) && OnScreen(*object)) {
                same.push_back(object);
            }
        }
    }
    if (same.empty()) {
        same.push_back(const_cast<Object*>(&like));
    }
    selection.Assign(same);
}

void MapOverlay::SetRallyPoints(float x, float y) {
    std::vector<Object*> factories;
    for (Object* object : selection.Objects())
        if (dynamic_cast<TankFactory*>(object) != nullptr && object->side == playerSide)
            factories.push_back(object);
    if (!factories.empty())
        orders.Issue(RallyPointCommand(SerialsOf(factories), x, y));
}

// --- Queries.

Building* MapOverlay::FirstSelectedBuilding() const {
    for (Object* object : selection.Objects()) {
        if (auto* building = dynamic_cast<Building*>(object)) {
            return building;
        }
    }
    return nullptr;
}

bool MapOverlay::SelectionHasTank() const {
    for (Object* object : selection.Objects()) {
        if (dynamic_cast<Tank*>(object) != nullptr) {
            return true;
        }
    }
    return false;
}

void MapOverlay::SelectionCentre(float& x, float& y) const {
    const std::vector<Object*>& objects = selection.Objects();
    if (objects.empty()) {
        return;
    }
    const BoxPoint centre = BoxCentre(objects);
    x = centre.x;
    y = centre.y;
}

Object* MapOverlay::PickObject(float x, float y) const {
    for (ObjectKind kind : {KindTank, KindTower, KindBuilding}) {
        if (Object* object = world->NearestOfKind(x, y, 1, kind, noSide)) {
            return object;
        }
    }
    return nullptr;
}

// --- Orders.

void MapOverlay::MoveOrder(float x, float y, bool queue, float spread) {
    if (selection.Empty()) {
        return;
    }
    orders.Issue(MoveCommand(SerialsOf(selection.Objects()), x, y, queue, spread));
}

// Who fires at once and who closes in is decided when the command is applied.
void MapOverlay::AttackOrder(Object& target) {
    if (selection.Empty()) {
        return;
    }
    lastTarget = ObjectRef(&target);
    orders.Issue(AttackCommand(SerialsOf(selection.Objects()), target.Serial()));
}

// --- Every frame.

void MapOverlay::Update(unsigned elapsedMs) {
    clockMs += elapsedMs;
    lastPointer = controls->Pointer();
    const PointerState pointer = lastPointer;
    WorldPoint cursor;
    if (camera != nullptr) {
        cursor = camera->ScreenToWorld(static_cast<float>(pointer.x), static_cast<float>(pointer.y));
    }
    cursorX = cursor.x;
    cursorY = cursor.y;
    // The panels read and draw the selection while placing too, so the dead leave it in every frame.
    selection.DropMissing(*world);
    TakeKeyCommands();
    if (placing) {
        UpdatePlacement(cursor.x, cursor.y);
        return;
    }
    ChooseCursor(cursor.x, cursor.y, pointer);
    UpdateDrag(cursor.x, cursor.y, pointer);
}

void MapOverlay::UpdatePlacement(float worldX, float worldY) {
    status = IsSide(playerSide) ? CheckPlacement(*world, placement, playerSide, worldX, worldY)
                                : placementUnexplored;
}

// Key presses are taken every frame, so none waits through a placement to act after it.
void MapOverlay::TakeKeyCommands() {
    const bool stop = controls->TakePresses(OverlayNames::stop) > 0;
    int recalled = -1;
    int stored = -1;
    const bool storing = controls->Held(OverlayNames::storeGroupModifier);
    for (int group = 0; group < ControlGroups::count; ++group) {
        if (controls->TakePresses(OverlayNames::groups[group]) > 0) {
            (storing ? stored : recalled) = group;
        }
    }
    if (placing) {
        return;
    }
    if (stop && SelectionHasTank()) {
        orders.Issue(StopCommand(SerialsOf(selection.Objects())));
    }
    if (stored >= 0) {
        groups.Store(stored, selection.References());
    }
    if (recalled >= 0) {
        const std::vector<Object*> members = groups.Members(recalled, *world);
        if (members.empty()) {
            return;
        }
        selection.Assign(members);
        if (groups.NoteRecall(recalled, clockMs, doublePressMs) && camera != nullptr) {
            float x = camera->CentreX();
            float y = camera->CentreY();
            SelectionCentre(x, y);
            camera->SetCentre(x, y);
        }
    }
}

void MapOverlay::ChooseCursor(float worldX, float worldY, const PointerState& pointer) {
    if (pointer.overPanel) {
        SetCursor(OverlayNames::cursorDefault);
        return;
    }
    const Object* object = PickObject(worldX, worldY);
    const bool own = object != nullptr && object->side == playerSide;
    if (selection.Size() == 1 && dynamic_cast<const Building*>(selection.Objects().front()) != nullptr) {
        SetCursor(own ? OverlayNames::cursorSelect : OverlayNames::cursorDefault);
    } else if (own) {
        SetCursor(OverlayNames::cursorSelect);
    } else if (object != nullptr) {
        SetCursor(!selection.Empty() && IsVisible(*object) ? OverlayNames::cursorAttack
                                                           : OverlayNames::cursorDefault);
    } else {
        SetCursor(SelectionHasTank() ? OverlayNames::cursorMove : OverlayNames::cursorDefault);
    }
}

void MapOverlay::SetCursor(std::string_view name) {
    cursorName = name;
    if (cursorSet != nullptr) {
        cursorSet->SetCursor(cursorName);
    }
}

void MapOverlay::UpdateDrag(float worldX, float worldY, const PointerState& pointer) {
    if (dragButton != 0) {
        return;
    }
    if (!pointer.leftDown) {
        dragButton = -1;
        return;
    }
    dragEndX = worldX;
    dragEndY = worldY;
    if (std::hypot(dragEndX - dragStartX, dragEndY - dragStartY) / 2 > dragThreshold) {
        SelectInDrag();
    }
}

// Every tank, then every tower, of the player inside the rectangle on the screen; never buildings.
void MapOverlay::SelectInDrag() {
    if (camera == nullptr || !IsSide(playerSide)) {
        return;
    }
    const float middleX = (dragStartX + dragEndX) / 2;
    const float middleY = (dragStartY + dragEndY) / 2;
    const float half = std::hypot(dragEndX - dragStartX, dragEndY - dragStartY) / 2;
    const ScreenPoint start = camera->WorldToScreen(dragStartX, dragStartY);
    const ScreenPoint end = camera->WorldToScreen(dragEndX, dragEndY);
    const int left = std::min(start.x, end.x);
    const int right = std::max(start.x, end.x);
    const int top = std::min(start.y, end.y);
    const int bottom = std::max(start.y, end.y);
    std::vector<Object*> inside;
    for (ObjectKind kind : {KindTank, KindTower}) {
        world->Objects(playerSide, kind)
            .ForEachCellInRange(middleX, middleY, half, [&](const World::ObjectMap::Cell& cell) {
                for (Object* object : cell) {
                    if (DistanceSquared(*object, middleX, middleY) >= half * half) {
                        continue;
                    }
                    const ScreenPoint at = camera->WorldToScreen(object->x, object->y);
                    if (at.x >= left && at.x <= right && at.y >= top && at.y <= bottom) {
                        inside.push_back(object);
                    }
                }
            });
    }
    selection.Assign(inside);
}

bool MapOverlay::OnScreen(const Object& object) const {
    if (camera == nullptr) {
        return false;
    }
    const ScreenPoint at = camera->WorldToScreen(object.x, object.y);
    return at.x >= 0 && at.x < screenWidth && at.y >= 0 && at.y < screenHeight;
}

bool MapOverlay::IsVisible(const Object& object) const {
    return world->fog.IsVisible(object.x, object.y, object.size);
}

} // namespace Vorn
