// The outcome drawn over the map once the level has finished: won or lost in large letters, the game
// time, a line per side that took part, and the keys that play again or quit.
#pragma once

namespace Vorn {

struct Outcome;

// Draws in screen pixels (y up) centred on a screen of the given size, with the game's fonts. Needs a
// GL context and the fonts.
void DrawOutcome(const Outcome& outcome, int playerSide, int screenWidth, int screenHeight);

} // namespace Vorn
