// The part of the interface that deals with the map itself: the player's selection, the presses on the
// map turned into selections and orders (moves that keep the group's shape, attacks, placing a building),
// the cursor, the check of a place for a new building, and what is drawn over the map for all of that.
#pragma once

#include "interface/ControlGroups.h"
#include "interface/OverlayControls.h"
#include "interface/SelectionList.h"
#include "world/ObjectRef.h"
#include "world/PlacementCheck.h"

#include <memory>
#include <string>
#include <vector>

namespace Vorn {

class Building;
class Camera;
class Drawing;
class Interface;
class Object;
class OrderIssuer;
class Tank;
class World;

class MapOverlay {
public:
    // Two presses of the same own unit, or two recalls of the same group, within this are a double press.
    static constexpr unsigned doublePressMs = 300;
    // A drag selects only once it reaches this far from its start, half its length.
    static constexpr float dragThreshold = 4;

    // Reads the real devices; the drawings are looked up now, so the drawing store should be loaded.
    // The player's orders go out through `orders` as commands for the battle's next step.
    MapOverlay(Interface* interface, World* world, Camera* camera, OrderIssuer& orders);
    MapOverlay(Interface* interface, World* world, Camera* camera, OrderIssuer& orders,
               std::unique_ptr<OverlayControls> controls);
    ~MapOverlay();
    MapOverlay(const MapOverlay&) = delete;
    MapOverlay& operator=(const MapOverlay&) = delete;

    void SetPlayerSide(int side) { playerSide = side; }
    int PlayerSide() const { return playerSide; }

    // --- Placing, for the main panel. The deposit requirement is 0 for a mine and -1 for the rest.
    void StartPlacement(float maxBaseDistance, float minEnemyDistance, float size, bool areaMustBeSecured,
                        int depositRequirement);
    bool Placing() const { return placing; }
    bool PlacementConfirmed() const { return confirmed; }
    bool PlacementCancelled() const { return cancelled; }
    float PlacementX() const { return placementX; }
    float PlacementY() const { return placementY; }
    PlacementStatus Status() const { return status; }
    // The panel ends placing when its order is cancelled, and takes a confirmed placement once.
    void StopPlacing() { placing = false; }
    void ClearConfirmation() { confirmed = false; }

    // --- A press on the map at a world point, from the game mode or the minimap.
    void PressAt(float worldX, float worldY, int button);
    // Once per frame: placement status, dead objects out of the selection, key commands, cursor, drag.
    void Update(unsigned elapsedMs);
    // Needs a GL context.
    void Draw() const;

    // --- The selection.
    // The selected objects, all alive since the last update.
    const std::vector<Object*>& Selection() const { return selection.Objects(); }
    std::size_t SelectionCount() const { return selection.Size(); }
    void Select(const std::vector<Object*>& objects) { selection.Assign(objects); }
    // The stored groups on the digit keys.
    ControlGroups& Groups() { return groups; }
    Building* FirstSelectedBuilding() const;
    bool SelectionHasTank() const;
    // The centre of the box around the selected positions; x and y stay as they were for no selection.
    void SelectionCentre(float& x, float& y) const;
    // The tank, else the tower, else the building whose circle widened by 1 holds the point.
    Object* PickObject(float x, float y) const;

    // --- Orders to the selection, issued as commands.
    void MoveOrder(float x, float y, bool queue, float spread);
    void AttackOrder(Object& target);

    // The cursor chosen at the last update.
    const std::string& CursorName() const { return cursorName; }
    // Presses that reached the map, for whoever wants to know the map was clicked.
    unsigned Presses() const { return presses; }
    bool Dragging() const { return dragButton == 0; }
    // The object the last attack order went to, remembered for whoever checks on it.
    const ObjectRef& LastTarget() const { return lastTarget; }

private:
    void LoadDrawings();
    void PressLeft(float worldX, float worldY, const PointerState& pointer);
    void ConfirmPlacement(const PointerState& pointer);
    void PressOwnObject(Object& object);
    void PressGround(float worldX, float worldY);
    float SpreadOfModifiers() const;
    void SelectSameTypeOnScreen(const Object& like);
    void SetRallyPoints(float x, float y);
    void UpdatePlacement(float worldX, float worldY);
    void TakeKeyCommands();
    void ChooseCursor(float worldX, float worldY, const PointerState& pointer);
    void SetCursor(std::string_view name);
    void UpdateDrag(float worldX, float worldY, const PointerState& pointer);
    void SelectInDrag();
    bool OnScreen(const Object& object) const;
    bool IsVisible(const Object& object) const;

    // Drawing, in MapOverlayDraw.cpp.
    void DrawDragRectangle() const;
    void DrawHoverBar() const;
    void DrawSelected(bool showTracks, float spread) const;
    void DrawRefusal() const;
    void DrawRallyPoints() const;
    void DrawBadges() const;
    void DrawShadow() const;
    void StartOnMap() const;
    void StartUpright(float x, float y) const;

    Interface* interface;
    World* world;
    Camera* camera;
    OrderIssuer& orders;
    int playerSide = 3;
    const Drawing* infoFrame = nullptr;
    const Drawing* buildingShadow = nullptr;
    const Drawing* waypoint = nullptr;
    const Drawing* experienceLevels[3] = {nullptr, nullptr, nullptr};
    SelectionList selection;
    bool placing = false;
    PlacementRules placement;
    bool cancelled = false;
    bool confirmed = false;
    float placementX = 0;
    float placementY = 0;
    PlacementStatus status = placementUnexplored;
    int dragButton = -1;
    float dragStartX = 0;
    float dragStartY = 0;
    float dragEndX = 0;
    float dragEndY = 0;

    std::unique_ptr<OverlayControls> controls;
    int screenWidth;
    int screenHeight;
    std::string cursorName = "default";
    unsigned presses = 0;
    unsigned clockMs = 0;
    // The cursor as the last update saw it, which the drawing of the same frame uses.
    PointerState lastPointer;
    float cursorX = 0;
    float cursorY = 0;
    ControlGroups groups;
    // The last own object a left press selected, and when, for double presses.
    ObjectRef lastPicked;
    unsigned lastPickedAt = 0;
    ObjectRef lastTarget;
};

} // namespace Vorn
