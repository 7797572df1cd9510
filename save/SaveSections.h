// The parts of a save file shared by its writer, its reader and the summary reader: the opening, the
// section tags and the head section.
#pragma once

#include "save/ByteStream.h"
#include "save/SavedGame.h"

#include <cstdint>
#include <string_view>

namespace Vorn::SaveSections {

// Eight bytes that no text file starts with; the carriage return and line feed catch a file mangled by a
// text-mode copy.
inline constexpr std::string_view magic{"SCSAVE\r\n", 8};
// The magic and the format version.
inline constexpr std::size_t openingBytes = 12;
// A section is its tag, the length of its body, the body and a CRC-32 over the three before.
inline constexpr std::size_t tagBytes = 4;
inline constexpr std::size_t sectionOverheadBytes = tagBytes + 4 + 4;

inline constexpr std::string_view head = "HEAD";
inline constexpr std::string_view random = "RAND";
inline constexpr std::string_view steps = "STEP";
inline constexpr std::string_view commands = "CMDS";
inline constexpr std::string_view digest = "DGST";
inline constexpr std::string_view state = "STAT";
inline constexpr std::string_view view = "VIEW";
inline constexpr std::string_view commanders = "CMDR";
inline constexpr std::string_view end = "END ";

// What the head holds; the list of saves reads it without the rest.
struct Head {
    std::string gameVersion;
    std::string levelPath;
    std::uint64_t levelHash = 0;
    std::uint64_t dataHash = 0;
    bool skirmish = false;
    std::optional<int> skirmishTanks;
    std::uint32_t steps = 0;
    std::uint64_t gameMs = 0;
};

void WriteHead(ByteWriter& out, const Head& head);
Head ReadHead(ByteReader& in);

// Appends a whole section: tag, length, body and checksum.
void AppendSection(std::string& file, std::string_view tag, std::string_view body);

// One section as read: its tag and body, its checksum verified.
struct Section {
    std::string_view tag;
    std::string_view body;
};
// Reads the next section; a fault (cut short, damaged) goes to the reader.
Section ReadSection(ByteReader& in);
// Checks the magic and the version, and answers the version; a fault goes to the reader.
std::uint32_t ReadOpening(ByteReader& in);

} // namespace Vorn::SaveSections
