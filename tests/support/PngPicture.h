#pragma once
// An RGB picture read from a PNG file, for the tools that compare screenshots.
#include <png.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // The pixel at (x, y) as 0x00RRGGBB.
    std::uint32_t at(int x, int y) const {
        const auto* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return (p[0] << 16) | (p[1] << 8) | p[2];
    }
};

inline std::optional<PngPicture> read_png(const std::string& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    PngPicture picture{static_cast<int>(image.width), static_cast<int>(image.height),
                       std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) return std::nullopt;
    return picture;
}
