#include "gdi/PngFile.h"

namespace emu {

// The web build has no PNG library: the page makes its pictures from its canvas.
bool write_png_file(const std::filesystem::path&, const std::vector<std::uint32_t>&, int, int) { return false; }

}  // namespace emu
