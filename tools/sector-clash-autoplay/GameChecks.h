// The driver's look into the running game for scripts: what is selected, where it stands, whether the
// last attack's target still lives, which cursor the map shows, and where a side's tank is on the screen.
//
//   FRAME check mode NAME                the screen shown: start, game, pause, outcome, replay or loading
//   FRAME check level FILE               the level played, as the game names it (levels/level1.xml)
//   FRAME check selected N               exactly N objects are selected
//   FRAME check selected_at_least N
//   FRAME check selected_within X Y R    something is selected and every selected object stands within R
//                                        world units of (X, Y)
//   FRAME check attack_target alive|dead the target of the last attack order
//   FRAME check cursor_shape NAME        the cursor the map overlay chose: default, select, move, attack
//   FRAME aim SIDE                       the cursor onto the tank of the side (0-6) nearest the screen's
//                                        centre, off the panels; nowhere when there is none
#pragma once

#include <sstream>
#include <string>

namespace autoplay {

struct ScriptLine;

bool IsGameCheck(const std::string& action);
// Reads the rest of a game check; answers the reason it is wrong, or empty.
std::string ParseGameCheck(std::istringstream& words, ScriptLine& line);
// Why the check does not hold, or empty when it does.
std::string GameCheckFailure(const ScriptLine& line);
// The screen position of the side's tank nearest the screen's centre; false when none is on the screen.
bool AimAt(int side, int& x, int& y);

} // namespace autoplay
