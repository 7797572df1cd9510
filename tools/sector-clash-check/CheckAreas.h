// Every area the data checker looks at. To add an area: write Check<Area>.cpp in this folder defining
// `void Check<Area>(const CheckContext&, Problems&)`, declare it below, and add one line to areaChecks. An
// area may run several checks: give each its line under the area's name, next to each other.
#pragma once

#include "tools/sector-clash-check/CheckContext.h"
#include "tools/sector-clash-check/Problems.h"
#include "visuals/ParticleSystemFactory.h"

namespace check {

using AreaCheck = void (*)(const CheckContext&, Problems&);

struct Area {
    const char* name; // as given to --only
    AreaCheck run;
};

// "constants.xml": every entry present, every key known, values sane, every turret and armour carried.
void CheckConstants(const CheckContext& context, Problems& problems);

// "drawings.xml" and the drawing files: commands, colours, push and pop, particle names, sizes, mouths.
void CheckDrawings(const CheckContext& context, Problems& problems);

// "textures.xml" and the texture files: every entry loads, every name the game uses is declared.
void CheckTextures(const CheckContext& context, Problems& problems);

// The particle systems' file: its own check reads it, and so does the textures' for the sprites it names.
inline const std::string particlesFile = Vorn::particlesFileName;
// "particles.xml": parameters, behaviours and layers exist, emit times positive, the game's names present.
void CheckParticles(const CheckContext& context, Problems& problems);

// "fonts.xml" and the font files: fonts skipped, faces missing, names the game asks for undefined.
void CheckFonts(const CheckContext& context, Problems& problems);
// "levels/*.xml": elements, attributes, keywords, colours, callsigns, events nothing reaches, overlapping tanks.
void CheckLevels(const CheckContext& context, Problems& problems);
// "levels/*.xml": every tank's armour and turret within what its chassis carries.
void CheckTankLoads(const CheckContext& context, Problems& problems);
// "config.xml": the camera's zoom limits present, positive and in order.
void CheckConfiguration(const CheckContext& context, Problems& problems);

// "config.xml" against "texts.xml": the chosen language has texts of its own.
void CheckLanguage(const CheckContext& context, Problems& problems);
// "keydef.xml": every binding names an action the game asks for and a key that exists.
void CheckKeys(const CheckContext& context, Problems& problems);

// "interface.xml": every key present and known, sizes that agree with the panel drawings; the interface's
// formatted texts in "texts.xml" take the game's arguments.
void CheckInterface(const CheckContext& context, Problems& problems);

// "sounds.xml" and the sound files: every fault of the reader, missing files and their licences, sounds that
// are silent or clip, moments of the game with no sound, sounds no cue plays.
void CheckSounds(const CheckContext& context, Problems& problems);

// "commander.xml": the reader's faults, designs and towers that do not fit, build orders without a factory.
void CheckCommanderFile(const CheckContext& context, Problems& problems);

// Run in this order.
inline constexpr Area areaChecks[] = {
    {"constants", CheckConstants},
    {"drawings", CheckDrawings},
    {"textures", CheckTextures},
    {"particles", CheckParticles},
    {"fonts", CheckFonts},
    {"levels", CheckLevels},
    {"levels", CheckTankLoads},
    {"configuration", CheckConfiguration},
    {"configuration", CheckLanguage},
    {"keys", CheckKeys},
    {"interface", CheckInterface},
    {"sounds", CheckSounds},
    {"commander", CheckCommanderFile},
};

} // namespace check
