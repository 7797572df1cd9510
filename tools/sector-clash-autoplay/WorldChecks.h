// The driver's checks of what a play-through has achieved in the world: how many units and buildings a
// side has, its money, and whether a unit at a place was hurt.
//
//   FRAME check count SIDE KIND OP N          KIND: tank, tower, building, landmine, or a building type
//                                             name (PowerPlant, TankFactory, ...); OP: < <= = >= >
//   FRAME check money SIDE OP N
//   FRAME check damaged SIDE KIND X Y R       the side's KIND nearest (X, Y) within R world units is below
//                                             its full hit points, or none stands there any more
#pragma once

#include <sstream>
#include <string>

namespace autoplay {

bool IsWorldCheck(const std::string& action);
// Reads the rest of a world check into its canonical text; answers the reason it is wrong, or empty.
std::string ParseWorldCheck(const std::string& action, std::istringstream& words, std::string& arguments);
// Why the check does not hold in the running game, or empty when it does.
std::string WorldCheckFailure(const std::string& action, const std::string& arguments);

} // namespace autoplay
