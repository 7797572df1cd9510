// The opening, the sections and the head of a save file.
#include "save/SaveSections.h"

#include "save/SaveLimits.h"

#include <zlib.h>

namespace Vorn::SaveSections {

namespace {
std::uint32_t Checksum(std::string_view bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes lengths as uInt; a section stays far below its range (SaveLimits::maxSectionBytes).
    crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    return static_cast<std::uint32_t>(crc);
}

std::string Printable(std::string_view tag) {
    std::string text;
    for (char c : tag)
        text += (c >= 0x20 && c < 0x7f) ? c : '?';
    return text;
}
} // namespace

void WriteHead(ByteWriter& out, const Head& head) {
    out.String(head.gameVersion);
    out.String(head.levelPath);
    out.U64(head.levelHash);
    out.U64(head.dataHash);
    out.U8(head.skirmish ? 1 : 0);
    out.U8(head.skirmishTanks ? 1 : 0);
    out.U32(static_cast<std::uint32_t>(head.skirmishTanks.value_or(0)));
    out.U32(head.steps);
    out.U64(head.gameMs);
}

Head ReadHead(ByteReader& in) {
    Head head;
    head.gameVersion = in.String("the game version", SaveLimits::maxVersionBytes);
    head.levelPath = in.String("the level path", SaveLimits::maxPathBytes);
    head.levelHash = in.U64("the level hash");
    head.dataHash = in.U64("the data hash");
    head.skirmish = in.U8("the skirmish flag") != 0;
    const bool counted = in.U8("the skirmish count flag") != 0;
    const auto tanks = static_cast<int>(in.Bounded("the skirmish tanks", SaveLimits::maxSkirmishTanks));
    if (counted)
        head.skirmishTanks = tanks;
    head.steps = in.Bounded("the step count", SaveLimits::maxStep);
    head.gameMs = in.U64("the game time");
    if (head.levelPath.empty())
        in.Fail("the level path is empty");
    return head;
}

void AppendSection(std::string& file, std::string_view tag, std::string_view body) {
    ByteWriter out;
    for (char c : tag)
        out.U8(static_cast<std::uint8_t>(c));
    out.U32(static_cast<std::uint32_t>(body.size()));
    std::string section = out.Take();
    section.append(body);
    const std::uint32_t crc = Checksum(section);
    ByteWriter sum;
    sum.U32(crc);
    file += section;
    file += sum.Bytes();
}

Section ReadSection(ByteReader& in) {
    const std::size_t before = in.Left();
    Section section;
    section.tag = in.Take("a section's tag", tagBytes);
    const std::size_t length = in.Count("a section's length", SaveLimits::maxSectionBytes, 1);
    section.body = in.Take("a section's body", length);
    const std::uint32_t stored = in.U32("a section's checksum");
    if (in.Failed())
        return {};
    // The tag, the length and the body lie just before the checksum.
    const std::size_t covered = before - in.Left() - 4;
    const std::string_view whole(section.tag.data(), covered);
    if (Checksum(whole) != stored) {
        in.Fail("the " + Printable(section.tag) + " section is damaged (its checksum differs)");
        return {};
    }
    return section;
}

std::uint32_t ReadOpening(ByteReader& in) {
    if (in.Left() < openingBytes || in.Take("the opening", magic.size()) != magic) {
        in.Fail("not a saved game of this game");
        return 0;
    }
    const std::uint32_t version = in.U32("the format version");
    if (version > saveFormatVersion)
        in.Fail("written by a newer game (save format " + std::to_string(version) + ", this game reads " +
                std::to_string(saveFormatVersion) + ")");
    else if (version < oldestSaveFormatVersion)
        in.Fail("save format " + std::to_string(version) + " is not one this game reads");
    return version;
}

} // namespace Vorn::SaveSections
