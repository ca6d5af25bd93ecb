#pragma once
#include <cstdint>

namespace emu::desktop {

// `percent` of `total`, without overflow for any 32-bit total.
inline std::uint32_t percent_of(std::uint32_t total, int percent) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(total) * static_cast<std::uint32_t>(percent) / 100);
}

// What share of `total` `part` is, in whole percent; 0 of nothing.
inline int percent_in(std::uint32_t part, std::uint32_t total) {
    return total == 0 ? 0 : static_cast<int>(static_cast<std::uint64_t>(part) * 100 / total);
}

}  // namespace emu::desktop
