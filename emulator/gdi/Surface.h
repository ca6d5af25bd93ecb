#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include <windef.h>

namespace emu {

// A rectangle of 32-bit pixels (0x00RRGGBB, row-major): the screen or a bitmap.
struct Surface {
    Surface(int width, int height)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height) {}

    int width;
    int height;
    std::vector<std::uint32_t> pixels;

    std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
    RECT bounds() const { return {0, 0, width, height}; }
};

}  // namespace emu
