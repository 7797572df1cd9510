// Reading and writing PNG images as 8-bit RGBA, rows from the top.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes, rows from the top
};

// Answers an empty string on success, else the reason in one line.
std::string WritePng(const std::string& path, const RgbaImage& image);
std::string ReadPng(const std::string& path, RgbaImage& image);

} // namespace platform
