// Reading a save's head alone, for the list of saves.
#include "save/SaveSummary.h"

#include "save/SaveLimits.h"
#include "save/SaveSections.h"

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace Vorn {

namespace {
std::optional<std::int64_t> WrittenSeconds(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(status.st_mtime);
}

std::optional<SaveSummary> Refuse(const std::string& reason, std::string* fault) {
    if (fault != nullptr)
        *fault = reason;
    return std::nullopt;
}
} // namespace

std::optional<SaveSummary> ReadSaveSummary(const std::string& path, std::string* fault) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return Refuse(path + ": is not a file", fault);
    constexpr std::size_t prefix =
        SaveSections::openingBytes + SaveSections::sectionOverheadBytes + SaveLimits::maxHeadBytes;
    std::ifstream stream(path, std::ios::binary);
    std::string bytes(prefix, '\0');
    stream.read(bytes.data(), static_cast<std::streamsize>(prefix));
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    ByteReader in(bytes);
    SaveSections::ReadOpening(in);
    const SaveSections::Section section = SaveSections::ReadSection(in);
    if (!in.Failed() && section.tag != SaveSections::head)
        in.Fail("the first section is not the head");
    ByteReader body(section.body);
    const SaveSections::Head head = SaveSections::ReadHead(body);
    if (in.Failed() || body.Failed())
        return Refuse(path + ": " + (in.Failed() ? in.Fault() : body.Fault()), fault);
    const std::optional<std::int64_t> written = WrittenSeconds(path);
    if (!written)
        return Refuse(path + ": cannot be read", fault);
    return SaveSummary{head.levelPath, head.gameVersion, head.gameMs, head.steps, *written};
}

} // namespace Vorn
