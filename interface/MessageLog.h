// Every message the level has said in this game, oldest first, shown over the map while its key is
// toggled, so a player who missed a line on the message line can read it again.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace Vorn {

class MessageLog {
public:
    // The log keeps this many; older ones leave it.
    static constexpr std::size_t capacity = 200;
    // The most lines shown at once: the latest.
    static constexpr std::size_t shownLines = 16;

    void Add(std::string line);
    const std::deque<std::string>& Lines() const { return lines; }
    // Needs a GL context: a dark box over the upper middle of the screen with the latest lines.
    void Draw(int screenWidth, int screenHeight) const;

private:
    std::deque<std::string> lines;
};

} // namespace Vorn
