#pragma once
#include <cstdint>

#include <windef.h>

namespace emu {

// Surfaces hold pixels as 0x00RRGGBB; the API speaks COLORREF, 0x00BBGGRR. The same
// swap of the red and blue bytes converts either way.
constexpr std::uint32_t swap_red_blue(std::uint32_t value) {
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

constexpr std::uint32_t pixel_of(COLORREF colour) { return swap_red_blue(colour & 0xFFFFFF); }
constexpr COLORREF colorref_of(std::uint32_t pixel) { return swap_red_blue(pixel & 0xFFFFFF); }

// Mixes `over` onto `under` with coverage 0 (all under) to 255 (all over), per channel.
constexpr std::uint32_t blend(std::uint32_t under, std::uint32_t over, unsigned coverage) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        result |= ((b * coverage + a * (255 - coverage) + 127) / 255) << shift;
    }
    return result;
}

}  // namespace emu
