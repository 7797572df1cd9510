// What a replay is bound to besides its commands: the bytes of its level and of the data files the
// simulation reads. A replay played on other files would give another game, so it says which it needs.
#pragma once

#include "rules/ConstantsLoader.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Vorn {

// The data files the simulation reads besides the level, relative to the data folder.
inline constexpr std::string_view simulationDataFiles[] = {Constants::constantsFileName, particlesFileName,
                                                         drawingsFileName};

// FNV-1a over the bytes.
std::uint64_t HashOfBytes(std::string_view bytes, std::uint64_t hash = 0xcbf29ce484222325ull);
// The hash of a file's bytes; nothing when it cannot be read.
std::optional<std::uint64_t> HashOfFile(const std::string& path);
// The file a level name stands for, as the game resolves it: under the data folder when it holds it,
// else the path as given.
std::string LevelFilePath(const std::string& level);
// One hash over simulationDataFiles in the data archive's folder, each by name and bytes; a missing file
// counts as empty.
std::uint64_t SimulationDataHash();

} // namespace Vorn
