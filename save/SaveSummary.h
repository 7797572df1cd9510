// What a list of saves shows of each without loading the game: the level, when it was written, how far
// the game had gone and which version of the game wrote it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace Vorn {

struct SaveSummary {
    std::string levelPath;
    std::string gameVersion;
    std::uint64_t gameMs = 0;
    std::uint32_t steps = 0;
    // The file's modification time in seconds since 1970 (UTC): the file itself holds no date, so the
    // same game saved twice gives the same bytes.
    std::int64_t writtenSeconds = 0;
};

// Reads only the opening and the head section, checksum included; nothing when the file is no save this
// game reads, with the one-line reason in `fault` when given.
std::optional<SaveSummary> ReadSaveSummary(const std::string& path, std::string* fault = nullptr);

} // namespace Vorn
