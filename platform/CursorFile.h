// Reading cursor files: static ".cur" (an icon directory with hotspots) and animated ".ani" (RIFF "ACON").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Usage: CursorAnimation cursor; if (ReadCursorFile(path, cursor).empty()) { ... cursor.frames ... }
//
// Every size and offset comes from the file, so each is checked against the bytes present and against
// the limits below before anything is allocated; a malformed file answers a reason and no frames.

struct CursorImage {
    int width = 0;
    int height = 0;
    int hotspotX = 0;                 // from the left
    int hotspotY = 0;                 // from the top
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes: red, green, blue, alpha; rows from the top
};

// A static cursor is one frame shown for one step.
struct CursorAnimation {
    struct Step {
        int frame = 0;
        int milliseconds = 0;
    };
    std::vector<CursorImage> frames;
    std::vector<Step> steps;
};

// Largest side, frame count and step count accepted.
inline constexpr int MaxCursorSide = 256;
inline constexpr int MaxCursorFrames = 256;
inline constexpr int MaxCursorSteps = 4096;

// Each answers an empty string on success, else the reason in one line (and leaves the output empty).
// The first takes a ".cur" file's bytes (an icon directory of type 2, or type 1 with the hotspot at the
// top left); it picks the largest image of the directory.
std::string ParseStaticCursor(std::span<const std::uint8_t> bytes, CursorImage& image);
std::string ParseAnimatedCursor(std::span<const std::uint8_t> bytes, CursorAnimation& animation);
// Reads either kind, told apart by content rather than by the file name.
std::string ParseCursor(std::span<const std::uint8_t> bytes, CursorAnimation& animation);
std::string ReadCursorFile(const std::string& path, CursorAnimation& animation);

} // namespace platform
