// Reading and writing PNG images as 8-bit RGBA, rows from the top.
#include "platform/PngFile.h"

#include <png.h>

#include <cstring>

namespace platform {

std::string WritePng(const std::string& path, const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
        return "image size does not match its pixels";
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr)) {
        return std::string("cannot write ") + path + ": " + png.message;
    }
    return {};
}

std::string ReadPng(const std::string& path, RgbaImage& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        return std::string("cannot read ") + path + ": " + png.message;
    }
    png.format = PNG_FORMAT_RGBA;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.assign(PNG_IMAGE_SIZE(png), 0);
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        std::string reason = std::string("cannot decode ") + path + ": " + png.message;
        png_image_free(&png);
        image = {};
        return reason;
    }
    return {};
}

} // namespace platform
