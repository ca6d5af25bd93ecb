#pragma once
#include <cstddef>
#include <cstdint>
#include <cwchar>

#include <windef.h>

namespace emu {

// Surfaces hold pixels as 0x00RRGGBB; the API speaks COLORREF, 0x00BBGGRR. The same
// swap of the red and blue bytes converts either way.
constexpr std::uint32_t swap_red_blue(std::uint32_t value) {
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

constexpr std::uint32_t pixel_of(COLORREF colour) { return swap_red_blue(colour & 0xFFFFFF); }
constexpr COLORREF colorref_of(std::uint32_t pixel) { return swap_red_blue(pixel & 0xFFFFFF); }

// Each 16-bit lane's x / 255, rounded to the nearest value: (x + 128 + ((x + 128) >> 8)) >> 8,
// exact for the sums below. Red and blue share one multiplication in two 16-bit lanes.
constexpr std::uint32_t kRedBlueLanes = 0x00FF00FF;
constexpr std::uint32_t divide_lanes_by_255(std::uint32_t sum) {
    return ((sum + 0x00800080) + (((sum + 0x00800080) >> 8) & kRedBlueLanes)) >> 8;
}

// Mixes `over` onto `under` with coverage 0 (all under) to 255 (all over), each channel
// rounded to the nearest value.
constexpr std::uint32_t blend(std::uint32_t under, std::uint32_t over, unsigned coverage) {
    const unsigned rest = 255 - coverage;
    const std::uint32_t red_blue =
        divide_lanes_by_255((over & kRedBlueLanes) * coverage + (under & kRedBlueLanes) * rest) & kRedBlueLanes;
    const std::uint32_t green = divide_lanes_by_255(((over >> 8) & 0xFF) * coverage + ((under >> 8) & 0xFF) * rest) & 0xFF;
    return red_blue | (green << 8);
}

// Each channel of `pixel` times `amount` / 255 (0 to 255), rounded to the nearest value.
constexpr std::uint32_t scale(std::uint32_t pixel, unsigned amount) {
    const std::uint32_t red_blue = divide_lanes_by_255((pixel & kRedBlueLanes) * amount) & kRedBlueLanes;
    const std::uint32_t green = divide_lanes_by_255(((pixel >> 8) & 0xFF) * amount) & 0xFF;
    return red_blue | (green << 8);
}

// Sets `count` pixels from `start` to `pixel`. wchar_t is 32 bits here, so the C library's
// wmemset stores 32-bit pixels with memset's own code: whole vectors, or the processor's
// string stores on long runs, at the speed of memory. Runs too short to repay the call are
// stored one by one.
inline void fill_pixels(std::uint32_t* start, std::size_t count, std::uint32_t pixel) {
    static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
    constexpr std::size_t kShortRun = 8;
    if (count < kShortRun) {
        for (std::size_t i = 0; i < count; ++i) start[i] = pixel;
        return;
    }
    std::wmemset(reinterpret_cast<wchar_t*>(start), static_cast<wchar_t>(pixel), count);
}

}  // namespace emu
