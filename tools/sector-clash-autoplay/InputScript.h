// Scripted play for the headless driver: timed mouse and key events, injected as the window's own
// input messages, and checks of the keyboard's actions at chosen frames.
//
// One event per line, "#" starts a comment:
//   FRAME move X Y          the cursor to screen position (X, Y)
//   FRAME press BUTTON      BUTTON: left, right, middle, x1 or x2
//   FRAME release BUTTON
//   FRAME wheel NOTCHES     signed, fractions allowed; positive turns away from the player
//   FRAME keydown KEY       KEY as "keydef.xml" names it: P, 7, VK_UP, VK_LSHIFT, ...
//   FRAME keyup KEY
//   FRAME check ACTION toggled|untoggled|down|up
// and the checks of the game and the aim event of GameChecks.h, and the checks of the world of
// WorldChecks.h.
// Events of frame F are handled before frame F runs (frame 1, the first, sees none: its events arrive
// before frame 2); checks of frame F look at the devices after frame F has run. The devices' clocks
// follow the driver's frame interval: a key is held for the interval of every frame that starts while
// it is down.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {
class Window;
struct Message;
} // namespace platform

namespace autoplay {

struct ScriptLine {
    enum class Kind { move, press, release, wheel, keyDown, keyUp, check, aim };
    std::uint32_t frame = 0;
    Kind kind = Kind::move;
    int x = 0;
    int y = 0;
    int button = 0;
    double notches = 0;
    std::uint8_t key = 0;
    std::string action;
    std::string expectation;
    std::uint32_t heldMs = 0;
    // For the checks of the game: a count, a world point and a distance; for aim, the side.
    int count = 0;
    float worldX = 0;
    float worldY = 0;
    float radius = 0;
    int side = 0;
    int lineNumber = 0;
};

class InputScript {
public:
    // Reads the script; every problem is reported on errors as "FILE:LINE: reason", and any problem
    // makes the answer false.
    bool Load(const std::string& path, std::FILE* errors);
    bool Parse(const std::string& text, const std::string& sourceName, std::FILE* errors);

    // After frame F has been drawn: runs the checks of frame F, then posts the events of frame F + 1
    // (and any earlier ones not yet posted) to the game's window. Answers false when a check failed;
    // the failure is reported on errors.
    bool AfterFrame(std::uint32_t frame, std::FILE* errors);
    // At the end of the run: a check of a frame that never ran is a failure too.
    bool Finish(std::uint32_t lastFrame, std::FILE* errors) const;

    // The messages of the events up to the frame not yet handed out, with their effect on the system's
    // cursor and key state applied (the part of AfterFrame that is not posting).
    std::vector<platform::Message> TakeMessagesUpTo(std::uint32_t frame, platform::Window* window);

    const std::vector<ScriptLine>& Lines() const { return lines; }

private:
    bool RunChecks(std::uint32_t frame, std::FILE* errors) const;

    std::string source;
    std::vector<ScriptLine> lines;
    std::size_t nextEvent = 0;
};

} // namespace autoplay
