// "sounds.xml": every sound by name, as a recipe or a file, and the cues that map the game's moments to
// them. The game reads it silently and the data checker prints what the reader met; both read it here.
//
//   <sound name="CannonShot" priority="4" variants="3" jitter="4">
//     <layer wave="noise" attack="0" hold="8" decay="260" lowpass="2600" lowpass_end="260"/>
//     <layer wave="sine" pitch="95" pitch_end="42" glide="160" decay="240" gain="-3"/>
//   </sound>
//   <cue name="Shot.Cannon1" sound="CannonShot"/>
#pragma once

#include "sound/SoundRecipe.h"

#include <string>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn {

struct SoundCueMapping {
    std::string cue;
    std::string sound;
    // The shortest time between two plays, in milliseconds; -1 takes the cue's default.
    int intervalMs = -1;
};

struct SoundCatalogue {
    // In file order; names are unique (a repeated name replaces the earlier sound in its place).
    std::vector<SoundRecipe> sounds;
    // Known cue names only, each once, each naming a sound of the list.
    std::vector<SoundCueMapping> cues;

    const SoundRecipe* FindSound(const std::string& name) const;
};

// What the reader met: the element ("sound CannonShot/layer 2", "cue Shot") and why, in one line.
struct SoundProblem {
    std::string element;
    std::string message;
};

// Never fails: an unknown element or attribute is skipped, a value that is not a number keeps its
// default, one out of its range is brought to the nearest limit, a file outside "sounds/" is not
// played, and each of these is added to problems when given.
SoundCatalogue ReadSoundCatalogue(const Brisk::Node& document, std::vector<SoundProblem>* problems = nullptr);

inline constexpr const char* soundsFileName = "sounds.xml";
// Where sound files live, relative to the data folder.
inline constexpr const char* soundsFolder = "sounds/";

} // namespace Vorn
