// What a level says about itself for the player choosing it: its title, a paragraph describing it and the
// briefing shown before it starts. Read from the level's optional "info" element; each text is a key of
// texts.xml or the literal text, so a modder's level needs no texts of its own.
#pragma once

#include "datafiles/Node.h"

#include <string>

namespace Vorn {

struct LevelInfo {
    // As written in the file; empty when the level says nothing.
    std::string title;
    std::string description;
    std::string briefing;
};

// The level document's "info" element; the first one counts (the checker names any other). A level
// without one has empty texts.
LevelInfo ReadLevelInfo(const Brisk::Node& levelDocument);

// The title to show: the level's own, else the file's name without folder and extension
// ("levels/level1.xml" becomes "level1"), so every level has a name on the start screen.
std::string LevelTitleOrFileName(const LevelInfo& info, const std::string& levelFile);

} // namespace Vorn
