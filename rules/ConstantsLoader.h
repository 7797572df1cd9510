// Reads "constants.xml" into the constants table and releases it again.
#pragma once

#include "rules/ConstantsTable.h"

#include <memory>
#include <string>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn::Constants {

// The file's name in the data folder, for the game, the tools and the checker alike.
inline constexpr const char* constantsFileName = "constants.xml";

// Empties the game's table, then fills it from "constants.xml" in the data folder. Never fails: missing
// keys read as 0, false or empty, unknown elements are ignored, and a repeated element replaces the earlier
// record. Called when a game starts, before the level is read.
void LoadConstants();

// Deletes every record of the game's table. Called when the game ends, after its objects are gone.
void ReleaseConstants();

// The loading rule on an already parsed document: every top-level element whose name is an entry fills
// that entry's slot of the table (the table is not emptied first).
void LoadConstantsFrom(const Brisk::Node& document, ConstantsTable& table);

// The record of the entry's class filled from one element; null for ConstantId::None.
std::unique_ptr<ObjectData> ReadRecord(ConstantId id, const Brisk::Node& element);

// The refusal a game makes when its constants lack entries: a message naming every missing element, or an
// empty text when nothing is missing. Every object the level or production can create needs its record, so
// a game with missing entries must not start.
std::string MissingConstantsMessage(const ConstantsTable& table = constantsTable);

} // namespace Vorn::Constants
