// The outcome drawn over the map once the level has finished: won or lost in large letters, the game
// time, a line per side that took part, and the keys that play again or quit.
#pragma once

namespace Vorn {

struct Outcome;

// Draws in screen pixels (y up) centred on a screen of the given size, with the game's fonts. Needs a
// GL context and the fonts. A replay's end may come before the level's (the player quit): it then says the
// replay ended, and its keys watch it again.
void DrawOutcome(const Outcome& outcome, int playerSide, int screenWidth, int screenHeight,
                 bool replay = false);

} // namespace Vorn
