#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace emu {

// Writes 0x00RRGGBB pixels (row-major) as an RGB PNG file; false when it cannot.
bool write_png_file(const std::filesystem::path& file, const std::vector<std::uint32_t>& pixels, int width,
                    int height);

}  // namespace emu
