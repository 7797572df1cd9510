// The element and attribute names of level files, read by the level code and by the data checker alike.
#pragma once

#include <array>
#include <string_view>

namespace Vorn::LevelNames {

// Top-level elements.
inline constexpr std::string_view level = "level";
inline constexpr std::string_view event = "event";
inline constexpr std::string_view width = "width";
inline constexpr std::string_view height = "height";
// How many skirmish tanks the level fields.
inline constexpr std::string_view skirmish = "skirmish";
inline constexpr std::string_view name = "name";
inline constexpr std::string_view startEvent = "start";
// The ground the level is drawn on, and its attributes.
inline constexpr std::string_view ground = "ground";
inline constexpr std::string_view groundTexture = "texture";
inline constexpr std::string_view groundTint = "tint";
inline constexpr std::string_view groundDetail = "detail";

// The level's own description for the start screen and the campaign: "info" with its texts, each either a
// key of texts.xml or the literal text.
inline constexpr std::string_view info = "info";
inline constexpr std::string_view title = "title";
inline constexpr std::string_view description = "description";
inline constexpr std::string_view briefing = "briefing";

// Actions, the children of an event.
inline constexpr std::string_view beep = "beep";
inline constexpr std::string_view newObjects = "new";
inline constexpr std::string_view destroy = "destroy";
inline constexpr std::string_view request = "request";
inline constexpr std::string_view cancel = "cancel";
inline constexpr std::string_view quit = "quit";
inline constexpr std::string_view order = "order";
inline constexpr std::string_view commander = "commander";
// The commander's difficulty, a name of "commander.xml".
inline constexpr std::string_view difficulty = "difficulty";
// What the level tells the player: a line on the message line and in the log, an objective in the panel,
// a move of the view, and a circle of the player's fog cleared.
inline constexpr std::string_view message = "message";
inline constexpr std::string_view objective = "objective";
inline constexpr std::string_view camera = "camera";
inline constexpr std::string_view reveal = "reveal";
inline constexpr std::array<std::string_view, 12> actions = {
    beep, newObjects, destroy, request, cancel, quit, order, commander, message, objective, camera, reveal};

// Object elements, the children of "new".
inline constexpr std::string_view tank = "tank";
inline constexpr std::string_view tower = "tower";
inline constexpr std::string_view building = "building";
inline constexpr std::string_view obstacle = "obstacle";
inline constexpr std::string_view landmine = "landmine";
inline constexpr std::string_view landmark = "landmark";
inline constexpr std::array<std::string_view, 6> objects = {tank,     tower,    building,
                                                            obstacle, landmine, landmark};

// Attributes of object elements.
inline constexpr std::string_view x = "x";
inline constexpr std::string_view y = "y";
inline constexpr std::string_view direction = "direction";
inline constexpr std::string_view randomScatter = "random";
inline constexpr std::string_view color = "color";
inline constexpr std::string_view number = "number";
inline constexpr std::string_view group = "group";
inline constexpr std::string_view type = "type";
inline constexpr std::string_view turret = "turret";
inline constexpr std::string_view armor = "armor";
inline constexpr std::string_view size = "size";
inline constexpr std::string_view toX = "to_x";
inline constexpr std::string_view toY = "to_y";
// The "direction" value that draws a heading; exact, so "Random" reads as the number 0.
inline constexpr std::string_view randomDirection = "random";

// Attributes of "message" and "objective": the text (a key of texts.xml or the literal text), whether the
// message beeps, and the objective's name and state.
inline constexpr std::string_view text = "text";
inline constexpr std::string_view state = "state";
inline constexpr std::string_view stateOpen = "open";
inline constexpr std::string_view stateCompleted = "completed";
inline constexpr std::string_view stateFailed = "failed";
inline constexpr std::array<std::string_view, 3> objectiveStates = {stateOpen, stateCompleted, stateFailed};

// Children of "destroy".
inline constexpr std::string_view destroyObject = "object";
inline constexpr std::string_view destroyObstacles = "obstacles";
inline constexpr std::string_view radius = "radius";

// Attributes of "request", "cancel" and "quit".
inline constexpr std::string_view requestEvent = "event";
inline constexpr std::string_view when = "when";
inline constexpr std::string_view delay = "delay";
inline constexpr std::string_view persistent = "persistent";
inline constexpr std::string_view value = "value";
inline constexpr std::string_view status = "status";
inline constexpr std::string_view whenTime = "time";
inline constexpr std::string_view whenDestroyed = "destroyed";

} // namespace Vorn::LevelNames
