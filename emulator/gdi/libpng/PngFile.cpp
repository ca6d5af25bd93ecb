#include "gdi/PngFile.h"

#include <png.h>

namespace emu {

bool write_png_file(const std::filesystem::path& file, const std::vector<std::uint32_t>& pixels, int width,
                    int height) {
    std::vector<png_byte> rgb;
    rgb.reserve(pixels.size() * 3);
    for (std::uint32_t pixel : pixels)
        rgb.insert(rgb.end(), {png_byte(pixel >> 16), png_byte(pixel >> 8), png_byte(pixel)});
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    const bool written = png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}

}  // namespace emu
