// Hashing a replay's level and data files.
#include "replay/ReplayInputs.h"

#include "datafiles/DataArchive.h"

#include <fstream>
#include <iterator>

namespace Vorn {

namespace {

std::optional<std::string> BytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    return bytes;
}

} // namespace

std::uint64_t HashOfBytes(std::string_view bytes, std::uint64_t hash) {
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::optional<std::uint64_t> HashOfFile(const std::string& path) {
    const std::optional<std::string> bytes = BytesOf(path);
    if (!bytes)
        return std::nullopt;
    return HashOfBytes(*bytes);
}

std::string LevelFilePath(const std::string& level) {
    return dataArchive.Contains(level) ? dataArchive.Folder() + level : level;
}

std::uint64_t SimulationDataHash() {
    std::uint64_t hash = HashOfBytes("");
    for (const std::string_view name : simulationDataFiles) {
        // The name and the length keep the files apart, so bytes moved between them change the hash.
        const std::string bytes = BytesOf(dataArchive.Folder() + std::string(name)).value_or("");
        hash = HashOfBytes(name, hash);
        hash = HashOfBytes(std::to_string(bytes.size()) + ":", hash);
        hash = HashOfBytes(bytes, hash);
    }
    return hash;
}

} // namespace Vorn
