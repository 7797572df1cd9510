// Setting the game mode up to play a replay file: what it can play, whether the files at hand are those
// the replay was recorded on, and the game's level, seed, skirmish and step length taken from it.
#pragma once

#include "replay/Replay.h"

#include <memory>
#include <string>

namespace Vorn {

// Reads the replay; false with one line in `fault` when the reader refuses it or the game mode cannot
// play it (it always fields the skirmish). The save a replay starts from is checked by
// FindReplayStartSave (game/ReplayStartSave.h).
bool ReadPlayableReplay(const std::string& path, Replay& replay, std::string& fault);
// What differs between the level and data files at hand (the data folder entered) and those recorded,
// in a few words; empty when nothing does.
std::string ReplayInputsDiffer(const Replay& replay);
// Every game the game mode builds from now on plays the replay; one that starts from a save builds its
// battle from `startSaveFile` (FindReplayStartSave's).
void PlayReplayInGame(std::shared_ptr<const Replay> replay, std::string startSaveFile = {});

} // namespace Vorn
