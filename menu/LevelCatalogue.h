// The levels a new game can be played on: every level file under the data folder's "levels", with what
// the start screen says about it (title, description, map size, time limit, sides).
#pragma once

#include "datafiles/Node.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vorn {

struct LevelEntry {
    // The name the game mode plays ("levels/level1.xml").
    std::string file;
    // As the level writes them: texts.xml keys or literal texts; the title falls back to the file name.
    std::string title;
    std::string description;
    int width = 0;
    int height = 0;
    // The level's own skirmish count.
    int skirmish = 0;
    // The moment the level is lost by the clock, when a timed request leads to a lost quit.
    std::optional<std::uint32_t> timeLimitMs;
    // What the level's "start" places, for the preview: where and whose (0 for the map's own things).
    struct PlacedObject {
        float x = 0;
        float y = 0;
        int side = 0;
    };
    std::vector<PlacedObject> startObjects;
    // The fighting sides with objects at the start, by number (1 Red to 6), each once, in order.
    std::vector<int> sides;
    // The computer opponents the level's "start" calls: a side and a difficulty each.
    struct Commander {
        int side = 0;
        std::string difficulty;
    };
    std::vector<Commander> commanders;
};

// What the start screen shows of one level document.
LevelEntry DescribeLevel(const Brisk::Node& levelDocument, const std::string& file);

// Every "*.xml" of the data folder's "levels" that reads as a level, sorted by file name. Files that do
// not read as levels are left out.
std::vector<LevelEntry> ListLevels();

} // namespace Vorn
