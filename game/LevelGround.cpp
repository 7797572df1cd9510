// Reading a level's ground.
#include "game/LevelGround.h"

#include "game/LevelNames.h"

#include <algorithm>
#include <cctype>

namespace Vorn {

namespace {

constexpr std::size_t longestTextureName = 64;

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// Two hex digits as a fraction of 255; negative when they are not hex digits.
float HexByte(std::string_view text) {
    const int high = HexDigit(text[0]);
    const int low = HexDigit(text[1]);
    return high < 0 || low < 0 ? -1.0f : static_cast<float>(high * 16 + low) / 255.0f;
}

void ReadName(const Brisk::Node& element, std::string_view attribute, std::string& name) {
    const Brisk::Attribute* found = element.FindAttribute(std::string(attribute));
    if (found != nullptr && IsGroundTextureName(found->value))
        name = found->value;
}

} // namespace

std::optional<GroundTint> ReadGroundTint(std::string_view text) {
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    const GroundTint tint{HexByte(text.substr(1, 2)), HexByte(text.substr(3, 2)), HexByte(text.substr(5, 2))};
    if (tint.red < 0 || tint.green < 0 || tint.blue < 0)
        return std::nullopt;
    return tint;
}

bool IsGroundTextureName(std::string_view name) {
    return !name.empty() && name.size() <= longestTextureName &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; });
}

LevelGround ReadLevelGround(const Brisk::Node& levelDocument) {
    LevelGround ground;
    const Brisk::Node* element = levelDocument.FindChild(std::string(LevelNames::ground));
    if (element == nullptr)
        return ground;
    ReadName(*element, LevelNames::groundTexture, ground.texture);
    ReadName(*element, LevelNames::groundDetail, ground.detail);
    if (const Brisk::Attribute* tint = element->FindAttribute(std::string(LevelNames::groundTint)))
        if (const std::optional<GroundTint> read = ReadGroundTint(tint->value)) {
            ground.red = read->red;
            ground.green = read->green;
            ground.blue = read->blue;
        }
    return ground;
}

} // namespace Vorn
